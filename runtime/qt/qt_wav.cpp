#include "runtime/qt/qt_wav.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include <QSysInfo>
#include <QtEndian>

namespace rt::qt {

namespace {

constexpr int kMaxRate = 384000;

uint32_t u32(const uint8_t* p) {
    return qFromLittleEndian<quint32>(p);
}
uint16_t u16(const uint8_t* p) {
    return qFromLittleEndian<quint16>(p);
}
bool tagIs(const uint8_t* p, std::string_view tag) {
    return std::memcmp(p, tag.data(), 4) == 0;
}

struct FmtChunk {
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

std::optional<FmtChunk> readFmt(const uint8_t* p, uint32_t size) {
    if (size < 16) return std::nullopt;
    const int formatTag = u16(p);
    FmtChunk fmt{u16(p + 2), int(u32(p + 4)), u16(p + 14)};
    if (formatTag != 1) return std::nullopt;  // PCM only
    if (fmt.channels < 1 || fmt.channels > 2) return std::nullopt;
    if (fmt.rate < 1 || fmt.rate > kMaxRate) return std::nullopt;
    if (fmt.bits != 8 && fmt.bits != 16) return std::nullopt;
    return fmt;
}

}  // namespace

std::optional<PcmSound> decodeWav(const std::vector<uint8_t>& image) {
    const size_t size = image.size();
    if (size < 12 || !tagIs(image.data(), "RIFF") || !tagIs(image.data() + 8, "WAVE"))
        return std::nullopt;
    std::optional<FmtChunk> fmt;
    const uint8_t* data = nullptr;
    size_t dataSize = 0;
    for (size_t at = 12; at + 8 <= size;) {
        const uint8_t* chunk = image.data() + at;
        const uint32_t chunkSize = u32(chunk + 4);
        const size_t available = size - at - 8;
        if (tagIs(chunk, "data")) {
            data = chunk + 8;
            dataSize = std::min<size_t>(chunkSize, available);
        } else if (chunkSize > available) {
            return std::nullopt;
        } else if (tagIs(chunk, "fmt ")) {
            fmt = readFmt(chunk + 8, chunkSize);
            if (!fmt) return std::nullopt;
        }
        if (data && fmt) break;
        at += 8 + size_t(chunkSize) + (chunkSize & 1);
    }
    if (!fmt || !data) return std::nullopt;
    const size_t frameBytes = size_t(fmt->channels) * size_t(fmt->bits / 8);
    dataSize -= dataSize % frameBytes;
    if (dataSize == 0) return std::nullopt;

    PcmSound sound;
    sound.format = {fmt->bits == 8 ? PcmFormat::Sample::UInt8 : PcmFormat::Sample::Int16,
                    fmt->channels, fmt->rate};
    sound.samples = QByteArray(reinterpret_cast<const char*>(data), qsizetype(dataSize));
    if (fmt->bits == 16 && QSysInfo::ByteOrder == QSysInfo::BigEndian) {
        auto* s = reinterpret_cast<qint16*>(sound.samples.data());
        qFromLittleEndian<qint16>(s, sound.samples.size() / 2, s);
    }
    return sound;
}

}  // namespace rt::qt
