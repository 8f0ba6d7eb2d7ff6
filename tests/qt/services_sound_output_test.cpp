// The sound output and its module: loaded on the first sound only, once, and a game that stays
// silent without it. The fake module records what the output asks; the real one runs too.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include "runtime/qt/qt_sound.h"
#include "runtime/qt/qt_sound_module.h"
#include "tests/qt/sound_backend/fake_sound_module.h"
#include "tests/qt/wav_images.h"

namespace {

using namespace wav_images;
using rt::qt::PcmFormat;
using rt::qt::QtSoundOutput;

// The fake module's state, cleared for each test. The module stays loaded for the process, as
// the sound output leaves it.
FakeSoundModule& fakeModule() {
    static FakeSoundModule* state = [] {
        void* module = dlopen(FAKE_SOUND_MODULE, RTLD_NOW | RTLD_LOCAL);
        EXPECT_NE(module, nullptr) << dlerror();
        auto get = reinterpret_cast<FakeSoundModuleState>(dlsym(module, "fake_sound_module_state"));
        return get();
    }();
    *state = {};
    return *state;
}

// How long `work` held this thread up, less the time the thread stood ready to run while other
// processes had the cores (its run-queue wait, as the kernel counts it): a busy machine adds to
// the wall time, not to this.
template <class Work>
std::chrono::nanoseconds ownTime(Work work) {
    const auto queued = [] {
        std::ifstream stat("/proc/thread-self/schedstat");
        long long running = 0, waiting = 0;
        stat >> running >> waiting;
        return std::chrono::nanoseconds(waiting);
    };
    const auto queuedBefore = queued();
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto wall = std::chrono::steady_clock::now() - start;
    return wall - (queued() - queuedBefore);
}

// Roots where no device is found, so that a test never depends on this machine's devices.
rt::qt::SoundDeviceRoots nowhere() {
    return {"/nonexistent/asound", "/nonexistent/snd", {}};
}

TEST(SoundOutput, BadImagesAreRefusedWithoutLoadingTheModule) {
    FakeSoundModule& fake = fakeModule();
    QtSoundOutput sound(FAKE_SOUND_MODULE, nowhere());
    EXPECT_FALSE(sound.play(nullptr));
    EXPECT_FALSE(sound.play(shared({})));
    EXPECT_FALSE(sound.play(shared({'R', 'I', 'F', 'F', 1, 2, 3})));
    WavLayout floatSpec = eightBitMono();
    floatSpec.formatTag = 3;
    EXPECT_FALSE(sound.play(shared(makeWav(floatSpec))));
    EXPECT_FALSE(sound.active());
    EXPECT_NO_THROW(sound.stop());
    EXPECT_EQ(fake.creates, 0);
}

// The game asks for the device count at start; that must not bring in the audio system.
TEST(SoundOutput, CountingTheDevicesDoesNotLoadTheModule) {
    FakeSoundModule& fake = fakeModule();
    QtSoundOutput sound(FAKE_SOUND_MODULE, nowhere());
    EXPECT_EQ(sound.deviceCount(), 0);
    sound.stop();
    EXPECT_FALSE(sound.active());
    EXPECT_EQ(fake.creates, 0);
}

TEST(SoundOutput, LoadsTheModuleOnceAndHandsItTheDecodedSound) {
    FakeSoundModule& fake = fakeModule();
    WavLayout layout = eightBitMono(50);
    layout.rate = 11025;
    {
        QtSoundOutput sound(FAKE_SOUND_MODULE, nowhere());
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(sound.play(shared(makeWav(layout))));
        EXPECT_EQ(fake.creates, 1);
        EXPECT_EQ(fake.versionAsked, rt::qt::kSoundInterfaceVersion);
        ASSERT_EQ(fake.played.size(), 3u);
        EXPECT_EQ(fake.played[0].format, (PcmFormat{PcmFormat::Sample::UInt8, 1, 11025}));
        EXPECT_EQ(fake.played[0].samples,
                  QByteArray(reinterpret_cast<const char*>(layout.samples.data()), 50));
        EXPECT_TRUE(sound.active());
        sound.stop();
        EXPECT_FALSE(sound.active());
        EXPECT_EQ(fake.backendsAlive, 1);
    }
    EXPECT_EQ(fake.backendsAlive, 0);  // released with the output
}

TEST(SoundOutput, ABadImageStopsTheSoundThatPlays) {
    FakeSoundModule& fake = fakeModule();
    QtSoundOutput sound(FAKE_SOUND_MODULE, nowhere());
    ASSERT_TRUE(sound.play(shared(makeWav(eightBitMono()))));
    EXPECT_FALSE(sound.play(shared({'R', 'I', 'F', 'F'})));
    EXPECT_FALSE(sound.active());
    EXPECT_EQ(fake.played.size(), 1u);
}

TEST(SoundOutput, WithoutADeviceNothingPlays) {
    FakeSoundModule& fake = fakeModule();
    fake.deviceRefuses = true;
    QtSoundOutput sound(FAKE_SOUND_MODULE, nowhere());
    EXPECT_FALSE(sound.play(shared(makeWav(eightBitMono()))));
    EXPECT_FALSE(sound.active());
}

// A module that cannot be had leaves the game silent, and is not looked for again on every roll.
TEST(SoundOutput, WithoutAUsableModulePlayRefusesQuietlyAndTriesOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string notALibrary = dir.filePath("libquopa_sound.so").toStdString();
    std::ofstream(notALibrary) << "not a library";
    struct Case {
        const char* what;
        std::string path;
        bool refuse;
    };
    const Case cases[] = {
        {"missing", "/nonexistent/libquopa_sound.so", false},
        {"not a library", notALibrary, false},
        {"no entry point", "libc.so.6", false},
        {"another version", FAKE_SOUND_MODULE, true},
    };
    const auto image = shared(makeWav(eightBitMono()));
    for (const Case& c : cases) {
        FakeSoundModule& fake = fakeModule();
        fake.refuse = c.refuse;
        QtSoundOutput sound(c.path, nowhere());
        EXPECT_FALSE(sound.play(image)) << c.what;
        EXPECT_FALSE(sound.play(image)) << c.what;
        EXPECT_FALSE(sound.active()) << c.what;
        EXPECT_NO_THROW(sound.stop());
        EXPECT_EQ(fake.creates, c.refuse ? 1 : 0) << c.what;
    }
}

// The program finds the module beside itself first, then by name on the library path.
TEST(SoundModule, IsLookedForBesideTheProgramThenByName) {
    const std::vector<std::string> candidates = rt::qt::soundModuleCandidates();
    ASSERT_EQ(candidates.size(), 2u);
    const std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string folder = program.substr(0, program.rfind('/') + 1);
    EXPECT_EQ(candidates[0], folder + "libquopa_sound.so");
    EXPECT_EQ(candidates[1], "libquopa_sound.so");
}

// The real module, as built: its entry point creates a backend for this program's interface
// only. With an output device a sound plays, is cut by stop() and releases the device when it
// ends; without one play() refuses at once.
TEST(SoundModule, PlaysOnTheDeviceOrRefusesAtOnceWithoutOne) {
    void* module = dlopen(QUOPA_SOUND_MODULE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    auto create =
        reinterpret_cast<rt::qt::CreateSoundBackend>(dlsym(module, rt::qt::kSoundEntryPoint));
    ASSERT_NE(create, nullptr);
    EXPECT_EQ(create(rt::qt::kSoundInterfaceVersion + 1), nullptr);
    std::unique_ptr<rt::qt::SoundBackend> backend(create(rt::qt::kSoundInterfaceVersion));
    ASSERT_NE(backend, nullptr);
    EXPECT_FALSE(backend->play({}));  // no format, no samples

    QtSoundOutput sound(QUOPA_SOUND_MODULE);
    const auto image = shared(makeWav(eightBitMono(2205)));  // 0.1 s
    if (backend->deviceCount() == 0) {
        bool played = true;
        EXPECT_LT(ownTime([&] { played = sound.play(image); }), std::chrono::seconds(1));
        EXPECT_FALSE(played);
        EXPECT_FALSE(sound.active());
        return;
    }
    ASSERT_TRUE(sound.play(image));
    EXPECT_TRUE(sound.active());
    sound.stop();
    EXPECT_FALSE(sound.active());

    ASSERT_TRUE(sound.play(image));
    ASSERT_TRUE(sound.play(image));  // replaces the first
    // Only a fault reaches this limit, even on a machine whose every core is busy.
    QDeadlineTimer deadline(20000);
    while (sound.active() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    EXPECT_FALSE(sound.active());
}

}  // namespace
