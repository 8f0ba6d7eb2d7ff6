// The evaluation of a roll: the faces, their sum, the combination indicators with their captions,
// the applause and complaint, and which columns get marked after which roll.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <sstream>
#include <string>

#include "app/module1.h"
#include "resources/resources.h"
#include "tests/support/game_fixture.h"

namespace {

using quopa::LabelArray;
using testing_support::GameFixture;

constexpr int kAplauso = 1;
constexpr int kReclamacao = 3;

int vezesTocado(testing_support::FakeServices& s, int id) {
    int n = 0;
    for (const auto& wav : s.sound.played)
        if (wav == quopa::resources::sound(id)) ++n;
    return n;
}

// Fills every scoring box of a column with a zero, except the rows given.
void encheComZeros(LabelArray& column, std::initializer_list<int> exceto = {}) {
    for (int row : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16})
        if (std::find(exceto.begin(), exceto.end(), row) == exceto.end())
            column[row].setCaption("0");
}

int marcadas(LabelArray& column, int pointer) {
    int n = 0;
    for (int row = 1; row <= 18; ++row)
        if (column[row].mousePointer() == pointer) ++n;
    return n;
}

// ---------------------------------------------------------------------------------------------
// The indicators, table-driven over the faces (English captions). Rolls separated by a blank are
// made in turn; the indicators are those of the last, whatever the roll before showed.

struct Combinacao {
    const char* dados;
    const char* pontos;
    bool trinca, quadra, full, segMn, segMx, quopa;
    const char* textoTrinca;  // checked only when shown
    const char* textoQuadra;
};

void PrintTo(const Combinacao& c, std::ostream* os) {
    *os << c.dados;
}

const Combinacao kCombinacoes[] = {
    // faces    sum   trinca quadra full   segMn  segMx  quopa
    {"33335", "17", true, true, false, false, false, false, "Three of 3", "Four of 3"},
    {"25255", "19", true, false, true, false, false, false, "Three of 5", ""},
    {"44444", "20", true, true, false, false, false, true, "Three of 4", "Four of 4"},
    {"51423", "15", false, false, false, true, false, false, "", ""},
    {"62435", "20", false, false, false, false, true, false, "", ""},
    {"12346", "16", false, false, false, false, false, false, "", ""},
    {"11223", "9", false, false, false, false, false, false, "", ""},  // two pairs
    {"61666", "25", true, true, false, false, false, false, "Three of 6", "Four of 6"},
    {"26622", "18", true, false, true, false, false, false, "Three of 2", ""},
    {"12345", "15", false, false, false, true, false, false, "", ""},
    {"65432", "20", false, false, false, false, true, false, "", ""},
    // Five of a kind is never a full house, not even right after one; a full house right after
    // five of a kind is one again.
    {"25255 33333", "15", true, true, false, false, false, true, "Three of 3", "Four of 3"},
    {"33333 25255", "19", true, false, true, false, false, false, "Three of 5", ""},
};

class CombinationIndicators : public GameFixture,
                              public ::testing::WithParamInterface<Combinacao> {};

TEST_P(CombinationIndicators, FollowTheFaces) {
    const Combinacao& c = GetParam();
    load();
    std::istringstream lances(c.dados);
    std::string ultimo;
    while (lances >> ultimo) roll(ultimo);
    EXPECT_EQ(f().lblResultado.caption(), ultimo);
    EXPECT_EQ(f().lblPontos.caption(), c.pontos);
    EXPECT_EQ(f().lblTrinca.visible(), c.trinca);
    EXPECT_EQ(f().lblQuadra.visible(), c.quadra);
    EXPECT_EQ(f().lblFull.visible(), c.full);
    EXPECT_EQ(f().lblSegMn.visible(), c.segMn);
    EXPECT_EQ(f().lblSegMx.visible(), c.segMx);
    EXPECT_EQ(f().lblQuopa.visible(), c.quopa);
    if (c.trinca) {
        EXPECT_EQ(f().lblTrinca.caption(), c.textoTrinca);
    }
    if (c.quadra) {
        EXPECT_EQ(f().lblQuadra.caption(), c.textoQuadra);
    }
}

INSTANTIATE_TEST_SUITE_P(Faces, CombinationIndicators, ::testing::ValuesIn(kCombinacoes),
                         [](const auto& info) {
                             std::string nome = std::string("dice_") + info.param.dados;
                             std::replace(nome.begin(), nome.end(), ' ', '_');
                             return nome;
                         });

class CombinationEvaluation : public GameFixture {};

