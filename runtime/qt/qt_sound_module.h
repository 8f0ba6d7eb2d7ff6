// Loading the sound module, libquopa_sound.so, which holds everything of Qt Multimedia.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "runtime/qt/sound_backend/sound_backend.h"

namespace rt::qt {

// Where the module is looked for, in order: beside the program (the folder that /proc/self/exe
// names, as the module is built and installed there), then by its plain file name on the
// system's library path.
std::vector<std::string> soundModuleCandidates();

// Loads the first of the candidates that loads and creates a backend with this program's
// interface version. Nothing when none does, with one warning on the log that gives the reason.
//
// A module that was loaded stays loaded until the process ends, even when it refused: Qt
// Multimedia and the audio system's libraries that it brings start threads and register with Qt,
// which unloading them would leave dangling.
std::unique_ptr<SoundBackend> loadSoundBackend(const std::vector<std::string>& candidates);

}  // namespace rt::qt
