// The menu bar of a form's window, and who has the keyboard while it is shown.
#pragma once

#include <QMenuBar>
#include <QPointer>

namespace rt::qt {

// The game's keys belong to the game, but while the player works the menu bar: while one of its
// menus is open (the menu has the keyboard then), or after he pressed Alt alone, which highlights
// a title until Esc, a click or a menu opening.
//
// Qt's own bar keeps the keyboard in more states than that. A menu closed with Esc leaves the
// bar in keyboard mode with nothing drawn highlighted; the bar keeps the focus when its keyboard
// mode ends and no control had the focus before; and the title under the pointer counts as its
// current one. Enter would then open a menu, and a second Enter run its item. This bar lets go of
// the keyboard in all of those states, and draws the title of its keyboard mode highlighted, so
// that the player sees when his keys go to the menus.
class MenuBar : public QMenuBar {
    Q_OBJECT

  public:
    explicit MenuBar(QWidget* window);

    // Whether the player works the bar from the keyboard: he pressed Alt alone, a title shows
    // highlighted, and no menu opened since.
    bool worked() const;
    // Ends any keyboard mode of the bar and gives the focus back to the control that had it
    // before the bar took it, when that control can still take it. Does nothing to an open menu.
    void letGo();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void actionEvent(QActionEvent* event) override;
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;

  private:
    // The bar has the focus and a current title: Qt gives it the keys and would open that title.
    bool engaged() const { return hasFocus() && activeAction(); }
    void setWorked(bool on);
    // After Qt has handled an event that may end its keyboard mode.
    void settle();
    void menuOpened();
    void menuClosed();

    bool worked_ = false;
    QPointer<QWidget> focusBefore_;  // the control that had the focus when the bar took it
};

}  // namespace rt::qt