TEST_F(CombinationEvaluation, FiveOfAKindAfterAStraightHidesTheStraight) {
    load();
    roll("62435");
    ASSERT_TRUE(f().lblSegMx.visible());
    roll("66666");
    EXPECT_TRUE(f().lblQuopa.visible());
    EXPECT_TRUE(f().lblTrinca.visible());
    EXPECT_TRUE(f().lblQuadra.visible());
    EXPECT_FALSE(f().lblFull.visible());
    EXPECT_FALSE(f().lblSegMx.visible());
    EXPECT_FALSE(f().lblSegMn.visible());
    EXPECT_EQ(f().lblQuadra.caption(), "Four of 6");
}

TEST_F(CombinationEvaluation, CaptionsInPortuguese) {
    load();
    quopa::Idioma = "0";
    roll("33335");
    EXPECT_EQ(f().lblTrinca.caption(), "Trinca de 3");
    EXPECT_EQ(f().lblQuadra.caption(), "Quadra de 3");
    EXPECT_EQ(f().lblSegMx.caption(), "Seguida Máxima");
    EXPECT_EQ(f().lblSegMn.caption(), "Seguida Mínima");
}

TEST_F(CombinationEvaluation, StraightCaptionsFollowTheLanguageAtEveryRoll) {
    load();
    quopa::Idioma = "0";
    roll("12346");
    quopa::Idioma = "1";
    roll("12346");
    EXPECT_EQ(f().lblSegMx.caption(), "Maxim Straight");
    EXPECT_EQ(f().lblSegMn.caption(), "Minim Straight");
}

TEST_F(CombinationEvaluation, TwoPairsKeepTheLastTripleCaption) {
    // A roll without a triple leaves the hidden caption as it was: only a triple writes it.
    load();
    roll("25255");
    roll("11223");
    EXPECT_FALSE(f().lblTrinca.visible());
    EXPECT_EQ(f().lblTrinca.caption(), "Three of 5");
}

TEST_F(CombinationEvaluation, DiceStillToBeRolledMakeNoCombination) {
    load();
    roll("12346");
    for (rt::Label* face : {&f().Label1, &f().Label2, &f().Label3, &f().Label4, &f().Label5})
        face->setCaption("0");
    int16_t sons = 0;
    f().VerificaCombinacoes(sons);
    EXPECT_EQ(f().lblResultado.caption(), "00000");
    EXPECT_EQ(f().lblPontos.caption(), "0");
    EXPECT_FALSE(f().lblTrinca.visible());
    EXPECT_FALSE(f().lblQuopa.visible());
}

// ---------------------------------------------------------------------------------------------
// Sounds: only with Sons = 1.

TEST_F(CombinationEvaluation, ApplausePlaysForFiveOfAKindAfterARoll) {
    load();
    roll("44444");
    EXPECT_EQ(vezesTocado(services, kAplauso), 1);
}

TEST_F(CombinationEvaluation, NoApplauseWhenSilent) {
    load();
    roll("44444");
    services.sound.played.clear();
    int16_t sons = 0;
    f().VerificaCombinacoes(sons);
    EXPECT_EQ(vezesTocado(services, kAplauso), 0);
    EXPECT_TRUE(f().lblQuopa.visible());
    EXPECT_EQ(sons, 0);
}

TEST_F(CombinationEvaluation, NoApplauseForFourOfAKind) {
    load();
    roll("44443");
    EXPECT_EQ(vezesTocado(services, kAplauso), 0);
}

// ---------------------------------------------------------------------------------------------
// Marks, complaint and zero marks.

class CombinationMarks : public GameFixture {
  protected:
    // A sheet where nothing but a 1 in column B or five of a kind in column C takes points after
    // the first roll: column D is full.
    void semLugarParaOsDados() { encheComZeros(f().lblD); }
};

TEST_F(CombinationMarks, ColumnSIsMarkedAfterTheFirstRollOnly) {
    load();
    roll("33335");
    EXPECT_GT(marcadas(f().lblS, 10), 0);
    EXPECT_GT(marcadas(f().lblD, 10), 0);
    EXPECT_EQ(f().lblTermOquePor.caption(), "1");
    roll("33335");
    EXPECT_EQ(marcadas(f().lblS, 10), 0);
    EXPECT_GT(marcadas(f().lblD, 10), 0);
}

