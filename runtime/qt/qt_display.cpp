#include "runtime/qt/qt_display.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "runtime/app.h"
#include "runtime/errors.h"
#include "runtime/qt/convert.h"
#include "runtime/qt/peers.h"
#include "runtime/qt/renderer_window.h"

namespace rt::qt {

QtDisplay::QtDisplay() {
    // The program ends when its last form is unloaded, not when Qt sees no window (a form may
    // be loaded while hidden, and a hidden window is not a closed one).
    QGuiApplication::setQuitOnLastWindowClosed(false);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
}

QtDisplay::~QtDisplay() {
    if (overrideCursor_) QGuiApplication::restoreOverrideCursor();
    auto windows = std::move(windows_);
    windows_.clear();
    // Each window lets go of its form as it goes.
    for (auto& [form, window] : windows) delete window;
}

FormWindow* QtDisplay::windowOf(const Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second;
}

void QtDisplay::show(Form& form, ShowMode mode) {
    if (ended_) return;
    FormWindow* window = windowOf(form);
    if (!window) {
        window = new FormWindow(form);
        windows_[&form] = window;
        if (topMost_.erase(&form)) window->setTopMost(true);
    }
    const bool modal = mode == ShowMode::Modal;
    window->present(modal);
    scheduleWorkAhead(*window);
    if (!modal || !window->isVisible()) return;

    QEventLoop loop;
    QPointer<FormWindow> guardWindow(window);
    window->modalLoop = &loop;
    modalLoops_.push_back(&loop);
    loop.exec(QEventLoop::DialogExec);
    modalLoops_.erase(std::find(modalLoops_.begin(), modalLoops_.end(), &loop));
    if (guardWindow && guardWindow->modalLoop == &loop) guardWindow->modalLoop = nullptr;
    // The code after a modal show must not run once the program has ended.
    if (ended_) throw EndProgram{};
}

void QtDisplay::hide(Form& form) {
    if (FormWindow* window = windowOf(form)) window->conceal();
}

void QtDisplay::unloaded(Form& form) {
    topMost_.erase(&form);
    pending_.erase(std::remove_if(pending_.begin(), pending_.end(),
                                  [&form](Control* c) { return c->form() == &form; }),
                   pending_.end());
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    FormWindow* window = it->second;
    windows_.erase(it);
    window->release();
    if (windows_.empty() && mainLoop_) {
        leaving_ = true;
        mainLoop_->exit(0);
    }
}

void QtDisplay::controlAdded(Control& control) {
    // The control is still being constructed (its kind is not known yet): its widget is made
    // once the current event has been handled, or at the next DoEvents.
    pending_.push_back(&control);
    if (flushQueued_) return;
    flushQueued_ = true;
    QMetaObject::invokeMethod(
        this, [this] { flushPending(); }, Qt::QueuedConnection);
}

void QtDisplay::flushPending() {
    flushQueued_ = false;
    auto pending = std::move(pending_);
    pending_.clear();
    for (Control* c : pending) {
        if (c->peer()) continue;  // made with its container
        QWidget* host = nullptr;
        if (c->parent() == c->form()) {
            if (FormWindow* window = windowOf(*c->form())) host = window->client();
        } else if (auto* container = dynamic_cast<Control*>(c->parent())) {
            if (ControlPeer* peer = peerOf(*container)) host = peer->childHost();
        }
        if (!host) continue;
        if (ControlPeer* peer = createPeerTree(*c, host); peer && peer->lightweight())
            peer->bringToFrontOfLayer();
    }
}

void QtDisplay::processEvents() {
    flushPending();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (ended_) throw EndProgram{};
}

ScreenSize QtDisplay::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return ScreenSize{};
    return ScreenSize{toTwips(screen->geometry().width()), toTwips(screen->geometry().height())};
}

void QtDisplay::setScreenPointer(int pointer) {
    if (pointer == kPointerDefault) {
        if (overrideCursor_) QGuiApplication::restoreOverrideCursor();
        overrideCursor_ = false;
        return;
    }
    // The screen has no mouse icon of its own: a custom pointer shows the arrow.
    const QCursor cursor = toCursor(pointer, Picture());
    if (overrideCursor_) {
        QGuiApplication::changeOverrideCursor(cursor);
    } else {
        QGuiApplication::setOverrideCursor(cursor);
        overrideCursor_ = true;
    }
}

void QtDisplay::setTopMost(Form& form, bool topMost) {
    if (FormWindow* window = windowOf(form))
        window->setTopMost(topMost);
    else if (topMost)
        topMost_.insert(&form);
    else
        topMost_.erase(&form);
}

void QtDisplay::quit() {
    const bool first = !ended_;
    ended_ = true;
    if (first) {
        pending_.clear();
        topMost_.clear();
        setScreenPointer(kPointerDefault);
        auto windows = std::move(windows_);
        windows_.clear();
        // No handler runs: the windows go without asking their forms.
        for (auto& [form, window] : windows) window->release();
    }
    for (QEventLoop* loop : modalLoops_) loop->exit(0);
    if (mainLoop_) mainLoop_->exit(0);
    // Loops that are not the renderer's (a message box's) must end too.
    const int own = static_cast<int>(modalLoops_.size()) + (mainLoop_ ? 1 : 0);
    if (QThread::currentThread()->loopLevel() > own) QCoreApplication::exit(0);
}

void QtDisplay::run() {
    QEventLoop loop;
    mainLoop_ = &loop;
    // A handler may unload the last form and then show another one: the loop goes on then.
    while (!ended_ && hasForms()) {
        leaving_ = false;
        loop.exec();
        if (!leaving_) break;  // left for another reason (the session ends)
    }
    mainLoop_ = nullptr;
}

void QtDisplay::scheduleWorkAhead(FormWindow& window) {
    if (!workAhead_ || workAheadWaiting_ || !window.windowHandle()) return;
    workAheadWaiting_ = true;
    window.windowHandle()->installEventFilter(this);
}

bool QtDisplay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Expose || !qobject_cast<QWindow*>(watched)) return false;
    // The window draws itself while this exposure is handled; the work waits until it is shown.
    watched->removeEventFilter(this);
    QTimer::singleShot(0, this, [this] {
        auto work = std::move(workAhead_);
        workAhead_ = nullptr;
        if (work && !ended_) guard(work);
    });
    return false;
}

void QtDisplay::focusChanged(QWidget* now) {
    if (!now) return;
    auto* window = dynamic_cast<FormWindow*>(now->window());
    if (!window || !window->form()) return;
    window->form()->setActiveControl(window->controlOf(now));
}

}  // namespace rt::qt
