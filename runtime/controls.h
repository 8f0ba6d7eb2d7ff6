// The concrete controls.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runtime/control.h"

namespace rt {

// A text on the form. Writing a caption that differs from the present one stores it, shows it and
// runs the change event at once, before the write returns; writing the same text runs nothing.
// Game state that lives in captions relies on this: chains of change handlers end only because an
// equal write is silent.
class Label : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::Label; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);

    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a) { assign(alignment_, a, Property::Appearance); }
    BackStyle backStyle() const { return backStyle_; }
    void setBackStyle(BackStyle s) { assign(backStyle_, s, Property::Appearance); }
    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle s) { assign(borderStyle_, s, Property::Appearance); }
    // An auto-sized label takes the size of its text when shown (the renderer measures it).
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on) { assign(autoSize_, on, Property::Appearance); }
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool on) { assign(wordWrap_, on, Property::Appearance); }
    // With mnemonics on, an "&" in the caption marks an access key: it is not shown, the letter
    // after it is underlined, and the key gives the focus to the next control of the label's
    // container that takes the focus. Off unless asked, so that every other text shows as it
    // stands.
    bool useMnemonic() const { return useMnemonic_; }
    void setUseMnemonic(bool on) { assign(useMnemonic_, on, Property::Appearance); }

    // The change event.
    std::function<void()> onChange;

    void copyDesignFrom(const Control& other) override;

  private:
    std::string caption_;
    Alignment alignment_ = Alignment::Left;
    BackStyle backStyle_ = BackStyle::Opaque;
    BorderStyle borderStyle_ = BorderStyle::None;
    bool autoSize_ = false;
    bool wordWrap_ = false;
    bool useMnemonic_ = false;
};

// A picture on the form.
class Image : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::Image; }

    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& picture) { assign(picture_, picture, Property::Picture); }
    bool stretch() const { return stretch_; }
    void setStretch(bool on) { assign(stretch_, on, Property::Appearance); }
    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle s) { assign(borderStyle_, s, Property::Appearance); }

    void copyDesignFrom(const Control& other) override;

  private:
    Picture picture_;
    bool stretch_ = false;
    BorderStyle borderStyle_ = BorderStyle::None;
};

class CommandButton : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::CommandButton; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text) { assign(caption_, text, Property::Caption); }
    // The default button answers Enter, the cancel button Esc (in dialogs).
    bool isDefault() const { return default_; }
    void setDefault(bool on) { assign(default_, on, Property::Appearance); }
    bool isCancel() const { return cancel_; }
    void setCancel(bool on) { assign(cancel_, on, Property::Appearance); }

    void copyDesignFrom(const Control& other) override;

  private:
    std::string caption_;
    bool default_ = false;
    bool cancel_ = false;
};

// Where a picture box is docked in its form.
enum class Dock { None, Top, Bottom, Left, Right };

// A box that holds other controls (and may show a picture).
class PictureBox : public Control, public Container {
  public:
    PictureBox(Container* parent, std::string name, int index = -1);
    ControlKind kind() const override { return ControlKind::PictureBox; }
    Form* form() override { return Control::form(); }

    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& picture) { assign(picture_, picture, Property::Picture); }
    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle s) { assign(borderStyle_, s, Property::Appearance); }
    Dock dock() const { return dock_; }
    // A docked box follows its form's client area: the form lays it out (Form::layoutDocked).
    void setDock(Dock dock);

    void copyDesignFrom(const Control& other) override;

  protected:
    void visibilityChanged() override;

  private:
    Picture picture_;
    BorderStyle borderStyle_ = BorderStyle::FixedSingle;
    Dock dock_ = Dock::None;
};

// A captioned frame that holds other controls.
class Frame : public Control, public Container {
  public:
    Frame(Container* parent, std::string name, int index = -1);
    ControlKind kind() const override { return ControlKind::Frame; }
    Form* form() override { return Control::form(); }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text) { assign(caption_, text, Property::Caption); }

  private:
    std::string caption_;
};

// A straight line from (x1, y1) to (x2, y2), twips in its container.
class Line : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::Line; }

    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    void setEnds(int x1, int y1, int x2, int y2);
    Color borderColor() const { return foreColor(); }
    void setBorderColor(Color c) { setForeColor(c); }
    int borderWidth() const { return borderWidth_; }  // pixels
    void setBorderWidth(int w) { assign(borderWidth_, w, Property::Appearance); }

  private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    int borderWidth_ = 1;
};

// A drop-down list.
class ComboBox : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::ComboBox; }

    const std::vector<std::string>& items() const { return items_; }
    void addItem(const std::string& item);
    void clear();
    int listCount() const { return static_cast<int>(items_.size()); }
    // The selected item, -1 for none. Selecting an item that does not exist is error 380.
    int listIndex() const { return listIndex_; }
    void setListIndex(int index);
    std::string text() const;

    std::function<void()> onChange;  // the user picked another item

  private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

// One of a group of options in the same container: selecting it clears the others.
class OptionButton : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::OptionButton; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text) { assign(caption_, text, Property::Caption); }
    bool value() const { return value_; }
    // Selecting an option clears the other options of its container and runs its click event.
    void setValue(bool selected);

  private:
    std::string caption_;
    bool value_ = false;
};

class TextBox : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::TextBox; }

    const std::string& text() const { return text_; }
    // The user's typing arrives here too; runs onChange when the text differs.
    void setText(const std::string& text);
    int maxLength() const { return maxLength_; }
    void setMaxLength(int characters) { assign(maxLength_, characters, Property::Appearance); }
    bool locked() const { return locked_; }
    void setLocked(bool on) { assign(locked_, on, Property::Appearance); }

    std::function<void()> onChange;

  private:
    std::string text_;
    int maxLength_ = 0;  // 0: no limit
    bool locked_ = false;
};

// A timer: while enabled with an interval above 0, the event loop runs onTimer every interval.
// Tests drive it with a virtual clock (see TimerService).
class Timer : public Control {
  public:
    Timer(Container* parent, std::string name, int index = -1);
    ~Timer() override;
    ControlKind kind() const override { return ControlKind::Timer; }

    int interval() const { return interval_; }  // milliseconds
    void setInterval(int milliseconds);
    bool timerEnabled() const { return enabled(); }
    void setTimerEnabled(bool on);

    std::function<void()> onTimer;

  private:
    void reschedule();
    int interval_ = 0;
};

// A box the user ticks or clears, independently of any other.
class CheckBox : public Control {
  public:
    using Control::Control;
    ControlKind kind() const override { return ControlKind::CheckBox; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text) { assign(caption_, text, Property::Caption); }
    bool value() const { return value_; }
    // A change of the tick, by the user or the program, runs the click event.
    void setValue(bool ticked);

  private:
    std::string caption_;
    bool value_ = false;
};

}  // namespace rt
