#include "runtime/qt/sound_backend/qt_sound_backend.h"

#include <algorithm>
#include <optional>
#include <type_traits>

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>

#include "runtime/qt/sound_backend/pcm_convert.h"

namespace rt::qt {

namespace {

// How long the audio system may still hold samples that the sink has handed over: generous, as
// keeping an idle sink a little longer costs nothing, while releasing it early cuts the sound.
constexpr int kLatencyMs = 500;

using Sample = PcmFormat::Sample;

QAudioFormat toQt(const PcmFormat& pcm) {
    QAudioFormat format;
    format.setChannelCount(pcm.channels);
    format.setSampleRate(pcm.rate);
    switch (pcm.sample) {
        case Sample::UInt8:
            format.setSampleFormat(QAudioFormat::UInt8);
            break;
        case Sample::Int16:
            format.setSampleFormat(QAudioFormat::Int16);
            break;
        case Sample::Int32:
            format.setSampleFormat(QAudioFormat::Int32);
            break;
        case Sample::Float:
            format.setSampleFormat(QAudioFormat::Float);
            break;
    }
    return format;
}

// Nothing for a format that has no sample format we can write.
std::optional<PcmFormat> fromQt(const QAudioFormat& format) {
    PcmFormat pcm{Sample::Int16, format.channelCount(), format.sampleRate()};
    switch (format.sampleFormat()) {
        case QAudioFormat::UInt8:
            pcm.sample = Sample::UInt8;
            break;
        case QAudioFormat::Int16:
            pcm.sample = Sample::Int16;
            break;
        case QAudioFormat::Int32:
            pcm.sample = Sample::Int32;
            break;
        case QAudioFormat::Float:
            pcm.sample = Sample::Float;
            break;
        default:
            return std::nullopt;
    }
    if (!pcm.valid()) return std::nullopt;
    return pcm;
}

}  // namespace

QtSoundBackend::QtSoundBackend() = default;

QtSoundBackend::~QtSoundBackend() {
    stop();
}

int QtSoundBackend::deviceCount() {
    return int(QMediaDevices::audioOutputs().size());
}

bool QtSoundBackend::play(PcmSound sound) {
    stop();
    if (!sound.format.valid() || sound.samples.size() < sound.format.bytesPerFrame()) return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    PcmFormat format = sound.format;
    if (!device.isFormatSupported(toQt(format))) {
        const std::optional<PcmFormat> preferred = fromQt(device.preferredFormat());
        if (!preferred) return false;
        format = *preferred;
        sound.samples = convertPcm(sound, format);
        if (sound.samples.isEmpty()) return false;
    }
    durationUs_ = sound.samples.size() / format.bytesPerFrame() * 1'000'000 / format.rate;
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(sound.samples);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, toQt(format));
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

void QtSoundBackend::stop() {
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
void QtSoundBackend::releaseWhenDone(quint64 sound) {
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

// The module's one exported symbol (the module is built with hidden symbols otherwise).
extern "C" __attribute__((visibility("default"))) rt::qt::SoundBackend* quopa_sound_create(
    int version) {
    if (version != rt::qt::kSoundInterfaceVersion) return nullptr;
    return new rt::qt::QtSoundBackend;
}

static_assert(std::is_same_v<decltype(&quopa_sound_create), rt::qt::CreateSoundBackend>,
              "the entry point must have the type the program calls it through");
