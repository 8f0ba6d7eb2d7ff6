// The window of a form, offscreen: showing, geometry both ways, closing, modal shows, End and
// the program's loop.
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "runtime/controls.h"
#include "runtime/errors.h"
#include "tests/qt/renderer_fixture.h"

namespace renderer_test {
namespace {

class WindowForm : public rt::Form {
  public:
    WindowForm() : rt::Form("WindowForm") {
        setCaption(" Ostrelo Tuvel Quopa");
        setClientSize(7500, 6000);
        setLeft(1500);
        setTop(1200);
        setBackColor(rt::palette::kDarkGreen);
        menu.setCaption("&Game");
        item.setCaption("&New");
    }
    void Form_Resize() override {
        resizes.push_back({scaleWidth(), scaleHeight()});
        // As the main window does: a window made too narrow snaps back.
        if (minimumWidth > 0 && windowState() == rt::WindowState::Normal && width() < minimumWidth)
            setWidth(minimumWidth);
    }
    void Form_Unload(int& cancel) override {
        ++unloads;
        cancel = cancelUnload;
    }
    rt::Menu menu{this, "menu"};
    rt::Menu item{&menu, "item"};
    rt::Label label{this, "label"};
    std::vector<std::pair<int, int>> resizes;
    int minimumWidth = 0;
    int unloads = 0;
    int cancelUnload = 0;
};

class DialogForm : public rt::Form {
  public:
    DialogForm() : rt::Form("DialogForm") {
        setBorderStyle(rt::FormBorder::FixedDialog);
        setClientSize(3000, 1500);
    }
};

using FormWindows = RendererTest;

TEST_F(FormWindows, ShowMakesTheWindowWithCaptionColourAndClientSize) {
    auto& form = make<WindowForm>();
    form.show();
    rt::qt::FormWindow* window = windowOf(form);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), " Ostrelo Tuvel Quopa");
    EXPECT_EQ(window->client()->size(), QSize(500, 400));
    EXPECT_EQ(window->client()->palette().color(QPalette::Window), QColor(0, 0x80, 0));
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(100, 80));
    EXPECT_EQ(form.peer(), window);
    EXPECT_NE(form.label.peer(), nullptr);
}

TEST_F(FormWindows, RealFrameWithMenuBarIsReportedAndTheClientAreaKept) {
    auto& form = make<WindowForm>();
    form.show();
    rt::qt::FormWindow* window = windowOf(form);
    const QRect outer = window->frameGeometry();
    EXPECT_EQ(form.scaleWidth(), 7500);
    EXPECT_EQ(form.scaleHeight(), 6000);
    EXPECT_EQ(form.width(), outer.width() * 15);
    EXPECT_EQ(form.height(), outer.height() * 15);
    EXPECT_EQ(window->client()->y(), window->menuBar()->height());
    EXPECT_GT(window->menuBar()->height(), 0);
}

TEST_F(FormWindows, UserResizeRunsFormResizeOnceWithTheNewClientArea) {
    auto& form = make<WindowForm>();
    form.show();
    form.resizes.clear();
    windowOf(form)->resize(600, 500);
    ASSERT_EQ(form.resizes.size(), 1u);
    EXPECT_EQ(form.resizes[0].first, 600 * 15);
    EXPECT_EQ(form.scaleWidth(), 600 * 15);
    EXPECT_EQ(form.scaleHeight(), (500 - windowOf(form)->client()->y()) * 15);
}

TEST_F(FormWindows, CodeThatSizesTheWindowMovesItWithoutEchoes) {
    auto& form = make<WindowForm>();
    form.show();
    form.resizes.clear();
    form.setWidth(form.width() + 1500);
    EXPECT_EQ(form.resizes.size(), 1u);  // the form's own Form_Resize, not one per Qt event
    EXPECT_EQ(windowOf(form)->client()->width(), 600);
    form.setLeft(3000);
    EXPECT_EQ(windowOf(form)->frameGeometry().x(), 200);
    EXPECT_EQ(form.resizes.size(), 1u);
}

TEST_F(FormWindows, ResizeHandlerThatSnapsTheSizeBackEndsAfterOneRound) {
    auto& form = make<WindowForm>();
    form.show();
    form.minimumWidth = form.width();
    form.resizes.clear();
    windowOf(form)->resize(300, 400);
    // The user's size, then the snapped size written from inside the handler.
    EXPECT_EQ(form.resizes.size(), 2u);
    EXPECT_EQ(form.width(), form.minimumWidth);
    EXPECT_EQ(windowOf(form)->frameGeometry().width() * 15, form.minimumWidth);
}

TEST_F(FormWindows, MaximisingFromCodeAndBackReachesTheWindow) {
    auto& form = make<WindowForm>();
    form.show();
    form.setWindowState(rt::WindowState::Maximized);
    EXPECT_TRUE(windowOf(form)->windowState() & Qt::WindowMaximized);
    EXPECT_THROW(form.setLeft(0), rt::RuntimeError);
    form.setWindowState(rt::WindowState::Normal);
    EXPECT_FALSE(windowOf(form)->windowState() & Qt::WindowMaximized);
}

