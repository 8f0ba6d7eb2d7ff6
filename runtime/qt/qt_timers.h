// The runtime's timers on Qt's event loop.
#pragma once

#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "runtime/services.h"

class QTimer;

namespace rt::qt {

// One precise QTimer per running rt::Timer. Each timeout runs the timer's onTimer through
// rt::guard, so End and uncaught run-time errors never cross Qt's event loop. A timer may be
// stopped, restarted or destroyed from inside its own onTimer; once stop() returns (the runtime
// calls it from ~Timer too) the timer is never called again. A timer whose onTimer is still
// running (waiting in a nested event loop, as in a message box) skips its ticks until it returns.
class QtTimerService : public TimerService {
  public:
    QtTimerService();
    ~QtTimerService() override;

    // A schedule of 0 ms or less would spin the event loop; it stops the timer instead.
    void start(Timer& timer, int milliseconds) override;
    void stop(Timer& timer) override;

    bool running(const Timer& timer) const;

  private:
    void fire(Timer* timer);

    std::unordered_map<const Timer*, std::unique_ptr<QTimer>> timers_;
    // QTimers stopped while a timeout may still be on the stack, destroyed once none is.
    std::vector<std::unique_ptr<QTimer>> retired_;
    int firing_ = 0;
    // The timers whose onTimer is on the stack.
    std::unordered_set<const Timer*> inHandler_;
};

}  // namespace rt::qt
