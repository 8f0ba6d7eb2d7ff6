// The play aids' marks: where the dice may be scored (pointer 10), where only a zero may go
// (pointer 12), the bonus-hint colours, the clearing of marks and the keyboard cursors' display.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "tests/support/game_fixture.h"

namespace {

using quopa::LabelArray;

// Distinct colours for the carriers, so that every look can be told apart.
constexpr rt::Color kLivre = 0x101010;      // lblVolte11: an unmarked scoring box
constexpr rt::Color kCalculada = 0x202020;  // lblVolte12: a computed row
constexpr rt::Color kPossivel = 0x303030;   // Jogad1: the dice may go here
constexpr rt::Color kSemBonus = 0x404040;   // Jogad2: an upper box that leaves the sum below 60
constexpr rt::Color kSoZero = 0x505050;     // lblTermOquePor: only a zero may go here

std::set<int> linhasCom(LabelArray& column, int pointer) {
    std::set<int> rows;
    for (int row = 1; row <= 18; ++row)
        if (column[row].mousePointer() == pointer) rows.insert(row);
    return rows;
}

void enche(LabelArray& column, std::initializer_list<int> rows, const char* text = "0") {
    for (int row : rows) column[row].setCaption(text);
}

class BoxMarks : public testing_support::GameFixture {
  protected:
    quopa::frmQUOPA& carrega() {
        load();
        f().lblVolte11.setBackColor(kLivre);
        f().lblVolte12.setBackColor(kCalculada);
        f().Jogad1.setBackColor(kPossivel);
        f().Jogad2.setBackColor(kSemBonus);
        f().lblTermOquePor.setBackColor(kSoZero);
        return f();
    }
    // Every box of a column has its unmarked look.
    void esperaSemMarcas(LabelArray& column) {
        for (int row = 1; row <= 18; ++row) {
            SCOPED_TRACE("row " + std::to_string(row));
            EXPECT_EQ(column[row].mousePointer(), 0);
            bool pontos = (row <= 6) || (row >= 10 && row <= 16);
            EXPECT_EQ(column[row].backColor(), pontos ? kLivre : kCalculada);
        }
    }
};

// ---------------------------------------------------------------------------------------------
// Which boxes take the dice, by column, after the first roll on a fresh sheet.

struct MarcasEsperadas {
    const char* dados;
    std::set<int> b, c, d, s;
};

void PrintTo(const MarcasEsperadas& m, std::ostream* os) {
    *os << m.dados;
}

const MarcasEsperadas kPrimeiraJogada[] = {
    // B opens row 1 only, C row 16 only; D and S any box.
    {"33335", {}, {}, {3, 5, 10, 14, 15}, {3, 5, 10, 14, 15}},
    {"11111", {1}, {16}, {1, 10, 14, 15, 16}, {1, 10, 14, 15, 16}},
    {"25255", {}, {}, {2, 5, 11, 14, 15}, {2, 5, 11, 14, 15}},
    {"51423", {1}, {}, {1, 2, 3, 4, 5, 12, 14, 15}, {1, 2, 3, 4, 5, 12, 14, 15}},
    {"62435", {}, {}, {2, 3, 4, 5, 6, 13, 14, 15}, {2, 3, 4, 5, 6, 13, 14, 15}},
};

class FirstRollMarks : public BoxMarks, public ::testing::WithParamInterface<MarcasEsperadas> {};

TEST_P(FirstRollMarks, MarkEveryOpenBoxTheDiceMeet) {
    const MarcasEsperadas& m = GetParam();
    carrega();
    roll(m.dados);
    EXPECT_EQ(linhasCom(f().lblB, 10), m.b);
    EXPECT_EQ(linhasCom(f().lblC, 10), m.c);
    EXPECT_EQ(linhasCom(f().lblD, 10), m.d);
    EXPECT_EQ(linhasCom(f().lblS, 10), m.s);
    EXPECT_EQ(f().lblTermOquePor.caption(), "1");
}

INSTANTIATE_TEST_SUITE_P(Dice, FirstRollMarks, ::testing::ValuesIn(kPrimeiraJogada),
                         [](const auto& info) { return std::string("dice_") + info.param.dados; });

TEST_F(BoxMarks, MarkedAndUnmarkedBoxesTakeTheirColours) {
    carrega();
    roll("33335");
    EXPECT_EQ(f().lblD[10].backColor(), kPossivel);
    EXPECT_EQ(f().lblD[14].backColor(), kPossivel);
    EXPECT_EQ(f().lblD[3].backColor(), kSemBonus);  // 9 leaves the upper sum far below 60
    EXPECT_EQ(f().lblD[1].backColor(), kLivre);
    EXPECT_EQ(f().lblD[11].backColor(), kLivre);
    EXPECT_EQ(f().lblD[7].backColor(), kCalculada);
    EXPECT_EQ(f().lblD[18].backColor(), kCalculada);
}

TEST_F(BoxMarks, ColumnSIsMarkedOnlyAfterTheFirstRoll) {
    carrega();
    roll("33335");
    roll("33335");
    EXPECT_EQ(linhasCom(f().lblS, 10), std::set<int>{});
    esperaSemMarcas(f().lblS);
    EXPECT_EQ(linhasCom(f().lblD, 10), (std::set<int>{3, 5, 10, 14, 15}));
}

TEST_F(BoxMarks, ColumnSRefusesToMarkOutsideTheFirstRoll) {
    carrega();
    roll("33335");
    ASSERT_FALSE(linhasCom(f().lblS, 10).empty());
    f().lblJogadas.setCaption("2");
    f().MarcaPossiveisS();
    esperaSemMarcas(f().lblS);
}

TEST_F(BoxMarks, OrderRulesOpenTheNextBox) {
    carrega();
    enche(f().lblB, {1, 2, 3, 4, 5, 6});  // column B goes on at row 10
    enche(f().lblC, {16, 15});            // column C goes on at row 14
    roll("44445");
    EXPECT_EQ(linhasCom(f().lblB, 10), std::set<int>{10});
    EXPECT_EQ(linhasCom(f().lblC, 10), std::set<int>{14});
}

TEST_F(BoxMarks, FilledBoxesAreNeverMarked) {
    carrega();
    enche(f().lblD, {3, 10}, "9");
    roll("33335");
    EXPECT_EQ(linhasCom(f().lblD, 10), (std::set<int>{5, 14, 15}));
}

// ---------------------------------------------------------------------------------------------
// Minimum and maximum bind each other as in scoring.

struct MinMax {
    const char* nome;
    const char* linha14;
    const char* linha15;
    const char* dados;
    bool marca14, marca15;
};

void PrintTo(const MinMax& m, std::ostream* os) {
    *os << m.nome;
}

const MinMax kMinMax[] = {
    {"SumEqualToTheMaximum", "", "20", "44444", false, false},
    {"SumBelowTheMaximum", "", "20", "44443", true, false},
    {"ZeroMaximumFreesTheMinimum", "", "0", "66666", true, false},
    {"SumEqualToTheMinimum", "12", "", "22233", false, false},
    {"SumAboveTheMinimum", "12", "", "22234", false, true},
    {"BothEmpty", "", "", "11112", true, true},
};

class MinMaxMarks : public BoxMarks, public ::testing::WithParamInterface<MinMax> {};

TEST_P(MinMaxMarks, FollowTheOtherBox) {
    const MinMax& m = GetParam();
    carrega();
    f().lblD[14].setCaption(m.linha14);
    f().lblD[15].setCaption(m.linha15);
    roll(m.dados);
    EXPECT_EQ(f().lblD[14].mousePointer() == 10, m.marca14);
    EXPECT_EQ(f().lblD[15].mousePointer() == 10, m.marca15);
}

INSTANTIATE_TEST_SUITE_P(Rows, MinMaxMarks, ::testing::ValuesIn(kMinMax),
                         [](const auto& info) { return std::string(info.param.nome); });

// ---------------------------------------------------------------------------------------------
// The bonus hint of the upper boxes at the 59/60 boundary.

struct Bonus {
    const char* nome;
    std::vector<std::pair<int, const char*>> superiores;  // rows 1-5 of column D
    rt::Color cor6;  // the colour of row 6 for three 6s (18 points)
};

void PrintTo(const Bonus& b, std::ostream* os) {
    *os << b.nome;
}

const Bonus kBonus[] = {
    {"ReachesSixty", {{2, "10"}, {3, "12"}, {4, "20"}}, kPossivel},               // 42 + 18 = 60
    {"StopsAtFiftyNine", {{1, "1"}, {2, "8"}, {3, "12"}, {4, "20"}}, kSemBonus},  // 41 + 18
    {"AlreadyAbove", {{3, "15"}, {4, "20"}, {5, "25"}}, kPossivel},
    {"ZerosCountNothing", {{1, "0"}, {2, "0"}, {3, "0"}, {4, "0"}, {5, "0"}}, kSemBonus},
};

class BonusHint : public BoxMarks, public ::testing::WithParamInterface<Bonus> {};

TEST_P(BonusHint, UpperBoxColourTellsWhetherTheBonusStaysInReach) {
    const Bonus& b = GetParam();
    carrega();
    for (const auto& [row, text] : b.superiores) f().lblD[row].setCaption(text);
    roll("66612");
    ASSERT_EQ(f().lblD[6].mousePointer(), 10);
    EXPECT_EQ(f().lblD[6].backColor(), b.cor6);
    // The lower boxes never take the hint colour.
    EXPECT_EQ(f().lblD[14].backColor(), kPossivel);
}

INSTANTIATE_TEST_SUITE_P(Sums, BonusHint, ::testing::ValuesIn(kBonus),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(BoxMarks, BonusHintCountsEachBoxsOwnScore) {
    carrega();
    enche(f().lblD, {2}, "10");
    enche(f().lblD, {3}, "12");
    enche(f().lblD, {4}, "20");
    roll("66612");  // 42 so far: row 6 (+18) reaches 60, row 1 (+1) does not
    EXPECT_EQ(f().lblD[6].backColor(), kPossivel);
    EXPECT_EQ(f().lblD[1].backColor(), kSemBonus);
}

// ---------------------------------------------------------------------------------------------
// Zero-only marks.

TEST_F(BoxMarks, ColumnCZeroGoesToTheFirstFreeBoxFromTheBottom) {
    carrega();
    roll("23466");
    enche(f().lblC, {16, 15});
    f().MarcaZerosC();
    EXPECT_EQ(linhasCom(f().lblC, 12), std::set<int>{14});
    EXPECT_EQ(f().lblC[14].backColor(), kSoZero);
    f().LimpaDestaque1();
    enche(f().lblC, {14, 13, 12, 11, 10});
    f().MarcaZerosC();
    EXPECT_EQ(linhasCom(f().lblC, 12), std::set<int>{6});
}

TEST_F(BoxMarks, ColumnBZeroGoesToTheFirstFreeBoxFromTheTop) {
    carrega();
    roll("23466");
    f().LimpaDestaque1();
    f().LimpaDestaqueS1();
    enche(f().lblB, {1, 2, 3, 4, 5, 6});
    f().MarcaZerosJogador1();
    EXPECT_EQ(linhasCom(f().lblB, 12), std::set<int>{10});
}

TEST_F(BoxMarks, ColumnsSAndDZeroGoesToEveryEmptyUnmarkedBox) {
    carrega();
    roll("23466");
    f().LimpaDestaque1();
    f().LimpaDestaqueS1();
    enche(f().lblD, {1, 2, 3, 4, 5, 6, 10, 11});
    enche(f().lblS, {16});
    f().lblD[14].setMousePointer(10);  // a box that takes the dice keeps its mark
    f().MarcaZerosJogador1();
    EXPECT_EQ(linhasCom(f().lblD, 12), (std::set<int>{12, 13, 15, 16}));
    EXPECT_EQ(f().lblD[14].mousePointer(), 10);
    EXPECT_EQ(linhasCom(f().lblS, 12), (std::set<int>{1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(f().lblS[1].backColor(), kSoZero);
    EXPECT_EQ(f().lblD[7].mousePointer(), 0);  // never a computed row
}

TEST_F(BoxMarks, PlayerTwoZeroMarksStayOnHisSheet) {
    carrega();
    roll("23466");
    f().LimpaDestaque1();
    f().LimpaDestaqueS1();
    f().MarcaZerosJogador2();
    f().MarcaZerosCB();
    EXPECT_EQ(linhasCom(f().lblBB, 12), std::set<int>{1});
    EXPECT_EQ(linhasCom(f().lblCB, 12), std::set<int>{16});
    EXPECT_EQ(linhasCom(f().lblDB, 12).size(), 13u);
    EXPECT_EQ(linhasCom(f().lblSB, 12).size(), 13u);
    for (LabelArray* column : {&f().lblB, &f().lblC, &f().lblD, &f().lblS})
        EXPECT_TRUE(linhasCom(*column, 12).empty());
}

// ---------------------------------------------------------------------------------------------
// Clearing.

TEST_F(BoxMarks, LimpaDestaqueClearsColumnsBCDButNotS) {
    carrega();
    roll("11111");
    f().lblB[2].setMousePointer(12);
    f().LimpaDestaque1();
    for (LabelArray* column : {&f().lblB, &f().lblC, &f().lblD}) esperaSemMarcas(*column);
    EXPECT_FALSE(linhasCom(f().lblS, 10).empty());
    f().LimpaDestaqueS1();
    esperaSemMarcas(f().lblS);
}

TEST_F(BoxMarks, LimpaDestaque2LeavesPlayerOne) {
    carrega();
    roll("11111");
    f().MarcaPossiveisDB();
    f().MarcaPossiveisSB();
    ASSERT_FALSE(linhasCom(f().lblDB, 10).empty());
    f().LimpaDestaque2();
    f().LimpaDestaqueS2();
    esperaSemMarcas(f().lblDB);
    esperaSemMarcas(f().lblSB);
    EXPECT_FALSE(linhasCom(f().lblD, 10).empty());
}

TEST_F(BoxMarks, PossibilitiesOffMakesEveryMarkerClearThePlayersMarks) {
    carrega();
    roll("11111");
    f().mnuPossibilidade.setChecked(false);
    f().MarcaPossiveisB();
    for (LabelArray* column : {&f().lblB, &f().lblC, &f().lblD}) esperaSemMarcas(*column);
    EXPECT_FALSE(linhasCom(f().lblS, 10).empty());
    f().MarcaPossiveisS();
    esperaSemMarcas(f().lblS);
}

TEST_F(BoxMarks, AColumnWithoutMarksLeavesTheOthersWord) {
    carrega();
    roll("33335");
    ASSERT_EQ(f().lblTermOquePor.caption(), "1");
    f().MarcaPossiveisB();  // nothing in B takes 3-3-3-3-5
    EXPECT_EQ(f().lblTermOquePor.caption(), "1");
}

TEST_F(BoxMarks, AMarkerReplacesAZeroMarkOfItsColumn) {
    carrega();
    roll("11111");
    f().lblD[11].setMousePointer(12);
    f().MarcaPossiveisD();
    EXPECT_EQ(f().lblD[11].mousePointer(), 0);
    EXPECT_EQ(f().lblD[11].backColor(), kLivre);
}

// ---------------------------------------------------------------------------------------------
// The keyboard cursors follow the count of rolls made.

class KeyboardCursorDisplay : public testing_support::GameFixture {};

TEST_F(KeyboardCursorDisplay, ShownForThePlayerOnTurnWhileHeHasRolled) {
    services.settings.values["MainForm"]["Keyboard"] = "True";
    load();
    roll("33335");
    EXPECT_TRUE(f().LTc1.visible());
    EXPECT_FALSE(f().LTc2.visible());
    f().lblJogadas.setCaption("0");
    EXPECT_FALSE(f().LTc1.visible());
    EXPECT_FALSE(f().LTc2.visible());
}

TEST_F(KeyboardCursorDisplay, PlayerTwosCursorWhenHisRollButtonIsShown) {
    services.settings.values["MainForm"]["Keyboard"] = "True";
    services.settings.values["MainForm"]["Players"] = "2";
    load();
    roll("33335");
    f().lblD_MouseDown(3, 1, 0, 0, 0);
    f().lblD_MouseUp(3, 1, 0, 0, 0);
    ASSERT_TRUE(f().cmdPlay2.visible());
    roll("33335");
    EXPECT_TRUE(f().LTc2.visible());
    EXPECT_FALSE(f().LTc1.visible());
}

TEST_F(KeyboardCursorDisplay, HiddenWithKeyboardPlayOff) {
    load();
    roll("33335");
    EXPECT_FALSE(f().LTc1.visible());
    EXPECT_FALSE(f().LTc2.visible());
}

}  // namespace
