// The nine built-in sounds: well-formed WAV images at the rates and lengths the game plays, real
// sound in them, made once, and the same clip on every build.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "resources/resources.h"
#include "resources/sound_recipes.h"
#include "runtime/errors.h"

namespace quopa::resources {
namespace {

uint32_t read32(const std::vector<uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t read16(const std::vector<uint8_t>& b, std::size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
std::string tag(const std::vector<uint8_t>& b, std::size_t at) {
    return std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
}

// The samples of a WAV image, as -1..1.
std::vector<double> samplesOf(const std::vector<uint8_t>& wav) {
    const uint32_t size = read32(wav, 40);
    std::vector<double> s;
    for (std::size_t i = 44; i < 44 + size; ++i) s.push_back((wav[i] - 128) / 128.0);
    return s;
}

double rms(const std::vector<double>& s, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t i = from; i < to; ++i) sum += s[i] * s[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

// The strongest pitch between 80 and 1000 Hz, by autocorrelation.
double pitch(const std::vector<double>& s, std::size_t from, std::size_t length, int rate) {
    int bestLag = 0;
    double best = -1e300;
    for (int lag = rate / 1000; lag <= rate / 80; ++lag) {
        double sum = 0;
        for (std::size_t i = from; i < from + length; ++i)
            sum += s[i] * s[i + static_cast<std::size_t>(lag)];
        if (sum > best) best = sum, bestLag = lag;
    }
    return static_cast<double>(rate) / bestLag;
}

struct Expected {
    int id;
    uint32_t rate;
    double seconds;
};

const Expected kTable[] = {
    {1, 8000, 3.50},  {2, 22050, 3.12}, {3, 22050, 0.70}, {4, 22050, 2.00}, {5, 22050, 0.75},
    {6, 22050, 2.00}, {7, 22050, 0.75}, {8, 22050, 2.01}, {9, 22050, 0.76},
};

TEST(SoundResources, EachIsAnEightBitMonoPcmWaveOfItsRateAndLength) {
    for (const Expected& e : kTable) {
        SCOPED_TRACE("sound " + std::to_string(e.id));
        const auto wav = sound(e.id);
        ASSERT_GE(wav->size(), 44u);
        EXPECT_EQ(tag(*wav, 0), "RIFF");
        EXPECT_EQ(read32(*wav, 4), wav->size() - 8);
        EXPECT_EQ(tag(*wav, 8), "WAVE");
        EXPECT_EQ(tag(*wav, 12), "fmt ");
        EXPECT_EQ(read32(*wav, 16), 16u);
        EXPECT_EQ(read16(*wav, 20), 1);  // PCM
        EXPECT_EQ(read16(*wav, 22), 1);  // mono
        EXPECT_EQ(read32(*wav, 24), e.rate);
        EXPECT_EQ(read32(*wav, 28), e.rate);  // bytes a second
        EXPECT_EQ(read16(*wav, 32), 1);       // bytes a frame
        EXPECT_EQ(read16(*wav, 34), 8);
        EXPECT_EQ(tag(*wav, 36), "data");
        const uint32_t dataSize = read32(*wav, 40);
        EXPECT_EQ(44 + dataSize + dataSize % 2, wav->size());
        EXPECT_NEAR(static_cast<double>(dataSize) / e.rate, e.seconds, 0.01);
    }
}

TEST(SoundResources, EachIsAudibleAndClipsAtMostNowAndThen) {
    for (const Expected& e : kTable) {
        SCOPED_TRACE("sound " + std::to_string(e.id));
        const auto wav = sound(e.id);
        const std::vector<double> s = samplesOf(*wav);
        EXPECT_GT(rms(s, 0, s.size()), 0.02);
        std::size_t railed = 0;
        for (std::size_t i = 44; i < wav->size(); ++i) railed += (*wav)[i] == 0 || (*wav)[i] == 255;
        EXPECT_LT(railed, s.size() / 100);
        // Starts and ends at rest, so playing it gives no click.
        EXPECT_LT(std::abs(s.front()), 0.02);
        EXPECT_LT(std::abs(s.back()), 0.02);
    }
}

TEST(SoundResources, RepeatedRequestsShareTheClipMadeFirst) {
    for (int id = 1; id <= 9; ++id) EXPECT_EQ(sound(id).get(), sound(id).get()) << id;
    EXPECT_NE(sound(4).get(), sound(5).get());
}

TEST(SoundResources, IdsOutsideOneToNineAreResourceNotFound) {
    for (int id : {0, -1, 10, 104, 326}) {
        try {
            sound(id);
            ADD_FAILURE() << "sound " << id << " was found";
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number(), rt::kResourceNotFound) << id;
        }
    }
}

TEST(SoundRecipes, AClipIsTheSameEveryTimeItIsMade) {
    EXPECT_EQ(makeRoll(22050, 16538, 2, RollLength::Short),
              makeRoll(22050, 16538, 2, RollLength::Short));
    EXPECT_EQ(makeApplause(8000, 28000), makeApplause(8000, 28000));
}

TEST(SoundRecipes, TheApplauseSwellsAndDiesAway) {
    const std::vector<double> s = samplesOf(*sound(1));
    const std::size_t tenth = 800;  // 0.1 s at 8000 Hz
    const double middle = rms(s, s.size() / 2 - tenth, s.size() / 2 + tenth);
    EXPECT_LT(rms(s, 0, tenth), middle / 2);
    EXPECT_LT(rms(s, s.size() - tenth, s.size()), middle / 2);
}

TEST(SoundRecipes, TheFanfareOpensOnG) {
    const std::vector<double> s = samplesOf(*sound(2));
    EXPECT_NEAR(pitch(s, 1000, 1500, 22050), 392.0, 392.0 * 0.03);
}

TEST(SoundRecipes, TheComplaintSlidesDown) {
    const std::vector<double> s = samplesOf(*sound(3));
    const double start = pitch(s, 1000, 2000, 22050);
    const double end = pitch(s, s.size() - 4000, 2000, 22050);
    EXPECT_LT(end, start * 0.85);
}

// The number of knocks in a clip: 5-ms windows much louder than the window before.
int knocks(const std::vector<double>& s) {
    const std::size_t window = 110;
    int count = 0;
    double previous = 1e-9;
    for (std::size_t at = 0; at + window <= s.size(); at += window) {
        const double level = rms(s, at, at + window);
        if (level > 0.03 && level > 2.5 * previous) ++count;
        previous = std::max(level, 1e-9);
    }
    return count;
}

TEST(SoundRecipes, MoreDiceRattleWithMoreKnocks) {
    const std::vector<double> four = samplesOf(*sound(4)), two = samplesOf(*sound(6)),
                              one = samplesOf(*sound(8));
    EXPECT_GT(knocks(four), knocks(two));
    EXPECT_GT(knocks(two), knocks(one));
    EXPECT_GT(knocks(one), 5);
}

}  // namespace
}  // namespace quopa::resources
