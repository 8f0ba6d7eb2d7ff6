// The option menu items: what each click changes, and the rules that tie the options together.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/module1.h"
#include "tests/support/game_fixture.h"

namespace {

using testing_support::GameFixture;

using OptionDependencies = GameFixture;

TEST_F(OptionDependencies, SwitchingSoundsBackOnTicksTheSoundChoicesAgain) {
    auto& f = load();
    f.mnuNenhumSom_Click();
    for (rt::Menu* item : {&f.MnuAplaudirQuopa, &f.MnuReclamacao, &f.mnuFama}) {
        EXPECT_FALSE(item->checked()) << item->name();
        EXPECT_FALSE(item->enabled()) << item->name();
    }
    f.mnuNenhumSom_Click();
    EXPECT_FALSE(f.mnuNenhumSom.checked());
    for (rt::Menu* item : {&f.MnuAplaudirQuopa, &f.MnuReclamacao, &f.mnuFama}) {
        EXPECT_TRUE(item->checked()) << item->name();
        EXPECT_TRUE(item->enabled()) << item->name();
    }
}

TEST_F(OptionDependencies, SoundsBackOnLeaveTheComplaintOffWhilePossibilitiesAreOff) {
    auto& f = load();
    f.mnuPossibilidade_Click();
    f.mnuNenhumSom_Click();
    f.mnuNenhumSom_Click();
    EXPECT_TRUE(f.MnuAplaudirQuopa.checked());
    EXPECT_TRUE(f.mnuFama.checked());
    EXPECT_FALSE(f.MnuReclamacao.checked());
    EXPECT_FALSE(f.MnuReclamacao.enabled());
}

TEST_F(OptionDependencies, PossibilitiesBackOnEnableButDoNotTick) {
    auto& f = load();
    f.MostC_Click();
    ASSERT_TRUE(f.MostC.checked());
    f.mnuPossibilidade_Click();
    for (rt::Menu* item : {&f.MnuReclamacao, &f.MostC}) {
        EXPECT_FALSE(item->checked()) << item->name();
        EXPECT_FALSE(item->enabled()) << item->name();
    }
    f.mnuPossibilidade_Click();
    EXPECT_TRUE(f.mnuPossibilidade.checked());
    for (rt::Menu* item : {&f.MnuReclamacao, &f.MostC}) {
        EXPECT_FALSE(item->checked()) << item->name();
        EXPECT_TRUE(item->enabled()) << item->name();
    }
}

TEST_F(OptionDependencies, PossibilitiesBackOnWithoutSoundKeepTheComplaintDisabled) {
    auto& f = load();
    f.mnuNenhumSom_Click();
    f.mnuPossibilidade_Click();
    f.mnuPossibilidade_Click();
    EXPECT_TRUE(f.MostC.enabled());
    EXPECT_FALSE(f.MnuReclamacao.enabled());
}

TEST_F(OptionDependencies, ComplaintAndKeyHintsCannotBeTickedWithoutPossibilities) {
    auto& f = load();
    f.mnuPossibilidade_Click();
    f.MnuReclamacao_Click();
    f.MostC_Click();
    EXPECT_FALSE(f.MnuReclamacao.checked());
    EXPECT_FALSE(f.MostC.checked());
    EXPECT_FALSE(f.MostC.enabled());
}

TEST_F(OptionDependencies, PlainTogglesOnlyInvertTheirTick) {
    auto& f = load();
    struct Toggle {
        rt::Menu& item;
        void (quopa::frmQUOPA::*click)();
    };
    for (const Toggle& t : {Toggle{f.mnuAnimacao, &quopa::frmQUOPA::mnuAnimacao_Click},
                            Toggle{f.MnuAplaudirQuopa, &quopa::frmQUOPA::MnuAplaudirQuopa_Click},
                            Toggle{f.mnuFama, &quopa::frmQUOPA::mnuFama_Click},
                            Toggle{f.MnuReclamacao, &quopa::frmQUOPA::MnuReclamacao_Click}}) {
        const bool before = t.item.checked();
        (f.*t.click)();
        EXPECT_EQ(t.item.checked(), !before) << t.item.name();
        (f.*t.click)();
        EXPECT_EQ(t.item.checked(), before) << t.item.name();
    }
}

using ShownOptions = GameFixture;

TEST_F(ShownOptions, LabelsAndPointsShowExactlyWhileTicked) {
    auto& f = load();
    f.mnuExibeLegendas_Click();
    EXPECT_FALSE(f.PicSbar1.visible());
    f.MnuExibePontos_Click();
    EXPECT_FALSE(f.lblPontos.visible());
    EXPECT_FALSE(f.lblSomaSelecionados.visible());
    f.mnuExibeLegendas_Click();
    f.MnuExibePontos_Click();
    EXPECT_TRUE(f.PicSbar1.visible());
    EXPECT_TRUE(f.lblPontos.visible());
    EXPECT_TRUE(f.lblSomaSelecionados.visible());
}

TEST_F(ShownOptions, KeyboardOffHidesBothCursorsAndRestoresTheTabOrder) {
    auto& f = load();
    f.mnuHabilitaTeclado_Click();
    EXPECT_FALSE(f.cmdPlay.tabStop());
    f.LTc1.setVisible(true);
    f.LTc2.setVisible(true);
    f.mnuHabilitaTeclado_Click();
    EXPECT_FALSE(f.LTc1.visible());
    EXPECT_FALSE(f.LTc2.visible());
    EXPECT_TRUE(f.cmdPlay.tabStop());
}

using RollsAndPlayers = GameFixture;

TEST_F(RollsAndPlayers, FiveRollsSetEveryCounter) {
    auto& f = load();
    f.MnuJogadas_Click(1);
    EXPECT_TRUE(f.MnuJogadas[1].checked());
    EXPECT_FALSE(f.MnuJogadas[0].checked());
    EXPECT_EQ(f.lblPodeJogar.caption(), "5");
    EXPECT_EQ(f.Jogad1.caption(), "5");
    EXPECT_EQ(f.Jogad2.caption(), "5");
    EXPECT_EQ(f.lblJogadas.caption(), "0");
    f.MnuJogadas_Click(0);
    EXPECT_EQ(f.lblPodeJogar.caption(), "3");
    EXPECT_EQ(f.Jogad1.caption(), "3");
}

TEST_F(RollsAndPlayers, ClickingTheTickedRollsItemChangesNothing) {
    auto& f = load();
    f.Jogad1.setCaption("1");
    f.MnuJogadas_Click(0);
    EXPECT_EQ(f.Jogad1.caption(), "1");
}

TEST_F(RollsAndPlayers, ClickingTheTickedPlayersItemKeepsTheNames) {
    auto& f = load();
    f.MnuJoga_Click(1);
    f.lblPlayer1.setCaption("Ana");
    f.MnuJoga_Click(1);
    EXPECT_EQ(f.lblPlayer1.caption(), "Ana");
    EXPECT_TRUE(f.PicUserB.visible());
}

TEST_F(RollsAndPlayers, SwitchingPlayersResetsTheNamesInTheCurrentLanguage) {
    struct Case {
        const char* idioma;
        const char* first;
        const char* second;
    };
    auto& f = load();
    for (const Case& c : {Case{"0", "Jogador 1", "Jogador 2"}, Case{"1", "Player 1", "Player 2"}}) {
        quopa::Idioma = c.idioma;
        f.lblPlayer1.setCaption("Ana");
        f.lblPlayer2.setCaption("Rui");
        f.MnuJoga_Click(f.MnuJoga[0].checked() ? 1 : 0);
        EXPECT_EQ(f.lblPlayer1.caption(), c.first);
        EXPECT_EQ(f.lblPlayer2.caption(), c.second);
    }
}

TEST_F(RollsAndPlayers, TwoPlayersCentreTheLogoAboveTheBar) {
    auto& f = load();
    f.MnuJoga_Click(1);
    EXPECT_EQ(f.imgOstrelo.top(),
              f.scaleHeight() - (f.imgOstrelo.height() + f.PicSbar1.height() + 20));
    f.MnuJoga_Click(0);
    EXPECT_EQ(f.imgOstrelo.top(), 30);
}

class PlayerNames : public GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        load().MnuJoga_Click(1);
    }
};

