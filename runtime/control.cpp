#include "runtime/control.h"

#include <algorithm>

#include "runtime/app.h"
#include "runtime/form.h"

namespace rt {

void Container::addChild(Control* child) {
    children_.push_back(child);
}

void Container::removeChild(Control* child) {
    children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

Control::Control(Container* parent, std::string name, int index)
    : parent_(parent), name_(std::move(name)), index_(index) {
    parent_->addChild(this);
    // A control created after its form got its widgets needs one of its own.
    Form* f = parent_->form();
    if (f && f->peer() && app().services().display) app().display().controlAdded(*this);
}

Control::~Control() {
    parent_->removeChild(this);
}

void Control::setLeft(int twips) {
    assign(left_, twips, Property::Geometry);
}
void Control::setTop(int twips) {
    assign(top_, twips, Property::Geometry);
}
void Control::setWidth(int twips) {
    if (twips < 0) throw RuntimeError(kInvalidPropertyValue, "Invalid property value");
    assign(width_, twips, Property::Geometry);
}
void Control::setHeight(int twips) {
    if (twips < 0) throw RuntimeError(kInvalidPropertyValue, "Invalid property value");
    assign(height_, twips, Property::Geometry);
}

void Control::move(int left, int top, int width, int height) {
    if (width < 0 || height < 0)
        throw RuntimeError(kInvalidPropertyValue, "Invalid property value");
    if (left_ == left && top_ == top && width_ == width && height_ == height) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notify(Property::Geometry);
}

void Control::setFontBold(bool bold) {
    Font f = font_;
    f.bold = bold;
    setFont(f);
}

void Control::setFontItalic(bool italic) {
    Font f = font_;
    f.italic = italic;
    setFont(f);
}

void Control::setFontSize(double points) {
    Font f = font_;
    f.size = points;
    setFont(f);
}

void Control::setFocus() {
    notify(Property::Focus);
}

void Control::copyDesignFrom(const Control& other) {
    move(other.left_, other.top_, other.width_, other.height_);
    setVisible(other.visible_);
    setEnabled(other.enabled_);
    setBackColor(other.backColor_);
    setForeColor(other.foreColor_);
    setFont(other.font_);
    setMousePointer(other.mousePointer_);
    setMouseIcon(other.mouseIcon_);
    setToolTipText(other.toolTip_);
    setTabStop(other.tabStop_);
    setHelpContextID(other.helpContext_);
}

}  // namespace rt

namespace rt {

void Control::setVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    notify(Property::Visible);
    visibilityChanged();
}

}  // namespace rt
