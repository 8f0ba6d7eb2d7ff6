// The nine sound resources, made on first request and kept for the life of the program.

#include <array>
#include <cmath>
#include <mutex>
#include <string>

#include "resources/resources.h"
#include "resources/sound_recipes.h"
#include "resources/wav.h"
#include "runtime/errors.h"

namespace quopa::resources {

namespace {

struct SoundResource {
    int rate;
    double seconds;
    synth::Samples (*make)(int rate, std::size_t count);
};

// The roll sounds by number of dice, "three or more" being played by four.
template <int Dice, RollLength Length>
synth::Samples roll(int rate, std::size_t count) {
    return makeRoll(rate, count, Dice, Length);
}

constexpr int kSoundCount = 9;

// By resource id 1-9.
constexpr std::array<SoundResource, kSoundCount> kSounds = {{
    {8000, 3.50, makeApplause},
    {22050, 3.12, makeFanfare},
    {22050, 0.70, makeComplaint},
    {22050, 2.00, roll<4, RollLength::Long>},
    {22050, 0.75, roll<4, RollLength::Short>},
    {22050, 2.00, roll<2, RollLength::Long>},
    {22050, 0.75, roll<2, RollLength::Short>},
    {22050, 2.01, roll<1, RollLength::Long>},
    {22050, 0.76, roll<1, RollLength::Short>},
}};

// The nearest even number of samples to the length, so that the data chunk needs no pad byte;
// that is within a sample of the length.
std::size_t sampleCount(const SoundResource& s) {
    return 2 * static_cast<std::size_t>(std::lround(s.rate * s.seconds / 2.0));
}

}  // namespace

std::shared_ptr<const std::vector<uint8_t>> sound(int id) {
    if (id < 1 || id > kSoundCount)
        throw rt::RuntimeError(rt::kResourceNotFound,
                               "Resource with identifier '" + std::to_string(id) + "' not found");
    static std::mutex mutex;
    static std::array<std::shared_ptr<const std::vector<uint8_t>>, kSoundCount> made;
    std::lock_guard<std::mutex> lock(mutex);
    auto& slot = made[static_cast<std::size_t>(id - 1)];
    if (!slot) {
        const SoundResource& s = kSounds[static_cast<std::size_t>(id - 1)];
        slot = std::make_shared<const std::vector<uint8_t>>(
            wavImage(s.rate, s.make(s.rate, sampleCount(s))));
    }
    return slot;
}

}  // namespace quopa::resources
