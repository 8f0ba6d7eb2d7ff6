#include "runtime/qt/sound_backend/pcm_convert.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace rt::qt {

namespace {

using Sample = PcmFormat::Sample;

// One sample as a value in [-1, 1]. The decoder yields 8-bit unsigned or 16-bit signed samples.
float sampleAt(const char* frame, Sample format, int channel) {
    if (format == Sample::UInt8) return (uint8_t(frame[channel]) - 128) / 128.0f;
    int16_t v;
    std::memcpy(&v, frame + 2 * channel, 2);
    return v / 32768.0f;
}

void storeSample(char* out, Sample format, float v) {
    v = std::clamp(v, -1.0f, 1.0f);
    switch (format) {
        case Sample::UInt8:
            *reinterpret_cast<uint8_t*>(out) = uint8_t(std::lround(v * 127.0f + 128.0f));
            break;
        case Sample::Int16: {
            const int16_t s = int16_t(std::lround(v * 32767.0f));
            std::memcpy(out, &s, 2);
            break;
        }
        case Sample::Int32: {
            const int32_t s = int32_t(std::lround(double(v) * 2147483647.0));
            std::memcpy(out, &s, 4);
            break;
        }
        case Sample::Float:
            std::memcpy(out, &v, 4);
            break;
    }
}

}  // namespace

QByteArray convertPcm(const PcmSound& sound, const PcmFormat& target) {
    const PcmFormat& from = sound.format;
    if (!from.valid() || !target.valid()) return {};
    // The source is what the decoder makes; anything wider would be read past its frames.
    if (from.sample != Sample::UInt8 && from.sample != Sample::Int16) return {};
    const int inFrameBytes = from.bytesPerFrame();
    const qsizetype inFrames = sound.samples.size() / inFrameBytes;
    if (inFrames == 0) return {};
    const double step = double(from.rate) / target.rate;
    const qsizetype outFrames = std::max<qsizetype>(1, qsizetype(double(inFrames) / step));
    const int outSampleBytes = target.bytesPerSample();
    QByteArray out(outFrames * target.bytesPerFrame(), Qt::Uninitialized);
    const char* in = sound.samples.constData();
    char* o = out.data();
    for (qsizetype i = 0; i < outFrames; ++i) {
        const double pos = double(i) * step;
        const qsizetype a = std::min<qsizetype>(qsizetype(pos), inFrames - 1);
        const qsizetype b = std::min<qsizetype>(a + 1, inFrames - 1);
        const float t = float(pos - double(a));
        for (int c = 0; c < target.channels; ++c) {
            // Mono spreads to every output channel. Stereo keeps left and right; a device with one
            // channel gets the left, one with more repeats the right in the others.
            const int ic = std::min(c, from.channels - 1);
            const float va = sampleAt(in + a * inFrameBytes, from.sample, ic);
            const float vb = sampleAt(in + b * inFrameBytes, from.sample, ic);
            storeSample(o, target.sample, va + (vb - va) * t);
            o += outSampleBytes;
        }
    }
    return out;
}

}  // namespace rt::qt
