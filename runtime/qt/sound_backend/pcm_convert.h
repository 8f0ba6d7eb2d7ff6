// PCM samples converted to the format an audio device asks for.
#pragma once

#include <QByteArray>

#include "runtime/qt/qt_wav.h"

namespace rt::qt {

// The same sound in another format: sample format, channel count and rate (linear
// interpolation). Returns nothing (an empty array) when either format is not valid or the sound
// holds no whole frame.
QByteArray convertPcm(const PcmSound& sound, const PcmFormat& target);

}  // namespace rt::qt
