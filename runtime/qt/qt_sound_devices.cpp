#include "runtime/qt/qt_sound_devices.h"

#include <sys/stat.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace rt::qt {

namespace {

namespace fs = std::filesystem;

// Nothing when the file cannot be read: the caller then looks at the device files. Read with the
// C library: the C++ streams would set up the standard library's locales at start-up for it.
std::optional<int> playbackLinesIn(const fs::path& pcmList) {
    std::FILE* in = std::fopen(pcmList.c_str(), "r");
    if (!in) return std::nullopt;
    int count = 0;
    std::string line;
    for (int c = std::getc(in);; c = std::getc(in)) {
        if (c != EOF && c != '\n') {
            line.push_back(static_cast<char>(c));
            continue;
        }
        if (line.find("playback") != std::string::npos) ++count;
        line.clear();
        if (c == EOF) break;
    }
    std::fclose(in);
    return count;
}

// Skips `prefix` and the number after it; false when either is not there.
bool skipNumbered(std::string_view& name, std::string_view prefix) {
    if (!name.starts_with(prefix)) return false;
    name.remove_prefix(prefix.size());
    size_t digits = 0;
    while (digits < name.size() && std::isdigit(static_cast<unsigned char>(name[digits]))) ++digits;
    name.remove_prefix(digits);
    return digits > 0;
}

// pcmC<card>D<device>p; the capture devices end in "c".
bool isPlaybackDeviceFile(std::string_view name) {
    return skipNumbered(name, "pcmC") && skipNumbered(name, "D") && name == "p";
}

int playbackDeviceFiles(const fs::path& devSnd) {
    std::error_code error;
    int count = 0;
    for (fs::directory_iterator it(devSnd, error), end; !error && it != end; it.increment(error))
        if (isPlaybackDeviceFile(it->path().filename().native())) ++count;
    return count;
}

bool isSocket(const fs::path& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
}

}  // namespace

SoundDeviceRoots SoundDeviceRoots::system() {
    SoundDeviceRoots roots;
    if (const char* dir = std::getenv("XDG_RUNTIME_DIR"); dir && *dir) roots.runtimeDir = dir;
    return roots;
}

int countSoundOutputs(const SoundDeviceRoots& roots) {
    const std::optional<int> listed = playbackLinesIn(roots.procAsound / "pcm");
    int count = listed ? *listed : playbackDeviceFiles(roots.devSnd);
    // PipeWire usually serves both sockets; the server is one device either way.
    if (!roots.runtimeDir.empty() && (isSocket(roots.runtimeDir / "pulse" / "native") ||
                                      isSocket(roots.runtimeDir / "pipewire-0")))
        ++count;
    return count;
}

}  // namespace rt::qt
