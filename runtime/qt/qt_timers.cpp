#include "runtime/qt/qt_timers.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include "runtime/app.h"
#include "runtime/controls.h"

namespace rt::qt {

QtTimerService::QtTimerService() = default;
QtTimerService::~QtTimerService() = default;

void QtTimerService::start(Timer& timer, int milliseconds) {
    if (milliseconds <= 0) {
        stop(timer);
        return;
    }
    std::unique_ptr<QTimer>& q = timers_[&timer];
    if (!q) {
        q = std::make_unique<QTimer>();
        // The roll animation ticks every few milliseconds; a coarse timer would let it drift.
        q->setTimerType(Qt::PreciseTimer);
        QObject::connect(q.get(), &QTimer::timeout, [this, t = &timer] { fire(t); });
    }
    q->start(milliseconds);
}

void QtTimerService::stop(Timer& timer) {
    auto it = timers_.find(&timer);
    if (it == timers_.end()) return;
    std::unique_ptr<QTimer> q = std::move(it->second);
    timers_.erase(it);
    q->stop();
    q->disconnect();
    // Deleting a QTimer from inside its own timeout is not safe; keep it until the tick is over.
    if (firing_ > 0) retired_.push_back(std::move(q));
}

bool QtTimerService::running(const Timer& timer) const {
    return timers_.count(&timer) != 0;
}

void QtTimerService::fire(Timer* timer) {
    // A handler that waits in a nested event loop (a message box) must not be run again inside
    // itself: that would repeat work that is only half done. Qt holds back a QTimer while its
    // timeout runs, but not once the handler has restarted its timer, so we hold it back here.
    if (inHandler_.count(timer)) return;
    inHandler_.insert(timer);
    ++firing_;
    guard([timer] {
        if (timer->onTimer) timer->onTimer();
    });
    // `timer` may be gone now; it is only used as a key from here on.
    inHandler_.erase(timer);
    if (--firing_ == 0) retired_.clear();
    // What the tick changed is painted and sent to the window system now, in the pass of the
    // event loop that ran the tick, rather than in one more pass woken for it: an animation
    // frame costs one pass instead of two.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

}  // namespace rt::qt
