// The menu bar of a form: one QAction per menu item, in the order the items were created, kept
// in step with the items. The items decide their check marks: Qt never toggles one on its own.
#pragma once

#include <QObject>
#include <functional>

#include "runtime/menu.h"

class QAction;
class QMenu;
class QMenuBar;

namespace rt::qt {

class MenuPeer : public QObject, public Peer {
    Q_OBJECT

  public:
    // `submenu` is the popup of an item that has items of its own, else nullptr.
    MenuPeer(Menu& menu, QAction* action, QMenu* submenu, QObject* owner);

    void changed(Property property) override;

    Menu* menu() const { return menu_; }
    QAction* action() const { return action_; }
    QMenu* submenu() const { return submenu_; }
    // The item's form was unloaded: choosing the action no longer reaches it.
    void detach() { menu_ = nullptr; }

    // Called when a top-level item is shown or hidden (the bar may appear or go).
    std::function<void()> onBarChanged;

  private:
    void apply(Property property);
    void syncCheck();
    void triggered();

    Menu* menu_;
    QAction* action_;
    QMenu* submenu_;
};

// Fills `bar` with the form's menus and attaches a peer to every item. `barChanged` runs when a
// top-level item is shown or hidden.
void buildMenuBar(Form& form, QMenuBar* bar, QObject* owner,
                  const std::function<void()>& barChanged);
// Detaches the peers of the form's menus and clears the items' peer pointers.
void detachMenus(Form& form);
// Whether any top-level menu of the form is visible (the bar takes room only then).
bool hasVisibleMenus(const Form& form);

}  // namespace rt::qt
