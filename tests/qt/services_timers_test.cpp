// Timers on the event loop, and the clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <utility>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTime>
#include <QTimer>

#include "runtime/app.h"
#include "runtime/controls.h"
#include "runtime/errors.h"
#include "runtime/qt/qt_clock.h"
#include "runtime/qt/qt_timers.h"
#include "tests/support/fake_services.h"

namespace {

using rt::qt::QtTimerService;

struct Holder : rt::Container {
    rt::Form* form() override { return nullptr; }
};

// The limit of a wait for something that must come, in milliseconds. The wait ends as soon as the
// thing comes; only a fault reaches the limit, even on a machine whose every core is busy.
constexpr int kLongEnough = 20000;

// Runs the event loop until `done` holds or `ms` have passed.
void runUntil(const std::function<bool()>& done, int ms) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

class Timers : public testing::Test {
  protected:
    testing_support::FakeDialogs dialogs;
    QtTimerService service;
    Holder holder;

    void SetUp() override {
        rt::Services s;
        s.timers = &service;
        s.dialogs = &dialogs;
        rt::app().install(s);
    }
    void TearDown() override { rt::app().install(rt::Services{}); }

    std::unique_ptr<rt::Timer> makeTimer(int interval) {
        auto t = std::make_unique<rt::Timer>(&holder, "Timer1");
        t->setInterval(interval);
        return t;
    }
};

TEST_F(Timers, EnabledTimerFiresUntilStoppedInsideItsHandler) {
    auto timer = makeTimer(10);
    int ticks = 0;
    timer->onTimer = [&] {
        if (++ticks == 3) timer->setTimerEnabled(false);
    };
    timer->setTimerEnabled(true);
    EXPECT_TRUE(service.running(*timer));
    runUntil([&] { return ticks >= 3; }, kLongEnough);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(service.running(*timer));
    runUntil([] { return false; }, 60);
    EXPECT_EQ(ticks, 3);
}

TEST_F(Timers, DisabledOrZeroIntervalTimerNeverFires) {
    auto disabled = makeTimer(10);
    auto zero = makeTimer(0);
    int ticks = 0;
    disabled->onTimer = zero->onTimer = [&] { ++ticks; };
    zero->setTimerEnabled(true);
    EXPECT_FALSE(service.running(*zero));
    runUntil([] { return false; }, 60);
    EXPECT_EQ(ticks, 0);
}

TEST_F(Timers, RestartTakesTheNewInterval) {
    auto timer = makeTimer(60000);
    int ticks = 0;
    timer->onTimer = [&] { ++ticks; };
    timer->setTimerEnabled(true);
    timer->setInterval(10);
    runUntil([&] { return ticks > 0; }, kLongEnough);
    EXPECT_GT(ticks, 0);
}

TEST_F(Timers, DestroyingATimerStopsIt) {
    auto timer = makeTimer(10);
    int ticks = 0;
    timer->onTimer = [&] { ++ticks; };
    timer->setTimerEnabled(true);
    const rt::Timer* address = timer.get();
    timer.reset();
    EXPECT_FALSE(service.running(*address));
    runUntil([] { return false; }, 60);
    EXPECT_EQ(ticks, 0);
}

TEST_F(Timers, ATimerMayBeDestroyedByItsOwnHandler) {
    auto timer = makeTimer(10);
    auto other = makeTimer(10);
    int ticks = 0, otherTicks = 0;
    timer->onTimer = [&] {
        ++ticks;
        timer.reset();
    };
    other->onTimer = [&] { ++otherTicks; };
    timer->setTimerEnabled(true);
    other->setTimerEnabled(true);
    runUntil([&] { return ticks > 0 && otherTicks > 3; }, kLongEnough);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(timer, nullptr);
}

TEST_F(Timers, AHandlerWaitingInANestedLoopIsNotEnteredAgain) {
    auto timer = makeTimer(10);
    auto other = makeTimer(10);
    int entries = 0, depth = 0, deepest = 0, otherTicks = 0;
    timer->onTimer = [&] {
        ++entries;
        deepest = std::max(deepest, ++depth);
        // The handler restarts its own timer, then waits as in a message box, with the event
        // loop running on.
        if (entries == 1) {
            timer->setInterval(10);
            runUntil([&] { return otherTicks >= 5; }, kLongEnough);
        }
        --depth;
    };
    other->onTimer = [&] { ++otherTicks; };
    timer->setTimerEnabled(true);
    other->setTimerEnabled(true);
    runUntil([&] { return entries >= 2; }, kLongEnough);
    EXPECT_GE(otherTicks, 5);
    EXPECT_EQ(deepest, 1);
    EXPECT_GE(entries, 2);  // it ticks again once the first call has returned
}

TEST_F(Timers, AnErrorInTheHandlerIsCaughtByTheGuard) {
    auto timer = makeTimer(10);
    int ticks = 0;
    timer->onTimer = [&] {
        ++ticks;
        timer->setTimerEnabled(false);
        throw rt::RuntimeError(5, "Invalid procedure call or argument");
    };
    timer->setTimerEnabled(true);
    runUntil([&] { return ticks > 0; }, kLongEnough);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].prompt.find("Invalid procedure call"), std::string::npos);
}

// Each reading lies between readings of the system's own clocks taken just before and just after
// it, however long this thread waits for a core in between.
TEST(Clock, ReadsTheSystemAndLocalTime) {
    rt::qt::QtClock clock;
    const auto before = std::chrono::system_clock::now();
    const auto now = clock.now();
    const auto after = std::chrono::system_clock::now();
    EXPECT_LE(before, now);
    EXPECT_LE(now, after);

    const int earlier = QTime::currentTime().msecsSinceStartOfDay();
    const double seconds = clock.secondsSinceMidnight();
    const int later = QTime::currentTime().msecsSinceStartOfDay();
    EXPECT_GE(seconds, 0.0);
    EXPECT_LT(seconds, 86400.0);
    // Across midnight the local time starts again from zero.
    if (earlier <= later) {
        EXPECT_GE(seconds, earlier / 1000.0);
        EXPECT_LE(seconds, later / 1000.0);
    }
}

// The random generator mixes the clock into its state before each draw of a roll, so the clock
// must move on by the millisecond and never go back. Two readings 20 ms or more apart are compared
// with the steady clock read around each of them: the time between them lies between the inner and
// the outer pair of those readings, give or take the millisecond that each reading drops. A busy
// machine only widens both pairs alike; a clock that counts whole seconds or goes back falls
// outside.
TEST(Clock, HasMillisecondResolution) {
    using std::chrono::steady_clock;
    const auto localDay = [] {
        const QDateTime now = QDateTime::currentDateTime();
        return std::pair(now.date(), now.offsetFromUtc());
    };
    const auto secondsOf = [](steady_clock::duration d) {
        return std::chrono::duration<double>(d).count();
    };
    rt::qt::QtClock clock;
    const auto day = localDay();
    const auto t0 = steady_clock::now();
    const double first = clock.secondsSinceMidnight();
    const auto t1 = steady_clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const auto t2 = steady_clock::now();
    const double second = clock.secondsSinceMidnight();
    const auto t3 = steady_clock::now();
    if (localDay() != day) GTEST_SKIP() << "midnight or a change of summer time passed";
    const double dropped = 0.001 + 1e-9;
    EXPECT_GT(second - first, secondsOf(t2 - t1) - dropped);
    EXPECT_LT(second - first, secondsOf(t3 - t0) + dropped);
}

}  // namespace
