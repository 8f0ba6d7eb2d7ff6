// WAV images made for the sound tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace wav_images {

using Bytes = std::vector<uint8_t>;

inline void put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}
inline void put16(Bytes& b, uint16_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
inline void putTag(Bytes& b, const char* tag) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(tag[i]));
}

struct WavLayout {
    uint16_t formatTag = 1;
    uint16_t channels = 1;
    uint32_t rate = 22050;
    uint16_t bits = 8;
    Bytes samples;
    Bytes extraChunk;       // a whole chunk placed before "fmt "
    int dataSizeDelta = 0;  // what the data chunk claims beyond its real size
};

inline Bytes makeWav(const WavLayout& s) {
    Bytes b;
    putTag(b, "RIFF");
    put32(b, 0);  // patched below
    putTag(b, "WAVE");
    b.insert(b.end(), s.extraChunk.begin(), s.extraChunk.end());
    putTag(b, "fmt ");
    put32(b, 16);
    put16(b, s.formatTag);
    put16(b, s.channels);
    put32(b, s.rate);
    put32(b, s.rate * s.channels * s.bits / 8);
    put16(b, uint16_t(s.channels * s.bits / 8));
    put16(b, s.bits);
    putTag(b, "data");
    put32(b, uint32_t(int(s.samples.size()) + s.dataSizeDelta));
    b.insert(b.end(), s.samples.begin(), s.samples.end());
    const uint32_t riff = uint32_t(b.size() - 8);
    std::memcpy(b.data() + 4, &riff, 4);
    return b;
}

inline WavLayout eightBitMono(size_t frames = 100) {
    WavLayout s;
    for (size_t i = 0; i < frames; ++i) s.samples.push_back(uint8_t(i * 37));
    return s;
}

inline std::shared_ptr<const Bytes> shared(Bytes b) {
    return std::make_shared<const Bytes>(std::move(b));
}

}  // namespace wav_images
