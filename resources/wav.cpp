#include "resources/wav.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace quopa::resources {

namespace {

constexpr uint16_t kPcm = 1;
constexpr uint16_t kMono = 1;
constexpr uint16_t kBitsPerSample = 8;
constexpr uint32_t kFormatChunkSize = 16;

void put(std::vector<uint8_t>& out, std::string_view tag) {
    for (char c : tag) out.push_back(static_cast<uint8_t>(c));
}

// RIFF numbers are little-endian whatever the machine.
void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void put16(std::vector<uint8_t>& out, uint16_t v) {
    for (int i = 0; i < 2; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// 8-bit PCM is unsigned: silence is 128.
uint8_t toUnsigned8(float s) {
    const double clipped = std::clamp(static_cast<double>(s), -1.0, 1.0);
    return static_cast<uint8_t>(std::lround(128.0 + clipped * 127.0));
}

}  // namespace

std::vector<uint8_t> wavImage(int rate, const synth::Samples& samples) {
    const auto dataSize = static_cast<uint32_t>(samples.size());
    // A chunk of odd length is followed by a pad byte that its size does not count.
    const uint32_t pad = dataSize % 2;
    std::vector<uint8_t> out;
    out.reserve(44 + dataSize + pad);
    put(out, "RIFF");
    put32(out, 4 + (8 + kFormatChunkSize) + (8 + dataSize + pad));
    put(out, "WAVE");
    put(out, "fmt ");
    put32(out, kFormatChunkSize);
    put16(out, kPcm);
    put16(out, kMono);
    put32(out, static_cast<uint32_t>(rate));
    put32(out, static_cast<uint32_t>(rate) * kMono * kBitsPerSample / 8);  // bytes a second
    put16(out, kMono * kBitsPerSample / 8);                                // bytes a frame
    put16(out, kBitsPerSample);
    put(out, "data");
    put32(out, dataSize);
    for (float s : samples) out.push_back(toUnsigned8(s));
    if (pad) out.push_back(128);
    return out;
}

}  // namespace quopa::resources
