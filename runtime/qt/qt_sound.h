// Sound output on Qt Multimedia: WAV images played from memory, one at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <QObject>

#include "runtime/services.h"

class QAudioSink;
class QBuffer;

namespace rt::qt {

// play() decodes the WAV image (see decodeWav), stops the sound that is playing and starts the
// new one on the default output device; it returns at once while the device pulls the samples
// from memory. It returns false, and plays nothing, when there is no output device, the image is
// not a WAV image it can read, or the device refuses the sound. A format that the device does not
// take is converted in memory to the device's preferred format first.
//
// Nothing of the audio system is opened before the first play(): deviceCount() only asks for the
// list of devices. When a sound has played to its end the device is released, so an idle program
// holds no audio stream and uses no processor time.
class QtSoundOutput : public SoundOutput {
  public:
    QtSoundOutput();
    ~QtSoundOutput() override;

    int deviceCount() override;
    bool play(std::shared_ptr<const std::vector<uint8_t>> wav) override;
    void stop() override;

    // Whether a sound is playing or about to (for tests).
    bool active() const { return sink_ != nullptr; }

  private:
    void releaseWhenDone(quint64 sound);

    // The sink reads from the buffer, which owns the samples; the two go together.
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QAudioSink> sink_;
    qint64 durationUs_ = 0;    // of the current sound
    quint64 soundNumber_ = 0;  // counts the sounds started, to tell them apart
    // Receives the sink's signals; its queued calls die with it.
    QObject context_;
};

}  // namespace rt::qt
