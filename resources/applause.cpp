// The applause for five of a kind: a crowd of people clapping, each at his own pace and with his
// own hands, over the murmur of the room.

#include <algorithm>
#include <cmath>

#include "resources/sound_recipes.h"

namespace quopa::resources {

namespace {

using synth::Samples;

constexpr int kClappers = 30;
constexpr uint64_t kSeed = 0x41706C61757365ull;

// How many of the crowd clap at time t, 0..1: a quick swell, a long hold, a slow fade.
double crowd(double t, double end) {
    return synth::smoothStep(0.0, 0.45, t) * (1.0 - synth::smoothStep(end - 1.4, end - 0.05, t));
}

// One clap: a burst of noise that dies in a few milliseconds, coloured by the hollow of the
// clapper's hands.
Samples clap(synth::Rng& rng, int rate, double handTone, double decay) {
    synth::Resonator hands(handTone, 0.0025, rate);
    const auto length = static_cast<std::size_t>(decay * 5 * rate);
    Samples s(length);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double envelope = std::min(1.0, t / 0.0006) * std::exp(-t / decay);
        const double noise = rng.bipolar() * envelope;
        s[i] = static_cast<float>(0.45 * noise + hands.step(noise));
    }
    return s;
}

}  // namespace

Samples makeApplause(int rate, std::size_t count) {
    synth::Rng rng(kSeed);
    Samples out(count, 0.0f);
    const double end = static_cast<double>(count) / rate;
    for (int person = 0; person < kClappers; ++person) {
        const double period = rng.range(0.17, 0.29);
        const double handTone = rng.range(700.0, std::min(2600.0, 0.4 * rate));
        const double loudness = rng.range(0.35, 1.0);
        // Each person joins and stops at his own moment: the crowd's curve decides whether a
        // clap of his sounds, and how strongly.
        const double keen = rng.uniform();
        for (double t = rng.range(0.0, period); t < end; t += period * rng.range(0.88, 1.12)) {
            const double c = crowd(t, end);
            if (c < keen * 0.9) continue;
            const Samples s =
                clap(rng, rate, handTone * rng.range(0.93, 1.07), rng.range(0.004, 0.009));
            synth::mixInto(out, s, static_cast<std::size_t>(t * rate), loudness * (0.5 + 0.5 * c));
        }
    }
    // The room: a soft low murmur of breath and movement that follows the crowd.
    double murmur = 0;
    for (std::size_t i = 0; i < count; ++i) {
        murmur += 0.08 * (rng.bipolar() - murmur);
        out[i] += static_cast<float>(0.6 * murmur * crowd(static_cast<double>(i) / rate, end));
    }
    synth::finish(out, rate);
    return out;
}

}  // namespace quopa::resources
