#include "runtime/qt/qt_clock.h"

#include <QTime>

namespace rt::qt {

std::chrono::system_clock::time_point QtClock::now() {
    return std::chrono::system_clock::now();
}

double QtClock::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

}  // namespace rt::qt
