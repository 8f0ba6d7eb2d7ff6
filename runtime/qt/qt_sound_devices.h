// Counting the sound output devices without loading the audio system.
#pragma once

#include <filesystem>

namespace rt::qt {

// Where the count looks. The system's own folders by default; tests put fakes in their place.
struct SoundDeviceRoots {
    std::filesystem::path procAsound = "/proc/asound";  // the kernel's list of sound devices
    std::filesystem::path devSnd = "/dev/snd";          // their device files
    std::filesystem::path runtimeDir;  // the user's runtime folder; none when empty

    // The system's folders, and the runtime folder that $XDG_RUNTIME_DIR names.
    static SoundDeviceRoots system();
};

// The ALSA playback devices (lines of procAsound/pcm that offer "playback"; when that file cannot
// be read, the device files devSnd/pcmC<card>D<device>p), plus one when a user sound server
// listens: a PulseAudio or PipeWire socket at runtimeDir/pulse/native or runtimeDir/pipewire-0.
//
// A count of what is there, not a promise that a sound will play: the audio system is asked only
// when a sound is played, which may still find no usable device and refuse. Reads a file and two
// folders; never fails (what cannot be read counts nothing).
int countSoundOutputs(const SoundDeviceRoots& roots);

}  // namespace rt::qt
