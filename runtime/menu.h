// Menus: items with caption, check mark, enabled and visible states, a shortcut key and a help
// context. A separator is an item whose caption is "-". The renderer builds the real menu bar
// from the items of a form, in the order they were created.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "runtime/control.h"
#include "runtime/errors.h"

namespace rt {

class Form;

class Menu : public PeerLink {
  public:
    // A top-level menu of a form.
    Menu(Form* form, std::string name, int index = -1);
    // An item of a menu.
    Menu(Menu* parent, std::string name, int index = -1);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }
    Form* form() const { return form_; }
    Menu* parent() const { return parent_; }
    const std::vector<Menu*>& items() const { return items_; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text) { assign(caption_, text, Property::Caption); }
    bool isSeparator() const { return caption_ == "-"; }
    bool checked() const { return checked_; }
    void setChecked(bool on) { assign(checked_, on, Property::Value); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool on) { assign(enabled_, on, Property::Enabled); }
    bool visible() const { return visible_; }
    void setVisible(bool on) { assign(visible_, on, Property::Visible); }
    // The shortcut as the platform writes it: "F2", "Ctrl+X", "" for none.
    const std::string& shortcut() const { return shortcut_; }
    void setShortcut(const std::string& keys) { assign(shortcut_, keys, Property::Appearance); }
    int helpContextID() const { return helpContext_; }
    void setHelpContextID(int context) { helpContext_ = context; }

    std::function<void()> onClick;

    // Runs the click as the user's choice of the item would: only an enabled, visible item.
    void click();

  private:
    Form* form_;
    Menu* parent_;
    std::string name_;
    int index_;
    std::vector<Menu*> items_;

    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    std::string shortcut_;
    int helpContext_ = 0;
};

// An array of menu items under one parent, created with fixed indexes at the array's place
// among its siblings.
class MenuArray {
  public:
    MenuArray(Menu* parent, std::string name, std::initializer_list<int> indexes)
        : parent_(parent), name_(std::move(name)) {
        for (int index : indexes) create(index);
    }

  private:
    Menu& create(int index) {
        auto item = std::make_unique<Menu>(parent_, name_, index);
        Menu& ref = *item;
        ref.onClick = [this, index] {
            if (onClick) onClick(index);
        };
        items_[index] = std::move(item);
        return ref;
    }

  public:
    Menu& operator[](int index) {
        auto it = items_.find(index);
        if (it == items_.end())
            throw RuntimeError(kArrayElementMissing, "Control array element doesn't exist");
        return *it->second;
    }

    std::function<void(int index)> onClick;

  private:
    Menu* parent_;
    std::string name_;
    std::map<int, std::unique_ptr<Menu>> items_;
};

}  // namespace rt
