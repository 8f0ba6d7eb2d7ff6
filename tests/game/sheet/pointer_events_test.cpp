// Pointer moves and releases over the sheet, and the click on the held-dice sum.
#include <gtest/gtest.h>

#include "runtime/app.h"
#include "tests/game/sheet/sheet_play.h"

namespace {

using namespace sheet_testing;

class ColumnPointer : public SheetGame {
  protected:
    void move(quopa::LabelArray& col, int row) { col.onMouseMove(row, 0, 0, 0, 0); }
    void release(quopa::LabelArray& col, int row) { col.onMouseUp(row, 1, 0, 0, 0); }
    // Fills a whole section's boxes without totals (section mode, no release).
    void fillUpper(quopa::LabelArray& col) {
        for (int row = 1; row <= 6; ++row) col[row].setCaption(std::to_string(row));
    }
};

// Which columns total their sections on a release over a computed row: D always, B and C never.
TEST_F(ColumnPointer, ReleaseOnAComputedRowTotalsByTheColumnsTableButMovesNoCursor) {
    services.settings.values["MainForm"]["Keyboard"] = "True";
    auto& f = start(1, false);
    for (char c : {'B', 'C', 'D'}) fillUpper(column(1, c));
    const int cursorTop = f.LTc1.top();
    for (int row : {7, 8, 9, 17, 18}) {
        release(f.lblB, row);
        release(f.lblC, row);
    }
    EXPECT_EQ(f.lblB[7].caption(), "");
    EXPECT_EQ(f.lblC[7].caption(), "");
    release(f.lblD, 8);
    EXPECT_EQ(f.lblD[7].caption(), "21");
    EXPECT_EQ(f.LTc1.top(), cursorTop);
    // Column B totals on its last boxes of a section.
    release(f.lblB, 6);
    EXPECT_EQ(f.lblB[9].caption(), "21");
}

TEST_F(ColumnPointer, AnyReleaseOnTheOwnSheetEnablesTheRollButtonAgain) {
    auto& f = start(1, false);
    roll("12346");
    roll("12346");
    roll("12346");
    ASSERT_FALSE(f.cmdPlay.enabled());
    click(f.lblB, 5);  // refused: column B opens row 1 only
    EXPECT_EQ(f.lblB[5].caption(), "");
    EXPECT_TRUE(f.cmdPlay.enabled());
}

// Column S totals after a zero at a later roll (the turn has ended, the counter reads 0), but
// not after a refused left press at the second roll (the counter reads 2).
TEST_F(ColumnPointer, ColumnSTotalsFollowTheRollCounter) {
    auto& f = start(1, false);
    fillUpper(f.lblS);  // complete, not yet totalled
    roll("66612");
    roll("66612");
    click(f.lblS, 10, 1);
    EXPECT_EQ(f.lblS[10].caption(), "");
    EXPECT_EQ(f.lblS[7].caption(), "");
    click(f.lblS, 10, 2);
    EXPECT_EQ(f.lblS[10].caption(), "0");
    EXPECT_EQ(f.lblS[9].caption(), "21");
}

TEST_F(ColumnPointer, KeyboardCursorFollowsTheReleasedBoxOnlyInKeyboardPlay) {
    for (bool keyboard : {false, true}) {
        TearDown();
        SetUp();
        services.settings.values["MainForm"]["Keyboard"] = keyboard ? "True" : "False";
        auto& f = start(2, false);
        const int left = f.LTc2.left(), top = f.LTc2.top(), width = f.LTc2.width();
        roll("12345");
        click(f.lblD, 12);
        roll("55555");
        click(f.lblCB, 16);
        if (keyboard) {
            EXPECT_EQ(f.LTc2.left(), f.lblCB[16].left());
            EXPECT_EQ(f.LTc2.top(), f.lblCB[16].top());
            EXPECT_EQ(f.LTc2.width(), f.lblCB[16].width());
        } else {
            EXPECT_EQ(f.LTc2.left(), left);
            EXPECT_EQ(f.LTc2.top(), top);
            EXPECT_EQ(f.LTc2.width(), width);
        }
    }
}

TEST_F(ColumnPointer, MovesRefreshMarksExceptWhileTheDiceRoll) {
    auto& f = start(1, false);
    roll("11234");
    f.LimpaDestaque1();
    ASSERT_EQ(f.lblB[1].mousePointer(), 0);
    move(f.lblB, 3);
    EXPECT_EQ(f.lblB[1].mousePointer(), rt::kPointerUpArrow);
    move(f.lblC, 3);
    EXPECT_EQ(f.lblC[16].mousePointer(), 0);  // no five of a kind
    move(f.lblS, 1);
    EXPECT_EQ(f.lblS[1].mousePointer(), rt::kPointerUpArrow);
    // Over column D the marks are cleared once the player has marked (must-roll flag 1).
    f.NaoJogou1 = 1;
    move(f.lblD, 1);
    EXPECT_EQ(f.lblB[1].mousePointer(), 0);

    // While the dice roll nothing is refreshed (the faces being rolled read "0"), also after a
    // layout pass has put the default pointer back.
    scriptFaces("11234");
    f.cmdPlay_Click();
    rt::screen().setMousePointer(rt::kPointerDefault);
    move(f.lblB, 3);
    move(f.lblS, 1);
    EXPECT_EQ(f.lblB[1].mousePointer(), 0);
    EXPECT_EQ(f.lblS[1].mousePointer(), 0);
}

TEST_F(ColumnPointer, ColumnSIsNotMarkedOutsideTheFirstRollOrWhenOnlyItIsLeft) {
    auto& f = start(1, false);
    roll("11234");
    f.LimpaDestaqueS1();
    f.Jogad1.setFontItalic(true);
    move(f.lblS, 1);
    EXPECT_EQ(f.lblS[1].mousePointer(), 0);
    f.Jogad1.setFontItalic(false);
    roll("11234");
    move(f.lblS, 1);
    EXPECT_EQ(f.lblS[1].mousePointer(), 0);
    // Nor once the turn has ended: the dice still on the table belong to the turn just marked.
    click(f.lblD, 1);
    ASSERT_EQ(f.lblJogadas.caption(), "0");
    move(f.lblS, 1);
    EXPECT_EQ(f.lblS[1].mousePointer(), 0);
}

TEST_F(ColumnPointer, ClickOnTheHeldSumWritesAZeroIntoBoxOneOfColumnS) {
    auto& f = start(2, false);
    f.lblSomaSelecionados.onClick();  // no roll yet: refused
    EXPECT_EQ(f.lblS[1].caption(), "");
    roll("11234");
    f.lblSomaSelecionados.onClick();
    EXPECT_EQ(f.lblS[1].caption(), "0");
    EXPECT_EQ(f.cmdVolta.caption(), "S1");
    EXPECT_EQ(f.lblTotJogador1.caption(), "1");
    EXPECT_TRUE(f.cmdPlay2.visible());
    f.cmdBack.onClick();
    EXPECT_EQ(f.lblS[1].caption(), "");
    f.lblSomaSelecionados.onClick();
    f.lblSomaSelecionados.onClick();  // box filled, flag 1: nothing
    EXPECT_EQ(f.lblTotJogador1.caption(), "1");
}

}  // namespace
