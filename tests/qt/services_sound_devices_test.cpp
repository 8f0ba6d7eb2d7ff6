// Counting the sound output devices from the system's files, on fake folders.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QTemporaryDir>

#include "runtime/qt/qt_sound_devices.h"

namespace {

namespace fs = std::filesystem;
using rt::qt::countSoundOutputs;
using rt::qt::SoundDeviceRoots;

// A listening Unix socket at `path`, as a sound server leaves it.
bool makeSocket(const fs::path& path) {
    fs::create_directories(path.parent_path());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.native().size() >= sizeof address.sun_path) return false;
    std::strcpy(address.sun_path, path.c_str());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool made = fd >= 0 &&
                      ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                      ::listen(fd, 1) == 0;
    if (fd >= 0) ::close(fd);  // the socket file stays
    return made;
}

void makeFile(const fs::path& path, const std::string& text = {}) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

// One machine: the kernel's list of PCM devices (none: no such file), the device files, and
// what stands in the user's runtime folder.
struct Machine {
    const char* what;
    const char* pcmList;  // nullptr: no /proc/asound/pcm
    std::vector<std::string> deviceFiles;
    std::vector<std::string> sockets;  // relative to the runtime folder
    std::vector<std::string> files;    // plain files there
    int expected;
};

TEST(SoundDevices, CountsPlaybackDevicesAndOneSoundServer) {
    const char* kTwoPlaybackOneCapture =
        "00-00: ALC1220 Analog : ALC1220 Analog : playback 1 : capture 1\n"
        "00-02: ALC1220 Alt Analog : ALC1220 Alt Analog : capture 1\n"
        "01-03: HDMI 0 : HDMI 0 : playback 1\n";
    const Machine machines[] = {
        {"nothing at all", nullptr, {}, {}, {}, 0},
        {"listed devices", kTwoPlaybackOneCapture, {}, {}, {}, 2},
        {"device files when nothing is listed",
         nullptr,
         {"pcmC0D0p", "pcmC0D0c", "pcmC1D3p", "pcmC12D10p", "controlC0", "timer", "pcmC0Dp",
          "pcmCxD0p", "pcmC0D0pp", "seq"},
         {},
         {},
         3},
        {"the list wins over the files", "", {"pcmC0D0p", "pcmC1D0p"}, {}, {}, 0},
        {"PulseAudio", nullptr, {}, {"pulse/native"}, {}, 1},
        {"PipeWire", nullptr, {}, {"pipewire-0"}, {}, 1},
        {"both sockets are one server",
         kTwoPlaybackOneCapture,
         {},
         {"pulse/native", "pipewire-0"},
         {},
         3},
        {"a plain file is no server", nullptr, {}, {}, {"pulse/native", "pipewire-0"}, 0},
        {"another socket is no server", nullptr, {}, {"pulse/other", "wayland-0"}, {}, 0},
    };
    for (const Machine& m : machines) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const fs::path root = dir.path().toStdString();
        SoundDeviceRoots roots{root / "asound", root / "snd", root / "run"};
        if (m.pcmList) makeFile(roots.procAsound / "pcm", m.pcmList);
        for (const std::string& f : m.deviceFiles) makeFile(roots.devSnd / f);
        for (const std::string& s : m.sockets) ASSERT_TRUE(makeSocket(roots.runtimeDir / s));
        for (const std::string& f : m.files) makeFile(roots.runtimeDir / f);
        EXPECT_EQ(countSoundOutputs(roots), m.expected) << m.what;
    }
}

// Without a runtime folder ($XDG_RUNTIME_DIR unset) no server is looked for, not even in the
// working folder.
TEST(SoundDevices, NoRuntimeFolderMeansNoServer) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path root = dir.path().toStdString();
    ASSERT_TRUE(makeSocket(root / "pipewire-0"));
    const fs::path previous = fs::current_path();
    fs::current_path(root);
    EXPECT_EQ(countSoundOutputs({root / "asound", root / "snd", {}}), 0);
    fs::current_path(previous);
}

}  // namespace
