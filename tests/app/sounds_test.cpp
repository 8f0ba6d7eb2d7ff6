// Playing the built-in sounds: one at a time, from memory, never failing for want of a device.
#include <gtest/gtest.h>

#include "app/module1.h"
#include "resources/resources.h"
#include "runtime/errors.h"
#include "tests/support/fake_services.h"

namespace {

// Logs the order of the calls, and whether the bytes of the sound playing were still held by
// the program when it was stopped.
class RecordingSound : public rt::SoundOutput {
  public:
    int deviceCount() override { return devices; }
    bool play(std::shared_ptr<const std::vector<uint8_t>> wav) override {
        log.push_back("play");
        if (devices == 0) return false;
        playing = wav;
        return true;
    }
    void stop() override {
        log.push_back(playing && quopa::SomDados.get() != playing.get() ? "stop (released early)"
                                                                        : "stop");
        playing.reset();
    }
    int devices = 1;
    std::vector<std::string> log;
    std::shared_ptr<const std::vector<uint8_t>> playing;
};

class Sounds : public ::testing::Test {
  protected:
    void SetUp() override {
        rt::Services s = rt::app().services();
        s.sound = &sound;
        rt::app().install(s);
        quopa::SomDados.reset();
    }
    testing_support::FakeServices services;
    RecordingSound sound;
};

TEST_F(Sounds, EachSoundStopsThePreviousOneBeforeItsBytesAreReplaced) {
    quopa::TocaSom(4);
    quopa::TocaSom(1);
    EXPECT_EQ(sound.log, (std::vector<std::string>{"stop", "play", "stop", "play"}));
    EXPECT_EQ(sound.playing, quopa::resources::sound(1));
    EXPECT_EQ(quopa::SomDados, quopa::resources::sound(1));
}

TEST_F(Sounds, ParaSomStopsAndKeepsTheLastSoundsBytes) {
    quopa::TocaSom(3);
    quopa::ParaSom();
    EXPECT_EQ(sound.log.back(), "stop");
    EXPECT_EQ(sound.playing, nullptr);
    EXPECT_EQ(quopa::SomDados, quopa::resources::sound(3));
}

TEST_F(Sounds, WithoutAnOutputDeviceNothingIsHeardAndNothingFails) {
    sound.devices = 0;
    EXPECT_NO_THROW(quopa::TocaSom(2));
    EXPECT_EQ(sound.playing, nullptr);
}

TEST_F(Sounds, AnUnknownSoundIsARunTimeErrorThatTheCallersIgnore) {
    EXPECT_THROW(quopa::TocaSom(10), rt::RuntimeError);
    EXPECT_EQ(sound.playing, nullptr);
}

}  // namespace
