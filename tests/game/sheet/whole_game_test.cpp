// A whole two-player game through the real handlers, in both display modes: every computed row
// and grand total checked after every marking against a plain recomputation from the boxes.
#include <gtest/gtest.h>

#include "dialogs/records_store.h"
#include "tests/game/sheet/sheet_play.h"

namespace {

using namespace sheet_testing;

class WholeGame : public SheetGame, public ::testing::WithParamInterface<bool> {};

TEST_P(WholeGame, TwoPlayersFillTheirSheetsAndBothTotalsGoToTheRecords) {
    const bool running = GetParam();
    auto& f = start(2, running);
    services.dialogs.inputAnswers = {"Ana", "Bia"};
    const std::vector<Step> sheet1 = wholeSheet(1), sheet2 = wholeSheet(2);

    for (std::size_t i = 0; i < sheet1.size(); ++i) {
        for (int player : {1, 2}) {
            const Step& step = player == 1 ? sheet1[i] : sheet2[i];
            play(player, step);
            SCOPED_TRACE(testing::Message() << "marking " << i + 1 << " of player " << player
                                            << ": " << step.column << step.row);
            rt::Label& count = player == 1 ? f.lblTotJogador1 : f.lblTotJogador2;
            ASSERT_EQ(count.caption(), std::to_string(i + 1));
            expectRows(1, running);
            expectRows(2, running);
            if (running) {
                EXPECT_EQ(f.lblTgeral1.caption(), grandTotalText(expectedGrandTotal(f, 1)));
                EXPECT_EQ(f.lblTgeral2.caption(), grandTotalText(expectedGrandTotal(f, 2)));
            } else if (i + 1 < sheet1.size()) {
                // With completed sections only, no grand total before the sheet is full.
                EXPECT_EQ(f.lblTgeral1.caption(), "");
                EXPECT_EQ(f.lblTgeral2.caption(), "");
            }
            if (i + 1 < sheet1.size()) {
                // The turn passes: the other player's roll button, this player's back button.
                EXPECT_EQ(f.cmdPlay.visible(), player == 2);
                EXPECT_EQ(f.cmdPlay2.visible(), player == 1);
                EXPECT_EQ((player == 1 ? f.cmdBack : f.cmdBack2).visible(), true);
            }
        }
    }

    // Known totals: B 400 / 349, C 294, D 342, S 328.
    EXPECT_EQ(f.lblTgeral1.caption(), grandTotalText(1364));
    EXPECT_EQ(f.lblTgeral2.caption(), grandTotalText(1313));
    EXPECT_EQ(f.lblTgeral1.caption().substr(f.lblTgeral1.caption().size() - 5), " 1364");
    EXPECT_TRUE(f.lblTgeral1.visible());
    EXPECT_TRUE(f.lblTgeral2.visible());
    EXPECT_FALSE(f.cmdPlay.visible());
    EXPECT_FALSE(f.cmdPlay2.visible());
    EXPECT_FALSE(f.cmdBack.visible());
    EXPECT_FALSE(f.cmdBack2.visible());

    // Both totals were offered to the (empty) records table, which showed itself each time and
    // asked each player for a name, since both still had the default one.
    int shownModal = 0;
    for (const auto& shown : services.display.shown) shownModal += shown == "frmRecor (modal)";
    EXPECT_EQ(shownModal, 2);
    ASSERT_EQ(services.dialogs.inputs.size(), 2u);
    auto first = quopa::DecodificaRecorde(services.settings.values["Sething"]["DataNed1"]);
    auto second = quopa::DecodificaRecorde(services.settings.values["Sething"]["DataNed2"]);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->pontos, 1364);
    EXPECT_EQ(first->nome, "Ana");
    EXPECT_EQ(second->pontos, 1313);
    EXPECT_EQ(second->nome, "Bia");
}

INSTANTIATE_TEST_SUITE_P(BothModes, WholeGame, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Running" : "Sections"; });

TEST_F(SheetGame, OnePlayerGameEndsWithNoRollButtonAndAnEmptyDiceTable) {
    auto& f = start(1, false);
    services.dialogs.inputAnswers = {"Solo"};
    for (const Step& step : wholeSheet(1)) play(1, step);

    EXPECT_EQ(f.lblTotJogador1.caption(), "52");
    EXPECT_FALSE(f.cmdPlay.visible());
    EXPECT_FALSE(f.cmdPlay2.visible());
    EXPECT_FALSE(f.cmdBack.visible());
    for (rt::Image* die : {&f.imgSort1, &f.imgSort2, &f.imgSort3, &f.imgSort4, &f.imgSort5})
        EXPECT_TRUE(die->picture().empty());
    for (rt::Label* l :
         {&f.lblTrinca, &f.lblQuadra, &f.lblFull, &f.lblSegMn, &f.lblSegMx, &f.lblQuopa})
        EXPECT_FALSE(l->visible()) << l->name();
    EXPECT_TRUE(f.lblTgeral1.visible());
    EXPECT_EQ(f.lblTgeral1.caption(), grandTotalText(1364));
    expectRows(1, false);
    // The menus that change only between games are open again.
    EXPECT_TRUE(f.MnuJogado.enabled());
    EXPECT_TRUE(f.mnutentar.enabled());
    EXPECT_TRUE(f.mnuNovo.enabled());
}

// Switching the running totals on and off rewrites the computed rows, which recounts the rolls
// left: the one roll of a player with only column S left must stay used.
TEST_F(SheetGame, RecountAfterTheOneRollOfColumnSGivesNoSecondRoll) {
    auto& f = start(1, false);
    const std::vector<Step> steps = columnsBCDFirst();
    for (std::size_t i = 0; i < 39; ++i) play(1, steps[i]);
    ASSERT_TRUE(f.Jogad1.fontItalic());
    roll("12345");
    ASSERT_EQ(f.Jogad1.caption(), "0");
    for (int vez = 0; vez < 2; ++vez) {
        f.mnuTotal.click();
        EXPECT_EQ(f.Jogad1.caption(), "0") << vez;
        EXPECT_EQ(f.cmdPlay.caption(), "Mark points") << vez;
        EXPECT_FALSE(f.cmdPlay.enabled()) << vez;
    }
}

TEST_F(SheetGame, OnlyColumnSLeftCutsTheTurnToOneRoll) {
    auto& f = start(1, false);
    const std::vector<Step> steps = columnsBCDFirst();
    for (std::size_t i = 0; i < 39; ++i) play(1, steps[i]);
    EXPECT_TRUE(f.Jogad1.fontItalic());
    EXPECT_EQ(f.Jogad1.caption(), "1");
    for (std::size_t i = 39; i < steps.size(); ++i) play(1, steps[i]);
    EXPECT_EQ(f.lblTotJogador1.caption(), "52");
    expectRows(1, false);
}

}  // namespace
