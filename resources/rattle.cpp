// The roll sounds: dice shaken in a cup and thrown onto a wooden table. Every knock is a short
// burst of noise that sets a few resonances ringing: the die's own hard, high ones, the cup's
// hollow ones, or the table's low wooden ones.

#include <algorithm>
#include <cmath>
#include <vector>

#include "resources/sound_recipes.h"

namespace quopa::resources {

namespace {

using synth::Rng;
using synth::Samples;

enum class Surface { Cup, Table, Dice };

struct Hit {
    double time;
    double strength;
    Surface surface;
};

struct Mode {
    double frequency;
    double decay;
    double level;
};

// The resonances one knock sets ringing.
std::vector<Mode> modesOf(Rng& rng, Surface surface, int rate) {
    const double top = 0.42 * rate;
    std::vector<Mode> modes;
    const double dieLow = surface == Surface::Dice ? 3500.0 : 2600.0;
    for (int i = 0; i < 2; ++i)
        modes.push_back(
            {std::min(rng.range(dieLow, dieLow + 2800.0), top), rng.range(0.002, 0.005), 0.5});
    if (surface == Surface::Cup)
        for (int i = 0; i < 2; ++i)
            modes.push_back({rng.range(600.0, 1300.0), rng.range(0.010, 0.018), 0.55});
    if (surface == Surface::Table) {
        modes.push_back({rng.range(150.0, 230.0), rng.range(0.030, 0.045), 1.0});
        modes.push_back({rng.range(420.0, 700.0), rng.range(0.012, 0.022), 0.6});
    }
    return modes;
}

void addHit(Samples& out, Rng& rng, int rate, const Hit& hit) {
    const auto at = static_cast<std::size_t>(hit.time * rate);
    if (at >= out.size()) return;
    // The knock itself: under a millisecond of noise.
    const double knockDecay = rng.range(0.0002, 0.0005);
    const auto knockLength = static_cast<std::size_t>(knockDecay * 6 * rate) + 1;
    Samples knock(knockLength);
    for (std::size_t i = 0; i < knockLength; ++i)
        knock[i] = static_cast<float>(rng.bipolar() *
                                      std::exp(-static_cast<double>(i) / (knockDecay * rate)));
    // Inside the cup everything sounds muffled.
    const double muffle = hit.surface == Surface::Cup ? 0.35 : 1.0;
    for (const Mode& m : modesOf(rng, hit.surface, rate)) {
        synth::Resonator r(m.frequency, m.decay, rate);
        const std::size_t length = knockLength + r.ringLength();
        double smooth = 0;
        for (std::size_t i = 0; i < length && at + i < out.size(); ++i) {
            const double y = r.step(i < knockLength ? knock[i] : 0.0);
            smooth += muffle * (y - smooth);
            out[at + i] += static_cast<float>(hit.strength * m.level * smooth);
        }
    }
    synth::mixInto(out, knock, at, 0.3 * hit.strength * muffle);
}

struct Plan {
    double shakeStart, shakeEnd;  // the cup is shaken ...
    double strokesPerSecond;      // ... this many times a second
    double throwAt;               // when the first die lands
    double firstBounce;           // the first gap between bounces
    double settled;               // the last die has stopped by then
};

constexpr Plan kLongRoll{0.04, 1.05, 6.5, 1.15, 0.12, 1.9};
constexpr Plan kShortRoll{0.02, 0.22, 9.0, 0.27, 0.08, 0.68};

void shake(std::vector<Hit>& hits, Rng& rng, const Plan& plan, int dice) {
    const int most = std::min(dice * 2, 7);
    for (double t = plan.shakeStart; t < plan.shakeEnd;
         t += rng.range(0.9, 1.1) / plan.strokesPerSecond) {
        // The shaking grows a little as the hand warms to it.
        const double swell = 0.7 + 0.3 * (t - plan.shakeStart) / (plan.shakeEnd - plan.shakeStart);
        for (int k = rng.between(std::max(1, dice - 1), std::max(2, most)); k > 0; --k) {
            const bool onEachOther = dice > 1 && rng.uniform() < 0.4;
            hits.push_back({t + rng.range(0.0, 0.6 / plan.strokesPerSecond),
                            rng.range(0.25, 0.55) * swell,
                            onEachOther ? Surface::Dice : Surface::Cup});
        }
    }
}

// One die lands, bounces ever lower and quicker, then tumbles to a stop.
void land(std::vector<Hit>& hits, Rng& rng, const Plan& plan, double t) {
    double strength = rng.range(0.85, 1.0);
    hits.push_back({t, strength, Surface::Table});
    for (double gap = plan.firstBounce * rng.range(0.8, 1.2); gap > 0.015 && t + gap < plan.settled;
         gap *= rng.range(0.55, 0.7)) {
        t += gap;
        strength *= rng.range(0.5, 0.65);
        hits.push_back({t, strength, Surface::Table});
    }
    for (t += rng.range(0.02, 0.05); t < plan.settled; t += rng.range(0.02, 0.05)) {
        strength *= rng.range(0.7, 0.9);
        hits.push_back({t, strength, Surface::Table});
    }
}

void throwDice(std::vector<Hit>& hits, Rng& rng, const Plan& plan, int dice) {
    for (int d = 0; d < dice; ++d)
        land(hits, rng, plan, plan.throwAt + (d ? rng.range(0.0, 0.06) : 0.0));
    // Dice that land together knock against each other.
    for (int k = 0; k < (dice - 1) * 2; ++k)
        hits.push_back({plan.throwAt + rng.range(0.03, 0.35), rng.range(0.3, 0.6), Surface::Dice});
}

}  // namespace

Samples makeRoll(int rate, std::size_t count, int dice, RollLength length) {
    const Plan& plan = length == RollLength::Long ? kLongRoll : kShortRoll;
    Rng rng(0x526F6C6Cull + static_cast<uint64_t>(dice) * 2 + (length == RollLength::Long ? 1 : 0));
    std::vector<Hit> hits;
    shake(hits, rng, plan, dice);
    throwDice(hits, rng, plan, dice);
    Samples out(count, 0.0f);
    for (const Hit& h : hits) addHit(out, rng, rate, h);
    synth::finish(out, rate);
    return out;
}

}  // namespace quopa::resources
