// WAV images decoded for the audio output: the PCM samples and their format.
//
// Nothing here uses Qt Multimedia: the program decodes (and so refuses a bad image) before it
// loads the sound module, which is the only part of the program that links Qt Multimedia.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QByteArray>

namespace rt::qt {

// A format of PCM samples as an audio device takes them.
struct PcmFormat {
    enum class Sample { UInt8, Int16, Int32, Float };
    Sample sample = Sample::Int16;
    int channels = 0;
    int rate = 0;  // frames per second

    int bytesPerSample() const {
        return sample == Sample::UInt8 ? 1 : sample == Sample::Int16 ? 2 : 4;
    }
    int bytesPerFrame() const { return bytesPerSample() * channels; }
    bool valid() const { return channels > 0 && rate > 0; }
    bool operator==(const PcmFormat&) const = default;
};

struct PcmSound {
    PcmFormat format;    // UInt8 or Int16, one or two channels, the image's rate
    QByteArray samples;  // whole frames, in the machine's byte order
};

// Reads a WAV image: RIFF "WAVE" with a PCM "fmt " chunk (8-bit unsigned or 16-bit signed, mono or
// stereo, any rate from 1 Hz to 384 kHz) and a "data" chunk. A data chunk that claims more bytes
// than the image holds is cut to what is there, as a truncated file still plays what it has.
// Returns nothing for anything else: a wrong header, a chunk that runs past the end of the image,
// a format other than these, or no sample at all.
std::optional<PcmSound> decodeWav(const std::vector<uint8_t>& image);

}  // namespace rt::qt
