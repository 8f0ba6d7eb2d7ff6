// The keyboard, offscreen: key codes, key preview that can swallow a key, the help key, and the
// default and cancel buttons.
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "runtime/controls.h"
#include "runtime/menu.h"
#include "runtime/qt/renderer_keys.h"
#include "tests/qt/renderer_fixture.h"

namespace renderer_test {
namespace {

struct KeyCase {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    int code;   // Form_KeyDown
    int ascii;  // Form_KeyPress (0: none)
};

TEST(KeyCodes, TranslateToTheRuntimesCodesAndCharacters) {
    const KeyCase cases[] = {
        {Qt::Key_A, Qt::NoModifier, "a", 65, 97},
        {Qt::Key_Z, Qt::ShiftModifier, "Z", 90, 90},
        {Qt::Key_0, Qt::NoModifier, "0", 48, 48},
        {Qt::Key_5, Qt::NoModifier, "5", 53, 53},
        {Qt::Key_5, Qt::KeypadModifier, "5", 101, 53},
        {Qt::Key_F1, Qt::NoModifier, "", 112, 0},
        {Qt::Key_F12, Qt::NoModifier, "", 123, 0},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", 27, 27},
        {Qt::Key_Escape, Qt::NoModifier, "", 27, 27},
        {Qt::Key_Return, Qt::NoModifier, "\r", 13, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, "", 13, 13},
        {Qt::Key_Space, Qt::NoModifier, " ", 32, 32},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", 8, 8},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", 46, 0},
        {Qt::Key_Tab, Qt::NoModifier, "\t", 9, 0},
        {Qt::Key_Left, Qt::NoModifier, "", 37, 0},
        {Qt::Key_Up, Qt::NoModifier, "", 38, 0},
        {Qt::Key_Right, Qt::NoModifier, "", 39, 0},
        {Qt::Key_Down, Qt::NoModifier, "", 40, 0},
        {Qt::Key_Shift, Qt::ShiftModifier, "", 16, 0},
    };
    for (const KeyCase& c : cases) {
        QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromLatin1(c.text));
        EXPECT_EQ(rt::qt::keyCodeOf(event), c.code) << c.key;
        EXPECT_EQ(rt::qt::keyAsciiOf(event), c.ascii) << c.key;
    }
}

class KeyForm : public rt::Form {
  public:
    KeyForm() : rt::Form("KeyForm") {
        setClientSize(6000, 3000);
        setHelpContextID(10);
        play.setCaption("&Roll");
        play.move(150, 150, 1200, 450);
        play.setHelpContextID(650);
        back.setCaption("&Back");
        back.move(1500, 150, 1200, 450);
        text.move(150, 900, 2000, 300);
        play.onClick = [this] { log.push_back("play"); };
        back.onClick = [this] { log.push_back("back"); };
    }
    void Form_KeyDown(int& keyCode, int shift) override {
        log.push_back("down " + std::to_string(keyCode) + " " + std::to_string(shift));
        if (keyCode == swallowCode) keyCode = 0;
    }
    void Form_KeyPress(int& keyAscii) override {
        log.push_back("press " + std::to_string(keyAscii));
        if (keyAscii == swallowAscii) keyAscii = 0;
        if (unloadOnPress) unload();
    }
    rt::CommandButton play{this, "play"};
    rt::CommandButton back{this, "back"};
    rt::TextBox text{this, "text"};
    std::vector<std::string> log;
    int swallowCode = -1;
    int swallowAscii = -1;
    bool unloadOnPress = false;
};

class KeyPreview : public RendererTest {
  protected:
    KeyForm& shown(bool preview = true) {
        auto& form = make<KeyForm>();
        form.setKeyPreview(preview);
        form.show();
        return form;
    }
};

TEST_F(KeyPreview, FormSeesKeyDownThenKeyPressBeforeTheFocusedButton) {
    auto& form = shown();
    widgetOf(form.play)->setFocus();
    typeKey(windowOf(form), Qt::Key_Space, " ");
    EXPECT_EQ(form.log, (std::vector<std::string>{"down 32 0", "press 32", "play"}));
}

