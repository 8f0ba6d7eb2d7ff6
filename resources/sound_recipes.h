// How each of the built-in sounds is made. Each recipe fills exactly `count` samples at `rate`
// samples a second and always makes the same clip.
#pragma once

#include <cstddef>

#include "resources/synth.h"

namespace quopa::resources {

// A crowd clapping: it swells, holds and dies away.
synth::Samples makeApplause(int rate, std::size_t count);
// Brass: a rising G-C-E-G call and a held C major chord.
synth::Samples makeFanfare(int rate, std::size_t count);
// A muted trombone's "wah-wah", sliding down.
synth::Samples makeComplaint(int rate, std::size_t count);

enum class RollLength { Long, Short };
// Dice shaken in a cup and thrown onto a wooden table. The long roll shakes for about a second
// (it goes with the roll animation); the short one is a quick shake and throw.
synth::Samples makeRoll(int rate, std::size_t count, int dice, RollLength length);

}  // namespace quopa::resources
