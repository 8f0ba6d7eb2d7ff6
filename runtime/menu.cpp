#include "runtime/menu.h"

#include "runtime/form.h"

namespace rt {

Menu::Menu(Form* form, std::string name, int index)
    : form_(form), parent_(nullptr), name_(std::move(name)), index_(index) {
    form_->addMenu(this);
}

Menu::Menu(Menu* parent, std::string name, int index)
    : form_(parent->form_), parent_(parent), name_(std::move(name)), index_(index) {
    parent_->items_.push_back(this);
}

Menu::~Menu() = default;

void Menu::click() {
    if (!enabled_ || !visible_) return;
    for (Menu* p = parent_; p; p = p->parent_)
        if (!p->enabled_ || !p->visible_) return;
    if (onClick) onClick();
}

}  // namespace rt
