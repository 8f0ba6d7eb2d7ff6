// The game's sounds: the roll sound chosen by the number of dice and the animation, the options
// that silence each sound, and the start-up check for an output device.
#include <gtest/gtest.h>

#include <string>

#include "resources/resources.h"
#include "tests/support/game_fixture.h"

namespace {

using testing_support::GameFixture;

// The id of the sound last played, 0 for none.
int ultimoSom(testing_support::FakeServices& s) {
    if (s.sound.played.empty()) return 0;
    for (int id = 1; id <= 9; ++id)
        if (s.sound.played.back() == quopa::resources::sound(id)) return id;
    return -1;
}

struct SomDeRolagem {
    int dados;  // dice rolled
    bool animacao;
    int id;
};

class RollSound : public GameFixture, public ::testing::WithParamInterface<SomDeRolagem> {};

TEST_P(RollSound, FollowsTheDiceRolledAndTheAnimation) {
    const SomDeRolagem& c = GetParam();
    load();
    f().mnuAnimacao.setChecked(c.animacao);
    if (c.dados < 5) {
        roll("12345");
        rt::Image* dados[] = {&f().imgSort1, &f().imgSort2, &f().imgSort3, &f().imgSort4,
                              &f().imgSort5};
        for (int n = 0; n < 5 - c.dados; ++n) dados[n]->onClick();
    }
    services.sound.played.clear();
    scriptFaces("66666");
    f().cmdPlay_Click();
    EXPECT_EQ(ultimoSom(services), c.id);
    EXPECT_EQ(services.sound.played.size(), 1u);
    finishRoll();
}

INSTANTIATE_TEST_SUITE_P(DiceAndAnimation, RollSound,
                         ::testing::Values(SomDeRolagem{1, true, 8}, SomDeRolagem{1, false, 9},
                                           SomDeRolagem{2, true, 6}, SomDeRolagem{2, false, 7},
                                           SomDeRolagem{3, true, 4}, SomDeRolagem{3, false, 5},
                                           SomDeRolagem{4, true, 4}, SomDeRolagem{4, false, 5},
                                           SomDeRolagem{5, true, 4}, SomDeRolagem{5, false, 5}),
                         [](const auto& info) {
                             return std::to_string(info.param.dados) +
                                    (info.param.animacao ? "Animated" : "Still");
                         });

class GameSounds : public GameFixture {};

TEST_F(GameSounds, NoSoundsSilencesEveryRoutine) {
    load();
    f().mnuNenhumSom.setChecked(true);
    // The other options stay ticked: "no sounds" alone must silence everything.
    f().MnuAplaudirQuopa.setChecked(true);
    f().MnuReclamacao.setChecked(true);
    f().mnuFama.setChecked(true);
    services.sound.played.clear();
    roll("12345");
    f().TocaSomUmDado();
    f().TocaSomDoisDados();
    f().TocaSomTresDados();
    f().TocaAplauso();
    f().TocaReclamacao();
    f().SomRecorde();
    EXPECT_TRUE(services.sound.played.empty());
}

TEST_F(GameSounds, EachOtherSoundHasItsOwnOption) {
    load();
    struct Caso {
        rt::Menu& opcao;
        void (quopa::frmQUOPA::*toca)();
        int id;
    } casos[] = {{f().MnuAplaudirQuopa, &quopa::frmQUOPA::TocaAplauso, 1},
                 {f().mnuFama, &quopa::frmQUOPA::SomRecorde, 2},
                 {f().MnuReclamacao, &quopa::frmQUOPA::TocaReclamacao, 3}};
    for (auto& c : casos) {
        SCOPED_TRACE(c.id);
        f().mnuNenhumSom.setChecked(false);
        c.opcao.setChecked(false);
        services.sound.played.clear();
        (f().*c.toca)();
        EXPECT_TRUE(services.sound.played.empty());
        c.opcao.setChecked(true);
        (f().*c.toca)();
        EXPECT_EQ(ultimoSom(services), c.id);
    }
}

TEST_F(GameSounds, WithoutAnOutputDeviceTheSoundOptionsGoOff) {
    services.sound.devices = 0;
    load();
    EXPECT_FALSE(f().mnuTodosSons.enabled());
    EXPECT_TRUE(f().mnuNenhumSom.checked());
    EXPECT_FALSE(f().MnuAplaudirQuopa.checked());
    EXPECT_FALSE(f().mnuFama.checked());
    EXPECT_FALSE(f().MnuReclamacao.checked());
    services.sound.played.clear();
    roll("44444");
    EXPECT_TRUE(services.sound.played.empty());
}

TEST_F(GameSounds, WithAnOutputDeviceTheOptionsStayAsStored) {
    services.sound.devices = 1;
    load();
    EXPECT_TRUE(f().mnuTodosSons.enabled());
    EXPECT_FALSE(f().mnuNenhumSom.checked());
    EXPECT_TRUE(f().MnuAplaudirQuopa.checked());
    EXPECT_TRUE(f().mnuFama.checked());
    f().mnuTodosSons.setEnabled(false);
    f().ConferePlacaSom();
    EXPECT_TRUE(f().mnuTodosSons.enabled());
}

}  // namespace
