#include "runtime/qt/qt_wav.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

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

// One sample as a value in [-1, 1].
float sampleAt(const char* frame, QAudioFormat::SampleFormat format, int channel) {
    if (format == QAudioFormat::UInt8) return (uint8_t(frame[channel]) - 128) / 128.0f;
    int16_t v;
    std::memcpy(&v, frame + 2 * channel, 2);
    return v / 32768.0f;
}

void storeSample(char* out, QAudioFormat::SampleFormat format, float v) {
    v = std::clamp(v, -1.0f, 1.0f);
    switch (format) {
        case QAudioFormat::UInt8:
            *reinterpret_cast<uint8_t*>(out) = uint8_t(std::lround(v * 127.0f + 128.0f));
            break;
        case QAudioFormat::Int16: {
            const int16_t s = int16_t(std::lround(v * 32767.0f));
            std::memcpy(out, &s, 2);
            break;
        }
        case QAudioFormat::Int32: {
            const int32_t s = int32_t(std::lround(double(v) * 2147483647.0));
            std::memcpy(out, &s, 4);
            break;
        }
        case QAudioFormat::Float:
            std::memcpy(out, &v, 4);
            break;
        default:
            break;
    }
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
    sound.format.setSampleRate(fmt->rate);
    sound.format.setChannelCount(fmt->channels);
    sound.format.setSampleFormat(fmt->bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    sound.samples = QByteArray(reinterpret_cast<const char*>(data), qsizetype(dataSize));
    if (fmt->bits == 16 && QSysInfo::ByteOrder == QSysInfo::BigEndian) {
        auto* s = reinterpret_cast<qint16*>(sound.samples.data());
        qFromLittleEndian<qint16>(s, sound.samples.size() / 2, s);
    }
    return sound;
}

QByteArray convertPcm(const PcmSound& sound, const QAudioFormat& target) {
    const QAudioFormat& from = sound.format;
    const int inFrameBytes = from.bytesPerFrame();
    const qsizetype inFrames = sound.samples.size() / inFrameBytes;
    if (inFrames == 0 || !target.isValid()) return {};
    const double step = double(from.sampleRate()) / target.sampleRate();
    const qsizetype outFrames = std::max<qsizetype>(1, qsizetype(double(inFrames) / step));
    const int outChannels = target.channelCount();
    const int outSampleBytes = target.bytesPerSample();
    QByteArray out(outFrames * target.bytesPerFrame(), Qt::Uninitialized);
    const char* in = sound.samples.constData();
    char* o = out.data();
    for (qsizetype i = 0; i < outFrames; ++i) {
        const double pos = double(i) * step;
        const qsizetype a = std::min<qsizetype>(qsizetype(pos), inFrames - 1);
        const qsizetype b = std::min<qsizetype>(a + 1, inFrames - 1);
        const float t = float(pos - double(a));
        for (int c = 0; c < outChannels; ++c) {
            // Mono spreads to every output channel. Stereo keeps left and right; a device with one
            // channel gets the left, one with more repeats the right in the others.
            const int ic = std::min(c, from.channelCount() - 1);
            const float va = sampleAt(in + a * inFrameBytes, from.sampleFormat(), ic);
            const float vb = sampleAt(in + b * inFrameBytes, from.sampleFormat(), ic);
            storeSample(o, target.sampleFormat(), va + (vb - va) * t);
            o += outSampleBytes;
        }
    }
    return out;
}

}  // namespace rt::qt