TEST_F(PlayerNames, TheAnswerIsCutToFifteenCharactersAndTrimmed) {
    struct Case {
        const char* answer;
        const char* name;
    };
    const std::vector<Case> cases = {
        {"  Ana  ", "Ana"},
        {"ABCDEFGHIJKLMNOPQRS", "ABCDEFGHIJKLMNO"},
        {"   ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKL"},
        {"ABCDEFGHIJKLMN   Z", "ABCDEFGHIJKLMN"},
        {"João Conceição Álvares", "João Conceição"},  // cut by characters, not bytes
    };
    for (const Case& c : cases) {
        services.dialogs.inputAnswers.push_back(c.answer);
        f().mnuNome1_Click();
        EXPECT_EQ(f().lblPlayer1.caption(), c.name) << '"' << c.answer << '"';
    }
}

TEST_F(PlayerNames, NothingLeftKeepsTheOldName) {
    for (const char* answer : {"", "   ", "               x"}) {
        f().lblPlayer2.setCaption("Rui");
        services.dialogs.inputAnswers.push_back(answer);
        f().mnuNome2_Click();
        EXPECT_EQ(f().lblPlayer2.caption(), "Rui") << '"' << answer << '"';
    }
}

TEST_F(PlayerNames, TheBoxAsksInTheCurrentLanguageWithTheCurrentName) {
    quopa::Idioma = "0";
    f().lblPlayer1.setCaption("Ana");
    f().mnuNome1_Click();
    quopa::Idioma = "1";
    f().mnuNome2_Click();
    ASSERT_EQ(services.dialogs.inputs.size(), 2u);
    EXPECT_EQ(services.dialogs.inputs[0].title, "Jogador 1 ...");
    EXPECT_EQ(services.dialogs.inputs[0].prompt,
              "digite o nome do jogador 1 até 15 caractéres e clique o botão OK");
    EXPECT_EQ(services.dialogs.inputs[1].title, "Player 2 ...");
    EXPECT_EQ(services.dialogs.inputs[1].prompt,
              "Type a name for player 2 up to 15 characters and click the OK button");
    // The fake answers with the default text: the current name stays.
    EXPECT_EQ(f().lblPlayer1.caption(), "Ana");
}

}  // namespace
