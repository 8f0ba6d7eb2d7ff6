// Work done ahead of time: once, after the first window has been drawn, never before it and
// never after the program has ended; and the toolkit's warm-up leaves nothing behind.
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QWidget>

#include "runtime/qt/toolkit_warm_up.h"
#include "tests/qt/renderer_fixture.h"

namespace renderer_test {
namespace {

class PlainForm : public rt::Form {
  public:
    PlainForm() : rt::Form("PlainForm") { setClientSize(3000, 2000); }
};

// Runs the event loop until `done` holds or `ms` have passed. A wait for something that must come
// has 20 s: it ends as soon as the thing comes, and only a fault reaches that limit, even on a
// machine whose every core is busy. The checks that nothing more happens watch for a second.
template <class Done>
bool processUntil(Done done, int ms = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

class WorkAhead : public RendererTest {};

TEST_F(WorkAhead, RunsOnceAfterTheFirstWindowIsDrawn) {
    int runs = 0;
    bool drawnBefore = false;
    auto& first = make<PlainForm>();
    display->setWorkAhead([&] {
        ++runs;
        QWidget* window = windowOf(first);
        drawnBefore = window && window->windowHandle() && window->windowHandle()->isExposed();
    });
    first.show();
    // Nothing runs while the window is being shown: the work waits for the event loop.
    EXPECT_EQ(runs, 0);
    ASSERT_TRUE(processUntil([&] { return runs > 0; }));
    EXPECT_TRUE(drawnBefore);
    // A second window, or more time, runs nothing again.
    make<PlainForm>().show();
    processUntil([] { return false; }, 1000);
    EXPECT_EQ(runs, 1);
}

TEST_F(WorkAhead, NothingRunsOnceTheProgramHasEnded) {
    int runs = 0;
    display->setWorkAhead([&] { ++runs; });
    make<PlainForm>().show();
    display->quit();
    processUntil([] { return false; }, 1000);
    EXPECT_EQ(runs, 0);
}

TEST_F(WorkAhead, TheWarmUpLeavesNoWindowAndNoPointerBehind) {
    const int before = QApplication::topLevelWidgets().size();
    rt::qt::warmUpToolkit();
    rt::Font bold;
    bold.bold = true;
    rt::qt::warmUpFont(bold);
    rt::qt::warmUpBusyPointer();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), before);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace renderer_test
