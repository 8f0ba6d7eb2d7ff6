// A stand-in for the sound module, built as a module of its own and loaded by path: it records
// what the sound output asks of it, on a machine with or without an audio device.
#pragma once

#include <vector>

#include "runtime/qt/sound_backend/sound_backend.h"

struct FakeSoundModule {
    // Set by the test.
    bool refuse = false;         // create() returns nothing, as a module of another version
    bool deviceRefuses = false;  // play() returns false, as without an output device
    // Recorded by the module.
    int creates = 0;  // calls of the entry point
    int versionAsked = 0;
    int backendsAlive = 0;
    std::vector<rt::qt::PcmSound> played;
    int stops = 0;
};

// The fake module's state, shared with the test that loaded it (the same module is loaded once
// per process, however often it is opened).
extern "C" FakeSoundModule* fake_sound_module_state();
using FakeSoundModuleState = FakeSoundModule* (*)();
