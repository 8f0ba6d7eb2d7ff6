// The menu bar of a form, offscreen: it matches the menu items and follows them, and the items
// decide their check marks.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "runtime/menu.h"
#include "runtime/qt/convert.h"
#include "tests/qt/renderer_fixture.h"

namespace renderer_test {
namespace {

class MenuForm : public rt::Form {
  public:
    MenuForm() : rt::Form("MenuForm") {
        setClientSize(6000, 4000);
        game.setCaption("&Game");
        newGame.setCaption("&New");
        newGame.setShortcut("F2");
        newGame.setEnabled(false);
        separator.setCaption("-");
        exit.setCaption("E&xit");
        exit.setShortcut("Ctrl+X");
        options.setCaption("&Options");
        sounds.setCaption("&Sounds");
        applause.setCaption("&Applause");
        applause.setChecked(true);
        keyboard.setCaption("&Keyboard");
        keyboard.setShortcut("F9");
        for (rt::Menu* m : {&newGame, &exit, &applause, &keyboard})
            m->onClick = [this, m] { clicks.push_back(m->name()); };
    }
    rt::Menu game{this, "game"};
    rt::Menu newGame{&game, "newGame"};
    rt::Menu separator{&game, "separator"};
    rt::Menu exit{&game, "exit"};
    rt::Menu options{this, "options"};
    rt::Menu sounds{&options, "sounds"};
    rt::Menu applause{&sounds, "applause"};
    rt::Menu keyboard{&options, "keyboard"};
    std::vector<std::string> clicks;
};

class MenuBar : public RendererTest {
  protected:
    MenuForm& shown() {
        auto& form = make<MenuForm>();
        form.show();
        return form;
    }
    QList<QAction*> top(const MenuForm& form) { return windowOf(form)->menuBar()->actions(); }
    QList<QAction*> items(QAction* menu) { return menu->menu()->actions(); }
};

TEST_F(MenuBar, ActionsMatchTheItemsInOrder) {
    auto& form = shown();
    QList<QAction*> bar = top(form);
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), "&Game");
    EXPECT_EQ(bar[1]->text(), "&Options");

