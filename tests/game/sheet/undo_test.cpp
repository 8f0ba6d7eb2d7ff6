// The undo of the last marking by the back buttons and the keys.
#include <gtest/gtest.h>

#include <array>

#include "tests/game/sheet/sheet_play.h"

namespace {

using namespace sheet_testing;

class Undo : public SheetGame {
  protected:
    void key(int code) { f().Form_KeyDown(code, 0); }
    std::array<std::string, 5> faces() {
        return {f().Label1.caption(), f().Label2.caption(), f().Label3.caption(),
                f().Label4.caption(), f().Label5.caption()};
    }
    std::array<int, 5> tops() {
        return {f().imgSort1.top(), f().imgSort2.top(), f().imgSort3.top(), f().imgSort4.top(),
                f().imgSort5.top()};
    }
};

TEST_F(Undo, OnePlayerBackGivesTheTurnBackAsItStoodAtTheMarking) {
    for (bool running : {false, true}) {
        TearDown();
        SetUp();
        auto& f = start(1, running);
        play(1, {'D', 4, 1, "44412", "", ""});
        roll("55123");
        f.imgSort1.onClick();
        f.imgSort2.onClick();
        roll("11553");
        const auto dice = faces();
        const auto heights = tops();
        click(f.lblD, 5);
        ASSERT_EQ(f.lblD[5].caption(), "20");
        ASSERT_TRUE(f.cmdBack.visible());
        ASSERT_EQ(f.cmdVolta.caption(), "D5");

        f.cmdBack.onClick();
        EXPECT_EQ(f.lblD[5].caption(), "");
        expectRows(1, running);
        if (running) {
            EXPECT_EQ(f.lblTgeral1.caption(), "Total:   12");
        }
        EXPECT_EQ(f.lblJogadas.caption(), "2");
        EXPECT_EQ(f.Jogad1.caption(), "1");
        EXPECT_EQ(f.cmdPlay.caption(), "&Roll  1");
        EXPECT_TRUE(f.cmdPlay.enabled());
        EXPECT_EQ(f.lblTotJogador1.caption(), "1");
        EXPECT_EQ(f.NaoJogou1, 0);
        EXPECT_EQ(f.NaoJogou2, 0);
        EXPECT_FALSE(f.cmdBack.visible());
        EXPECT_TRUE(f.cmdPlay.visible());
        EXPECT_EQ(f.cmdVolta.caption(), "cmdvolta");
        EXPECT_EQ(faces(), dice);
        EXPECT_EQ(tops(), heights);
        EXPECT_EQ(f.lblResultado.caption(), "55553");
        EXPECT_EQ(f.lblPontos.caption(), "23");
        // The same dice go into another box without a roll.
        click(f.lblD, 10);
        EXPECT_EQ(f.lblD[10].caption(), "40");
    }
}

TEST_F(Undo, RunningBonusComesBackOnlyIfTheRemainingSumStillEarnsIt) {
    struct Case {
        std::vector<Step> before;
        const char* bonusAfterUndo;
    };
    const Case cases[] = {
        {{{'D', 4, 1, "44441", "", ""}, {'D', 5, 1, "55551", "", ""}}, ""},
        {{{'D', 3, 1, "33333", "", ""}, {'D', 4, 1, "44444", "", ""}, {'D', 5, 1, "55555", "", ""}},
         "+30"},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        auto& f = start(1, true);
        for (const Step& s : c.before) play(1, s);
        play(1, {'D', 6, 1, "66661", "", ""});
        ASSERT_EQ(f.lblD[8].caption(), "+30");
        f.cmdBack.onClick();
        EXPECT_EQ(f.lblD[8].caption(), c.bonusAfterUndo);
        expectRows(1, true);
        EXPECT_EQ(f.lblTgeral1.caption(), grandTotalText(expectedGrandTotal(f, 1)));
    }
}

TEST_F(Undo, TwoPlayersTakeTheTurnBackByKeysBeforeTheOtherRolls) {
    auto& f = start(2, false);
    roll("33312");
    click(f.lblD, 3);
    ASSERT_TRUE(f.cmdPlay2.visible());
    ASSERT_FALSE(f.cmdPlay.visible());
    ASSERT_TRUE(f.cmdBack.visible());

    key(rt::kKeyEscape);
    EXPECT_EQ(f.lblD[3].caption(), "");
    EXPECT_FALSE(f.cmdPlay2.visible());
    EXPECT_TRUE(f.cmdPlay.visible());
    EXPECT_EQ(f.lblQuemJoga.caption(), "1");
    EXPECT_EQ(f.lblJogadas.caption(), "1");
    EXPECT_EQ(f.Jogad1.caption(), "2");
    EXPECT_EQ(f.Jogad2.caption(), "3");
    EXPECT_EQ(f.lblTotJogador1.caption(), "0");
    // The first marking is gone, but the game is under way: the menus that change only between
    // games stay closed.
    EXPECT_FALSE(f.MnuJogado.enabled());
    EXPECT_FALSE(f.mnutentar.enabled());
    EXPECT_FALSE(f.mnuNovo.enabled());

    // Once player 2 rolls, player 1's marking is final. A second roll first, so that the two
    // players' saved rolls left differ (player 1's "1", player 2's "2" below).
    roll("33312");
    click(f.lblD, 3);
    ASSERT_EQ(f.lblVolte11.caption(), "1");
    roll("11111");
    EXPECT_FALSE(f.cmdBack.visible());
    key(rt::kKeyDelete);
    EXPECT_EQ(f.lblD[3].caption(), "9");

    // Player 2's zero, taken back with Backspace.
    click(f.lblSB, 4, 2);
    ASSERT_EQ(f.lblSB[4].caption(), "0");
    ASSERT_TRUE(f.cmdBack2.visible());
    key(rt::kKeyBack);
    EXPECT_EQ(f.lblSB[4].caption(), "");
    EXPECT_FALSE(f.cmdPlay.visible());
    EXPECT_TRUE(f.cmdPlay2.visible());
    EXPECT_EQ(f.lblTotJogador2.caption(), "0");
    EXPECT_EQ(f.Jogad2.caption(), "2");
    EXPECT_EQ(f.Jogad1.caption(), "3");
    // Undone once: the keys find no back button and change nothing.
    click(f.lblSB, 1, 1);
    EXPECT_EQ(f.lblSB[1].caption(), "5");
    key(rt::kKeyBack);
    key(rt::kKeyEscape);
    EXPECT_EQ(f.lblSB[1].caption(), "");
    key(rt::kKeyEscape);
    EXPECT_EQ(f.lblTotJogador2.caption(), "0");
    EXPECT_EQ(f.lblTotJogador1.caption(), "1");
}

TEST_F(Undo, SectionModeEmptiesTheUndoneSectionAndTheColumnTotalOnly) {
    auto& f = start(1, false);
    for (const Step& s : wholeSheet(1))
        if (s.column == 'D' && s.row != 6) play(1, s);
    play(1, {'D', 6, 1, "66612", "", ""});
    ASSERT_EQ(f.lblD[18].caption(), "336");
    f.cmdBack.onClick();
    EXPECT_EQ(shownRows(f.lblD), (ComputedRows{"", "", "", "232", ""}));
}

TEST_F(Undo, MarkingWithAllRollsUsedComesBackWithNoRollLeft) {
    auto& f = start(1, false);
    roll("12346");
    roll("12346");
    roll("12346");
    ASSERT_EQ(f.Jogad1.caption(), "0");
    click(f.lblD, 6);
    f.cmdBack.onClick();
    EXPECT_EQ(f.Jogad1.caption(), "0");
    EXPECT_EQ(f.cmdPlay.caption(), "Mark points");
    EXPECT_FALSE(f.cmdPlay.enabled());
}

TEST_F(Undo, ScoreInColumnSAtTheFirstRollCanBeScoredAgain) {
    auto& f = start(1, false);
    roll("55512");
    click(f.lblS, 5);
    f.cmdBack.onClick();
    EXPECT_EQ(f.lblJogadas.caption(), "1");
    click(f.lblS, 1);
    EXPECT_EQ(f.lblS[1].caption(), "1");
}

// The undo of the box that completed columns B, C and D leaves the player on the ordinary rolls
// per turn, in both display modes: the box is open again.
TEST_F(Undo, ReopenedBoxOfColumnsBCDLiftsTheOneRollRule) {
    for (bool running : {false, true}) {
        TearDown();
        SetUp();
        auto& f = start(1, running);
        const std::vector<Step> steps = columnsBCDFirst();
        for (std::size_t i = 0; i < 38; ++i) play(1, steps[i]);
        ASSERT_FALSE(f.Jogad1.fontItalic());
        roll("66554");
        roll("66554");
        click(f.lblD, 15);
        ASSERT_TRUE(f.Jogad1.fontItalic()) << running;
        f.cmdBack.onClick();
        EXPECT_FALSE(f.Jogad1.fontItalic()) << running;
        EXPECT_EQ(f.Jogad1.caption(), "1") << running;
        roll("66554");
        EXPECT_EQ(f.lblJogadas.caption(), "3");
        click(f.lblD, 15);
        EXPECT_TRUE(f.Jogad1.fontItalic()) << running;
        EXPECT_EQ(f.Jogad1.caption(), "1") << running;
    }
}

// The marking that fills columns B, C and D ends a turn played under the rolls per turn; taking
// it back gives that turn's rolls left back, not the one roll of the turns to come.
TEST_F(Undo, MarkingThatLeavesOnlyColumnSComesBackWithItsOwnRollsLeft) {
    for (int rolls : {1, 3}) {
        TearDown();
        SetUp();
        auto& f = start(1, true);
        const std::vector<Step> steps = columnsBCDFirst();
        for (std::size_t i = 0; i < 38; ++i) play(1, steps[i]);
        for (int n = 0; n < rolls; ++n) roll("66554");
        click(f.lblD, 15);
        ASSERT_TRUE(f.Jogad1.fontItalic()) << rolls;
        ASSERT_EQ(f.cmdPlay.caption(), "&Roll  1") << rolls;
        f.cmdBack.onClick();
        EXPECT_EQ(f.lblJogadas.caption(), std::to_string(rolls));
        EXPECT_EQ(f.Jogad1.caption(), std::to_string(3 - rolls)) << rolls;
    }
}

TEST_F(Undo, FiftySecondMarkingCannotBeTakenBack) {
    auto& f = start(1, false);
    for (const Step& s : wholeSheet(1)) play(1, s);
    ASSERT_EQ(f.lblTotJogador1.caption(), "52");
    EXPECT_FALSE(f.cmdBack.visible());
    for (int code : {rt::kKeyEscape, rt::kKeyBack, rt::kKeyDelete}) key(code);
    EXPECT_EQ(f.lblTotJogador1.caption(), "52");
    EXPECT_EQ(f.lblS[16].caption(), " 75");
}

// Keys are compared exactly: anything but one of the 104 keys clears no cell, and the counters
// are still given back.
TEST_F(Undo, KeyThatNamesNoBoxClearsNothing) {
    for (const char* stored : {"d4", "D 4", "D7", "Db17", "D04"}) {
        TearDown();
        SetUp();
        auto& f = start(1, false);
        play(1, {'D', 4, 1, "44412", "", ""});
        f.cmdVolta.setCaption(stored);
        f.cmdBack.onClick();
        EXPECT_EQ(f.lblD[4].caption(), "12") << stored;
        EXPECT_EQ(f.lblJogadas.caption(), "1") << stored;
        EXPECT_EQ(f.lblTotJogador1.caption(), "0") << stored;
    }
}

TEST_F(Undo, KeyboardCursorComesBackOnTheEmptiedBox) {
    services.settings.values["MainForm"]["Keyboard"] = "True";
    auto& f = start(1, false);
    roll("33312");
    click(f.lblD, 3);
    EXPECT_EQ(f.LTc1.left(), f.lblD[3].left());
    EXPECT_EQ(f.LTc1.top(), f.lblD[3].top());
    f.cmdBack.onClick();
    EXPECT_TRUE(f.LTc1.visible());
    EXPECT_EQ(f.LTc1.top(), f.lblD[3].top());
    EXPECT_EQ(f.LTc1.caption(), "");
}

}  // namespace
