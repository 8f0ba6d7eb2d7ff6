#include "runtime/form.h"

#include <algorithm>

#include "runtime/app.h"
#include "runtime/controls.h"
#include "runtime/errors.h"

namespace rt {

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() = default;

void Form::checkMovable() const {
    if (state_ != WindowState::Normal)
        throw RuntimeError(kCannotMoveMaximised,
                           "Can't move or size a minimized or maximized window");
}

void Form::setLeft(int twips) {
    checkMovable();
    assign(left_, twips, Property::Geometry);
}

void Form::setTop(int twips) {
    checkMovable();
    assign(top_, twips, Property::Geometry);
}

void Form::setWidth(int twips) {
    checkMovable();
    if (twips < 0) throw RuntimeError(kInvalidPropertyValue, "Invalid property value");
    if (width_ == twips) return;
    width_ = twips;
    notify(Property::Geometry);
    resized();
}

void Form::setHeight(int twips) {
    checkMovable();
    if (twips < 0) throw RuntimeError(kInvalidPropertyValue, "Invalid property value");
    if (height_ == twips) return;
    height_ = twips;
    notify(Property::Geometry);
    resized();
}

void Form::setClientSize(int width, int height) {
    width_ = width + frameWidth_;
    height_ = height + frameHeight_;
    notify(Property::Geometry);
    layoutDocked();
}

void Form::setFrameSize(int width, int height) {
    if (frameWidth_ == width && frameHeight_ == height) return;
    if (state_ == WindowState::Normal) {
        // A normal window keeps its client area; its outer size follows the real frame.
        width_ += width - frameWidth_;
        height_ += height - frameHeight_;
    }
    frameWidth_ = width;
    frameHeight_ = height;
    // A maximised or minimised window keeps its outer size, so its client area changed.
    if (state_ == WindowState::Normal)
        layoutDocked();
    else
        resized();
}

void Form::setWindowState(WindowState state) {
    if (state_ == state) return;
    state_ = state;
    if (state == WindowState::Maximized && !peer() && app().services().display) {
        // Without a window the maximised form simply covers the screen.
        left_ = 0;
        top_ = 0;
        width_ = screen().width();
        height_ = screen().height();
    }
    notify(Property::WindowState);
    resized();
}

void Form::userResized(int left, int top, int width, int height, WindowState state) {
    bool sizeChanged = width != width_ || height != height_ || state != state_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    state_ = state;
    if (sizeChanged) resized();
}

void Form::userMoved(int left, int top) {
    left_ = left;
    top_ = top;
}

void Form::resized() {
    layoutDocked();
    if (loaded_ || loading_) Form_Resize();
}

void Form::layoutDocked() {
    int left = 0, right = scaleWidth(), top = 0, bottom = scaleHeight();
    auto docked = [](Control* c, Dock d) {
        return c->kind() == ControlKind::PictureBox && c->visible() &&
               static_cast<PictureBox*>(c)->dock() == d;
    };
    // Boxes docked at the sides take the full height; those at the top and bottom the width
    // that is left between them.
    for (Control* c : children()) {
        if (docked(c, Dock::Left)) {
            c->move(left, 0, c->width(), std::max(0, scaleHeight()));
            left += c->width();
        } else if (docked(c, Dock::Right)) {
            right -= c->width();
            c->move(right, 0, c->width(), std::max(0, scaleHeight()));
        }
    }
    for (Control* c : children()) {
        if (docked(c, Dock::Top)) {
            c->move(left, top, std::max(0, right - left), c->height());
            top += c->height();
        } else if (docked(c, Dock::Bottom)) {
            bottom -= c->height();
            c->move(left, bottom, std::max(0, right - left), c->height());
        }
    }
}

void Form::load() {
    if (loaded_ || loading_) return;
    loading_ = true;
    try {
        Form_Load();
    } catch (...) {
        loading_ = false;
        throw;
    }
    loading_ = false;
    loaded_ = true;
    if (unloadRequestedWhileLoading_) {
        unloadRequestedWhileLoading_ = false;
        finishUnload();
    }
}

void Form::show(ShowMode mode) {
    load();
    if (!loaded_) return;  // unloaded by its own Form_Load
    bool first = !shownOnce_;
    visible_ = true;
    if (first) {
        shownOnce_ = true;
        resized();
    }
    if (app().services().display) app().display().show(*this, mode);
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    if (app().services().display) app().display().hide(*this);
}

void Form::unload() {
    if (loading_) {
        // A form unloaded by its own Form_Load never finished loading: its Form_Unload does not
        // run, so nothing it would save is saved.
        unloadRequestedWhileLoading_ = true;
        visible_ = false;
        return;
    }
    if (!loaded_) return;
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel != 0) return;
    finishUnload();
}

void Form::finishUnload() {
    loaded_ = false;
    visible_ = false;
    shownOnce_ = false;
    if (app().services().display) app().display().unloaded(*this);
    if (unloadListener_) {
        auto listener = std::move(unloadListener_);
        unloadListener_ = nullptr;
        listener();
    }
}

namespace {
std::vector<std::unique_ptr<Form>>& retired() {
    static std::vector<std::unique_ptr<Form>> forms;
    return forms;
}
}  // namespace

void retireForm(std::unique_ptr<Form> form) {
    retired().push_back(std::move(form));
}

void destroyRetiredForms() {
    auto forms = std::move(retired());
    retired().clear();
    forms.clear();
}

}  // namespace rt
