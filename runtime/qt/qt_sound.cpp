#include "runtime/qt/qt_sound.h"

#include "runtime/qt/qt_sound_module.h"
#include "runtime/qt/qt_wav.h"

namespace rt::qt {

QtSoundOutput::QtSoundOutput() : modulePaths_(soundModuleCandidates()) {}

QtSoundOutput::QtSoundOutput(std::string modulePath, std::optional<SoundDeviceRoots> roots)
    : modulePaths_{std::move(modulePath)}, roots_(std::move(roots)) {}

QtSoundOutput::~QtSoundOutput() = default;

int QtSoundOutput::deviceCount() {
    return countSoundOutputs(roots_ ? *roots_ : SoundDeviceRoots::system());
}

bool QtSoundOutput::play(std::shared_ptr<const std::vector<uint8_t>> wav) {
    stop();
    if (!wav) return false;
    // Decoded first: a bad image is refused without loading anything.
    std::optional<PcmSound> sound = decodeWav(*wav);
    if (!sound) return false;
    SoundBackend* output = backend();
    return output && output->play(std::move(*sound));
}

void QtSoundOutput::stop() {
    if (backend_) backend_->stop();
}

bool QtSoundOutput::active() const {
    return backend_ && backend_->active();
}

SoundBackend* QtSoundOutput::backend() {
    if (!loadTried_) {
        loadTried_ = true;
        backend_ = loadSoundBackend(modulePaths_);
    }
    return backend_.get();
}

}  // namespace rt::qt
