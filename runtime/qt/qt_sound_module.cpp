#include "runtime/qt/qt_sound_module.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include <QDebug>

namespace rt::qt {

namespace {

// A backend from one module file, or nothing with the reason in `why`.
std::unique_ptr<SoundBackend> loadFrom(const std::string& path, std::string& why) {
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        why = ::dlerror();
        return nullptr;
    }
    auto create = reinterpret_cast<CreateSoundBackend>(::dlsym(module, kSoundEntryPoint));
    if (!create) {
        why = path + ": no entry point " + kSoundEntryPoint;
        return nullptr;
    }
    std::unique_ptr<SoundBackend> backend(create(kSoundInterfaceVersion));
    if (!backend) why = path + ": built for another version of the program";
    return backend;
}

}  // namespace

std::vector<std::string> soundModuleCandidates() {
    std::vector<std::string> candidates;
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) candidates.push_back((program.parent_path() / kSoundModuleFile).string());
    candidates.push_back(kSoundModuleFile);
    return candidates;
}

std::unique_ptr<SoundBackend> loadSoundBackend(const std::vector<std::string>& candidates) {
    // Every candidate's reason: the first (beside the program) usually tells the real fault.
    std::string reasons;
    for (const std::string& path : candidates) {
        std::string why;
        if (std::unique_ptr<SoundBackend> backend = loadFrom(path, why)) return backend;
        reasons += (reasons.empty() ? "" : "; ") + why;
    }
    // The game goes on without sound, as on a machine without an output device.
    qWarning().noquote() << "Sounds are off:" << QString::fromStdString(reasons);
    return nullptr;
}

}  // namespace rt::qt
