// The end of a player's game (the count of filled boxes reaching "52") and the new game.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/module1.h"
#include "dialogs/frm_recor.h"
#include "tests/game/sheet/sheet_play.h"

namespace {

using namespace sheet_testing;

class GameEnd : public SheetGame {
  protected:
    bool recordsShown() {
        const auto& shown = services.display.shown;
        return std::find(shown.begin(), shown.end(), "frmRecor (modal)") != shown.end();
    }
};

TEST_F(GameEnd, PlayerOnesCountOpensTheBetweenGamesMenus) {
    struct Case {
        const char* count;
        bool betweenGames;
        bool newGame;
    };
    auto& f = start(1, false);
    for (const Case& c :
         {Case{"1", false, true}, Case{"51", false, true}, Case{"0", true, false}}) {
        f.lblTotJogador1.setCaption(c.count);
        EXPECT_EQ(f.MnuJogado.enabled(), c.betweenGames) << c.count;
        EXPECT_EQ(f.mnutentar.enabled(), c.betweenGames) << c.count;
        EXPECT_EQ(f.mnuNovo.enabled(), c.newGame) << c.count;
    }
    // Player 2's count never touches the menus.
    f.lblTotJogador2.setCaption("7");
    EXPECT_TRUE(f.MnuJogado.enabled());
}

TEST_F(GameEnd, OnePlayersLastMarkingClearsTheDiceTableAndConsultsTheRecords) {
    auto& f = start(1, false);
    roll("55555");
    f.lblTotJogador1.setCaption("52");
    EXPECT_FALSE(f.cmdPlay.visible());
    EXPECT_FALSE(f.LTc1.visible());
    EXPECT_EQ(f.lblSomaSelecionados.caption(), "");
    EXPECT_TRUE(f.imgSort3.picture().empty());
    EXPECT_FALSE(f.lblQuopa.visible());
    EXPECT_TRUE(f.lblTgeral1.visible());
    EXPECT_EQ(f.lblTgeral1.caption(), "Total:   0");
    EXPECT_TRUE(f.mnuNovo.enabled());
    EXPECT_TRUE(f.MnuJogado.enabled());
    // A total of 0 beats nothing: the table unloads without showing itself.
    EXPECT_FALSE(recordsShown());
    EXPECT_FALSE(rt::FormInstance<quopa::frmRecor>::isLoaded());
}

TEST_F(GameEnd, PlayerOnesLastMarkingInATwoPlayerGameLeavesTheDiceForPlayerTwo) {
    auto& f = start(2, false);
    roll("55555");
    f.lblTotJogador1.setCaption("52");
    EXPECT_FALSE(f.cmdPlay.visible());
    EXPECT_TRUE(f.cmdPlay2.visible());
    EXPECT_EQ(f.lblJogadas.caption(), "0");
    EXPECT_FALSE(f.imgSort3.picture().empty());
    EXPECT_TRUE(f.lblQuopa.visible());
    EXPECT_TRUE(f.lblTgeral1.visible());

    f.lblTotJogador2.setCaption("52");
    EXPECT_FALSE(f.cmdPlay2.visible());
    EXPECT_TRUE(f.imgSort3.picture().empty());
    EXPECT_FALSE(f.lblQuopa.visible());
    EXPECT_EQ(f.lblTgeral2.caption(), "Total:   0");
    EXPECT_TRUE(f.lblTgeral2.visible());
}

// The number of players and the rolls per turn stay as they are from a game's first roll until
// every player's game has ended: switched in between, they would hide a sheet that can then
// never be finished, or give fresh rolls on dice already rolled.
TEST_F(GameEnd, BetweenGamesMenusCloseAtTheFirstRollAndStayClosedAfterAnUndo) {
    auto& f = start(1, false);
    ASSERT_TRUE(f.MnuJogado.enabled());
    ASSERT_TRUE(f.mnutentar.enabled());
    roll("12345");
    EXPECT_FALSE(f.MnuJogado.enabled());
    EXPECT_FALSE(f.mnutentar.enabled());
    click(f.lblD, 1);
    f.cmdBack.onClick();
    ASSERT_EQ(f.lblTotJogador1.caption(), "0");
    EXPECT_FALSE(f.MnuJogado.enabled());
    EXPECT_FALSE(f.mnutentar.enabled());
}

TEST_F(GameEnd, BetweenGamesMenusOpenOnlyWhenPlayerTwosGameHasEndedToo) {
    auto& f = start(2, false);
    services.dialogs.inputAnswers = {"Ana", "Bia"};
    const auto sheet1 = wholeSheet(1);
    const auto sheet2 = wholeSheet(2);
    for (std::size_t i = 0; i < sheet1.size(); ++i) {
        play(1, sheet1[i]);
        ASSERT_FALSE(f.MnuJogado.enabled()) << "after player 1's marking " << i + 1;
        ASSERT_FALSE(f.mnutentar.enabled()) << "after player 1's marking " << i + 1;
        play(2, sheet2[i]);
        const bool over = i + 1 == sheet2.size();
        ASSERT_EQ(f.MnuJogado.enabled(), over) << "after player 2's marking " << i + 1;
        ASSERT_EQ(f.mnutentar.enabled(), over) << "after player 2's marking " << i + 1;
    }
    EXPECT_EQ(f.lblTotJogador2.caption(), "52");
}

// --- New game -------------------------------------------------------------------------------

TEST_F(GameEnd, NewGameBeforeTheFirstMarkingDoesNothing) {
    auto& f = start(1, false);
    roll("33312");
    f.mnuNovo_Click();
    EXPECT_TRUE(services.dialogs.messages.empty());
    EXPECT_EQ(f.lblJogadas.caption(), "1");
}

TEST_F(GameEnd, NewGameInProgressAsksAndNoChangesNothing) {
    quopa::Idioma = "0";
    auto& f = start(2, false);
    roll("33312");
    click(f.lblD, 3);
    roll("44412");
    services.dialogs.answers = {rt::kAnswerNo};
    f.mnuNovo.click();
    ASSERT_EQ(services.dialogs.messages.size(), 1u);
    EXPECT_EQ(services.dialogs.messages[0].prompt, "Iniciar novo jogo?");
    EXPECT_EQ(services.dialogs.messages[0].title, "Novo jogo");
    EXPECT_EQ(services.dialogs.messages[0].style, 36);
    EXPECT_EQ(f.lblD[3].caption(), "9");
    EXPECT_EQ(f.lblTotJogador1.caption(), "1");
    EXPECT_EQ(f.lblJogadas.caption(), "1");
    EXPECT_EQ(f.Label1.caption(), "4");
    EXPECT_TRUE(f.cmdPlay2.visible());
}

// After Yes, and after a finished game without a question, the board is as at the start.
TEST_F(GameEnd, NewGameResetsTheBoard) {
    for (bool finished : {false, true}) {
        for (bool running : {false, true}) {
            TearDown();
            SetUp();
            auto& f = start(2, running);
            services.dialogs.inputAnswers = {"Ana", "Bia"};
            const auto sheet = wholeSheet(1);
            const std::size_t turns = finished ? sheet.size() : 3;
            for (std::size_t i = 0; i < turns; ++i) {
                play(1, sheet[i]);
                if (i + 1 < turns || finished) play(2, sheet[i]);
            }
            services.dialogs.messages.clear();
            f.mnuNovo.click();
            EXPECT_EQ(services.dialogs.messages.size(), finished ? 0u : 1u);

            SCOPED_TRACE(testing::Message() << "finished " << finished << " running " << running);
            EXPECT_EQ(f.NaoJogou1, 1);
            EXPECT_EQ(f.NaoJogou2, 1);
            for (int player : {1, 2})
                for (char c : {'B', 'C', 'D', 'S'})
                    for (int row = 1; row <= 18; ++row)
                        EXPECT_EQ(column(player, c)[row].caption(), "") << c << row;
            for (rt::Image* die :
                 {&f.imgSort1, &f.imgSort2, &f.imgSort3, &f.imgSort4, &f.imgSort5}) {
                EXPECT_EQ(die->picture(), f.imgTMPx[1].picture());
                EXPECT_EQ(die->top(), 1380);
            }
            for (rt::Label* face : {&f.Label1, &f.Label2, &f.Label3, &f.Label4, &f.Label5})
                EXPECT_EQ(face->caption(), "0");
            EXPECT_EQ(f.cmdVolta.caption(), "cmdvolta");
            EXPECT_EQ(f.lblTotJogador1.caption(), "0");
            EXPECT_EQ(f.lblTotJogador2.caption(), "0");
            EXPECT_EQ(f.lblJogadas.caption(), "0");
            EXPECT_EQ(f.cmdPlay.caption(), "&Roll  3");
            EXPECT_TRUE(f.cmdPlay.visible());
            EXPECT_FALSE(f.cmdPlay2.visible());
            EXPECT_FALSE(f.cmdBack.visible());
            EXPECT_FALSE(f.cmdBack2.visible());
            EXPECT_FALSE(f.Jogad1.fontItalic());
            EXPECT_EQ(f.lblTgeral1.caption(), "");
            EXPECT_EQ(f.lblTgeral2.caption(), "");
            EXPECT_EQ(f.lblTgeral1.visible(), running);
            EXPECT_EQ(f.lblTgeral2.visible(), running);
            EXPECT_FALSE(f.mnuNovo.enabled());
            EXPECT_TRUE(f.MnuJogado.enabled());
            // Nobody marks before rolling.
            click(f.lblD, 16, 2);
            EXPECT_EQ(f.lblD[16].caption(), "");
        }
    }
}

TEST_F(GameEnd, HighScoreMenuShowsTheTableModally) {
    auto& f = start(1, false);
    f.mnuPlacar.click();
    EXPECT_TRUE(recordsShown());
    EXPECT_FALSE(rt::FormInstance<quopa::frmRecor>::isLoaded());
}

}  // namespace
