// The two brass sounds: the records fanfare and the complaint.

#include <algorithm>
#include <array>
#include <cmath>

#include "resources/sound_recipes.h"

namespace quopa::resources {

namespace {

using synth::Samples;

constexpr double kPi = 3.14159265358979323846;

// One sounding note: pitch sliding from `from` to `to` Hz over its length.
struct Note {
    double start;
    double length;
    double from;
    double to;
    double level;
};

// How a note's loudness and brightness move.
enum class Shape {
    // Tongued attack with a little overshoot, steady tone, short release.
    Fanfare,
    // A closed mute that opens and closes again over the note: "wah".
    Wah,
};

struct Voice {
    double amplitude;
    double brightness;  // 0 dark .. 1 bright: how fast the partials fall away
};

Voice voiceAt(Shape shape, double t, double length) {
    if (shape == Shape::Wah) {
        const double open = std::pow(std::sin(kPi * std::clamp(t / length, 0.0, 1.0)), 0.7);
        const double fade = std::min({1.0, t / 0.02, (length - t) / 0.04});
        return {std::max(fade, 0.0) * (0.55 + 0.45 * open), 0.3 + 0.55 * open};
    }
    const double attack = std::min(1.0, t / 0.025);
    const double overshoot = 1.0 + 0.18 * std::exp(-std::max(t - 0.025, 0.0) / 0.03) * attack;
    const double release = std::clamp((length - t) / std::min(0.3, length * 0.3), 0.0, 1.0);
    const double level = attack * overshoot * release;
    return {level, 0.35 + 0.45 * std::min(level, 1.2)};
}

// The loudness, brightness and pitch of a note change slowly, so they are worked out once every
// few samples; only the partials are computed for every sample.
constexpr std::size_t kControlStep = 16;
constexpr std::size_t kMostPartials = 16;

// The harmonic partials of a brass tone at one moment: their count and weights. The upper ones
// grow with the brightness, as a brass instrument's do when blown harder.
struct Partials {
    std::size_t count = 0;
    std::array<double, kMostPartials> weight{};

    Partials(double frequency, double brightness, double level, int rate) {
        // Partials above this add little to a brass tone and cost time.
        const double ceiling = std::min(6000.0, 0.42 * rate);
        static const auto falloff = [] {
            std::array<double, kMostPartials> f{};
            for (std::size_t n = 0; n < kMostPartials; ++n) f[n] = 1.0 / std::sqrt(n + 1.0);
            return f;
        }();
        double norm = 0, fall = 1;
        for (; count < kMostPartials && (count + 1) * frequency < ceiling; ++count) {
            weight[count] = fall * falloff[count];
            norm += weight[count];
            fall *= brightness;
        }
        for (std::size_t n = 0; n < count; ++n) weight[n] *= level / norm;
    }

    // The tone at phase x, given sin x and cos x: sin((n + 1) x) = 2 cos x sin(n x) -
    // sin((n - 1) x) gives every partial without another sine.
    double at(double sinX, double cosX) const {
        double previous = 0, current = sinX, sum = 0;
        for (std::size_t n = 0; n < count; ++n) {
            sum += weight[n] * current;
            const double next = 2.0 * cosX * current - previous;
            previous = current;
            current = next;
        }
        return sum;
    }
};

// Adds one note, with a vibrato that sets in after the attack.
void addNote(Samples& out, int rate, const Note& note, Shape shape, double vibratoDepth,
             double vibratoRate) {
    const auto first = static_cast<std::size_t>(note.start * rate);
    const auto length = static_cast<std::size_t>(note.length * rate);
    // The phase turns as a unit vector (cos, sin), one small rotation a sample.
    double cosPhase = 1, sinPhase = 0, stepCos = 1, stepSin = 0;
    Partials partials(note.from, 0, 0, rate);
    for (std::size_t i = 0; i < length && first + i < out.size(); ++i) {
        if (i % kControlStep == 0) {
            const double t = static_cast<double>(i) / rate;
            const double progress = t / note.length;
            const double glide = note.from * std::pow(note.to / note.from, progress * progress);
            const double vibrato = vibratoDepth * std::min(1.0, std::max(t - 0.15, 0.0) / 0.2) *
                                   std::sin(2 * kPi * vibratoRate * t);
            const double frequency = glide * (1.0 + vibrato);
            const Voice v = voiceAt(shape, t, note.length);
            partials = Partials(frequency, v.brightness, note.level * v.amplitude, rate);
            stepCos = std::cos(2 * kPi * frequency / rate);
            stepSin = std::sin(2 * kPi * frequency / rate);
            // Keeps the rotating vector on the unit circle despite rounding.
            const double radius = std::hypot(cosPhase, sinPhase);
            cosPhase /= radius;
            sinPhase /= radius;
        }
        const double c = cosPhase * stepCos - sinPhase * stepSin;
        sinPhase = sinPhase * stepCos + cosPhase * stepSin;
        cosPhase = c;
        out[first + i] += static_cast<float>(partials.at(sinPhase, cosPhase));
    }
}

// Equal-tempered pitches of the fanfare.
constexpr double kC4 = 261.63, kG4 = 392.00, kC5 = 523.25, kE5 = 659.26, kG5 = 783.99;

}  // namespace

Samples makeFanfare(int rate, std::size_t count) {
    Samples out(count, 0.0f);
    const double end = static_cast<double>(count) / rate;
    // The call: G-C-E-G rising, a short E, then the top G held over the chord.
    const Note call[] = {
        {0.00, 0.14, kG4, kG4, 0.8}, {0.15, 0.14, kC5, kC5, 0.8}, {0.30, 0.14, kE5, kE5, 0.8},
        {0.45, 0.30, kG5, kG5, 0.9}, {0.78, 0.13, kE5, kE5, 0.8},
    };
    for (const Note& n : call) addNote(out, rate, n, Shape::Fanfare, 0.0, 0.0);
    const double chordStart = 0.93;
    const double chordLength = end - chordStart - 0.02;
    const Note chord[] = {
        {chordStart, chordLength, kG5, kG5, 0.9},
        {chordStart, chordLength, kE5, kE5, 0.55},
        {chordStart, chordLength, kC5, kC5, 0.55},
        {chordStart, chordLength, kC4, kC4, 0.6},
    };
    // Each player of the chord has a vibrato of his own, so the chord sounds like a section.
    const double vibratoRates[] = {5.6, 5.1, 4.8, 5.3};
    for (std::size_t i = 0; i < std::size(chord); ++i)
        addNote(out, rate, chord[i], Shape::Fanfare, 0.005, vibratoRates[i]);
    synth::finish(out, rate);
    return out;
}

Samples makeComplaint(int rate, std::size_t count) {
    Samples out(count, 0.0f);
    const double end = static_cast<double>(count) / rate;
    addNote(out, rate, {0.0, 0.30, 233.1, 220.0, 1.0}, Shape::Wah, 0.01, 6.0);
    // The second "wah" sags and wobbles: the disappointed part.
    addNote(out, rate, {0.32, end - 0.33, 220.0, 155.6, 1.0}, Shape::Wah, 0.035, 7.0);
    synth::finish(out, rate);
    return out;
}

}  // namespace quopa::resources
