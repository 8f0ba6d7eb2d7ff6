#include "runtime/qt/menu_bar.h"

#include <QAction>
#include <QActionEvent>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QStyleOptionMenuItem>

namespace rt::qt {

MenuBar::MenuBar(QWidget* window) : QMenuBar(window) {
    setNativeMenuBar(false);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now == this && old != this)
            focusBefore_ = old && old->window() == this->window() ? old : nullptr;
    });
}

bool MenuBar::worked() const {
    // A menu opening ends the player's keyboard mode, so no menu of the bar is open here.
    return worked_ && engaged();
}

void MenuBar::letGo() {
    if (QApplication::activePopupWidget()) return;
    setWorked(false);
    if (!hasFocus()) return;
    const QPointer<QWidget> before = focusBefore_;
    // Losing the focus ends Qt's keyboard mode of the bar and drops its current title.
    clearFocus();
    if (before && !QApplication::focusWidget() && before->isVisible() && before->isEnabled() &&
        before->focusPolicy() != Qt::NoFocus)
        before->setFocus(Qt::MenuBarFocusReason);
}

bool MenuBar::event(QEvent* event) {
    const bool handled = QMenuBar::event(event);
    switch (event->type()) {
        // What may end Qt's keyboard mode, or leave the bar with no current title: Esc, Enter on
        // a title, a click, the pointer over a gap between titles, the focus going elsewhere.
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::Leave:
        case QEvent::FocusOut:
            settle();
            break;
        default:
            break;
    }
    return handled;
}

bool MenuBar::eventFilter(QObject* watched, QEvent* event) {
    const bool altReleased = event->type() == QEvent::KeyRelease &&
                             (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt ||
                              static_cast<QKeyEvent*>(event)->key() == Qt::Key_Meta);
    if (!altReleased) return QMenuBar::eventFilter(watched, event);
    const bool wasEngaged = engaged();
    // Qt switches its keyboard mode here when Alt is let go after being pressed alone: on, the bar
    // takes the focus with its first title current; off, it drops its title.
    const bool taken = QMenuBar::eventFilter(watched, event);
    if (!wasEngaged && engaged() && !QApplication::activePopupWidget()) setWorked(true);
    settle();
    return taken;
}

void MenuBar::actionEvent(QActionEvent* event) {
    QMenuBar::actionEvent(event);
    if (event->type() != QEvent::ActionAdded) return;
    if (auto* menu = event->action()->menu<QMenu*>()) {
        connect(menu, &QMenu::aboutToShow, this, &MenuBar::menuOpened, Qt::UniqueConnection);
        // Qt puts the bar back in keyboard mode once a menu closed with Esc has gone; this runs
        // after that, when the key has been handled.
        connect(menu, &QMenu::aboutToHide, this, &MenuBar::menuClosed,
                Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    }
}

void MenuBar::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenuBar::initStyleOption(option, action);
    // Styles such as Fusion draw a title highlighted only while its menu is open.
    if (worked() && action == activeAction()) option->state |= QStyle::State_Sunken;
}

void MenuBar::setWorked(bool on) {
    if (worked_ == on) return;
    worked_ = on;
    update();
}

void MenuBar::settle() {
    // Qt's keyboard mode ended and no control had the focus before: the bar keeps it, with no
    // title current, until the pointer passes over one. The keys are the game's again.
    if (!engaged()) letGo();
}

void MenuBar::menuOpened() {
    // The open menu has the keyboard; once it closes, the keys are the game's again.
    setWorked(false);
}

void MenuBar::menuClosed() {
    // Nothing when another menu of the bar opened in its place (the arrow keys, the pointer).
    letGo();
}

}  // namespace rt::qt
