// Forms: windows with their controls and menus.
//
// Contract:
// - A form has an outer size and position (Left, Top, Width, Height: with frame, caption and menu
//   bar) and a client area (ScaleWidth, ScaleHeight), all in twips.
// - A change of size or of window state runs Form_Resize at once, before the write returns.
// - Moving or sizing a maximised or minimised form raises error 384.
// - load() runs Form_Load once; show() loads first; a modal show returns when the form has been
//   hidden or unloaded (a nested event loop in the program, a scripted step in tests).
// - unload() runs Form_Unload (unless the form is still inside its Form_Load), destroys the peers
//   and empties the form's global instance, so the next use loads a fresh form. The object itself
//   is destroyed later, once the code running on it has returned.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/control.h"
#include "runtime/menu.h"

namespace rt {

enum class WindowState : int { Normal = 0, Minimized = 1, Maximized = 2 };
enum class FormBorder { None, FixedSingle, Sizable, FixedDialog, FixedToolWindow };
enum class ShowMode { Modeless, Modal };

class Form : public Container, public PeerLink {
  public:
    explicit Form(std::string name);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Form* form() override { return this; }
    const std::string& name() const { return name_; }

    // --- Properties -----------------------------------------------------------------------
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text) { assign(caption_, text, Property::Caption); }
    const Picture& icon() const { return icon_; }
    void setIcon(const Picture& icon) { assign(icon_, icon, Property::Icon); }
    Color backColor() const { return backColor_; }
    void setBackColor(Color color) { assign(backColor_, color, Property::BackColor); }
    FormBorder borderStyle() const { return border_; }
    void setBorderStyle(FormBorder border) { assign(border_, border, Property::Appearance); }
    int helpContextID() const { return helpContext_; }
    void setHelpContextID(int context) { helpContext_ = context; }
    // With key preview the form's key events run before the focused control sees the key.
    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool on) { keyPreview_ = on; }
    // Centred on the screen when first shown.
    bool centreOnShow() const { return centreOnShow_; }
    void setCentreOnShow(bool on) { centreOnShow_ = on; }

    // Outer geometry, twips. The setters raise error 384 unless the window state is normal.
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    // Client area, twips.
    int scaleWidth() const { return width_ - frameWidth_; }
    int scaleHeight() const { return height_ - frameHeight_; }
    // Design: sets the client area (the outer size follows from the frame).
    void setClientSize(int width, int height);
    // The size of frame, caption and menu bar around the client area; the renderer reports the
    // real one when the form is shown.
    void setFrameSize(int width, int height);

    WindowState windowState() const { return state_; }
    void setWindowState(WindowState state);

    // --- Lifecycle ------------------------------------------------------------------------
    bool isLoaded() const { return loaded_; }
    bool isLoading() const { return loading_; }
    bool visible() const { return visible_; }
    void load();
    void show(ShowMode mode = ShowMode::Modeless);
    void hide();
    void unload();

    // Called by the form's global instance to learn of the unload.
    void setUnloadListener(std::function<void()> listener) {
        unloadListener_ = std::move(listener);
    }

    // --- Events ---------------------------------------------------------------------------
    virtual void Form_Load() {}
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_Resize() {}
    virtual void Form_KeyDown(int& keyCode, int shift) { (void)keyCode, (void)shift; }
    virtual void Form_KeyPress(int& keyAscii) { (void)keyAscii; }
    virtual void Form_MouseMove(int button, int shift, float x, float y) {
        (void)button, (void)shift, (void)x, (void)y;
    }

    // --- Menus and the renderer -----------------------------------------------------------
    const std::vector<Menu*>& menus() const { return menus_; }
    void addMenu(Menu* menu) { menus_.push_back(menu); }
    // The renderer reports a size or state that the user changed: stored, then Form_Resize.
    void userResized(int left, int top, int width, int height, WindowState state);
    // The renderer reports a move by the user.
    void userMoved(int left, int top);
    // Lays out the docked picture boxes over the client area (called on every resize).
    void layoutDocked();
    // The control that has the keyboard focus, as the renderer reports it (nullptr: the form).
    Control* activeControl() const { return activeControl_; }
    void setActiveControl(Control* control) { activeControl_ = control; }

  private:
    void checkMovable() const;
    void finishUnload();
    void resized();

    std::string name_;
    std::string caption_;
    Picture icon_;
    Color backColor_ = palette::kButtonFace;
    FormBorder border_ = FormBorder::Sizable;
    int helpContext_ = 0;
    bool keyPreview_ = false;
    bool centreOnShow_ = false;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int frameWidth_ = 120, frameHeight_ = 465;
    WindowState state_ = WindowState::Normal;
    bool loaded_ = false;
    bool loading_ = false;
    bool visible_ = false;
    bool shownOnce_ = false;
    bool unloadRequestedWhileLoading_ = false;
    std::vector<Menu*> menus_;
    Control* activeControl_ = nullptr;
    std::function<void()> unloadListener_;
};

// The one global instance of a form class, created on first use. Any use of the instance loads
// the form (runs its Form_Load) if it is not loaded; unloading it empties the slot, so the next
// use creates and loads a fresh form.
template <class T>
class FormInstance {
  public:
    // The instance, created and loaded on first use.
    static T& get() {
        T* form = slot();
        if (!form) {
            form = new T();
            slot() = form;
            form->setUnloadListener([form] {
                if (slot() == form) slot() = nullptr;
                retire(form);
            });
        }
        if (!form->isLoaded() && !form->isLoading()) form->load();
        return *form;
    }
    // The instance if it exists, without loading it.
    static T* existing() { return slot(); }
    static bool isLoaded() { return slot() && slot()->isLoaded(); }
    // Unloads the instance if it is loaded; nothing otherwise.
    static void unloadIfLoaded() {
        if (T* form = slot()) form->unload();
    }
    // Drops the instance without running its unload handler (tests start each case afresh).
    static void discard() {
        if (T* form = slot()) {
            slot() = nullptr;
            form->setUnloadListener(nullptr);
            retire(form);
        }
    }

  private:
    static T*& slot() {
        static T* instance = nullptr;
        return instance;
    }
    static void retire(Form* form);
};

// Keeps unloaded forms alive until the code running on them has returned.
void retireForm(std::unique_ptr<Form> form);
// Destroys the forms retired so far (the event loop calls it between events; tests too).
void destroyRetiredForms();

template <class T>
void FormInstance<T>::retire(Form* form) {
    retireForm(std::unique_ptr<Form>(form));
}

}  // namespace rt
