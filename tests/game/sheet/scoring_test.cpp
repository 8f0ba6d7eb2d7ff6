// Scoring a box: the points of every row, the undo key and the end of the turn, and every reason
// a press is refused, in the order the tests are made.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/module1.h"
#include "tests/support/game_fixture.h"

namespace {

using quopa::frmQUOPA;
using quopa::LabelArray;
using Pressao = void (frmQUOPA::*)(int, int, int, float, float);

constexpr int kEsquerdo = 1;
constexpr int kDireito = 2;
constexpr int kMeio = 4;

// Everything a refused press must leave as it was.
struct Estado {
    std::vector<std::string> casas;
    std::string volta, jogadas, jogad1, jogad2, tot1, tot2;
    int16_t naoJogou1, naoJogou2;
    bool operator==(const Estado&) const = default;
};

Estado estado(frmQUOPA& f) {
    Estado e{{},
             f.cmdVolta.caption(),
             f.lblJogadas.caption(),
             f.Jogad1.caption(),
             f.Jogad2.caption(),
             f.lblTotJogador1.caption(),
             f.lblTotJogador2.caption(),
             f.NaoJogou1,
             f.NaoJogou2};
    for (LabelArray* column :
         {&f.lblB, &f.lblC, &f.lblD, &f.lblS, &f.lblBB, &f.lblCB, &f.lblDB, &f.lblSB})
        for (int row = 1; row <= 18; ++row) e.casas.push_back(column->operator[](row).caption());
    return e;
}

class Scoring : public testing_support::GameFixture {
  protected:
    // The screen pointer belongs to the whole program: start every test from the default one,
    // whatever an earlier test left.
    void SetUp() override {
        GameFixture::SetUp();
        rt::screen().setMousePointer(0);
    }
    void pressiona(Pressao handler, int row, int button) { (f().*handler)(row, button, 0, 0, 0); }
    // A press that must change nothing at all.
    void esperaRecusa(Pressao handler, int row, int button) {
        Estado antes = estado(f());
        pressiona(handler, row, button);
        EXPECT_TRUE(estado(f()) == antes) << "row " << row << ", button " << button;
    }
};

// ---------------------------------------------------------------------------------------------
// Points by row (column D takes any row).

struct Pontos {
    const char* dados;
    int linha;
    const char* texto;
};

void PrintTo(const Pontos& p, std::ostream* os) {
    *os << p.dados << " row " << p.linha;
}

const Pontos kPontos[] = {
    {"11134", 1, "3"},    {"22222", 2, "10"},   {"33335", 3, "12"},   {"44412", 4, "12"},
    {"55512", 5, "15"},   {"33335", 5, "5"},    {"66666", 6, "30"},   {"33335", 10, "32"},
    {"44442", 10, "36"},  {"44446", 10, "36"},  {"44444", 10, "36"},  {"61666", 10, "44"},
    {"33366", 11, " 51"}, {"25255", 11, " 49"}, {"51423", 12, "50"},  {"12345", 12, "50"},
    {"62435", 13, "60"},  {"33335", 14, "17"},  {"11112", 14, "6"},   {"66655", 15, "28"},
    {"66666", 16, " 80"}, {"44444", 16, " 70"}, {"11111", 16, " 55"},
};

class PointsByRow : public Scoring, public ::testing::WithParamInterface<Pontos> {};

TEST_P(PointsByRow, LeftPressWritesThePointsOfTheRow) {
    const Pontos& p = GetParam();
    load();
    roll(p.dados);
    pressiona(&frmQUOPA::lblD_MouseDown, p.linha, kEsquerdo);
    EXPECT_EQ(f().lblD[p.linha].caption(), p.texto);
    EXPECT_EQ(f().cmdVolta.caption(), "D" + std::to_string(p.linha));
}

INSTANTIATE_TEST_SUITE_P(Rows, PointsByRow, ::testing::ValuesIn(kPontos), [](const auto& info) {
    return "row" + std::to_string(info.param.linha) + "_" + info.param.dados;
});

TEST_F(Scoring, FourOfAKindReadsTheFaceInPortugueseToo) {
    load();
    quopa::Idioma = "0";
    roll("44442");
    pressiona(&frmQUOPA::lblD_MouseDown, 10, kEsquerdo);
    EXPECT_EQ(f().lblD[10].caption(), "36");
}

TEST_F(Scoring, MiddleButtonScoresLikeTheLeft) {
    load();
    roll("33335");
    pressiona(&frmQUOPA::lblD_MouseDown, 3, kMeio);
    EXPECT_EQ(f().lblD[3].caption(), "12");
}

TEST_F(Scoring, RightPressWritesZero) {
    load();
    roll("33335");
    pressiona(&frmQUOPA::lblD_MouseDown, 3, kDireito);
    EXPECT_EQ(f().lblD[3].caption(), "0");
    EXPECT_EQ(f().cmdVolta.caption(), "D3");
}

// ---------------------------------------------------------------------------------------------
// Every column writes its own undo key and ends its player's turn.

struct ColunaDoJogador {
    const char* nome;
    LabelArray frmQUOPA::*coluna;
    Pressao handler;
    int jogador;
    const char* dados;
    int linha;  // open on a fresh sheet
    const char* texto;
    const char* chave;
};

void PrintTo(const ColunaDoJogador& c, std::ostream* os) {
    *os << c.nome;
}

const ColunaDoJogador kColunas[] = {
    {"B", &frmQUOPA::lblB, &frmQUOPA::lblB_MouseDown, 1, "11123", 1, "3", "B1"},
    {"C", &frmQUOPA::lblC, &frmQUOPA::lblC_MouseDown, 1, "55555", 16, " 75", "C16"},
    {"D", &frmQUOPA::lblD, &frmQUOPA::lblD_MouseDown, 1, "33335", 3, "12", "D3"},
    {"S", &frmQUOPA::lblS, &frmQUOPA::lblS_MouseDown, 1, "33335", 10, "32", "S10"},
    {"BB", &frmQUOPA::lblBB, &frmQUOPA::lblBB_MouseDown, 2, "11123", 1, "3", "Bb1"},
    {"CB", &frmQUOPA::lblCB, &frmQUOPA::lblCB_MouseDown, 2, "55555", 16, " 75", "Cb16"},
    {"DB", &frmQUOPA::lblDB, &frmQUOPA::lblDB_MouseDown, 2, "33335", 3, "12", "Db3"},
    {"SB", &frmQUOPA::lblSB, &frmQUOPA::lblSB_MouseDown, 2, "33335", 10, "32", "Sb10"},
};

class EveryColumn : public Scoring, public ::testing::WithParamInterface<ColunaDoJogador> {
  protected:
    // Two players; when the column is player 2's, player 1 writes a zero first to pass the turn.
    void vezDoJogador(int jogador, const char* dados) {
        services.settings.values["MainForm"]["Players"] = "2";
        load();
        if (jogador == 2) {
            roll("12346");
            mark(f().lblS, 1, kDireito);
        }
        roll(dados);
    }
};

TEST_P(EveryColumn, WritesTheBoxStoresTheKeyAndEndsTheTurn) {
    const ColunaDoJogador& c = GetParam();
    vezDoJogador(c.jogador, c.dados);
    pressiona(c.handler, c.linha, kEsquerdo);
    EXPECT_EQ((f().*c.coluna)[c.linha].caption(), c.texto);
    EXPECT_EQ(f().cmdVolta.caption(), c.chave);
    const std::string& marcadas =
        (c.jogador == 1 ? f().lblTotJogador1 : f().lblTotJogador2).caption();
    EXPECT_EQ(marcadas, "1");
    EXPECT_EQ(c.jogador == 1 ? f().NaoJogou1 : f().NaoJogou2, 1);
    EXPECT_EQ(f().lblJogadas.caption(), "0");
}

TEST_P(EveryColumn, ASecondPressIsRefusedUntilTheNextRoll) {
    const ColunaDoJogador& c = GetParam();
    vezDoJogador(c.jogador, c.dados);
    pressiona(c.handler, c.linha, kEsquerdo);
    for (int row : {1, 2, 3, 10, 14, 15, 16}) {
        esperaRecusa(c.handler, row, kEsquerdo);
        esperaRecusa(c.handler, row, kDireito);
    }
}

TEST_P(EveryColumn, FilledBoxAndComputedRowsRefuseBothButtons) {
    const ColunaDoJogador& c = GetParam();
    vezDoJogador(c.jogador, c.dados);
    (f().*c.coluna)[c.linha].setCaption("0");
    for (int button : {kEsquerdo, kDireito, kMeio}) {
        esperaRecusa(c.handler, c.linha, button);
        for (int row : {7, 8, 9, 17, 18}) esperaRecusa(c.handler, row, button);
    }
}

INSTANTIATE_TEST_SUITE_P(Columns, EveryColumn, ::testing::ValuesIn(kColunas),
                         [](const auto& info) { return std::string(info.param.nome); });

// ---------------------------------------------------------------------------------------------
// The must-roll flag and the roll in progress.

TEST_F(Scoring, NothingCanBeMarkedBeforeTheFirstRoll) {
    load();
    esperaRecusa(&frmQUOPA::lblD_MouseDown, 3, kDireito);
    esperaRecusa(&frmQUOPA::lblB_MouseDown, 1, kDireito);
    esperaRecusa(&frmQUOPA::lblS_MouseDown, 1, kDireito);
}

TEST_F(Scoring, TheNextRollAllowsAMarkingAgain) {
    load();
    roll("33335");
    pressiona(&frmQUOPA::lblD_MouseDown, 3, kEsquerdo);
    esperaRecusa(&frmQUOPA::lblD_MouseDown, 5, kEsquerdo);
    roll("33335");
    pressiona(&frmQUOPA::lblD_MouseDown, 5, kEsquerdo);
    EXPECT_EQ(f().lblD[5].caption(), "5");
}

TEST_F(Scoring, TheOtherPlayersSheetRefusesWhileHisFlagIsSet) {
    services.settings.values["MainForm"]["Players"] = "2";
    load();
    roll("33335");
    esperaRecusa(&frmQUOPA::lblDB_MouseDown, 3, kEsquerdo);
    esperaRecusa(&frmQUOPA::lblBB_MouseDown, 1, kDireito);
}

TEST_F(Scoring, AfterAnUndoOnlyThePlayerOnTurnMayMark) {
    // The undo clears both flags; the other player must still not score these dice.
    services.settings.values["MainForm"]["Players"] = "2";
    load();
    roll("12346");
    mark(f().lblD, 1);
    roll("33335");
    mark(f().lblDB, 3);
    f().cmdBack2_Click();
    ASSERT_EQ(f().NaoJogou1, 0);
    esperaRecusa(&frmQUOPA::lblD_MouseDown, 3, kEsquerdo);
    esperaRecusa(&frmQUOPA::lblS_MouseDown, 1, kDireito);
    Estado antes = estado(f());
    f().lblSomaSelecionados_Click();
    EXPECT_TRUE(estado(f()) == antes);
    pressiona(&frmQUOPA::lblDB_MouseDown, 10, kEsquerdo);
    EXPECT_EQ(f().lblDB[10].caption(), "32");
    EXPECT_EQ(f().cmdVolta.caption(), "Db10");
}

TEST_F(Scoring, ARefusedPressLeavesTheMarksAlone) {
    load();
    roll("11111");
    ASSERT_EQ(f().lblB[1].mousePointer(), 10);
    f().NaoJogou1 = 1;
    for (Pressao handler : {&frmQUOPA::lblB_MouseDown, &frmQUOPA::lblC_MouseDown,
                            &frmQUOPA::lblD_MouseDown, &frmQUOPA::lblS_MouseDown})
        esperaRecusa(handler, 1, kEsquerdo);
    EXPECT_EQ(f().lblB[1].mousePointer(), 10);
    EXPECT_EQ(f().lblC[16].mousePointer(), 10);
    EXPECT_EQ(f().lblD[1].mousePointer(), 10);
}

TEST_F(Scoring, APressWhileTheDiceRollIsRefused) {
    load();
    roll("33335");  // four of a kind, not marked
    scriptFaces("12346");
    f().cmdPlay_Click();
    ASSERT_EQ(rt::screen().mousePointer(), 11);
    // The indicators still show the previous roll's four of a kind.
    esperaRecusa(&frmQUOPA::lblD_MouseDown, 10, kEsquerdo);
    esperaRecusa(&frmQUOPA::lblD_MouseDown, 14, kEsquerdo);
    esperaRecusa(&frmQUOPA::lblD_MouseDown, 3, kDireito);
    finishRoll();
    ASSERT_EQ(rt::screen().mousePointer(), 0);
    esperaRecusa(&frmQUOPA::lblD_MouseDown, 10, kEsquerdo);  // 1-2-3-4-6 is no four of a kind
    pressiona(&frmQUOPA::lblD_MouseDown, 3, kEsquerdo);
    EXPECT_EQ(f().lblD[3].caption(), "3");
}

// ---------------------------------------------------------------------------------------------
// Order rules of columns B and C hold for both buttons.

TEST_F(Scoring, ColumnBTakesOnlyItsFirstEmptyBoxFromTheTop) {
    load();
    roll("22222");
    esperaRecusa(&frmQUOPA::lblB_MouseDown, 2, kEsquerdo);
    esperaRecusa(&frmQUOPA::lblB_MouseDown, 2, kDireito);
    esperaRecusa(&frmQUOPA::lblB_MouseDown, 16, kDireito);
    pressiona(&frmQUOPA::lblB_MouseDown, 1, kDireito);
    EXPECT_EQ(f().lblB[1].caption(), "0");
    roll("22222");
    pressiona(&frmQUOPA::lblB_MouseDown, 2, kEsquerdo);
    EXPECT_EQ(f().lblB[2].caption(), "10");
}

TEST_F(Scoring, ColumnBGoesFromRowSixToRowTen) {
    load();
    for (int row = 1; row <= 6; ++row) f().lblB[row].setCaption("0");
    roll("44442");
    esperaRecusa(&frmQUOPA::lblB_MouseDown, 11, kDireito);
    pressiona(&frmQUOPA::lblB_MouseDown, 10, kEsquerdo);
    EXPECT_EQ(f().lblB[10].caption(), "36");
}

TEST_F(Scoring, ColumnCTakesOnlyItsFirstEmptyBoxFromTheBottom) {
    load();
    roll("55555");
    esperaRecusa(&frmQUOPA::lblC_MouseDown, 15, kEsquerdo);
    esperaRecusa(&frmQUOPA::lblC_MouseDown, 15, kDireito);
    esperaRecusa(&frmQUOPA::lblC_MouseDown, 1, kDireito);
    pressiona(&frmQUOPA::lblC_MouseDown, 16, kDireito);
    EXPECT_EQ(f().lblC[16].caption(), "0");
    roll("55555");
    pressiona(&frmQUOPA::lblC_MouseDown, 15, kEsquerdo);
    EXPECT_EQ(f().lblC[15].caption(), "25");
}

TEST_F(Scoring, ColumnCGoesFromRowTenToRowSix) {
    load();
    for (int row = 11; row <= 16; ++row) f().lblC[row].setCaption("0");
    roll("66612");
    // Row 10 is still empty: the upper section stays closed.
    esperaRecusa(&frmQUOPA::lblC_MouseDown, 6, kEsquerdo);
    esperaRecusa(&frmQUOPA::lblC_MouseDown, 6, kDireito);
    pressiona(&frmQUOPA::lblC_MouseDown, 10, kDireito);
    EXPECT_EQ(f().lblC[10].caption(), "0");
    roll("66612");
    esperaRecusa(&frmQUOPA::lblC_MouseDown, 5, kDireito);
    pressiona(&frmQUOPA::lblC_MouseDown, 6, kEsquerdo);
    EXPECT_EQ(f().lblC[6].caption(), "18");
}

// ---------------------------------------------------------------------------------------------
// Column S: points only with the first roll, a zero at any roll.

TEST_F(Scoring, ColumnSRefusesPointsAfterTheFirstRollButTakesAZero) {
    load();
    roll("33335");
    roll("33335");
    esperaRecusa(&frmQUOPA::lblS_MouseDown, 3, kEsquerdo);
    esperaRecusa(&frmQUOPA::lblS_MouseDown, 3, kMeio);
    pressiona(&frmQUOPA::lblS_MouseDown, 3, kDireito);
    EXPECT_EQ(f().lblS[3].caption(), "0");
    EXPECT_EQ(f().cmdVolta.caption(), "S3");
}

// ---------------------------------------------------------------------------------------------
// Conditions that fail: the left press is refused, the right one writes a zero.

struct SemPontos {
    const char* dados;
    int linha;
};

void PrintTo(const SemPontos& s, std::ostream* os) {
    *os << s.dados << " row " << s.linha;
}

const SemPontos kSemPontos[] = {
    {"23456", 1},  {"13456", 2},  {"12456", 3},  {"12356", 4},  {"12346", 5},
    {"12345", 6},  {"33366", 10}, {"12346", 10}, {"33335", 11}, {"44444", 11},
    {"11223", 11}, {"33335", 12}, {"12346", 12}, {"33335", 13}, {"12346", 13},
    {"13456", 13}, {"33456", 13}, {"33335", 16}, {"66665", 16},
};

class FailedCondition : public Scoring, public ::testing::WithParamInterface<SemPontos> {};

TEST_P(FailedCondition, LeftPressRefusedRightPressWritesZero) {
    const SemPontos& s = GetParam();
    load();
    roll(s.dados);
    esperaRecusa(&frmQUOPA::lblD_MouseDown, s.linha, kEsquerdo);
    pressiona(&frmQUOPA::lblD_MouseDown, s.linha, kDireito);
    EXPECT_EQ(f().lblD[s.linha].caption(), "0");
}

INSTANTIATE_TEST_SUITE_P(Rows, FailedCondition, ::testing::ValuesIn(kSemPontos),
                         [](const auto& info) {
                             return "row" + std::to_string(info.param.linha) + "_" +
                                    info.param.dados;
                         });

// ---------------------------------------------------------------------------------------------
// Minimum and maximum bind each other while the other box holds points.

TEST_F(Scoring, MinimumMustStayBelowTheMaximum) {
    load();
    roll("44444");
    pressiona(&frmQUOPA::lblD_MouseDown, 15, kEsquerdo);
    ASSERT_EQ(f().lblD[15].caption(), "20");
    roll("44444");
    esperaRecusa(&frmQUOPA::lblD_MouseDown, 14, kEsquerdo);
    roll("44443");
    pressiona(&frmQUOPA::lblD_MouseDown, 14, kEsquerdo);
    EXPECT_EQ(f().lblD[14].caption(), "19");
}

TEST_F(Scoring, ZeroMaximumFreesTheMinimum) {
    load();
    roll("66666");
    pressiona(&frmQUOPA::lblD_MouseDown, 15, kDireito);
    roll("66666");
    pressiona(&frmQUOPA::lblD_MouseDown, 14, kEsquerdo);
    EXPECT_EQ(f().lblD[14].caption(), "30");
}

TEST_F(Scoring, MaximumMustStayAboveTheMinimum) {
    load();
    roll("22233");
    pressiona(&frmQUOPA::lblD_MouseDown, 14, kEsquerdo);
    ASSERT_EQ(f().lblD[14].caption(), "12");
    roll("22233");
    esperaRecusa(&frmQUOPA::lblD_MouseDown, 15, kEsquerdo);
    roll("22234");
    pressiona(&frmQUOPA::lblD_MouseDown, 15, kEsquerdo);
    EXPECT_EQ(f().lblD[15].caption(), "13");
}

TEST_F(Scoring, MinimumAndMaximumBindOnlyWithinTheirColumn) {
    load();
    roll("44444");
    pressiona(&frmQUOPA::lblD_MouseDown, 15, kEsquerdo);
    roll("55555");
    pressiona(&frmQUOPA::lblS_MouseDown, 14, kEsquerdo);
    EXPECT_EQ(f().lblS[14].caption(), "25");
}

}  // namespace
