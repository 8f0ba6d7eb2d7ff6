// WAV images decoded for the audio output: the PCM samples and their format.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QAudioFormat>
#include <QByteArray>

namespace rt::qt {

struct PcmSound {
    QAudioFormat format;  // UInt8 or Int16, one or two channels, the image's rate
    QByteArray samples;   // whole frames, in the machine's byte order
};

// Reads a WAV image: RIFF "WAVE" with a PCM "fmt " chunk (8-bit unsigned or 16-bit signed, mono or
// stereo, any rate from 1 Hz to 384 kHz) and a "data" chunk. A data chunk that claims more bytes
// than the image holds is cut to what is there, as a truncated file still plays what it has.
// Returns nothing for anything else: a wrong header, a chunk that runs past the end of the image,
// a format other than these, or no sample at all.
std::optional<PcmSound> decodeWav(const std::vector<uint8_t>& image);

// The same sound in another format: sample format, channel count and rate (linear
// interpolation). The target must be valid.
QByteArray convertPcm(const PcmSound& sound, const QAudioFormat& target);

}  // namespace rt::qt
