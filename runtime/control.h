// The virtual controls: plain objects that own their properties and raise their events.
//
// Contract:
// - Positions and sizes are twips, relative to the control's container.
// - Every property write is stored and pushed to the control's peer (the widget that shows it,
//   if any); only a label's caption raises an event (its change event, see Label).
// - Events are std::function members, empty by default; the form wires them to its handlers.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runtime/appearance.h"
#include "runtime/picture.h"

namespace rt {

class Form;
class Control;

// The properties a peer is told about when they change.
enum class Property {
    Geometry,  // Left, Top, Width, Height
    Visible,
    Enabled,
    Caption,
    BackColor,
    ForeColor,
    Font,
    Picture,
    MousePointer,
    ToolTip,
    TabStop,
    Appearance,  // alignment, back style, border, auto size, stretch, line ends...
    Value,       // option button value, combo box list and selection, text of a text box
    Focus,       // the control asks for the keyboard focus
    Order,       // a child was added to a container
    WindowState,
    Icon,
};

// What shows a control or a form. The renderer implements it; the runtime only calls it.
class Peer {
  public:
    virtual ~Peer() = default;
    virtual void changed(Property property) = 0;
};

// The link from a control, a form or a menu item to the peer that shows it (none in the tests,
// or before the form is shown). Every property write goes through assign(): the value is stored
// and the peer told; writing the value a property already holds tells the peer nothing.
class PeerLink {
  public:
    Peer* peer() const { return peer_; }
    void setPeer(Peer* peer) { peer_ = peer; }

  protected:
    ~PeerLink() = default;
    void notify(Property property) const {
        if (peer_) peer_->changed(property);
    }
    template <class T>
    void assign(T& field, const T& value, Property property) {
        if (field == value) return;
        field = value;
        notify(property);
    }

  private:
    Peer* peer_ = nullptr;
};

// Something that holds controls: a form, a picture box, a frame.
class Container {
  public:
    virtual ~Container() = default;
    virtual Form* form() = 0;
    const std::vector<Control*>& children() const { return children_; }

    // Called by controls when they are created and destroyed.
    void addChild(Control* child);
    void removeChild(Control* child);

  private:
    std::vector<Control*> children_;
};

enum class ControlKind {
    Label,
    Image,
    CommandButton,
    PictureBox,
    Frame,
    Line,
    ComboBox,
    OptionButton,
    TextBox,
    Timer,
    CheckBox,
};

using MouseHandler = std::function<void(int button, int shift, float x, float y)>;

class Control : public PeerLink {
  public:
    // index: the element's index in a control array, or -1 for a control of its own.
    Control(Container* parent, std::string name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual ControlKind kind() const = 0;
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    Container* parent() const { return parent_; }
    Form* form() const { return parent_->form(); }

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    virtual void setLeft(int twips);
    virtual void setTop(int twips);
    virtual void setWidth(int twips);
    virtual void setHeight(int twips);
    void move(int left, int top, int width, int height);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { assign(enabled_, enabled, Property::Enabled); }

    Color backColor() const { return backColor_; }
    void setBackColor(Color color) { assign(backColor_, color, Property::BackColor); }
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color color) { assign(foreColor_, color, Property::ForeColor); }

    const Font& font() const { return font_; }
    void setFont(const Font& font) { assign(font_, font, Property::Font); }
    bool fontBold() const { return font_.bold; }
    void setFontBold(bool bold);
    bool fontItalic() const { return font_.italic; }
    void setFontItalic(bool italic);
    void setFontSize(double points);

    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer) { assign(mousePointer_, pointer, Property::MousePointer); }
    const Picture& mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const Picture& icon) { assign(mouseIcon_, icon, Property::MousePointer); }

    const std::string& toolTipText() const { return toolTip_; }
    void setToolTipText(const std::string& text) { assign(toolTip_, text, Property::ToolTip); }
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool tabStop) { assign(tabStop_, tabStop, Property::TabStop); }
    int helpContextID() const { return helpContext_; }
    void setHelpContextID(int context) { helpContext_ = context; }

    // Asks for the keyboard focus (shown controls only; otherwise nothing happens).
    void setFocus();

    // Events common to the visible controls.
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;

    // Copies the design properties (everything but name, index, parent, peer and events) from
    // another control of the same kind: how a control array creates its new elements.
    virtual void copyDesignFrom(const Control& other);

  protected:
    // Runs after the visibility changed (docked boxes lay their form out again).
    virtual void visibilityChanged() {}

  private:
    Container* parent_;
    std::string name_;
    int index_;

    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    Color backColor_ = palette::kButtonFace;
    Color foreColor_ = palette::kBlack;
    Font font_;
    int mousePointer_ = kPointerDefault;
    Picture mouseIcon_;
    std::string toolTip_;
    bool tabStop_ = true;
    int helpContext_ = 0;
};

}  // namespace rt
