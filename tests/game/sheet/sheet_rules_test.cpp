// The play aids and the scoring ask the same rules of the rows and columns: after a roll a box
// carries the mark of a possible score exactly when a press on it writes the dice's points.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "game/sheet/sheet_model.h"
#include "tests/support/game_fixture.h"

namespace {

using testing_support::columnOf;

struct Caso {
    const char* dados;
    const char* minimo;  // column D's row 14 before the roll
    const char* maximo;  // column D's row 15 before the roll
};

void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.dados << " Mn=\"" << c.minimo << "\" Mx=\"" << c.maximo << '"';
}

const Caso kCasos[] = {
    {"33335", "", ""},   {"25255", "", ""},  {"44444", "", ""},   {"12345", "", ""},
    {"62435", "", ""},   {"11223", "", ""},  {"66665", "", "30"}, {"66666", "", "25"},
    {"11112", "10", ""}, {"11112", "0", ""},
};

class MarksAndScoring : public testing_support::GameFixture,
                        public ::testing::WithParamInterface<Caso> {};

TEST_P(MarksAndScoring, AMarkedBoxIsExactlyABoxThePressScores) {
    const Caso& c = GetParam();
    load();
    quopa::LabelArray& d = columnOf(f(), 1, 'D');
    d[quopa::kMinimo].setCaption(c.minimo);
    d[quopa::kMaximo].setCaption(c.maximo);
    roll(c.dados);
    for (char letra : {'B', 'C', 'D', 'S'}) {
        quopa::LabelArray& coluna = columnOf(f(), 1, letra);
        for (int linha : quopa::kLinhasDePontos) {
            if (!quopa::CasaVazia(coluna[linha])) continue;
            SCOPED_TRACE(std::string("column ") + letra + " row " + std::to_string(linha));
            const bool marcada = coluna[linha].mousePointer() == rt::kPointerUpArrow;
            mark(coluna, linha);
            const bool escrita = !coluna[linha].caption().empty();
            EXPECT_EQ(escrita, marcada);
            // The back button takes the marking back and evaluates the same dice again.
            if (escrita) f().cmdBack_Click();
            ASSERT_TRUE(coluna[linha].caption().empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dice, MarksAndScoring, ::testing::ValuesIn(kCasos));

}  // namespace
