#include "runtime/controls.h"

#include "runtime/app.h"
#include "runtime/errors.h"
#include "runtime/form.h"

namespace rt {

void Label::setCaption(const std::string& text) {
    if (caption_ == text) return;
    caption_ = text;
    notify(Property::Caption);
    if (onChange) onChange();
}

void Label::copyDesignFrom(const Control& other) {
    Control::copyDesignFrom(other);
    const auto& o = static_cast<const Label&>(other);
    // The copy's caption is a design value: no change event for a control being created.
    caption_ = o.caption_;
    notify(Property::Caption);
    setAlignment(o.alignment_);
    setBackStyle(o.backStyle_);
    setBorderStyle(o.borderStyle_);
    setAutoSize(o.autoSize_);
    setWordWrap(o.wordWrap_);
    setUseMnemonic(o.useMnemonic_);
}

void Image::copyDesignFrom(const Control& other) {
    Control::copyDesignFrom(other);
    const auto& o = static_cast<const Image&>(other);
    setPicture(o.picture_);
    setStretch(o.stretch_);
    setBorderStyle(o.borderStyle_);
}

void CommandButton::copyDesignFrom(const Control& other) {
    Control::copyDesignFrom(other);
    const auto& o = static_cast<const CommandButton&>(other);
    setCaption(o.caption_);
    setDefault(o.default_);
    setCancel(o.cancel_);
}

PictureBox::PictureBox(Container* parent, std::string name, int index)
    : Control(parent, std::move(name), index) {}

void PictureBox::setDock(Dock dock) {
    if (dock_ == dock) return;
    dock_ = dock;
    if (Form* f = form()) f->layoutDocked();
}

void PictureBox::copyDesignFrom(const Control& other) {
    Control::copyDesignFrom(other);
    const auto& o = static_cast<const PictureBox&>(other);
    setPicture(o.picture_);
    setBorderStyle(o.borderStyle_);
}

Frame::Frame(Container* parent, std::string name, int index)
    : Control(parent, std::move(name), index) {}

void Line::setEnds(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    // The control's box is the line's bounding rectangle, so the renderer knows where it lies.
    int l = std::min(x1, x2), t = std::min(y1, y2);
    move(l, t, std::max(x1, x2) - l, std::max(y1, y2) - t);
    notify(Property::Appearance);
}

void ComboBox::addItem(const std::string& item) {
    items_.push_back(item);
    notify(Property::Value);
}

void ComboBox::clear() {
    items_.clear();
    listIndex_ = -1;
    notify(Property::Value);
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= listCount())
        throw RuntimeError(kInvalidPropertyValue, "Invalid property value");
    assign(listIndex_, index, Property::Value);
}

std::string ComboBox::text() const {
    return listIndex_ >= 0 ? items_[static_cast<std::size_t>(listIndex_)] : std::string();
}

void OptionButton::setValue(bool selected) {
    if (!selected) {
        assign(value_, false, Property::Value);
        return;
    }
    for (Control* sibling : parent()->children()) {
        if (sibling != this && sibling->kind() == ControlKind::OptionButton)
            static_cast<OptionButton*>(sibling)->setValue(false);
    }
    bool changed = !value_;
    assign(value_, true, Property::Value);
    if (changed && onClick) onClick();
}

void CheckBox::setValue(bool ticked) {
    if (value_ == ticked) return;
    assign(value_, ticked, Property::Value);
    if (onClick) onClick();
}

void TextBox::setText(const std::string& text) {
    if (text_ == text) return;
    text_ = text;
    notify(Property::Value);
    if (onChange) onChange();
}

Timer::Timer(Container* parent, std::string name, int index)
    : Control(parent, std::move(name), index) {
    setVisible(false);
    setEnabled(false);
}

Timer::~Timer() {
    if (app().services().timers) app().timers().stop(*this);
}

void Timer::setInterval(int milliseconds) {
    if (milliseconds < 0) throw RuntimeError(kInvalidPropertyValue, "Invalid property value");
    interval_ = milliseconds;
    reschedule();
}

void Timer::setTimerEnabled(bool on) {
    setEnabled(on);
    reschedule();
}

void Timer::reschedule() {
    if (!app().services().timers) return;
    if (enabled() && interval_ > 0)
        app().timers().start(*this, interval_);
    else
        app().timers().stop(*this);
}

}  // namespace rt

namespace rt {

void PictureBox::visibilityChanged() {
    if (dock_ == Dock::None) return;
    if (Form* f = form()) f->layoutDocked();
}

}  // namespace rt
