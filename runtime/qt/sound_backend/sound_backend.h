// What the program asks of its sound module, libquopa_sound.so: the one place that links Qt
// Multimedia. The program loads the module when it plays its first sound (see QtSoundOutput),
// finds its one entry point by name and drives the backend it creates through this interface.
#pragma once

#include "runtime/qt/qt_wav.h"

namespace rt::qt {

// The file name of the module, and the name of its entry point.
inline constexpr char kSoundModuleFile[] = "libquopa_sound.so";
inline constexpr char kSoundEntryPoint[] = "quopa_sound_create";

// Raised whenever this interface or PcmSound changes shape. A module from another build, left
// beside the program, then refuses to create a backend instead of being called through a table
// of functions that no longer matches.
inline constexpr int kSoundInterfaceVersion = 1;

// Plays decoded sounds on the default output device, one at a time. Lives and is called on the
// thread of the application object, whose event loop delivers the device's signals.
// The module is built with hidden symbols; the interface stays visible so that both sides agree
// on its type (the sanitizers check calls through it).
class __attribute__((visibility("default"))) SoundBackend {
  public:
    virtual ~SoundBackend() = default;

    // The output devices as the audio system lists them.
    virtual int deviceCount() = 0;
    // Stops the sound that is playing and starts this one, converted in memory when the device
    // does not take its format; returns at once. The device is opened here and released when the
    // sound has played to its end. Returns false, and plays nothing, when there is no output
    // device, the sound is empty or its format invalid, or the device refuses the sound.
    virtual bool play(PcmSound sound) = 0;
    // Stops the sound and releases the device at once.
    virtual void stop() = 0;
    // Whether a sound holds the device: playing, or playing out.
    virtual bool active() const = 0;
};

// The entry point's type: a new backend, owned by the caller, or null when `version` is not the
// module's own kSoundInterfaceVersion.
using CreateSoundBackend = SoundBackend* (*)(int version);

}  // namespace rt::qt
