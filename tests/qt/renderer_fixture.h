// Helpers of the renderer's offscreen tests: the test doubles with a real QtDisplay, forms owned
// by the fixture (so they outlive the display's windows), and mouse and key input.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <string>
#include <vector>

#include "runtime/app.h"
#include "runtime/form.h"
#include "runtime/qt/peers.h"
#include "runtime/qt/qt_display.h"
#include "runtime/qt/renderer_window.h"
#include "tests/support/fake_services.h"

namespace renderer_test {

class RendererTest : public ::testing::Test {
  protected:
    void SetUp() override {
        display = std::make_unique<rt::qt::QtDisplay>();
        rt::Services services = rt::app().services();
        services.display = display.get();
        rt::app().install(services);
    }
    void TearDown() override {
        display.reset();
        forms.clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <class F>
    F& make() {
        auto form = std::make_unique<F>();
        F& ref = *form;
        forms.push_back(std::move(form));
        return ref;
    }
    rt::qt::FormWindow* windowOf(const rt::Form& form) const { return display->windowOf(form); }
    template <class W = QWidget>
    W* widgetOf(const rt::Control& control) const {
        rt::qt::ControlPeer* peer = rt::qt::peerOf(control);
        return peer ? qobject_cast<W*>(peer->widget()) : nullptr;
    }

    testing_support::FakeServices fakes;
    std::unique_ptr<rt::qt::QtDisplay> display;
    std::vector<std::unique_ptr<rt::Form>> forms;
};

inline void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = {}) {
    QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, buttons, modifiers);
    QApplication::sendEvent(w, &event);
}

inline void clickWidget(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                        Qt::KeyboardModifiers modifiers = {}) {
    sendMouse(w, QEvent::MouseButtonPress, at, button, button, modifiers);
    sendMouse(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton, modifiers);
}

// A key pressed and released on a window, as the platform delivers it: to the native window,
// which hands it to the focused widget.
inline void typeKey(QWidget* window, int key, const QString& text = QString(),
                    Qt::KeyboardModifiers modifiers = {}) {
    QWindow* native = window->windowHandle();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(native, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(native, &release);
}

// Records the events of a control as "name:event(args)".
struct EventLog {
    std::vector<std::string> entries;
    void wire(rt::Control& c) {
        const std::string n = c.name();
        c.onMouseDown = [this, n](int b, int s, float x, float y) { add(n, "down", b, s, x, y); };
        c.onMouseUp = [this, n](int b, int s, float x, float y) { add(n, "up", b, s, x, y); };
        c.onClick = [this, n] { entries.push_back(n + ":click"); };
    }
    void add(const std::string& n, const char* what, int b, int s, float x, float y) {
        entries.push_back(n + ":" + what + "(" + std::to_string(b) + "," + std::to_string(s) + "," +
                          std::to_string(static_cast<int>(x)) + "," +
                          std::to_string(static_cast<int>(y)) + ")");
    }
};

}  // namespace renderer_test
