// When the widgets of an unloaded form may be deleted.
//
// A handler may unload its own form, or run a nested event loop (a modal form, a message box,
// DoEvents) in which the user closes the window whose event is still being handled. The widgets
// of an unloaded form are therefore deleted only once no input handler of the renderer is on the
// stack any more, and then through deleteLater, after Qt's own frames around that handler.
#pragma once

class QObject;

namespace rt::qt {

// Marks a call from Qt into the renderer's input handling (mouse, keys, menus, window events).
class HandlerScope {
  public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

// Deletes `object` once no HandlerScope is open.
void disposeLater(QObject* object);

}  // namespace rt::qt
