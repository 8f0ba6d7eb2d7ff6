// Sound output: WAV images played from memory, one at a time, by the sound module.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/qt/qt_sound_devices.h"
#include "runtime/services.h"

namespace rt::qt {

class SoundBackend;

// play() decodes the WAV image (see decodeWav), stops the sound that is playing and starts the
// new one on the default output device; it returns at once while the device pulls the samples
// from memory. It returns false, and plays nothing, when the image is not a WAV image it can
// read, the sound module cannot be loaded, there is no output device, or the device refuses the
// sound. A format that the device does not take is converted in memory first.
//
// Qt Multimedia, the audio system's client libraries and their codecs add some 3.5 MB to the
// resident memory of a process that loads them, and a game with its sounds off never needs them.
// So they live in a module of their own (libquopa_sound.so, see sound_backend.h) that the first
// play() loads; the program itself does not link them. deviceCount(), which the game asks at
// start, therefore does not ask the audio system: it counts the devices and the sound server
// from the system's files (see countSoundOutputs). A sound that has played to its end releases
// the device, so an idle program holds no audio stream and uses no processor time.
class QtSoundOutput : public SoundOutput {
  public:
    // Loads the module from beside the program, else from the system's library path.
    QtSoundOutput();
    // Loads the module from `modulePath` only, and counts the devices under `roots` (tests).
    explicit QtSoundOutput(std::string modulePath,
                           std::optional<SoundDeviceRoots> roots = std::nullopt);
    ~QtSoundOutput() override;

    int deviceCount() override;
    bool play(std::shared_ptr<const std::vector<uint8_t>> wav) override;
    void stop() override;

    // Whether a sound is playing or about to (for tests).
    bool active() const;

  private:
    // The backend, loaded on the first call; null when the module could not be loaded. A module
    // that failed is not looked for again: it will not appear while the program runs.
    SoundBackend* backend();

    std::vector<std::string> modulePaths_;
    std::optional<SoundDeviceRoots> roots_;  // the system's when not given
    std::unique_ptr<SoundBackend> backend_;
    bool loadTried_ = false;
};

}  // namespace rt::qt