TEST_F(KeyPreview, KeyThatTheFormHandledIsNotAlsoActedOnByTheFocusedButton) {
    auto& form = shown();
    widgetOf(form.play)->setFocus();
    form.swallowAscii = 32;
    typeKey(windowOf(form), Qt::Key_Space, " ");
    EXPECT_EQ(form.log, (std::vector<std::string>{"down 32 0", "press 32"}));
    form.log.clear();
    form.swallowAscii = 13;
    typeKey(windowOf(form), Qt::Key_Return, "\r");
    EXPECT_EQ(form.log, (std::vector<std::string>{"down 13 0", "press 13"}));  // one Enter, one act
}

TEST_F(KeyPreview, KeyDownThatSwallowsStillLetsKeyPressRun) {
    auto& form = shown();
    widgetOf(form.play)->setFocus();
    form.swallowCode = 27;
    typeKey(windowOf(form), Qt::Key_Escape, "\x1b", Qt::NoModifier);
    EXPECT_EQ(form.log, (std::vector<std::string>{"down 27 0", "press 27"}));
}

TEST_F(KeyPreview, ShiftStateReachesKeyDown) {
    auto& form = shown();
    typeKey(windowOf(form), Qt::Key_P, "", Qt::ControlModifier | Qt::AltModifier);
    ASSERT_FALSE(form.log.empty());
    EXPECT_EQ(form.log[0], "down 80 6");
}

struct MenuKeyForm : KeyForm {
    MenuKeyForm() {
        game.setCaption("&Game");
        item.setCaption("&New");
        setKeyPreview(true);
    }
    rt::Menu game{this, "game"};
    rt::Menu item{&game, "item"};
};

class MenuBarKeys : public KeyPreview {
  public:
    MenuKeyForm& shownWithMenu() {
        auto& form = make<MenuKeyForm>();
        form.show();
        windowOf(form)->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(windowOf(form)));
        return form;
    }
    QPoint titleOf(QMenuBar* bar) { return bar->actionGeometry(bar->actions().at(0)).center(); }
    // Alt pressed and let go alone: Qt's keyboard mode of the bar.
    void tapAlt(QWidget* window) { typeKey(window, Qt::Key_Alt, "", Qt::AltModifier); }
    void escInMenu() {
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_Escape);
    }
};

// Alt alone puts the bar in keyboard mode, where its keys are its own until Esc.
TEST_F(MenuBarKeys, AltAloneGivesTheKeysToTheBarUntilEsc) {
    auto& form = shownWithMenu();
    QMenuBar* bar = windowOf(form)->menuBar();
    tapAlt(windowOf(form));
    ASSERT_EQ(QApplication::focusWidget(), bar);
    ASSERT_NE(bar->activeAction(), nullptr);
    form.log.clear();
    typeKey(windowOf(form), Qt::Key_Right);
    EXPECT_TRUE(form.log.empty());
    typeKey(windowOf(form), Qt::Key_Escape, "\x1b");
    EXPECT_TRUE(form.log.empty());
    typeKey(windowOf(form), Qt::Key_G, "g");
    EXPECT_EQ(form.log, (std::vector<std::string>{"down 71 0", "press 103"}));
}

