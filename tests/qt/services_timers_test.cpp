// Timers on the event loop, and the clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>

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
    runUntil([&] { return ticks >= 3; }, 2000);
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
    runUntil([&] { return ticks > 0; }, 2000);
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
    runUntil([&] { return ticks > 0 && otherTicks > 3; }, 2000);
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
            runUntil([&] { return otherTicks >= 5; }, 2000);
        }
        --depth;
    };
    other->onTimer = [&] { ++otherTicks; };
    timer->setTimerEnabled(true);
    other->setTimerEnabled(true);
    runUntil([&] { return entries >= 2; }, 2000);
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
    runUntil([&] { return ticks > 0; }, 2000);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].prompt.find("Invalid procedure call"), std::string::npos);
}

TEST(Clock, ReadsTheSystemAndLocalTime) {
    rt::qt::QtClock clock;
    const auto now = std::chrono::system_clock::now();
    EXPECT_LT(std::chrono::abs(clock.now() - now), std::chrono::seconds(1));

    const double expected = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    const double seconds = clock.secondsSinceMidnight();
    EXPECT_GE(seconds, 0.0);
    EXPECT_LT(seconds, 86400.0);
    // Near midnight the two readings may fall on either side of it.
    if (expected > 1 && expected < 86399) {
        EXPECT_NEAR(seconds, expected, 1.0);
    }
}

TEST(Clock, HasMillisecondResolution) {
    rt::qt::QtClock clock;
    const double first = clock.secondsSinceMidnight();
    QDeadlineTimer wait(20);
    double second = first;
    while (!wait.hasExpired()) second = clock.secondsSinceMidnight();
    const double elapsed = second - first;
    if (elapsed < 0) GTEST_SKIP() << "midnight passed";
    EXPECT_GT(elapsed, 0.015);
    EXPECT_LT(elapsed, 0.5);
}

}  // namespace
