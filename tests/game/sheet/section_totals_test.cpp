// Completed-section totals and their rebuild when the running mode is switched off.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/game/sheet/sheet_play.h"

namespace {

using namespace sheet_testing;
using Boxes = std::vector<std::pair<int, std::string>>;

class SectionTotals : public SheetGame {};

void fillBoxes(quopa::LabelArray& col, const Boxes& boxes) {
    for (const auto& [row, text] : boxes) col[row].setCaption(text);
}

// The boxes are written, then a release over column D (which always totals) shows the rows.
TEST_F(SectionTotals, SectionRowsAppearOnlyWhenTheSectionIsComplete) {
    struct Case {
        Boxes boxes;
        ComputedRows rows;
    };
    const Boxes lower150 = {{10, "24"}, {11, " 41"}, {12, "0"}, {13, "60"},
                            {14, "8"},  {15, "17"},  {16, "0"}};
    Boxes both = {{1, "3"}, {2, "8"}, {3, "12"}, {4, "16"}, {5, "15"}, {6, "18"}};
    both.insert(both.end(), lower150.begin(), lower150.end());
    const Case cases[] = {
        {{{1, "0"}, {2, "6"}, {3, "9"}, {4, "12"}, {5, "15"}, {6, "18"}},
         {"60", "+30", "90", "", ""}},
        {{{1, "1"}, {2, "4"}, {3, "9"}, {4, "12"}, {5, "15"}, {6, "18"}},
         {"59", "/", "59", "", ""}},
        {{{1, "0"}, {2, "0"}, {3, "0"}, {4, "0"}, {5, "0"}, {6, "0"}}, {"0", "/", "0", "", ""}},
        {{{2, "10"}, {3, "15"}, {4, "20"}, {5, "25"}, {6, "30"}}, {}},
        {lower150, {"", "", "", "150", ""}},
        {both, {"72", "+30", "102", "150", "252"}},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        auto& f = start(1, false);
        fillBoxes(f.lblD, c.boxes);
        EXPECT_EQ(shownRows(f.lblD), ComputedRows{});
        f.lblD.onMouseUp(c.boxes.back().first, 1, 0, 0, 0);
        EXPECT_EQ(shownRows(f.lblD), c.rows) << "case ending in row " << c.boxes.back().first;
    }
}

TEST_F(SectionTotals, ColumnProcedureNeverClearsARow) {
    auto& f = start(1, false);
    fillBoxes(f.lblB, {{1, "3"}, {7, "old"}, {17, "kept"}});
    f.TotalizaColunaB();
    EXPECT_EQ(f.lblB[7].caption(), "old");
    EXPECT_EQ(f.lblB[17].caption(), "kept");
}

// Column C fills bottom-up: its lower section is complete first and shows its total alone.
TEST_F(SectionTotals, LowerSectionCompletedBeforeTheUpperOne) {
    auto& f = start(1, false);
    const std::vector<Step> sheet = wholeSheet(1);
    std::vector<Step> columnC;
    for (const Step& s : sheet)
        if (s.column == 'C') columnC.push_back(s);
    for (int i = 0; i < 7; ++i) play(1, columnC[static_cast<std::size_t>(i)]);
    EXPECT_EQ(shownRows(f.lblC), (ComputedRows{"", "", "", "252", ""}));
    for (int i = 7; i < 13; ++i) play(1, columnC[static_cast<std::size_t>(i)]);
    EXPECT_EQ(shownRows(f.lblC), (ComputedRows{"42", "/", "42", "252", "294"}));
}

TEST_F(SectionTotals, SwitchingTheRunningModeOffMidGameKeepsOnlyCompleteSections) {
    auto& f = start(2, true);
    const std::vector<Step> sheet1 = wholeSheet(1), sheet2 = wholeSheet(2);
    // Six rounds: column B's upper section is complete, nothing else is.
    for (std::size_t i = 0; i < 24; ++i) {
        play(1, sheet1[i]);
        play(2, sheet2[i]);
    }
    EXPECT_NE(f.lblC[17].caption(), "");  // the running mode shows the incomplete section
    f.mnuTotal.click();
    EXPECT_FALSE(f.mnuTotal.checked());
    expectRows(1, false);
    expectRows(2, false);
    EXPECT_EQ(f.lblB[9].caption(), "93");
    EXPECT_EQ(f.lblB[18].caption(), "");
    EXPECT_EQ(f.lblTgeral1.caption(), "Total:");
    EXPECT_EQ(f.lblTgeral2.caption(), "Total:");
    EXPECT_FALSE(f.lblTgeral1.visible());
    EXPECT_FALSE(f.lblTgeral2.visible());

    // Back on: every computed row in the running form again, both totals shown.
    f.mnuTotal.click();
    expectRows(1, true);
    expectRows(2, true);
    EXPECT_EQ(f.lblTgeral1.caption(), grandTotalText(expectedGrandTotal(f, 1)));
    EXPECT_TRUE(f.lblTgeral2.visible());
}

TEST_F(SectionTotals, SwitchingOffOnAnEmptySheetLeavesEveryRowEmpty) {
    auto& f = start(2, true);
    f.mnuTotal.click();
    for (int player : {1, 2})
        for (char c : {'B', 'C', 'D', 'S'}) EXPECT_EQ(shownRows(column(player, c)), ComputedRows{});
}

}  // namespace