TEST_F(FormWindows, FixedDialogCannotBeResizedAndCaptionlessOneHasNoTitleBar) {
    auto& form = make<DialogForm>();
    form.show();
    rt::qt::FormWindow* window = windowOf(form);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowTitleHint);
    EXPECT_EQ(window->windowType(), Qt::Dialog);
}

TEST_F(FormWindows, CloseBoxUnloadsTheFormUnlessItCancels) {
    auto& form = make<WindowForm>();
    form.show();
    form.cancelUnload = 1;
    windowOf(form)->close();
    EXPECT_EQ(form.unloads, 1);
    EXPECT_TRUE(form.isLoaded());
    EXPECT_TRUE(windowOf(form)->isVisible());
    form.cancelUnload = 0;
    rt::qt::FormWindow* window = windowOf(form);
    window->close();
    EXPECT_EQ(form.unloads, 2);
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(windowOf(form), nullptr);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(form.peer(), nullptr);
    EXPECT_EQ(form.label.peer(), nullptr);
}

TEST_F(FormWindows, TopMostBeforeAndAfterShowingNeitherHidesNorMoves) {
    auto& form = make<WindowForm>();
    form.load();
    display->setTopMost(form, true);
    form.show();
    rt::qt::FormWindow* window = windowOf(form);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    const QRect before = window->frameGeometry();
    display->setTopMost(form, false);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->frameGeometry(), before);
}

TEST_F(FormWindows, ScreenPointerOverridesTheCursorUntilZero) {
    display->setScreenPointer(rt::kPointerHourglass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    display->setScreenPointer(rt::kPointerNoDrop);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    display->setScreenPointer(rt::kPointerDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(FormWindows, ScreenSizeIsThePrimaryScreenInTwips) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(display->screenSize().width, screen.width() * 15);
    EXPECT_EQ(display->screenSize().height, screen.height() * 15);
}

TEST_F(FormWindows, WidgetsOfAFormUnloadedByItsOwnHandlerOutliveTheHandler) {
    auto& form = make<WindowForm>();
    rt::CommandButton button(&form, "button");
    button.move(150, 150, 1200, 450);
    form.show();
    QPointer<QWidget> widget = widgetOf(button);
    QPointer<QWidget> window = windowOf(form);
    bool aliveDuringEvents = false;
    button.onClick = [&] {
        form.unload();
        display->processEvents();  // a nested loop while Qt is still inside the button's click
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        aliveDuringEvents = widget && window;
    };
    clickWidget(widget, QPoint(2, 2));
    EXPECT_TRUE(aliveDuringEvents);
    EXPECT_FALSE(form.isLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);  // gone once no handler runs on it
}

using ModalAndEnd = RendererTest;

TEST_F(ModalAndEnd, ModalShowReturnsWhenTheFormUnloads) {
    auto& form = make<DialogForm>();
    bool sawModal = false;
    QTimer::singleShot(0, [&] {
        sawModal = windowOf(form) && windowOf(form)->isModal();
        form.unload();
    });
    form.show(rt::ShowMode::Modal);
    EXPECT_TRUE(sawModal);
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(windowOf(form), nullptr);
}

TEST_F(ModalAndEnd, ModalShowReturnsWhenTheFormIsHidden) {
    auto& form = make<DialogForm>();
    QTimer::singleShot(0, [&] { form.hide(); });
    form.show(rt::ShowMode::Modal);
    EXPECT_TRUE(form.isLoaded());
    EXPECT_FALSE(windowOf(form)->isVisible());
}

TEST_F(ModalAndEnd, EndInsideAModalFormEndsEveryLoopAndTheCodeAfterTheShow) {
    auto& main = make<WindowForm>();
    auto& dialog = make<DialogForm>();
    main.show();
    QTimer::singleShot(0, [] { rt::guard([] { rt::End(); }); });
    bool after = false;
    const bool running = rt::guard([&] {
        dialog.show(rt::ShowMode::Modal);
        after = true;
    });
    EXPECT_FALSE(running);
    EXPECT_FALSE(after);
    EXPECT_TRUE(display->ended());
    EXPECT_FALSE(display->hasForms());
    EXPECT_EQ(main.unloads, 0);  // End runs no unload handler
    EXPECT_EQ(main.peer(), nullptr);
}

TEST_F(ModalAndEnd, EndInsideAHandlerLeavesTheProgramLoop) {
    auto& form = make<WindowForm>();
    form.show();
    QTimer::singleShot(0, [] { rt::guard([] { rt::End(); }); });
    display->run();
    EXPECT_TRUE(display->ended());
    EXPECT_EQ(form.unloads, 0);
}

TEST_F(ModalAndEnd, ProgramLoopEndsWhenTheLastFormIsUnloaded) {
    auto& first = make<WindowForm>();
    auto& second = make<DialogForm>();
    first.show();
    QTimer::singleShot(0, [&] {
        // Unloading one form and showing the next in the same handler keeps the program going.
        first.unload();
        second.show();
        QTimer::singleShot(0, [&] { second.unload(); });
    });
    display->run();
    EXPECT_FALSE(display->ended());
    EXPECT_FALSE(first.isLoaded());
    EXPECT_FALSE(second.isLoaded());
}

TEST_F(ModalAndEnd, ProgramLoopReturnsAtOnceWithoutForms) {
    display->run();
    EXPECT_FALSE(display->hasForms());
}

}  // namespace
}  // namespace renderer_test
