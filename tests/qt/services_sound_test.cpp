// WAV images and the sound output: decoding, conversion, bad images, no device.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <random>

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include "runtime/qt/qt_sound.h"
#include "runtime/qt/qt_wav.h"

namespace {

using rt::qt::convertPcm;
using rt::qt::decodeWav;
using Bytes = std::vector<uint8_t>;

void put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}
void put16(Bytes& b, uint16_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void putTag(Bytes& b, const char* tag) {
    b.insert(b.end(), tag, tag + 4);
}

struct WavSpec {
    uint16_t formatTag = 1;
    uint16_t channels = 1;
    uint32_t rate = 22050;
    uint16_t bits = 8;
    Bytes samples;
    Bytes extraChunk;       // a whole chunk placed before "fmt "
    int dataSizeDelta = 0;  // what the data chunk claims beyond its real size
};

Bytes makeWav(const WavSpec& s) {
    Bytes b;
    putTag(b, "RIFF");
    put32(b, 0);  // patched below
    putTag(b, "WAVE");
    b.insert(b.end(), s.extraChunk.begin(), s.extraChunk.end());
    putTag(b, "fmt ");
    put32(b, 16);
    put16(b, s.formatTag);
    put16(b, s.channels);
    put32(b, s.rate);
    put32(b, s.rate * s.channels * s.bits / 8);
    put16(b, uint16_t(s.channels * s.bits / 8));
    put16(b, s.bits);
    putTag(b, "data");
    put32(b, uint32_t(int(s.samples.size()) + s.dataSizeDelta));
    b.insert(b.end(), s.samples.begin(), s.samples.end());
    const uint32_t riff = uint32_t(b.size() - 8);
    std::memcpy(b.data() + 4, &riff, 4);
    return b;
}

WavSpec eightBitMono(size_t frames = 100) {
    WavSpec s;
    for (size_t i = 0; i < frames; ++i) s.samples.push_back(uint8_t(i * 37));
    return s;
}

TEST(WavImage, DecodesEightBitMonoAtItsRate) {
    WavSpec spec = eightBitMono();
    spec.rate = 8000;
    const auto pcm = decodeWav(makeWav(spec));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->format.sampleFormat(), QAudioFormat::UInt8);
    EXPECT_EQ(pcm->format.channelCount(), 1);
    EXPECT_EQ(pcm->format.sampleRate(), 8000);
    EXPECT_EQ(pcm->samples, QByteArray(reinterpret_cast<const char*>(spec.samples.data()), 100));
}

TEST(WavImage, DecodesSixteenBitStereoAndSkipsOtherChunks) {
    WavSpec spec;
    spec.channels = 2;
    spec.bits = 16;
    spec.rate = 44100;
    spec.samples = {0x01, 0x80, 0xFF, 0x7F, 0x00, 0x00, 0x34, 0x12};  // -32767, 32767, 0, 0x1234
    // An odd-sized chunk is padded to an even size.
    spec.extraChunk = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    const auto pcm = decodeWav(makeWav(spec));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->format.sampleFormat(), QAudioFormat::Int16);
    EXPECT_EQ(pcm->format.channelCount(), 2);
    ASSERT_EQ(pcm->samples.size(), 8);
    const auto* s = reinterpret_cast<const int16_t*>(pcm->samples.constData());
    EXPECT_EQ(s[0], -32767);
    EXPECT_EQ(s[1], 32767);
    EXPECT_EQ(s[3], 0x1234);
}

TEST(WavImage, TruncatedDataPlaysWhatIsThereInWholeFrames) {
    WavSpec spec;
    spec.bits = 16;
    spec.samples = Bytes(11, 0x10);  // five frames and a half
    spec.dataSizeDelta = 1000;
    const auto pcm = decodeWav(makeWav(spec));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->samples.size(), 10);
}

TEST(WavImage, RefusesWhatItCannotPlay) {
    struct Case {
        const char* what;
        Bytes image;
    };
    auto with = [](auto change) {
        WavSpec s = eightBitMono();
        change(s);
        return makeWav(s);
    };
    Bytes badRiff = makeWav(eightBitMono());
    badRiff[0] = 'X';
    Bytes badWave = makeWav(eightBitMono());
    badWave[11] = 'X';
    Bytes noData = makeWav(eightBitMono());
    noData.resize(12 + 8 + 16);
    Bytes fmtPastEnd = makeWav(eightBitMono());
    fmtPastEnd.resize(12 + 8 + 10);
    Bytes hugeChunk =
        with([](WavSpec& s) { s.extraChunk = {'J', 'U', 'N', 'K', 0xFF, 0xFF, 0xFF, 0xFF}; });
    const Case cases[] = {
        {"empty", {}},
        {"header only", Bytes(badRiff.begin(), badRiff.begin() + 12)},
        {"not RIFF", badRiff},
        {"not WAVE", badWave},
        {"no data chunk", noData},
        {"fmt runs past the end", fmtPastEnd},
        {"chunk larger than the image", hugeChunk},
        {"float samples", with([](WavSpec& s) { s.formatTag = 3; })},
        {"24-bit", with([](WavSpec& s) { s.bits = 24; })},
        {"no channels", with([](WavSpec& s) { s.channels = 0; })},
        {"six channels", with([](WavSpec& s) { s.channels = 6; })},
        {"zero rate", with([](WavSpec& s) { s.rate = 0; })},
        {"absurd rate", with([](WavSpec& s) { s.rate = 0x7FFFFFFF; })},
        {"no samples", with([](WavSpec& s) { s.samples.clear(); })},
    };
    for (const Case& c : cases) EXPECT_FALSE(decodeWav(c.image)) << c.what;
}

