// The dice are fair: with the real generator (no scripted source), the faces drawn by the roll
// are uniform, the five dice of a roll are independent of each other, and re-seeding from a clock
// that has not moved does not repeat a roll.
//
// The generator is seeded, and a seeded generator leaves the machine's running time out of its
// re-seeding, so every run draws the same dice and the test cannot fail by chance. The
// chi-square bounds are the critical values at p = 0.001: a broken generator (a biased face
// formula, dice that repeat each other after a re-seed) exceeds them by far, for any seed.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>

#include "runtime/values.h"
#include "tests/support/game_fixture.h"

namespace {

using testing_support::GameFixture;

constexpr int kRolagens = 20000;
constexpr uint64_t kSemente = 20240611;
constexpr double kQuiQuadrado5 = 20.515;   // df = 5, p = 0.001
constexpr double kQuiQuadrado35 = 66.619;  // df = 35, p = 0.001

class DiceFairness : public GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        rt::seedRandom(kSemente);
        load();
        // Only the draw matters here: no animation, no sounds, no marks.
        f().mnuAnimacao.setChecked(false);
        f().mnuNenhumSom.setChecked(true);
        f().mnuPossibilidade.setChecked(false);
    }

    // One roll of all five dice through the roll's own drawing; returns the faces.
    std::array<int, 5> rola() {
        rt::Image* dados[] = {&f().imgSort1, &f().imgSort2, &f().imgSort3, &f().imgSort4,
                              &f().imgSort5};
        for (rt::Image* d : dados) d->setTop(1380);
        f().RolaDados();
        rt::Label* faces[] = {&f().Label1, &f().Label2, &f().Label3, &f().Label4, &f().Label5};
        std::array<int, 5> r{};
        for (int i = 0; i < 5; ++i) r[i] = std::stoi(faces[i]->caption());
        return r;
    }
};

double quiQuadrado(const int* observados, int celulas, double esperado) {
    double q = 0;
    for (int i = 0; i < celulas; ++i) {
        double d = observados[i] - esperado;
        q += d * d / esperado;
    }
    return q;
}

TEST_F(DiceFairness, FacesAreUniformAndTheDiceOfARollIndependent) {
    int faces[6] = {};
    int pares[36] = {};
    for (int n = 0; n < kRolagens; ++n) {
        std::array<int, 5> r = rola();
        for (int face : r) {
            ASSERT_GE(face, 1);
            ASSERT_LE(face, 6);
            ++faces[face - 1];
        }
        // Adjacent dice, in pairs that share no die (1-2 and 3-4), so that every pair is an
        // independent sample of the 36 cells.
        ++pares[(r[0] - 1) * 6 + (r[1] - 1)];
        ++pares[(r[2] - 1) * 6 + (r[3] - 1)];
    }
    EXPECT_LT(quiQuadrado(faces, 6, kRolagens * 5 / 6.0), kQuiQuadrado5);
    EXPECT_LT(quiQuadrado(pares, 36, kRolagens * 2 / 36.0), kQuiQuadrado35);
}

TEST_F(DiceFairness, RollsWithinOneClockValueStillDiffer) {
    // The fake clock never moves, so every re-seed sees the same clock value.
    std::set<std::array<int, 5>> distintas;
    for (int n = 0; n < 20; ++n) distintas.insert(rola());
    // 20 independent rolls out of 7776 outcomes repeat one another very rarely.
    EXPECT_GE(distintas.size(), 18u);
}

}  // namespace
