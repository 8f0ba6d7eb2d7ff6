// The small synthesis kit behind the built-in sounds: a seeded random source of our own (so
// every build makes the same sounds, whatever the game's dice generator does), a resonator for
// struck and clapped things, and the finishing of a clip.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quopa::resources::synth {

using Samples = std::vector<float>;

// splitmix64: small, fast and well mixed; the seed fixes the whole sequence.
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t next();
    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double range(double low, double high) { return low + (high - low) * uniform(); }
    double bipolar() { return range(-1.0, 1.0); }
    // Uniform over low..high, both included.
    int between(int low, int high) {
        return low + static_cast<int>(next() % static_cast<uint64_t>(high - low + 1));
    }

  private:
    uint64_t state_;
};

// A two-pole resonator: an impulse makes it ring at `frequency`, dying away to 1/e in
// `decaySeconds`, with a peak of about the impulse's size.
class Resonator {
  public:
    Resonator(double frequency, double decaySeconds, double rate);
    double step(double input) {
        const double y = input * gain_ + a1_ * y1_ + a2_ * y2_;
        y2_ = y1_;
        y1_ = y;
        return y;
    }
    // Samples after which the ringing has fallen below half a percent.
    std::size_t ringLength() const { return ringLength_; }

  private:
    double a1_, a2_, gain_;
    double y1_ = 0, y2_ = 0;
    std::size_t ringLength_;
};

// 0 at edge0, 1 at edge1, smooth in between.
double smoothStep(double edge0, double edge1, double x);

// Adds `source` into `target` from sample `at` on, clipping at the target's end.
void mixInto(Samples& target, const Samples& source, std::size_t at, double gain = 1.0);

// Scales the clip so that its loudest sample reaches `peak`, and fades its first and last
// milliseconds so that it starts and ends without a click.
void finish(Samples& samples, int rate, double peak = 0.9);

}  // namespace quopa::resources::synth
