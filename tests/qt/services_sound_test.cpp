// WAV images for the sound output: decoding, bad images, conversion to a device's format.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "runtime/qt/qt_wav.h"
#include "runtime/qt/sound_backend/pcm_convert.h"
#include "tests/qt/wav_images.h"

namespace {

using namespace wav_images;
using rt::qt::convertPcm;
using rt::qt::decodeWav;
using rt::qt::PcmFormat;
using Sample = PcmFormat::Sample;

TEST(WavImage, DecodesEightBitMonoAtItsRate) {
    WavLayout layout = eightBitMono();
    layout.rate = 8000;
    const auto pcm = decodeWav(makeWav(layout));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->format, (PcmFormat{Sample::UInt8, 1, 8000}));
    EXPECT_EQ(pcm->samples, QByteArray(reinterpret_cast<const char*>(layout.samples.data()), 100));
}

TEST(WavImage, DecodesSixteenBitStereoAndSkipsOtherChunks) {
    WavLayout layout;
    layout.channels = 2;
    layout.bits = 16;
    layout.rate = 44100;
    layout.samples = {0x01, 0x80, 0xFF, 0x7F, 0x00, 0x00, 0x34, 0x12};  // -32767, 32767, 0, 0x1234
    // An odd-sized chunk is padded to an even size.
    layout.extraChunk = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    const auto pcm = decodeWav(makeWav(layout));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->format, (PcmFormat{Sample::Int16, 2, 44100}));
    ASSERT_EQ(pcm->samples.size(), 8);
    const auto* s = reinterpret_cast<const int16_t*>(pcm->samples.constData());
    EXPECT_EQ(s[0], -32767);
    EXPECT_EQ(s[1], 32767);
    EXPECT_EQ(s[3], 0x1234);
}

TEST(WavImage, TruncatedDataPlaysWhatIsThereInWholeFrames) {
    WavLayout layout;
    layout.bits = 16;
    layout.samples = Bytes(11, 0x10);  // five frames and a half
    layout.dataSizeDelta = 1000;
    const auto pcm = decodeWav(makeWav(layout));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->samples.size(), 10);
}

TEST(WavImage, RefusesWhatItCannotPlay) {
    struct Case {
        const char* what;
        Bytes image;
    };
    auto with = [](auto change) {
        WavLayout s = eightBitMono();
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
        with([](WavLayout& s) { s.extraChunk = {'J', 'U', 'N', 'K', 0xFF, 0xFF, 0xFF, 0xFF}; });
    const Case cases[] = {
        {"empty", {}},
        {"header only", Bytes(badRiff.begin(), badRiff.begin() + 12)},
        {"not RIFF", badRiff},
        {"not WAVE", badWave},
        {"no data chunk", noData},
        {"fmt runs past the end", fmtPastEnd},
        {"chunk larger than the image", hugeChunk},
        {"float samples", with([](WavLayout& s) { s.formatTag = 3; })},
        {"24-bit", with([](WavLayout& s) { s.bits = 24; })},
        {"no channels", with([](WavLayout& s) { s.channels = 0; })},
        {"six channels", with([](WavLayout& s) { s.channels = 6; })},
        {"zero rate", with([](WavLayout& s) { s.rate = 0; })},
        {"absurd rate", with([](WavLayout& s) { s.rate = 0x7FFFFFFF; })},
        {"no samples", with([](WavLayout& s) { s.samples.clear(); })},
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
    // 0, max, min, 0
    const rt::qt::PcmSound sound{{Sample::UInt8, 1, 8000}, QByteArray("\x80\xFF\x00\x80", 4)};
    const QByteArray out = convertPcm(sound, {Sample::Int16, 2, 16000});
    ASSERT_EQ(out.size(), 8 * 2 * 2);  // twice the frames, two channels, two bytes
    const auto* s = reinterpret_cast<const int16_t*>(out.constData());
    EXPECT_EQ(s[0], 0);
    EXPECT_EQ(s[1], 0);      // mono spreads to both channels
    EXPECT_GT(s[4], 32000);  // frame 2 = input frame 1, the loudest sample
    EXPECT_EQ(s[4], s[5]);
    EXPECT_LT(s[8], -32000);           // frame 4 = input frame 2, the quietest
    EXPECT_NEAR(s[2], s[4] / 2, 200);  // frame 1 lies halfway between frames 0 and 1

    const QByteArray f = convertPcm(sound, {Sample::Float, 1, 8000});
    ASSERT_EQ(f.size(), 4 * 4);
    const auto* v = reinterpret_cast<const float*>(f.constData());
    EXPECT_FLOAT_EQ(v[0], 0.0f);
    EXPECT_NEAR(v[1], 1.0f, 0.01f);
    EXPECT_FLOAT_EQ(v[2], -1.0f);
}

// Left and right stay apart: one channel takes the left, a third and fourth repeat the right.
TEST(WavImage, ConvertsStereoToOtherChannelCounts) {
    const int16_t frames[] = {1000, -2000, 3000, -4000};
    const rt::qt::PcmSound sound{{Sample::Int16, 2, 100},
                                 QByteArray(reinterpret_cast<const char*>(frames), 8)};
    const QByteArray mono = convertPcm(sound, {Sample::Int16, 1, 100});
    ASSERT_EQ(mono.size(), 2 * 2);
    const auto* m = reinterpret_cast<const int16_t*>(mono.constData());
    EXPECT_NEAR(m[0], 1000, 1);
    EXPECT_NEAR(m[1], 3000, 1);
    const QByteArray quad = convertPcm(sound, {Sample::Int32, 4, 100});
    ASSERT_EQ(quad.size(), 2 * 4 * 4);
    const auto* q = reinterpret_cast<const int32_t*>(quad.constData());
    EXPECT_NEAR(q[1] / 65536.0, -2000, 1);
    EXPECT_EQ(q[2], q[1]);
    EXPECT_EQ(q[3], q[1]);
    EXPECT_NEAR(q[4] / 65536.0, 3000, 1);
}

TEST(WavImage, ConversionRefusesWhatHasNoWholeFrameOrNoValidFormat) {
    struct Case {
        const char* what;
        rt::qt::PcmSound sound;
        PcmFormat target;
    };
    const QByteArray four("\x01\x02\x03\x04", 4);
    const Case cases[] = {
        {"no samples", {{Sample::UInt8, 1, 8000}, {}}, {Sample::Int16, 2, 44100}},
        {"half a frame", {{Sample::Int16, 2, 8000}, QByteArray(3, 0)}, {Sample::Int16, 2, 44100}},
        {"no channels", {{Sample::UInt8, 0, 8000}, four}, {Sample::Int16, 2, 44100}},
        {"no rate", {{Sample::UInt8, 1, 0}, four}, {Sample::Int16, 2, 44100}},
        {"target without channels", {{Sample::UInt8, 1, 8000}, four}, {Sample::Int16, 0, 44100}},
        {"target without rate", {{Sample::UInt8, 1, 8000}, four}, {Sample::Int16, 2, 0}},
        {"float source", {{Sample::Float, 1, 8000}, four}, {Sample::Int16, 2, 44100}},
    };
    for (const Case& c : cases) EXPECT_TRUE(convertPcm(c.sound, c.target).isEmpty()) << c.what;
}

}  // namespace
