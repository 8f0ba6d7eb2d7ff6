#include "runtime/qt/qt_sound.h"

#include <algorithm>

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>

#include "runtime/qt/qt_wav.h"

namespace rt::qt {

namespace {

// How long the audio system may still hold samples that the sink has handed over: generous, as
// keeping an idle sink a little longer costs nothing, while releasing it early cuts the sound.
constexpr int kLatencyMs = 500;

}  // namespace

QtSoundOutput::QtSoundOutput() = default;

QtSoundOutput::~QtSoundOutput() {
    stop();
}

int QtSoundOutput::deviceCount() {
    return int(QMediaDevices::audioOutputs().size());
}

bool QtSoundOutput::play(std::shared_ptr<const std::vector<uint8_t>> wav) {
    stop();
    if (!wav) return false;
    std::optional<PcmSound> sound = decodeWav(*wav);
    if (!sound) return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format = sound->format;
    if (!device.isFormatSupported(format)) {
        format = device.preferredFormat();
        if (!format.isValid()) return false;
        sound->samples = convertPcm(*sound, format);
    }
    durationUs_ = sound->samples.size() / format.bytesPerFrame() * 1'000'000 / format.sampleRate();
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(sound->samples);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    const quint64 number = ++soundNumber_;
    QObject::connect(sink_.get(), &QAudioSink::stateChanged, &context_,
                     [this, number](QAudio::State state) {
                         if (state == QAudio::IdleState || state == QAudio::StoppedState)
                             releaseWhenDone(number);
                     });
    sink_->start(buffer_.get());
    if (sink_->error() != QAudio::NoError) {
        stop();
        return false;
    }
    return true;
}

void QtSoundOutput::stop() {
    if (sink_) {
        // Disconnect first: stopping raises a state change that must not schedule a release of
        // whatever sink comes next.
        QObject::disconnect(sink_.get(), nullptr, &context_, nullptr);
        sink_->stop();
    }
    sink_.reset();
    buffer_.reset();
}

// The sink goes idle once it has handed the last samples to the audio system, which still has
// them to play. The sink is released when they have had time to play out (what is left of the
// sound by the device's own count, plus the device's latency), from the event loop rather than
// from inside its own signal, and only if the same sound is still there and idle by then: a new
// play() may have replaced it meanwhile. A sink that stopped on an error goes at once.
void QtSoundOutput::releaseWhenDone(quint64 sound) {
    int delayMs = 0;
    if (sink_->state() == QAudio::IdleState) {
        const qint64 leftUs = std::max<qint64>(0, durationUs_ - sink_->processedUSecs());
        delayMs = int(leftUs / 1000) + kLatencyMs;
    }
    QTimer::singleShot(delayMs, &context_, [this, sound] {
        if (!sink_ || sound != soundNumber_ || sink_->state() == QAudio::ActiveState) return;
        if (sink_->state() == QAudio::StoppedState || buffer_->atEnd()) stop();
    });
}

}  // namespace rt::qt