    QList<QAction*> game = items(bar[0]);
    ASSERT_EQ(game.size(), 3);
    EXPECT_EQ(game[0]->text(), "&New");
    EXPECT_EQ(game[0]->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_FALSE(game[0]->isEnabled());
    EXPECT_TRUE(game[1]->isSeparator());
    EXPECT_TRUE(game[1]->text().isEmpty());
    EXPECT_EQ(game[2]->text(), "E&xit");
    EXPECT_EQ(game[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    EXPECT_TRUE(game[2]->isEnabled());

    QList<QAction*> options = items(bar[1]);
    ASSERT_EQ(options.size(), 2);
    ASSERT_NE(options[0]->menu(), nullptr);  // a submenu
    QList<QAction*> sounds = items(options[0]);
    ASSERT_EQ(sounds.size(), 1);
    EXPECT_TRUE(sounds[0]->isChecked());
    EXPECT_FALSE(options[1]->isChecked());
    EXPECT_EQ(options[1]->shortcut(), QKeySequence(Qt::Key_F9));
}

TEST_F(MenuBar, ItemChangesReachTheActions) {
    auto& form = shown();
    QAction* exit = items(top(form)[0])[2];
    QAction* keyboard = items(top(form)[1])[1];
    form.exit.setCaption("Sai&r");
    EXPECT_EQ(exit->text(), "Sai&r");
    form.exit.setEnabled(false);
    EXPECT_FALSE(exit->isEnabled());
    form.keyboard.setChecked(true);
    EXPECT_TRUE(keyboard->isChecked());
    form.keyboard.setChecked(false);
    EXPECT_FALSE(keyboard->isChecked());
    form.exit.setShortcut("");
    EXPECT_TRUE(exit->shortcut().isEmpty());
    form.options.setVisible(false);
    EXPECT_FALSE(top(form)[1]->isVisible());
}

TEST_F(MenuBar, ChoosingAnItemRunsItsClickAndQtNeverTicksItByItself) {
    auto& form = shown();
    QAction* keyboard = items(top(form)[1])[1];
    QAction* applause = items(items(top(form)[1])[0])[0];

    keyboard->trigger();  // the handler leaves the item unticked
    EXPECT_EQ(form.clicks, std::vector<std::string>{"keyboard"});
    EXPECT_FALSE(keyboard->isChecked());
    applause->trigger();  // a ticked item whose handler keeps the tick stays ticked
    EXPECT_TRUE(applause->isChecked());
    EXPECT_TRUE(form.applause.checked());

    form.keyboard.onClick = [&form] { form.keyboard.setChecked(!form.keyboard.checked()); };
    keyboard->trigger();
    EXPECT_TRUE(keyboard->isChecked());
    keyboard->trigger();
    EXPECT_FALSE(keyboard->isChecked());
}

TEST_F(MenuBar, ItemsUnderAHiddenOrDisabledMenuDoNothing) {
    auto& form = shown();
    QAction* exit = items(top(form)[0])[2];
    form.game.setEnabled(false);
    exit->trigger();
    EXPECT_TRUE(form.clicks.empty());
}

TEST_F(MenuBar, BarTakesRoomOnlyWhileSomeTopMenuIsVisible) {
    auto& form = shown();
    QMenuBar* bar = windowOf(form)->menuBar();
    const int withBar = form.height() - form.scaleHeight();
    const int barHeight = bar->height();
    EXPECT_TRUE(bar->isVisibleTo(windowOf(form)));
    EXPECT_GT(barHeight, 0);
    const int clientBefore = form.scaleHeight();
    form.game.setVisible(false);
    EXPECT_TRUE(bar->isVisibleTo(windowOf(form)));
    form.options.setVisible(false);
    EXPECT_FALSE(bar->isVisibleTo(windowOf(form)));
    EXPECT_EQ(withBar - (form.height() - form.scaleHeight()), barHeight * 15);
    EXPECT_EQ(form.scaleHeight(), clientBefore);  // the client area keeps its size
    EXPECT_EQ(windowOf(form)->client()->y(), 0);
    EXPECT_EQ(windowOf(form)->client()->height(), rt::qt::toPixels(form.scaleHeight()));
    form.game.setVisible(true);
    EXPECT_EQ(windowOf(form)->client()->y(), barHeight);
    EXPECT_EQ(form.height() - form.scaleHeight(), withBar);
}

TEST_F(MenuBar, UnloadingTheFormLetsGoOfTheItems) {
    auto& form = shown();
    QAction* exit = items(top(form)[0])[2];
    EXPECT_NE(form.exit.peer(), nullptr);
    form.unload();
    EXPECT_EQ(form.exit.peer(), nullptr);
    EXPECT_EQ(form.game.peer(), nullptr);
    exit->trigger();  // the action may outlive the form briefly: it must not reach it
    EXPECT_TRUE(form.clicks.empty());
}

TEST_F(MenuBar, HelpKeyOnAHighlightedItemOpensHelpAtTheItemsContext) {
    auto& form = shown();
    rt::app().setHelpFile("/tmp/Ajudquopa.hlp");
    form.setHelpContextID(10);
    form.options.setHelpContextID(100);
    form.keyboard.setHelpContextID(850);
    QMenu* options = top(form)[1]->menu();
    QMenu* game = top(form)[0]->menu();
    const auto pressF1 = [](QMenu* menu, QAction* on) {
        menu->setActiveAction(on);
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(menu, &f1);
    };
    pressF1(options, items(top(form)[1])[1]);  // its own context
    pressF1(options, items(top(form)[1])[0]);  // none: its menu's
    pressF1(game, items(top(form)[0])[2]);     // none up the tree: the window's
    EXPECT_EQ(
        fakes.help.opened,
        (std::vector<std::pair<std::string, int>>{
            {"/tmp/Ajudquopa.hlp", 850}, {"/tmp/Ajudquopa.hlp", 100}, {"/tmp/Ajudquopa.hlp", 10}}));
    rt::app().setHelpFile("");
}

}  // namespace
}  // namespace renderer_test