TEST_F(CombinationMarks, LastRollWithNoBoxComplainsOnceAndMarksZeros) {
    load();
    semLugarParaOsDados();
    roll("23466");
    roll("23466");
    EXPECT_EQ(vezesTocado(services, kReclamacao), 0);
    EXPECT_EQ(marcadas(f().lblC, 12), 0);
    roll("23466");
    EXPECT_EQ(f().lblTermOquePor.caption(), "0");
    EXPECT_EQ(vezesTocado(services, kReclamacao), 1);
    EXPECT_EQ(f().lblC[16].mousePointer(), 12);  // the first free box from the bottom
    EXPECT_EQ(marcadas(f().lblC, 12), 1);
    EXPECT_EQ(f().lblB[1].mousePointer(), 12);  // the first free box from the top
    EXPECT_EQ(marcadas(f().lblB, 12), 1);
    EXPECT_EQ(marcadas(f().lblS, 12), 13);  // column S takes only zeros after the first roll
    EXPECT_EQ(marcadas(f().lblD, 12), 0);   // full
}

TEST_F(CombinationMarks, LastRollWithABoxForTheDiceDoesNotComplain) {
    load();
    semLugarParaOsDados();
    roll("23466");
    roll("23466");
    roll("13466");  // the 1 goes into row 1 of column B
    EXPECT_EQ(f().lblB[1].mousePointer(), 10);
    EXPECT_EQ(vezesTocado(services, kReclamacao), 0);
    EXPECT_EQ(marcadas(f().lblS, 12), 0);
}

TEST_F(CombinationMarks, UndoOnTheLastRollMarksZerosAgainWithoutComplaint) {
    load();
    semLugarParaOsDados();
    roll("23466");
    roll("23466");
    roll("23466");
    f().LimpaDestaque1();
    f().LimpaDestaqueS1();
    services.sound.played.clear();
    int16_t sons = 0;
    f().VerificaCombinacoes(sons);
    EXPECT_EQ(vezesTocado(services, kReclamacao), 0);
    EXPECT_EQ(f().lblC[16].mousePointer(), 12);
    EXPECT_EQ(f().lblB[1].mousePointer(), 12);
}

TEST_F(CombinationMarks, PossibilitiesOffMeansNoMarksNoZerosNoComplaint) {
    services.settings.values["MainForm"]["Possibilities"] = "False";
    load();
    semLugarParaOsDados();
    roll("33335");
    for (LabelArray* column : {&f().lblB, &f().lblC, &f().lblD, &f().lblS})
        EXPECT_EQ(marcadas(*column, 0), 18);
    roll("23466");
    roll("23466");
    EXPECT_EQ(vezesTocado(services, kReclamacao), 0);
    for (LabelArray* column : {&f().lblB, &f().lblC, &f().lblD, &f().lblS})
        EXPECT_EQ(marcadas(*column, 0), 18);
}

TEST_F(CombinationMarks, OnlyColumnSLeftComplainsAtTheFirstRoll) {
    load();
    encheComZeros(f().lblB);
    encheComZeros(f().lblC);
    encheComZeros(f().lblD);
    encheComZeros(f().lblS, {1});  // only row 1 of column S is left
    f().Jogad1.setFontItalic(true);
    roll("23456");
    EXPECT_EQ(vezesTocado(services, kReclamacao), 1);
    EXPECT_EQ(f().lblS[1].mousePointer(), 12);
    EXPECT_EQ(marcadas(f().lblS, 12), 1);
}

TEST_F(CombinationMarks, OnlyColumnSLeftWithABoxForTheDiceMarksIt) {
    load();
    encheComZeros(f().lblB);
    encheComZeros(f().lblC);
    encheComZeros(f().lblD);
    encheComZeros(f().lblS, {1});
    f().Jogad1.setFontItalic(true);
    roll("12456");
    EXPECT_EQ(vezesTocado(services, kReclamacao), 0);
    EXPECT_EQ(f().lblS[1].mousePointer(), 10);
}

TEST_F(CombinationMarks, TheSecondPlayersRollMarksHisSheetOnly) {
    services.settings.values["MainForm"]["Players"] = "2";
    load();
    roll("33335");
    f().lblD_MouseDown(3, 1, 0, 0, 0);
    f().lblD_MouseUp(3, 1, 0, 0, 0);
    ASSERT_TRUE(f().cmdPlay2.visible());
    roll("33335");
    EXPECT_EQ(f().lblQuemJoga.caption(), "2");
    EXPECT_GT(marcadas(f().lblSB, 10), 0);
    EXPECT_GT(marcadas(f().lblDB, 10), 0);
    for (LabelArray* column : {&f().lblB, &f().lblC, &f().lblD, &f().lblS})
        EXPECT_EQ(marcadas(*column, 10), 0);
}

}  // namespace
