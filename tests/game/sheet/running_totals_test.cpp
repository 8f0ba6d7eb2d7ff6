// The running totals, the grand totals and the column change signals.
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "tests/game/sheet/sheet_play.h"

namespace {

using namespace sheet_testing;
using Boxes = std::vector<std::pair<int, std::string>>;

void fill(quopa::LabelArray& col, const Boxes& boxes) {
    for (const auto& [row, text] : boxes) col[row].setCaption(text);
}

class RunningTotals : public SheetGame {};

TEST_F(RunningTotals, PassOverAnEmptySheetWritesOnlyAZeroGrandTotal) {
    auto& f = start(1, true);
    expectRows(1, true);
    EXPECT_EQ(shownRows(f.lblB), ComputedRows{});
    EXPECT_EQ(f.lblTgeral1.caption(), "Total:   0");
    EXPECT_TRUE(f.lblTgeral1.visible());
}

TEST_F(RunningTotals, OptionStoredOnShowsEmptyTotalsUntilTheFirstChangeOfThatSheet) {
    services.settings.values["MainForm"]["Total"] = "True";
    auto& f = start(2, false);
    EXPECT_TRUE(f.lblTgeral1.visible());
    EXPECT_EQ(f.lblTgeral1.caption(), "");
    play(1, {'D', 5, 1, "55512", "", ""});
    EXPECT_EQ(f.lblTgeral1.caption(), "Total:   15");
    EXPECT_EQ(f.lblTgeral2.caption(), "");
}

// Upper boxes of column D and what the running mode shows, as the boxes are written one by one.
TEST_F(RunningTotals, UpperSectionRowsFollowEveryBox) {
    struct Case {
        Boxes boxes;
        ComputedRows rows;
    };
    const Case cases[] = {
        {{{1, "0"}, {2, "0"}, {3, "0"}, {4, "0"}, {5, "0"}}, {"0", "", "0", "", "0"}},
        {{{1, "0"}, {2, "0"}, {3, "0"}, {4, "0"}, {5, "0"}, {6, "0"}}, {"0", "/", "0", "", "0"}},
        {{{4, "16"}, {5, "20"}, {6, "24"}}, {"60", "+30", "90", "", "90"}},
        {{{2, "8"}, {3, "12"}, {4, "12"}, {5, "15"}, {6, "12"}}, {"59", "", "59", "", "59"}},
        {{{1, "1"}, {2, "4"}, {3, "9"}, {4, "12"}, {5, "15"}, {6, "18"}},
         {"59", "/", "59", "", "59"}},
        {{{1, "0"}, {2, "6"}, {3, "9"}, {4, "12"}, {5, "15"}, {6, "18"}},
         {"60", "+30", "90", "", "90"}},
        {{{1, "0"}, {2, "4"}, {3, "9"}, {4, "12"}, {5, "15"}, {6, "18"}},
         {"58", "/", "58", "", "58"}},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        auto& f = start(1, true);
        fill(f.lblD, c.boxes);
        EXPECT_EQ(shownRows(f.lblD), c.rows) << "case starting " << c.boxes[0].second;
    }
}

// Row 18 waits for the section that the column fills first.
TEST_F(RunningTotals, ColumnTotalFollowsTheColumnsGuard) {
    struct Case {
        char column;
        Boxes boxes;
        ComputedRows rows;
    };
    const Case cases[] = {
        {'C', {{16, " 75"}}, {"", "", "", "75", "75"}},
        {'C', {{6, "18"}}, {"18", "", "18", "", ""}},
        {'B', {{10, "36"}}, {"", "", "", "36", ""}},
        {'B', {{1, "3"}}, {"3", "", "3", "", "3"}},
        {'D', {{11, " 51"}}, {"", "", "", "51", "51"}},
        {'S', {{2, "4"}}, {"4", "", "4", "", "4"}},
        {'S', {{2, "4"}, {14, "9"}}, {"4", "", "4", "9", "13"}},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        start(1, true);
        fill(column(1, c.column), c.boxes);
        EXPECT_EQ(shownRows(column(1, c.column)), c.rows) << c.column << c.boxes[0].first;
    }
}

// The pass re-enters itself through the change signals; the equal-text rule alone ends the
// cascade, so every cell that a box write affects changes exactly once.
TEST_F(RunningTotals, EachComputedCellChangesOnceForABoxWrite) {
    auto& f = start(1, true);
    fill(f.lblD, {{10, "36"}});
    std::map<int, int> changes;
    auto signal = f.lblD.onChange;
    f.lblD.onChange = [&](int row) {
        ++changes[row];
        signal(row);
    };
    f.lblD[4].setCaption("16");
    EXPECT_EQ(changes, (std::map<int, int>{{4, 1}, {7, 1}, {9, 1}, {18, 1}}));
    EXPECT_EQ(shownRows(f.lblD), (ComputedRows{"16", "", "16", "36", "52"}));
}

TEST_F(RunningTotals, OptionOffRunsNoTotalsAndKeepsTheGrandTotalText) {
    auto& f = start(1, false);
    f.lblTgeral1.setCaption("Total:");
    fill(f.lblD, {{4, "16"}, {10, "36"}});
    EXPECT_EQ(shownRows(f.lblD), ComputedRows{});
    EXPECT_EQ(f.lblTgeral1.caption(), "Total:");
}

TEST_F(RunningTotals, HighestSheetGivesTheLargestGrandTotalRightAligned) {
    auto& f = start(1, true);
    const Boxes best = {{1, "5"},   {2, "10"},  {3, "15"},   {4, "20"},  {5, "25"},
                        {6, "30"},  {10, "44"}, {11, " 58"}, {12, "50"}, {13, "60"},
                        {15, "30"}, {14, "29"}, {16, " 80"}};
    for (char c : {'B', 'C', 'D', 'S'}) fill(column(1, c), best);
    for (char c : {'B', 'C', 'D', 'S'}) EXPECT_EQ(column(1, c)[18].caption(), "486");
    EXPECT_EQ(f.lblTgeral1.caption(), "Total:   1944");
    const std::string& total = f.lblTgeral1.caption();
    EXPECT_EQ(total.substr(total.size() - 5), " 1944");
}

TEST_F(RunningTotals, GrandTotalOfFullColumnsWaitsForAllFourColumnTotals) {
    auto& f = start(1, false);
    f.lblTgeral1.setVisible(false);
    for (char c : {'B', 'C', 'D'}) column(1, c)[18].setCaption("100");
    f.SomaTotalJogador1();
    EXPECT_EQ(f.lblTgeral1.caption(), "");
    EXPECT_FALSE(f.lblTgeral1.visible());
    f.lblS[18].setCaption("45");
    f.SomaTotalJogador1();
    EXPECT_EQ(f.lblTgeral1.caption(), "Total:   345");
    EXPECT_TRUE(f.lblTgeral1.visible());
}

// Columns B, C and D ask the turn flow whether only column S is left (it recomputes the rolls
// left from the rolls per turn) once rows 9 and 18 of all three are filled; column S never asks.
TEST_F(RunningTotals, ColumnsBCDAskForTheRollsLeftOnceTheirTotalsExist) {
    for (bool running : {false, true}) {
        TearDown();
        SetUp();
        auto& f = start(1, running);
        for (char c : {'B', 'C', 'D'})
            fill(column(1, c), {{1, "3"}, {10, "36"}, {9, "3"}, {17, "36"}, {18, "39"}});
        f.lblPodeJogar.setCaption("5");  // no handler: only a new question rewrites Jogad1
        f.lblS[4].setCaption("8");
        EXPECT_EQ(f.Jogad1.caption(), "3") << running;
        f.lblC[5].setCaption("10");
        EXPECT_EQ(f.Jogad1.caption(), "5") << running;
    }
}

}  // namespace
