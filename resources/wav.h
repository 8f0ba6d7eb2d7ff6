// WAV file images: the RIFF "WAVE" form with one PCM format chunk and one data chunk.
#pragma once

#include <cstdint>
#include <vector>

#include "resources/synth.h"

namespace quopa::resources {

// A complete mono, 8-bit unsigned PCM WAV image of the samples (-1..1, clipped beyond) at
// `rate` samples a second.
std::vector<uint8_t> wavImage(int rate, const synth::Samples& samples);

}  // namespace quopa::resources
