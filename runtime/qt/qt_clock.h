// The system clock.
#pragma once

#include "runtime/services.h"

namespace rt::qt {

class QtClock : public Clock {
  public:
    std::chrono::system_clock::time_point now() override;
    // Local time since midnight, in seconds with millisecond resolution.
    double secondsSinceMidnight() override;
};

}  // namespace rt::qt
