// Keyboard play: holding and rolling by keys, the cursor moved by the arrows and marking with P
// and Z, the back keys, the cursor refresh, the tab order and the key hints.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "runtime/app.h"
#include "tests/game/window/recording_peer.h"
#include "tests/support/game_fixture.h"

namespace {

using quopa::LabelArray;
using testing_support::GameFixture;
using testing_support::RecordingPeer;

constexpr int kEnter = 13, kEspaco = 32;
constexpr int kEsc = 27, kBackspace = 8, kDelete = 46;
constexpr int kEsquerda = 37, kAcima = 38, kDireita = 39, kAbaixo = 40;
constexpr int kP = 80, kZ = 90;
constexpr int kCtrl = 2;

class KeyboardPlay : public GameFixture {
  protected:
    // Loads with keyboard play ticked, as a stored option.
    void loadWithKeyboard(const char* players = "1") {
        services.settings.values["MainForm"]["Keyboard"] = "True";
        services.settings.values["MainForm"]["Players"] = players;
        load();
    }
    int press(int ascii) {
        f().Form_KeyPress(ascii);
        return ascii;
    }
    int keyDown(int code, int shift = 0) {
        f().Form_KeyDown(code, shift);
        return code;
    }
    // The column (0 B, 1 C, 2 D, 3 S) and row of the box under a cursor, or {-1, 0}.
    std::pair<int, int> posicao(rt::Label& cursor, bool jogador1 = true) {
        LabelArray* cols1[] = {&f().lblB, &f().lblC, &f().lblD, &f().lblS};
        LabelArray* cols2[] = {&f().lblBB, &f().lblCB, &f().lblDB, &f().lblSB};
        LabelArray** cols = jogador1 ? cols1 : cols2;
        for (int c = 0; c < 4; ++c)
            for (int row = 1; row <= 16; ++row)
                if ((*cols[c])[row].left() == cursor.left() &&
                    (*cols[c])[row].top() == cursor.top())
                    return {c, row};
        return {-1, 0};
    }
};

// ---------------------------------------------------------------------------------------------
// Holding and rolling by keys.

TEST_F(KeyboardPlay, DigitsOneToFiveHoldAndReleaseTheDice) {
    load();
    roll("25531");
    EXPECT_EQ(press('2'), 0);
    EXPECT_EQ(press('3'), 0);
    EXPECT_EQ(f().lblSomaSelecionados.caption(), "10");
    press('2');
    EXPECT_EQ(f().lblSomaSelecionados.caption(), "5");
    press('3');  // all five down again
    // Each digit lifts its own die and no other; the keys beside them lift none.
    rt::Image* dados[] = {&f().imgSort1, &f().imgSort2, &f().imgSort3, &f().imgSort4,
                          &f().imgSort5};
    auto levantados = [&dados] {
        std::string s;
        for (rt::Image* d : dados) s += d->top() < 1380 ? '^' : '_';
        return s;
    };
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(press('0' + n), 0);
        std::string esperado = "_____";
        esperado[static_cast<std::size_t>(n - 1)] = '^';
        EXPECT_EQ(levantados(), esperado) << "key " << n;
        press('0' + n);
    }
    EXPECT_EQ(press('0'), '0') << "not a die";
    EXPECT_EQ(press('6'), '6') << "not a die";
    EXPECT_EQ(levantados(), "_____");
}

class RollKeys : public KeyboardPlay, public ::testing::WithParamInterface<int> {};

TEST_P(RollKeys, RollOncePerPress) {
    int key = GetParam();
    load();
    scriptFaces("12345");
    EXPECT_EQ(press(key), 0);
    EXPECT_EQ(f().lblJogadas.caption(), "1");
    // A second press while the dice still roll must not count a second roll.
    EXPECT_EQ(press(key), 0);
    EXPECT_EQ(f().lblJogadas.caption(), "1");
    finishRoll();
    EXPECT_EQ(f().Jogad1.caption(), "2");

    scriptFaces("12345");
    press(key);
    finishRoll();
    EXPECT_EQ(f().lblJogadas.caption(), "2");
    EXPECT_EQ(f().Jogad1.caption(), "1");
}

