// What five faces make, from dice strings alone: no window, no services.
#include <gtest/gtest.h>

#include <ostream>

#include "game/window/dice_combinations.h"

namespace {

using quopa::Combinacoes;
using quopa::CombinacoesDe;

struct Caso {
    const char* dados;
    int soma;
    bool quopa, trinca, quadra, full, segMx, segMn;
    char face;
};

void PrintTo(const Caso& c, std::ostream* os) {
    *os << '"' << c.dados << '"';
}

const Caso kCasos[] = {
    // dice    sum quopa  trinca quadra full   segMx  segMn  face
    {"33335", 17, false, true, true, false, false, false, '3'},
    {"53333", 17, false, true, true, false, false, false, '3'},
    {"25255", 19, false, true, false, true, false, false, '5'},
    {"66666", 30, true, true, true, false, false, false, '6'},  // never a full house
    {"11111", 5, true, true, true, false, false, false, '1'},
    {"43512", 15, false, false, false, false, false, true, 0},
    {"36524", 20, false, false, false, false, true, false, 0},
    {"12346", 16, false, false, false, false, false, false, 0},  // one short of both straights
    // 3-4-5-6 with a 1 or a second 3 is no straight: the large one needs the 2 as well.
    {"13456", 19, false, false, false, false, false, false, 0},
    {"33456", 21, false, false, false, false, false, false, 0},
    {"11223", 9, false, false, false, false, false, false, 0},  // two pairs
    {"12223", 10, false, true, false, false, false, false, '2'},
    // Dice still to be rolled read "0": no face, so five of them are no five of a kind.
    {"00000", 0, false, false, false, false, false, false, 0},
    {"00444", 12, false, true, false, true, false, false, '4'},
    // Anything but five faces is only summed.
    {"4444", 16, false, false, false, false, false, false, 0},
    {"", 0, false, false, false, false, false, false, 0},
};

class DiceCombinations : public ::testing::TestWithParam<Caso> {};

TEST_P(DiceCombinations, FollowTheFaces) {
    const Caso& c = GetParam();
    const Combinacoes r = CombinacoesDe(c.dados);
    EXPECT_EQ(r.soma, c.soma);
    EXPECT_EQ(r.quopa, c.quopa);
    EXPECT_EQ(r.trinca, c.trinca);
    EXPECT_EQ(r.quadra, c.quadra);
    EXPECT_EQ(r.full, c.full);
    EXPECT_EQ(r.seguidaMaxima, c.segMx);
    EXPECT_EQ(r.seguidaMinima, c.segMn);
    EXPECT_EQ(r.face, c.face);
}

INSTANTIATE_TEST_SUITE_P(Dice, DiceCombinations, ::testing::ValuesIn(kCasos));

}  // namespace
