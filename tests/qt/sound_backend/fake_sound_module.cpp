#include "tests/qt/sound_backend/fake_sound_module.h"

namespace {

FakeSoundModule state;

class FakeBackend : public rt::qt::SoundBackend {
  public:
    FakeBackend() { ++state.backendsAlive; }
    ~FakeBackend() override { --state.backendsAlive; }

    int deviceCount() override { return state.deviceRefuses ? 0 : 1; }
    bool play(rt::qt::PcmSound sound) override {
        stop();
        if (state.deviceRefuses) return false;
        state.played.push_back(std::move(sound));
        playing_ = true;
        return true;
    }
    void stop() override {
        ++state.stops;
        playing_ = false;
    }
    bool active() const override { return playing_; }

  private:
    bool playing_ = false;
};

}  // namespace

extern "C" FakeSoundModule* fake_sound_module_state() {
    return &state;
}

extern "C" rt::qt::SoundBackend* quopa_sound_create(int version) {
    ++state.creates;
    state.versionAsked = version;
    if (state.refuse) return nullptr;
    return new FakeBackend;
}