// Keys that reach the window before an open menu has the keyboard are the menu's, as Qt hands
// them on: Esc closes the menu, it takes back nothing in the game.
TEST_F(MenuBarKeys, WhileAMenuIsOpenItsKeysAreItsOwn) {
    auto& form = shownWithMenu();
    QMenuBar* bar = windowOf(form)->menuBar();
    clickWidget(bar, titleOf(bar));
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    form.log.clear();
    typeKey(windowOf(form), Qt::Key_Escape, "\x1b");
    EXPECT_TRUE(form.log.empty());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

// However the bar was used and left, and wherever the pointer rests, the next key is the form's:
// Enter neither opens a menu nor runs an item.
TEST_F(MenuBarKeys, OnceItsMenusHaveClosedTheKeysAreTheFormsAgain) {
    struct Way {
        const char* name;
        std::function<void(MenuBarKeys&, QWidget*, QMenuBar*)> use;
    };
    const Way ways[] = {
        {"a menu opened by a click and closed with Esc",
         [](MenuBarKeys& t, QWidget*, QMenuBar* bar) {
             clickWidget(bar, t.titleOf(bar));
             t.escInMenu();
         }},
        {"a menu opened by its access key and closed with Esc",
         [](MenuBarKeys& t, QWidget* window, QMenuBar*) {
             QTest::keyClick(window->windowHandle(), Qt::Key_G, Qt::AltModifier);
             t.escInMenu();
         }},
        {"a menu opened by its access key and closed by a click on its title",
         [](MenuBarKeys& t, QWidget* window, QMenuBar* bar) {
             QTest::keyClick(window->windowHandle(), Qt::Key_G, Qt::AltModifier);
             ASSERT_NE(QApplication::activePopupWidget(), nullptr);
             clickWidget(bar, t.titleOf(bar));
         }},
        {"Alt alone, Esc, and the pointer left on a title",
         [](MenuBarKeys& t, QWidget* window, QMenuBar* bar) {
             t.tapAlt(window);
             typeKey(window, Qt::Key_Escape, "\x1b");
             bar->setFocus(Qt::MenuBarFocusReason);  // where Qt may leave it
             sendMouse(bar, QEvent::MouseMove, t.titleOf(bar), Qt::NoButton, Qt::NoButton);
         }},
        {"Alt alone, then a click on the window",
         [](MenuBarKeys& t, QWidget* window, QMenuBar*) {
             t.tapAlt(window);
             QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, QPoint(200, 200));
         }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        auto& form = shownWithMenu();
        QMenuBar* bar = windowOf(form)->menuBar();
        way.use(*this, windowOf(form), bar);
        ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
        form.log.clear();
        form.swallowAscii = 13;  // as the game does with the Enter that rolls
        typeKey(windowOf(form), Qt::Key_Return, "\r");
        EXPECT_EQ(form.log, (std::vector<std::string>{"down 13 0", "press 13"}));
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_NE(QApplication::focusWidget(), bar);
        form.unload();
    }
}

TEST_F(KeyPreview, WithoutPreviewTheFormSeesNothing) {
    auto& form = shown(false);
    widgetOf(form.play)->setFocus();
    typeKey(windowOf(form), Qt::Key_Space, " ");
    EXPECT_EQ(form.log, std::vector<std::string>{"play"});
}

TEST_F(KeyPreview, FormUnloadedByItsKeyHandlerTakesTheKeyWithIt) {
    auto& form = shown();
    widgetOf(form.play)->setFocus();
    form.unloadOnPress = true;
    typeKey(windowOf(form), Qt::Key_Space, " ");
    EXPECT_EQ(form.log, (std::vector<std::string>{"down 32 0", "press 32"}));
    EXPECT_FALSE(form.isLoaded());
}

TEST_F(KeyPreview, EnterClicksTheFocusedButtonElseTheDefaultOneAndEscTheCancelOne) {
    auto& form = shown(false);
    form.back.setDefault(true);
    form.play.setCancel(true);
    widgetOf(form.text)->setFocus();
    typeKey(windowOf(form), Qt::Key_Return, "\r");
    typeKey(windowOf(form), Qt::Key_Escape, "\x1b");
    EXPECT_EQ(form.log, (std::vector<std::string>{"back", "play"}));
    form.log.clear();
    widgetOf(form.play)->setFocus();
    typeKey(windowOf(form), Qt::Key_Return, "\r");
    EXPECT_EQ(form.log, std::vector<std::string>{"play"});
    form.log.clear();
    form.back.setEnabled(false);
    widgetOf(form.text)->setFocus();
    typeKey(windowOf(form), Qt::Key_Return, "\r");
    EXPECT_TRUE(form.log.empty());
}

TEST_F(KeyPreview, HelpKeyOpensTheHelpFileAtTheFocusedControlsContext) {
    auto& form = shown(false);
    rt::app().setHelpFile("/tmp/Helpquopa.hlp");
    form.setActiveControl(&form.play);
    typeKey(windowOf(form), Qt::Key_F1);
    form.setActiveControl(&form.text);  // no context of its own: the window's
    typeKey(windowOf(form), Qt::Key_F1);
    ASSERT_EQ(fakes.help.opened.size(), 2u);
    EXPECT_EQ(fakes.help.opened[0], (std::pair<std::string, int>{"/tmp/Helpquopa.hlp", 650}));
    EXPECT_EQ(fakes.help.opened[1].second, 10);
    rt::app().setHelpFile("");
}

TEST_F(KeyPreview, FocusedWidgetBecomesTheFormsActiveControl) {
    auto& form = shown(false);
    windowOf(form)->activateWindow();
    QApplication::setActiveWindow(windowOf(form));
    widgetOf(form.back)->setFocus();
    EXPECT_EQ(form.activeControl(), &form.back);
    widgetOf(form.text)->setFocus();
    EXPECT_EQ(form.activeControl(), &form.text);
}

}  // namespace
}  // namespace renderer_test
