// What the main window holds once it has loaded, and what its closing saves.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/frm_splash.h"
#include "app/module1.h"
#include "tests/support/game_fixture.h"

namespace {

class MainWindowLoad : public testing_support::GameFixture {
  protected:
    void TearDown() override {
        rt::FormInstance<quopa::frmSplash>::discard();
        GameFixture::TearDown();
    }
    int indexInSaveLog(const std::string& entryStart) {
        const auto& log = services.settings.saveLog;
        auto it = std::find_if(log.begin(), log.end(),
                               [&](const std::string& e) { return e.rfind(entryStart, 0) == 0; });
        return it == log.end() ? -1 : static_cast<int>(it - log.begin());
    }
};

TEST_F(MainWindowLoad, StartsWithTheStateOfANewGame) {
    auto& f = load();
    EXPECT_EQ(quopa::CaminhoApp, programDir);
    EXPECT_EQ(f.NaoJogou1, 1);
    EXPECT_EQ(f.NaoJogou2, 1);
    EXPECT_EQ(f.QuadroAnimacao, 0);
    EXPECT_EQ(f.TiqueAnimacao, 1);
    for (rt::Label* l : {&f.lblSomaSelecionados, &f.lblPontos, &f.lblTgeral1, &f.lblTgeral2})
        EXPECT_EQ(l->caption(), "") << l->name();
    EXPECT_EQ(f.Jogad1.caption(), f.lblPodeJogar.caption());
    EXPECT_EQ(f.Jogad2.caption(), f.lblPodeJogar.caption());
    EXPECT_TRUE(f.lblCB[18].visible());
    EXPECT_TRUE(services.settings.saveLog.empty());
    EXPECT_TRUE(services.dialogs.messages.empty());
}

TEST_F(MainWindowLoad, AnyStoredLanguageButEnglishBecomesPortuguese) {
    struct Case {
        const char* idioma;
        const char* after;
        bool portugueseChecked;
        const char* helpFile;
    } cases[] = {{"1", "1", false, "Helpquopa.hlp"},
                 {"0", "0", true, "Ajudquopa.hlp"},
                 {"2", "0", true, "Ajudquopa.hlp"},
                 {" ", "0", true, "Ajudquopa.hlp"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.idioma);
        quopa::Idioma = c.idioma;
        auto& f = load();
        EXPECT_EQ(quopa::Idioma.str(), c.after);
        EXPECT_EQ(f.mnuLingua[0].checked(), c.portugueseChecked);
        EXPECT_EQ(f.mnuLingua[1].checked(), !c.portugueseChecked);
        EXPECT_EQ(rt::app().helpFile(), programDir + c.helpFile);
        EXPECT_EQ(f.nnuJogo.caption(), c.portugueseChecked ? "&Jogo" : "&Game");
        rt::FormInstance<quopa::frmQUOPA>::discard();
    }
}

TEST_F(MainWindowLoad, RollsLeftFollowTheStoredRollsPerTurn) {
    services.settings.values["MainForm"]["Chances"] = "5";
    auto& f = load();
    EXPECT_EQ(f.lblPodeJogar.caption(), "5");
    EXPECT_EQ(f.Jogad1.caption(), "5");
    EXPECT_EQ(f.Jogad2.caption(), "5");
}

TEST_F(MainWindowLoad, WithoutASoundDeviceTheStoredSoundOptionsAreSwitchedOff) {
    services.sound.devices = 0;
    services.settings.values["MainForm"]["NoSounds"] = "False";
    services.settings.values["MainForm"]["Quopa"] = "True";
    auto& f = load();
    EXPECT_TRUE(f.mnuNenhumSom.checked());
    EXPECT_FALSE(f.MnuAplaudirQuopa.checked());
    EXPECT_FALSE(f.mnuTodosSons.enabled());
}

TEST_F(MainWindowLoad, ClosingSavesOptionsAndLanguageThenDiceStyleThenStops) {
    auto& f = load();
    quopa::frmSplash::instance();
    int stopsBefore = services.sound.stops;
    f.Timer1.setTimerEnabled(true);
    f.unload();
    EXPECT_EQ(rt::FormInstance<quopa::frmSplash>::existing(), nullptr);
    int language = indexInSaveLog("MainForm/Language=1");
    int dice = indexInSaveLog("MainForm/Dice1=");
    ASSERT_GE(language, 0);
    ASSERT_GE(dice, 0);
    EXPECT_LT(language, dice);
    EXPECT_GT(services.sound.stops, stopsBefore);
    EXPECT_FALSE(services.timers.running(f.Timer1));
}

}  // namespace
