#include "runtime/qt/peer_control.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <map>
#include <tuple>

#include "runtime/app.h"
#include "runtime/qt/convert.h"
#include "runtime/qt/renderer_scope.h"

namespace rt::qt {

ControlPeer::ControlPeer(Control& control, QWidget* widget)
    : QObject(widget), control_(&control), widget_(widget) {
    // Moves are reported without a button pressed too, and a control's mouse events never
    // reach its container, as with the forms runtime's controls.
    widget_->setMouseTracking(true);
    widget_->setAttribute(Qt::WA_NoMousePropagation);
    widget_->installEventFilter(this);
}

void ControlPeer::watchAlso(QWidget* host) {
    host->setMouseTracking(true);
    host->installEventFilter(this);
}

void ControlPeer::applyAll() {
    for (Property p :
         {Property::Font, Property::Appearance, Property::Caption, Property::BackColor,
          Property::Picture, Property::Value, Property::MousePointer, Property::ToolTip,
          Property::TabStop, Property::Enabled, Property::Geometry, Property::Visible})
        apply(p);
    created_ = true;
}

void ControlPeer::changed(Property property) {
    if (!control_) return;
    apply(property);
}

void ControlPeer::apply(Property property) {
    Control& c = *control_;
    switch (property) {
        case Property::Geometry:
            applyGeometry();
            break;
        case Property::Visible:
            widget_->setVisible(c.visible());
            // A marker shown over other labels (a keyboard cursor over a cell) must be seen.
            if (c.visible() && created_ && lightweight()) bringToFrontOfLayer();
            break;
        case Property::Enabled:
            widget_->setEnabled(c.enabled());
            break;
        case Property::Caption:
            applyCaption();
            break;
        case Property::BackColor:
        case Property::ForeColor:
            applyColors();
            break;
        case Property::Font:
            applyFont();
            break;
        case Property::Picture:
            applyPicture();
            break;
        case Property::MousePointer:
            if (c.mousePointer() == kPointerDefault)
                widget_->unsetCursor();
            else
                widget_->setCursor(toCursor(c.mousePointer(), c.mouseIcon()));
            break;
        case Property::ToolTip:
            widget_->setToolTip(toQString(c.toolTipText()));
            break;
        case Property::TabStop:
            widget_->setFocusPolicy(focusPolicy(c.tabStop()));
            break;
        case Property::Appearance:
            applyAppearance();
            break;
        case Property::Value:
            applyValue();
            break;
        case Property::Focus:
            if (widget_->isVisible() && widget_->isEnabled())
                widget_->setFocus(Qt::OtherFocusReason);
            break;
        case Property::Order:
        case Property::WindowState:
        case Property::Icon:
            break;
    }
}

void ControlPeer::applyGeometry() {
    const Control& c = *control_;
    widget_->setGeometry(toPixelRect(c.left(), c.top(), c.width(), c.height()));
}

void ControlPeer::applyFont() {
    widget_->setFont(toQFont(control_->font()));
}

Qt::FocusPolicy ControlPeer::focusPolicy(bool) const {
    return Qt::NoFocus;
}

void ControlPeer::setColors(QPalette::ColorRole backRole, QPalette::ColorRole textRole,
                            bool opaque) {
    // Hundreds of cells share a handful of colour pairs; one palette per pair keeps them shared.
    using Key = std::tuple<const QMetaObject*, int, int, Color, Color>;
    static std::map<Key, QPalette> cache;
    Color back = control_->backColor(), fore = control_->foreColor();
    Key key{widget_->metaObject(), backRole, textRole, back, fore};
    auto it = cache.find(key);
    if (it == cache.end()) {
        QPalette p = QApplication::palette(widget_);
        p.setColor(backRole, toQColor(back));
        // Disabled text keeps the style's greyed colour, as a disabled control's text is shown.
        p.setColor(QPalette::Active, textRole, toQColor(fore));
        p.setColor(QPalette::Inactive, textRole, toQColor(fore));
        // A control drawn on its own Window colour (a label, a box, an option) inherits nothing
        // else it shows from its container, whose palette sets only that pair too: its palette
        // is made complete, so that hundreds of labels share its colours instead of each keeping
        // its own copy merged with what it would inherit. A button or a text box keeps inheriting:
        // the style draws its outline from the container's Window colour.
        if (backRole == QPalette::Window) p.setResolveMask(~QPalette::ResolveMask(0));
        it = cache.emplace(key, p).first;
    }
    widget_->setPalette(it->second);
    setAutoFill(opaque);
}

void ControlPeer::setAutoFill(bool opaque) {
    // Setting it, even to what it is, gives the widget a block of extra data it otherwise never
    // needs.
    if (widget_->autoFillBackground() != opaque) widget_->setAutoFillBackground(opaque);
}

void ControlPeer::bringToFrontOfLayer() {
    QWidget* parent = widget_->parentWidget();
    if (!parent) return;
    // Children are listed bottom to top; the first windowed control bounds the lightweight layer.
    for (QObject* o : parent->children()) {
        auto* sibling = qobject_cast<QWidget*>(o);
        if (!sibling || sibling == widget_) continue;
        auto* peer = sibling->findChild<ControlPeer*>(QString(), Qt::FindDirectChildrenOnly);
        if (peer && !peer->lightweight()) {
            widget_->stackUnder(sibling);
            return;
        }
    }
    widget_->raise();
}

bool ControlPeer::call(const std::function<void()>& f) {
    if (!control_) return false;
    HandlerScope scope;
    return guard(f) && control_;
}

bool ControlPeer::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            return mouse(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event));
        default:
            return false;
    }
}

bool ControlPeer::mouse(QWidget* from, QMouseEvent* event) {
    if (!control_) return true;
    QPointF at = from == widget_ ? event->position() : from->mapTo(widget_, event->position());
    const float x = static_cast<float>(at.x() * kTwipsPerPixel);
    const float y = static_cast<float>(at.y() * kTwipsPerPixel);
    const int shift = shiftOf(event->modifiers());
    Control* c = control_;
    bool running = true;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            int button = buttonOf(event->button());
            if (!button) return true;
            if (button == kLeftButton) leftDown_ = true;
            running = call([&] {
                if (c->onMouseDown) c->onMouseDown(button, shift, x, y);
            });
            if (running && event->type() == QEvent::MouseButtonDblClick)
                running = call([&] {
                    if (c->onDblClick) c->onDblClick();
                });
            break;
        }
        case QEvent::MouseButtonRelease: {
            int button = buttonOf(event->button());
            if (!button) return true;
            running = call([&] {
                if (c->onMouseUp) c->onMouseUp(button, shift, x, y);
            });
            // A left press and release on the same control is its click; widgets that click
            // on their own (buttons) raise it themselves, after this.
            bool clicked = button == kLeftButton && leftDown_ && !interactive() &&
                           widget_->rect().contains(at.toPoint());
            if (button == kLeftButton) leftDown_ = false;
            if (running && clicked)
                running = call([&] {
                    if (c->onClick) c->onClick();
                });
            break;
        }
        default: {
            int buttons = buttonsOf(event->buttons());
            running = call([&] {
                if (c->onMouseMove) c->onMouseMove(buttons, shift, x, y);
            });
            // Moves go on to interactive widgets so they can show hover and drag states.
            return !running || !interactive();
        }
    }
    if (!running) return true;
    return !(interactive() && event->button() == Qt::LeftButton);
}

}  // namespace rt::qt
