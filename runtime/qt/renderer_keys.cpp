#include "runtime/qt/renderer_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <unordered_map>

#include "runtime/app.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/qt/convert.h"
#include "runtime/qt/menu_bar.h"
#include "runtime/qt/peers.h"
#include "runtime/qt/renderer_scope.h"
#include "runtime/qt/renderer_window.h"

namespace rt::qt {

int keyCodeOf(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // the same codes: 65-90
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return keypad ? 96 + (key - Qt::Key_0) : key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    static const std::unordered_map<int, int> codes = {
        {Qt::Key_Backspace, 8},     {Qt::Key_Tab, 9},         {Qt::Key_Backtab, 9},
        {Qt::Key_Clear, 12},        {Qt::Key_Return, 13},     {Qt::Key_Enter, 13},
        {Qt::Key_Shift, 16},        {Qt::Key_Control, 17},    {Qt::Key_Alt, 18},
        {Qt::Key_Pause, 19},        {Qt::Key_CapsLock, 20},   {Qt::Key_Escape, 27},
        {Qt::Key_Space, 32},        {Qt::Key_PageUp, 33},     {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},          {Qt::Key_Home, 36},       {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},           {Qt::Key_Right, 39},      {Qt::Key_Down, 40},
        {Qt::Key_Print, 44},        {Qt::Key_Insert, 45},     {Qt::Key_Delete, 46},
        {Qt::Key_Help, 47},         {Qt::Key_NumLock, 144},   {Qt::Key_ScrollLock, 145},
        {Qt::Key_Semicolon, 186},   {Qt::Key_Equal, 187},     {Qt::Key_Comma, 188},
        {Qt::Key_Period, 190},      {Qt::Key_Slash, 191},     {Qt::Key_QuoteLeft, 192},
        {Qt::Key_BracketLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_BracketRight, 221},
        {Qt::Key_Apostrophe, 222},  {Qt::Key_Minus, 189},     {Qt::Key_Asterisk, 106},
        {Qt::Key_Plus, 107},
    };
    if (keypad) {
        // The keypad's operators have codes of their own.
        switch (key) {
            case Qt::Key_Asterisk:
                return 106;
            case Qt::Key_Plus:
                return 107;
            case Qt::Key_Minus:
                return 109;
            case Qt::Key_Period:
                return 110;
            case Qt::Key_Slash:
                return 111;
            default:
                break;
        }
    }
    auto it = codes.find(key);
    return it == codes.end() ? 0 : it->second;
}

int keyAsciiOf(const QKeyEvent& event) {
    const int key = event.key();
    // Tab moves the focus, Delete deletes: neither types a character.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete) return 0;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return 13;
    const QString text = event.text();
    if (!text.isEmpty()) return static_cast<int>(text.at(0).unicode());
    // Some platforms give the control keys no text.
    if (key == Qt::Key_Escape) return 27;
    if (key == Qt::Key_Backspace) return 8;
    return 0;
}

KeyRouter::KeyRouter(FormWindow& window) : QObject(&window), window_(window) {}

bool KeyRouter::eventFilter(QObject*, QEvent* event) {
    // A click anywhere but on the menu bar ends the bar's keyboard mode, as Esc does.
    if (event->type() == QEvent::MouseButtonPress) {
        auto* bar = qobject_cast<MenuBar*>(window_.menuBar());
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (bar && !bar->geometry().contains(at)) bar->letGo();
        return false;
    }
    if (event->type() != QEvent::KeyPress || !window_.form()) return false;
    // While a menu is open its keys are its own. The window may still be sent them until the
    // menu has the keyboard; Qt then hands them to the menu.
    if (QApplication::activePopupWidget()) return false;
    HandlerScope scope;
    auto& key = static_cast<QKeyEvent&>(*event);
    // The menu bar has the keys only while the player works it from the keyboard. Qt may leave it
    // holding the focus in other states (after a menu closed, or with a title under the pointer);
    // it then lets go, and the key reaches the form as it did before the menu was opened.
    if (auto* bar = qobject_cast<MenuBar*>(window_.focusWidget())) {
        if (bar->worked()) return false;
        bar->letGo();
    }
    if (window_.form()->keyPreview() && preview(key)) return true;
    // A handler may have unloaded the form: the key goes nowhere else then.
    Form* form = window_.form();
    if (!form) return true;
    switch (key.key()) {
        case Qt::Key_F1:
            guard([form] { app().pressHelpKey(form); });
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return (key.modifiers() & ~Qt::KeypadModifier) == 0 && pressButton(false);
        case Qt::Key_Escape:
            return key.modifiers() == Qt::NoModifier && pressButton(true);
        default:
            return false;
    }
}

bool KeyRouter::preview(QKeyEvent& event) {
    Form* form = window_.form();
    bool swallowed = false;
    if (int code = keyCodeOf(event)) {
        const int shift = shiftOf(event.modifiers());
        if (!guard([form, &code, shift] { form->Form_KeyDown(code, shift); })) return true;
        swallowed = code == 0;
        // The form may be gone now (its handler unloaded it); nothing of it is touched then.
        if (!window_.form()) return true;
    }
    if (int ascii = keyAsciiOf(event)) {
        if (!guard([form, &ascii] { form->Form_KeyPress(ascii); })) return true;
        swallowed = swallowed || ascii == 0;
        if (!window_.form()) return true;
    }
    return swallowed;
}

namespace {

QAbstractButton* findButton(Container& container, bool cancel) {
    for (Control* c : container.children()) {
        if (c->kind() == ControlKind::CommandButton) {
            auto* b = static_cast<CommandButton*>(c);
            ControlPeer* peer = peerOf(*b);
            if ((cancel ? b->isCancel() : b->isDefault()) && peer && peer->widget()->isVisible() &&
                peer->widget()->isEnabled())
                return static_cast<QAbstractButton*>(peer->widget());
        } else if (c->kind() == ControlKind::PictureBox || c->kind() == ControlKind::Frame) {
            Container* inner = c->kind() == ControlKind::PictureBox
                                   ? static_cast<Container*>(static_cast<PictureBox*>(c))
                                   : static_cast<Container*>(static_cast<Frame*>(c));
            if (QAbstractButton* found = findButton(*inner, cancel)) return found;
        }
    }
    return nullptr;
}

}  // namespace

bool KeyRouter::pressButton(bool cancel) {
    // Enter on a focused button clicks that button, as the user expects of any button.
    if (!cancel) {
        auto* focused = qobject_cast<QPushButton*>(window_.focusWidget());
        if (focused && focused->isVisible() && focused->isEnabled()) {
            focused->click();
            return true;
        }
    }
    QAbstractButton* button = findButton(*window_.form(), cancel);
    if (!button) return false;
    button->click();
    return true;
}

}  // namespace rt::qt
