#include "resources/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quopa::resources::synth {

uint64_t Rng::next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

Resonator::Resonator(double frequency, double decaySeconds, double rate) {
    const double omega = 2.0 * std::numbers::pi * frequency / rate;
    const double r = std::exp(-1.0 / (decaySeconds * rate));
    a1_ = 2.0 * r * std::cos(omega);
    a2_ = -r * r;
    // An impulse of 1 rings with an amplitude of about 1 / sin(omega).
    gain_ = std::sin(omega);
    // exp(-5.5) is below half a percent, finer than a step of 8-bit sound.
    ringLength_ = static_cast<std::size_t>(5.5 * decaySeconds * rate) + 1;
}

double smoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

void mixInto(Samples& target, const Samples& source, std::size_t at, double gain) {
    for (std::size_t i = 0; i < source.size() && at + i < target.size(); ++i)
        target[at + i] += static_cast<float>(source[i] * gain);
}

void finish(Samples& samples, int rate, double peak) {
    float loudest = 0;
    for (float s : samples) loudest = std::max(loudest, std::abs(s));
    if (loudest > 0)
        for (float& s : samples) s = static_cast<float>(s * peak / loudest);
    const std::size_t fade = std::min(samples.size() / 2, static_cast<std::size_t>(rate / 200));
    for (std::size_t i = 0; i < fade; ++i) {
        const float k = static_cast<float>(i) / static_cast<float>(fade);
        samples[i] *= k;
        samples[samples.size() - 1 - i] *= k;
    }
}

}  // namespace quopa::resources::synth