INSTANTIATE_TEST_SUITE_P(EnterAndSpace, RollKeys, ::testing::Values(kEnter, kEspaco));

TEST_F(KeyboardPlay, EnterWithNoRollLeftIsNotActedOn) {
    load();
    for (int i = 0; i < 3; ++i) {
        scriptFaces("12345");
        press(kEnter);
        finishRoll();
    }
    ASSERT_EQ(f().cmdPlay.caption(), "Mark points");
    services.dialogs.messages.clear();
    EXPECT_EQ(press(kEnter), kEnter);
    EXPECT_TRUE(services.dialogs.messages.empty());
    EXPECT_EQ(f().lblJogadas.caption(), "3");
}

TEST_F(KeyboardPlay, EnterRollsForPlayerTwoWhenHisButtonIsShown) {
    services.settings.values["MainForm"]["Players"] = "2";
    load();
    roll("12345");
    mark(f().lblD, 1);
    scriptFaces("66666");
    press(kEnter);
    finishRoll();
    EXPECT_EQ(f().lblQuemJoga.caption(), "2");
    EXPECT_EQ(f().Jogad2.caption(), "2");
}

// ---------------------------------------------------------------------------------------------
// The cursor and its keys.

struct Movimento {
    std::vector<int> teclas;
    int coluna, linha;
};

class CursorMoves : public KeyboardPlay, public ::testing::WithParamInterface<Movimento> {};

TEST_P(CursorMoves, ArrowsWalkTheScoringBoxes) {
    loadWithKeyboard();
    roll("12345");
    ASSERT_TRUE(f().LTc1.visible());
    ASSERT_EQ(posicao(f().LTc1), std::make_pair(0, 1));
    for (int tecla : GetParam().teclas) EXPECT_EQ(keyDown(tecla), 0);
    auto [coluna, linha] = posicao(f().LTc1);
    EXPECT_EQ(coluna, GetParam().coluna);
    EXPECT_EQ(linha, GetParam().linha);
    rt::Label& casa =
        (*std::vector<LabelArray*>{&f().lblB, &f().lblC, &f().lblD, &f().lblS}[coluna])[linha];
    EXPECT_EQ(f().LTc1.width(), casa.width());
    EXPECT_EQ(f().LTc1.height(), casa.height());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CursorMoves,
    ::testing::Values(
        Movimento{{kAbaixo}, 0, 2}, Movimento{{kAbaixo, kAbaixo, kAbaixo, kAbaixo, kAbaixo}, 0, 6},
        Movimento{{kAbaixo, kAbaixo, kAbaixo, kAbaixo, kAbaixo, kAbaixo}, 0, 10},
        Movimento{std::vector<int>(20, kAbaixo), 0, 16}, Movimento{{kAcima}, 0, 1},
        Movimento{{kEsquerda}, 0, 1}, Movimento{{kDireita}, 1, 1},
        Movimento{{kDireita, kDireita, kDireita, kDireita}, 3, 1},
        Movimento{{kDireita, kDireita, kAbaixo, kAbaixo, kEsquerda}, 1, 3},
        Movimento{std::vector<int>{kAbaixo, kAbaixo, kAbaixo, kAbaixo, kAbaixo, kAbaixo, kAcima}, 0,
                  6}));

TEST_F(KeyboardPlay, PMarksPointsAndZMarksZeroUnderTheCursor) {
    loadWithKeyboard();
    roll("11111");
    EXPECT_EQ(keyDown(kP), 0);
    EXPECT_EQ(f().lblB[1].caption(), "5");
    EXPECT_EQ(f().lblTotJogador1.caption(), "1");
    EXPECT_FALSE(f().LTc1.visible()) << "the turn is over";

    roll("12345");
    ASSERT_TRUE(f().LTc1.visible());
    keyDown(kDireita);
    keyDown(kDireita);
    keyDown(kAbaixo);
    keyDown(kAbaixo);
    EXPECT_EQ(keyDown(kZ), 0);
    EXPECT_EQ(f().lblD[3].caption(), "0");
    EXPECT_EQ(f().lblTotJogador1.caption(), "2");
}

