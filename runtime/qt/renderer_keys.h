// The keyboard of a form's window: key preview (Form_KeyDown, Form_KeyPress), the help key,
// and Enter and Esc for the default and cancel buttons.
#pragma once

#include <QObject>

class QKeyEvent;

namespace rt::qt {

class FormWindow;

// The forms runtime's key code of a key (A-Z 65-90, 0-9 48-57, F1-F12 112-123, arrows 37-40,
// ...), or 0 for a key it has no code for.
int keyCodeOf(const QKeyEvent& event);
// The character code a key types (Enter 13, Esc 27, Backspace 8, letters and digits...), or 0
// for a key that types nothing.
int keyAsciiOf(const QKeyEvent& event);

// Sees every key press of a form's window before the focused widget does (it filters the
// window's QWindow, which receives the keys that no menu shortcut took). With key preview the
// form's handlers run first; a handler that sets its argument to 0 swallows the key.
class KeyRouter : public QObject {
  public:
    explicit KeyRouter(FormWindow& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool preview(QKeyEvent& event);
    bool pressButton(bool cancel);

    FormWindow& window_;
};

}  // namespace rt::qt
