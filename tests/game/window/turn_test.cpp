// The end of a turn after a marking, and the roll buttons following the rolls left.
#include <gtest/gtest.h>

#include <string>

#include "app/module1.h"
#include "tests/support/game_fixture.h"

namespace {

using quopa::LabelArray;
using testing_support::GameFixture;

constexpr int kLinhasDePontos[] = {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16};

class TurnHandOver : public GameFixture {};

// ---------------------------------------------------------------------------------------------
// What a turn's end leaves, by the number of players.

struct FimDeVez {
    const char* jogadores;
    bool cmdPlayVisivel;
    bool cmdPlay2Visivel;
};

class TurnEnd : public GameFixture, public ::testing::WithParamInterface<FimDeVez> {};

TEST_P(TurnEnd, PlayerOneMarking) {
    const FimDeVez& c = GetParam();
    services.settings.values["MainForm"]["Players"] = c.jogadores;
    load();
    roll("12345");
    roll("12345");
    mark(f().lblD, 5);

    EXPECT_EQ(f().NaoJogou1, 1);
    EXPECT_EQ(f().lblJogadas.caption(), "0");
    EXPECT_EQ(f().Jogad1.caption(), "3");
    EXPECT_EQ(f().cmdPlay.caption(), "&Roll  3");
    EXPECT_TRUE(f().cmdBack.visible());
    EXPECT_EQ(f().cmdPlay.visible(), c.cmdPlayVisivel);
    EXPECT_EQ(f().cmdPlay2.visible(), c.cmdPlay2Visivel);
    EXPECT_EQ(f().lblQuemJoga.caption(), "1") << "only the roll buttons set the player on turn";
    EXPECT_EQ(f().lblTotJogador1.caption(), "1");
    // The undo record holds the turn as it stood at the marking.
    EXPECT_EQ(f().lblVolta.caption(), "2");
    EXPECT_EQ(f().lblVolte11.caption(), "1");
}

INSTANTIATE_TEST_SUITE_P(Players, TurnEnd,
                         ::testing::Values(FimDeVez{"1", true, false}, FimDeVez{"2", false, true}),
                         [](const auto& info) {
                             return std::string("Players") + info.param.jogadores;
                         });

TEST_F(TurnHandOver, TwoPlayersAlternate) {
    services.settings.values["MainForm"]["Players"] = "2";
    load();
    roll("12345");
    mark(f().lblD, 1);
    ASSERT_TRUE(f().cmdPlay2.visible());
    EXPECT_EQ(f().cmdPlay2.caption(), "&Roll  3");

    roll("66666");
    roll("66666");
    roll("66666");
    EXPECT_EQ(f().Jogad2.caption(), "0");
    mark(f().lblDB, 16);
    EXPECT_EQ(f().NaoJogou2, 1);
    EXPECT_TRUE(f().cmdPlay.visible());
    EXPECT_FALSE(f().cmdPlay2.visible());
    EXPECT_TRUE(f().cmdBack2.visible());
    EXPECT_EQ(f().Jogad2.caption(), "3");
    EXPECT_EQ(f().cmdPlay2.caption(), "&Roll  3");
    EXPECT_EQ(f().lblTotJogador2.caption(), "1");
    EXPECT_EQ(f().lblVolta.caption(), "3");
    EXPECT_EQ(f().lblVolte12.caption(), "0");
    EXPECT_EQ(f().lblVolte11.caption(), "2") << "player 2 saves only his own counter";
}

// Fills every scoring box of a column with a zero, except the rows given.
void encheComZeros(LabelArray& column, std::initializer_list<int> exceto = {}) {
    for (int row : kLinhasDePontos)
        if (std::find(exceto.begin(), exceto.end(), row) == exceto.end())
            column[row].setCaption("0");
}

TEST_F(TurnHandOver, TheFiftySecondMarkingEndsThePlayersGame) {
    load();
    encheComZeros(f().lblB);
    encheComZeros(f().lblC);
    encheComZeros(f().lblD, {1});
    encheComZeros(f().lblS);
    f().lblTotJogador1.setCaption("51");
    roll("12345");

    mark(f().lblD, 1);

    EXPECT_EQ(f().lblTotJogador1.caption(), "52");
    EXPECT_EQ(f().lblSomaSelecionados.caption(), "");
    EXPECT_EQ(f().lblPontos.caption(), "");
    EXPECT_FALSE(f().LTc1.visible());
    EXPECT_FALSE(f().cmdBack.visible());
    EXPECT_EQ(f().lblJogadas.caption(), "1") << "the counter keeps its count";
    EXPECT_FALSE(f().cmdPlay.visible());
}

// ---------------------------------------------------------------------------------------------
// The roll button follows the rolls left.

struct SemJogadas {
    const char* idioma;
    const char* legenda;
};

class RollsLeft : public GameFixture, public ::testing::WithParamInterface<SemJogadas> {};

TEST_P(RollsLeft, NoneLeftAsksForAMarking) {
    load();
    quopa::Idioma = GetParam().idioma;
    roll("12345");
    roll("12345");
    f().imgSort1.setMousePointer(99);
    f().imgSort5.setMousePointer(99);
    roll("12345");
    EXPECT_EQ(f().Jogad1.caption(), "0");
    EXPECT_EQ(f().cmdPlay.caption(), GetParam().legenda);
    EXPECT_FALSE(f().cmdPlay.enabled());
    EXPECT_EQ(f().imgSort1.mousePointer(), 0);
    EXPECT_EQ(f().imgSort5.mousePointer(), 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, RollsLeft,
                         ::testing::Values(SemJogadas{"0", "Marcar pontos"},
                                           SemJogadas{"1", "Mark points"}),
                         [](const auto& info) {
                             return std::string("Idioma") + info.param.idioma;
                         });

TEST_F(TurnHandOver, OnlyColumnSLeftGivesOneRollATurnInItalics) {
    load();
    for (LabelArray* col : {&f().lblB, &f().lblC, &f().lblD})
        for (int row = 1; row <= 18; ++row)
            if (!(col == &f().lblD && row == 1)) (*col)[row].setCaption("0");
    EXPECT_FALSE(f().Jogad1.fontItalic());
    roll("12345");
    mark(f().lblD, 1, 2);

    EXPECT_TRUE(f().Jogad1.fontItalic());
    EXPECT_EQ(f().Jogad1.caption(), "1");
    EXPECT_EQ(f().cmdPlay.caption(), "&Roll  1");
    EXPECT_TRUE(f().cmdPlay.enabled());

    roll("12345");
    EXPECT_EQ(f().Jogad1.caption(), "0");
    EXPECT_FALSE(f().cmdPlay.enabled());
    mark(f().lblS, 1);
    EXPECT_EQ(f().cmdPlay.caption(), "&Roll  1") << "again at the start of the next turn";
}

// Computed rows filled early (running totals) make AtualizaJogadas run on every change of the
// counter; it must clear the italic font and keep the counter in step with the rolls made.
TEST_F(TurnHandOver, ComputedRowsFilledEarlyLeaveTheRollsAsTheyAre) {
    load();
    for (LabelArray* col : {&f().lblB, &f().lblC, &f().lblD}) {
        (*col)[9].setCaption("5");
        (*col)[18].setCaption("5");
    }
    f().Jogad1.setFontItalic(true);
    roll("12345");
    EXPECT_FALSE(f().Jogad1.fontItalic());
    EXPECT_EQ(f().Jogad1.caption(), "2");
    EXPECT_EQ(f().cmdPlay.caption(), "&Roll  2");
    roll("12345");
    EXPECT_EQ(f().Jogad1.caption(), "1");
}

TEST_F(TurnHandOver, RollsPerTurnOfFive) {
    services.settings.values["MainForm"]["Chances"] = "5";
    load();
    EXPECT_EQ(f().cmdPlay.caption(), "&Roll  5");
    for (int i = 4; i >= 1; --i) {
        roll("12345");
        EXPECT_EQ(f().cmdPlay.caption(), "&Roll  " + std::to_string(i));
    }
    mark(f().lblD, 2);
    EXPECT_EQ(f().Jogad1.caption(), "5");
}

// ---------------------------------------------------------------------------------------------
// The rolls-left update run by the sheet's change signals: with the running totals switched on
// late in a game (rows 9 and 18 of columns B, C and D all filled), it recounts a player's rolls.

// Boxes that give rows 9 and 18 of a player's columns B, C and D a total in the running mode.
void PreencheParaTotais(quopa::frmQUOPA& f, int player) {
    using testing_support::columnOf;
    columnOf(f, player, 'B')[1].setCaption("0");
    columnOf(f, player, 'C')[1].setCaption("0");
    columnOf(f, player, 'C')[16].setCaption("0");
    columnOf(f, player, 'D')[1].setCaption("0");
}

TEST_F(TurnHandOver, RecountDuringPlayerOnesTurnLeavesPlayerTwoAllHisRolls) {
    services.settings.values["MainForm"]["Players"] = "2";
    load();
    PreencheParaTotais(f(), 2);
    roll("12345");
    roll("12345");
    roll("12345");
    f().mnuTotal_Click();  // F7
    ASSERT_FALSE(f().lblDB[18].caption().empty());
    EXPECT_EQ(f().Jogad2.caption(), "3");

    mark(f().lblD, 2, 2);
    ASSERT_TRUE(f().cmdPlay2.visible());
    EXPECT_EQ(f().cmdPlay2.caption(), "&Roll  3");
    EXPECT_TRUE(f().cmdPlay2.enabled());
    roll("12345");
    EXPECT_EQ(f().Jogad2.caption(), "2");
    EXPECT_EQ(f().cmdPlay2.caption(), "&Roll  2");
}

TEST_F(TurnHandOver, RecountDuringARollLosesNoRoll) {
    load();
    PreencheParaTotais(f(), 1);
    roll("12345");
    scriptFaces("12345");
    f().cmdPlay_Click();
    f().mnuTotal_Click();  // F7 while the dice roll
    ASSERT_FALSE(f().lblD[18].caption().empty());
    EXPECT_FALSE(f().cmdPlay.enabled()) << "the roll button came back during the roll";
    finishRoll();
    EXPECT_EQ(f().lblJogadas.caption(), "2");
    EXPECT_EQ(f().Jogad1.caption(), "1");
    EXPECT_EQ(f().cmdPlay.caption(), "&Roll  1");
}

TEST_F(TurnHandOver, RecountWithNoRollLeftStillAsksForAMarking) {
    load();
    PreencheParaTotais(f(), 1);
    roll("12345");
    roll("12345");
    roll("12345");
    f().mnuTotal_Click();
    ASSERT_FALSE(f().lblD[18].caption().empty());
    EXPECT_EQ(f().Jogad1.caption(), "0");
    EXPECT_EQ(f().cmdPlay.caption(), "Mark points");
}

}  // namespace