TEST_F(KeyboardPlay, PlayerTwoKeysDriveHisOwnCursor) {
    loadWithKeyboard("2");
    roll("12345");
    mark(f().lblD, 1);
    roll("66666");
    ASSERT_TRUE(f().LTc2.visible());
    keyDown(kDireita);
    keyDown(kDireita);
    for (int i = 0; i < 20; ++i) keyDown(kAbaixo);
    EXPECT_EQ(posicao(f().LTc2, false), std::make_pair(2, 16));
    keyDown(kP);
    EXPECT_FALSE(f().lblDB[16].caption().empty());
    EXPECT_TRUE(f().lblD[16].caption().empty());
}

TEST_F(KeyboardPlay, CursorKeysNeedKeyboardPlayAndNoCtrlOrAlt) {
    load();
    roll("11111");
    f().LTc1.setVisible(true);
    EXPECT_EQ(keyDown(kAbaixo), kAbaixo);
    EXPECT_EQ(keyDown(kP), kP);
    EXPECT_TRUE(f().lblB[1].caption().empty());

    f().mnuHabilitaTeclado.setChecked(true);
    EXPECT_EQ(keyDown(kP, kCtrl), kP);
    EXPECT_EQ(keyDown(kAbaixo, kCtrl), kAbaixo);
    EXPECT_TRUE(f().lblB[1].caption().empty());
    EXPECT_EQ(posicao(f().LTc1), std::make_pair(0, 1));
}

TEST_F(KeyboardPlay, HiddenCursorMarksNothing) {
    loadWithKeyboard();
    roll("11111");
    f().LTc1.setVisible(false);
    EXPECT_EQ(keyDown(kP), kP);
    EXPECT_TRUE(f().lblB[1].caption().empty());
}

class BackKeys : public KeyboardPlay, public ::testing::WithParamInterface<int> {};

TEST_P(BackKeys, UndoTheLastMarkingWithOrWithoutKeyboardPlay) {
    int tecla = GetParam();
    load();
    EXPECT_EQ(keyDown(tecla), tecla) << "nothing to undo";
    roll("11111");
    mark(f().lblB, 1);
    ASSERT_TRUE(f().cmdBack.visible());
    EXPECT_EQ(keyDown(tecla), 0);
    EXPECT_TRUE(f().lblB[1].caption().empty());
    EXPECT_FALSE(f().cmdBack.visible());
}

INSTANTIATE_TEST_SUITE_P(EscBackspaceDelete, BackKeys,
                         ::testing::Values(kEsc, kBackspace, kDelete));

TEST_F(KeyboardPlay, BackKeysReachPlayerTwosButton) {
    services.settings.values["MainForm"]["Players"] = "2";
    load();
    roll("12345");
    mark(f().lblD, 1);
    roll("66666");
    mark(f().lblDB, 16);
    ASSERT_TRUE(f().cmdBack2.visible());
    EXPECT_EQ(keyDown(kEsc), 0);
    EXPECT_TRUE(f().lblDB[16].caption().empty());
    EXPECT_TRUE(f().cmdPlay2.visible());
}

// ---------------------------------------------------------------------------------------------
// The cursor's refresh over the box under it.

TEST_F(KeyboardPlay, CursorCopiesTheBoxAndItsMark) {
    loadWithKeyboard();
    roll("11111");
    rt::Label& casa = f().lblB[1];
    ASSERT_EQ(casa.mousePointer(), 10) << "five ones may be scored in B1";
    f().AtualizaCursorTeclado1();
    EXPECT_EQ(f().LTc1.mousePointer(), 10);
    EXPECT_EQ(f().LTc1.caption(), "");

    casa.setMousePointer(12);
    f().AtualizaCursorTeclado1();
    EXPECT_EQ(f().LTc1.caption(), "X");
    EXPECT_EQ(f().LTc1.mousePointer(), 12);

    casa.setMousePointer(0);
    casa.setCaption("7");
    f().AtualizaCursorTeclado1();
    EXPECT_EQ(f().LTc1.caption(), "7");
    EXPECT_EQ(f().LTc1.mousePointer(), 0);

    f().LTc1.setLeft(-500);  // over no box: nothing changes
    f().AtualizaCursorTeclado1();
    EXPECT_EQ(f().LTc1.caption(), "7");
}

