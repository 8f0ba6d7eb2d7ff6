#include "runtime/qt/renderer_menu.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "runtime/app.h"
#include "runtime/form.h"
#include "runtime/qt/convert.h"
#include "runtime/qt/renderer_scope.h"

namespace rt::qt {

MenuPeer::MenuPeer(Menu& menu, QAction* action, QMenu* submenu, QObject* owner)
    : QObject(owner), menu_(&menu), action_(action), submenu_(submenu) {
    action_->setData(QVariant::fromValue(static_cast<QObject*>(this)));
    for (Property p : {Property::Caption, Property::Value, Property::Enabled, Property::Visible,
                       Property::Appearance})
        apply(p);
    if (!submenu_) connect(action_, &QAction::triggered, this, &MenuPeer::triggered);
}

void MenuPeer::changed(Property property) {
    if (menu_) apply(property);
}

void MenuPeer::apply(Property property) {
    const Menu& m = *menu_;
    switch (property) {
        case Property::Caption: {
            // A separator shows its line only: a styled menu would write its text beside it.
            const bool separator = m.isSeparator() && m.parent();
            action_->setSeparator(separator);
            action_->setText(separator ? QString() : toQString(m.caption()));
            break;
        }
        case Property::Value:
            syncCheck();
            break;
        case Property::Enabled:
            action_->setEnabled(m.enabled());
            break;
        case Property::Visible:
            action_->setVisible(m.visible());
            if (!m.parent() && onBarChanged) onBarChanged();
            break;
        case Property::Appearance:
            action_->setShortcut(
                QKeySequence::fromString(toQString(m.shortcut()), QKeySequence::PortableText));
            break;
        default:
            break;
    }
}

void MenuPeer::syncCheck() {
    // Only a ticked item is checkable: Qt then draws nothing beside an unticked one, and it can
    // never tick an item by itself.
    const bool on = menu_ && menu_->checked();
    action_->setCheckable(on);
    action_->setChecked(on);
}

void MenuPeer::triggered() {
    // Qt has just toggled a ticked item; the item's own state is what is shown.
    syncCheck();
    if (!menu_) return;
    HandlerScope scope;
    Menu* m = menu_;
    guard([m] { m->click(); });
    if (menu_) syncCheck();
}

namespace {

MenuPeer* peerOfAction(QAction* action) {
    return action ? qobject_cast<MenuPeer*>(action->data().value<QObject*>()) : nullptr;
}

// F1 on a highlighted item opens help at the item's context (or its menu's, or its window's).
class MenuHelpKey : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
            return false;
        MenuPeer* peer = peerOfAction(static_cast<QMenu*>(watched)->activeAction());
        Menu* item = peer ? peer->menu() : nullptr;
        if (!item) return false;
        int context = 0;
        for (Menu* m = item; m && context == 0; m = m->parent()) context = m->helpContextID();
        if (context == 0) context = item->form()->helpContextID();
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        HandlerScope scope;
        App& a = app();
        if (!a.helpFile().empty() && a.services().help)
            guard([&a, context] { a.help().show(a.helpFile(), context); });
        return true;
    }
};

void addItem(Menu& item, QWidget* container, QObject* owner, MenuHelpKey* helpKey,
             const std::function<void()>& barChanged) {
    QAction* action;
    QMenu* submenu = nullptr;
    if (item.items().empty()) {
        action = new QAction(owner);
    } else {
        submenu = new QMenu(container);
        submenu->installEventFilter(helpKey);
        action = submenu->menuAction();
    }
    container->addAction(action);
    auto* peer = new MenuPeer(item, action, submenu, owner);
    if (!item.parent()) peer->onBarChanged = barChanged;
    item.setPeer(peer);
    for (Menu* child : item.items()) addItem(*child, submenu, owner, helpKey, barChanged);
}

void detachItem(Menu& item) {
    if (auto* peer = dynamic_cast<MenuPeer*>(item.peer())) peer->detach();
    item.setPeer(nullptr);
    for (Menu* child : item.items()) detachItem(*child);
}

}  // namespace

void buildMenuBar(Form& form, QMenuBar* bar, QObject* owner,
                  const std::function<void()>& barChanged) {
    auto* helpKey = new MenuHelpKey(owner);
    for (Menu* menu : form.menus()) addItem(*menu, bar, owner, helpKey, barChanged);
}

void detachMenus(Form& form) {
    for (Menu* menu : form.menus()) detachItem(*menu);
}

bool hasVisibleMenus(const Form& form) {
    for (const Menu* menu : form.menus())
        if (menu->visible()) return true;
    return false;
}

}  // namespace rt::qt
