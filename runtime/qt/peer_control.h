// The part of a control's widget that every kind shares: geometry, visibility, enabled state,
// colours, font, mouse pointer, tooltip, tab stop, focus, and the mouse events.
#pragma once

#include <QObject>
#include <QPalette>
#include <functional>

#include "runtime/control.h"

class QMouseEvent;
class QWidget;

namespace rt::qt {

class ControlPeer : public QObject, public Peer {
    Q_OBJECT

  public:
    // The peer becomes a child of `widget`, so it goes when its widget goes.
    ControlPeer(Control& control, QWidget* widget);

    void changed(Property property) override;

    Control* control() const { return control_; }
    QWidget* widget() const { return widget_; }
    // Where the children of a container are placed (nullptr for a control that holds none).
    virtual QWidget* childHost() { return nullptr; }
    // Labels, images and lines are drawn below the windowed controls of their container, as the
    // forms runtime draws its windowless controls.
    virtual bool lightweight() const { return false; }

    // Pushes every property to the widget: the control's first showing.
    void applyAll();
    // The control now points at this peer; work that writes back into the control goes here.
    virtual void attached() {}
    // The control's form was unloaded: input no longer reaches the control.
    void detach() { control_ = nullptr; }

    // Puts a lightweight control at the top of the lightweight layer of its container.
    void bringToFrontOfLayer();

  protected:
    virtual void applyGeometry();
    virtual void applyColors() {}
    virtual void applyFont();
    virtual void applyCaption() {}
    virtual void applyAppearance() {}
    virtual void applyPicture() {}
    virtual void applyValue() {}
    // The focus policy for a tab stop setting; controls that never take the focus keep NoFocus.
    virtual Qt::FocusPolicy focusPolicy(bool tabStop) const;
    // True for widgets that act on the left button themselves (buttons, lists, text boxes):
    // their own click comes from the widget, and left-button events go on to it.
    virtual bool interactive() const { return false; }

    // Sets the widget's background and text colours in the given palette roles.
    void setColors(QPalette::ColorRole backRole, QPalette::ColorRole textRole, bool opaque);
    // Whether the widget paints its background.
    void setAutoFill(bool opaque);
    // Mouse events of `host` (a container's inner widget) count as the control's own.
    void watchAlso(QWidget* host);
    // Runs a call into the runtime through the guard. False when the program has ended or the
    // control went away meanwhile: the caller stops there.
    bool call(const std::function<void()>& f);

    bool eventFilter(QObject* watched, QEvent* event) override;

    Control* control_;
    QWidget* widget_;

  private:
    void apply(Property property);
    bool mouse(QWidget* from, QMouseEvent* event);
    bool leftDown_ = false;
    bool created_ = false;
};

}  // namespace rt::qt
