// The sound backend on Qt Multimedia: QAudioSink fed from memory.
#pragma once

#include <memory>

#include <QObject>

#include "runtime/qt/sound_backend/sound_backend.h"

class QAudioSink;
class QBuffer;

namespace rt::qt {

// Nothing of the audio system is opened before the first play(). When a sound has played to its
// end the sink is released, so an idle program holds no audio stream and uses no processor time.
class QtSoundBackend : public SoundBackend {
  public:
    QtSoundBackend();
    ~QtSoundBackend() override;

    int deviceCount() override;
    bool play(PcmSound sound) override;
    void stop() override;
    bool active() const override { return sink_ != nullptr; }

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