TEST_F(KeyboardPlay, CursorOverNoBoxMarksNothing) {
    loadWithKeyboard();
    roll("11111");
    f().LTc1.setTop(-500);
    f().MarcaCursor1(1);
    for (int row = 1; row <= 16; ++row) EXPECT_TRUE(f().lblB[row].caption().empty());
}

// ---------------------------------------------------------------------------------------------
// Tab order, showing the cursor, key hints and focus.

TEST_F(KeyboardPlay, TabOrderSkipsTheButtonsInKeyboardPlay) {
    load();
    for (bool teclado : {true, false}) {
        f().mnuHabilitaTeclado.setChecked(teclado);
        f().AjustaTabStop();
        for (rt::CommandButton* b : {&f().cmdPlay, &f().cmdPlay2, &f().cmdBack, &f().cmdBack2})
            EXPECT_EQ(b->tabStop(), !teclado) << b->name();
    }
}

TEST_F(KeyboardPlay, ShowCursorTable) {
    struct Caso {
        bool cmdPlay;
        const char* jogadas;
        const char* podeJogar;
        bool ltc1;
    } casos[] = {{true, "1", "5", true},
                 {true, "0", "5", false},
                 {true, "1", "3", false},
                 {false, "1", "5", false}};
    load();
    for (const Caso& c : casos) {
        f().cmdPlay.setVisible(c.cmdPlay);
        f().cmdPlay2.setVisible(!c.cmdPlay);
        f().lblJogadas.setCaption(c.jogadas);
        f().lblPodeJogar.setCaption(c.podeJogar);
        f().LTc1.setVisible(!c.ltc1);
        f().MostraCursorTeclado();
        EXPECT_EQ(f().LTc1.visible(), c.ltc1) << c.cmdPlay << c.jogadas << c.podeJogar;
        EXPECT_EQ(f().LTc2.visible(),
                  !c.cmdPlay && std::string(c.jogadas) != "0" && std::string(c.podeJogar) != "3");
    }
}

TEST_F(KeyboardPlay, BackButtonHintsFollowTheShortcutKeysOption) {
    load();
    f().MostC.setChecked(true);
    f().cmdBack.onMouseMove(0, 0, 0, 0);
    EXPECT_EQ(f().cmdBack.toolTipText(), " Esc  Backspace  Delete ");
    EXPECT_EQ(f().cmdBack2.toolTipText(), " Esc  Backspace  Delete ");
    f().MostC.setChecked(false);
    f().cmdBack2.onMouseMove(0, 0, 0, 0);
    EXPECT_EQ(f().cmdBack2.toolTipText(), "");
    f().cmdBack.onMouseMove(0, 0, 0, 0);
    EXPECT_EQ(f().cmdBack.toolTipText(), "");
}

TEST_F(KeyboardPlay, ReleasingABackButtonGivesTheFocusToTheSheetInKeyboardPlay) {
    load();
    RecordingPeer panel1(f().PicUser), panel2(f().PicUserB);
    f().cmdBack.onMouseUp(1, 0, 0, 0);
    EXPECT_EQ(panel1.count(rt::Property::Focus), 0);
    f().mnuHabilitaTeclado.setChecked(true);
    f().cmdBack.onMouseUp(1, 0, 0, 0);
    f().cmdBack2.onMouseUp(1, 0, 0, 0);
    EXPECT_EQ(panel1.count(rt::Property::Focus), 1);
    EXPECT_EQ(panel2.count(rt::Property::Focus), 1);
}

}  // namespace