// Every prefix of an image and random damage to its header bytes: never a read outside the image
// (the sanitizer builds run this too), and every answer consistent.
TEST(WavImage, SurvivesTruncationAndDamage) {
    const Bytes good = makeWav(eightBitMono(64));
    for (size_t n = 0; n <= good.size(); ++n) {
        const auto pcm = decodeWav(Bytes(good.begin(), good.begin() + long(n)));
        if (pcm) {
            EXPECT_LE(size_t(pcm->samples.size()), n);
        }
    }
    std::mt19937 rng(99);
    for (int i = 0; i < 2000; ++i) {
        Bytes damaged = good;
        for (int k = 0; k < 3; ++k) damaged[rng() % 44] = uint8_t(rng());
        const auto pcm = decodeWav(damaged);
        if (pcm) {
            EXPECT_GT(pcm->samples.size(), 0);
        }
    }
}

TEST(WavImage, ConvertsToAnotherSampleFormatChannelCountAndRate) {
    rt::qt::PcmSound sound;
    sound.format.setSampleFormat(QAudioFormat::UInt8);
    sound.format.setChannelCount(1);
    sound.format.setSampleRate(8000);
    sound.samples = QByteArray("\x80\xFF\x00\x80", 4);  // 0, max, min, 0

    QAudioFormat target;
    target.setSampleFormat(QAudioFormat::Int16);
    target.setChannelCount(2);
    target.setSampleRate(16000);
    const QByteArray out = convertPcm(sound, target);
    ASSERT_EQ(out.size(), 8 * 2 * 2);  // twice the frames, two channels, two bytes
    const auto* s = reinterpret_cast<const int16_t*>(out.constData());
    EXPECT_EQ(s[0], 0);
    EXPECT_EQ(s[1], 0);      // mono spreads to both channels
    EXPECT_GT(s[4], 32000);  // frame 2 = input frame 1, the loudest sample
    EXPECT_EQ(s[4], s[5]);
    EXPECT_LT(s[8], -32000);           // frame 4 = input frame 2, the quietest
    EXPECT_NEAR(s[2], s[4] / 2, 200);  // frame 1 lies halfway between frames 0 and 1

    target.setSampleFormat(QAudioFormat::Float);
    target.setChannelCount(1);
    target.setSampleRate(8000);
    const QByteArray f = convertPcm(sound, target);
    ASSERT_EQ(f.size(), 4 * 4);
    const auto* v = reinterpret_cast<const float*>(f.constData());
    EXPECT_FLOAT_EQ(v[0], 0.0f);
    EXPECT_NEAR(v[1], 1.0f, 0.01f);
    EXPECT_FLOAT_EQ(v[2], -1.0f);
}

std::shared_ptr<const Bytes> shared(Bytes b) {
    return std::make_shared<const Bytes>(std::move(b));
}

TEST(SoundOutput, DeviceCountIsNeverNegative) {
    EXPECT_GE(rt::qt::QtSoundOutput().deviceCount(), 0);
}

TEST(SoundOutput, BadImagesAreRefusedAndPlayNothing) {
    rt::qt::QtSoundOutput sound;
    EXPECT_FALSE(sound.play(nullptr));
    EXPECT_FALSE(sound.play(shared({})));
    EXPECT_FALSE(sound.play(shared({'R', 'I', 'F', 'F', 1, 2, 3})));
    WavSpec floatSpec = eightBitMono();
    floatSpec.formatTag = 3;
    EXPECT_FALSE(sound.play(shared(makeWav(floatSpec))));
    EXPECT_FALSE(sound.active());
    EXPECT_NO_THROW(sound.stop());
}

// On a machine with an output device the sound plays, is cut by stop() and releases the device
// when it ends; without one play() refuses at once.
TEST(SoundOutput, PlaysStopsAndReleasesTheDeviceAtTheEnd) {
    rt::qt::QtSoundOutput sound;
    WavSpec spec = eightBitMono(2205);  // 0.1 s
    const auto image = shared(makeWav(spec));
    if (sound.deviceCount() == 0) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(sound.play(image));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        EXPECT_FALSE(sound.active());
        return;
    }
    ASSERT_TRUE(sound.play(image));
    EXPECT_TRUE(sound.active());
    sound.stop();
    EXPECT_FALSE(sound.active());

    ASSERT_TRUE(sound.play(image));
    ASSERT_TRUE(sound.play(image));  // replaces the first
    QDeadlineTimer deadline(3000);
    while (sound.active() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    EXPECT_FALSE(sound.active());
}

}  // namespace
