// The options: read from the store while the main window loads, their menu handlers and the
// rules between them, and saving them back.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/module1.h"
#include "runtime/form.h"
#include "tests/support/game_fixture.h"

namespace {

using testing_support::GameFixture;

class StoredOptions : public GameFixture {
  protected:
    std::map<std::string, std::string>& stored() { return services.settings.values["MainForm"]; }
    // Starts a table row afresh: a new window over a store that holds only `key`.
    quopa::frmQUOPA& loadWith(const std::string& key, const std::string& text) {
        TearDown();
        services.settings.values.clear();
        services.settings.saveLog.clear();
        SetUp();
        stored()[key] = text;
        return load();
    }
};

TEST_F(StoredOptions, EmptyStoreOpensWithTheDefaults) {
    auto& f = load();
    EXPECT_EQ(f.windowState(), rt::WindowState::Maximized);
    for (rt::Menu* on : {&f.mnuAnimacao, &f.MnuAplaudirQuopa, &f.MnuReclamacao, &f.mnuFama,
                         &f.mnuPossibilidade, &f.mnuExibeLegendas, &f.MnuExibePontos})
        EXPECT_TRUE(on->checked()) << on->name();
    for (rt::Menu* off : {&f.mnuNenhumSom, &f.mnuTotal, &f.mnuHabilitaTeclado, &f.MostC})
        EXPECT_FALSE(off->checked()) << off->name();
    EXPECT_TRUE(f.MostC.enabled());
    EXPECT_TRUE(f.MnuReclamacao.enabled());
    EXPECT_TRUE(f.MnuJogadas[0].checked());
    EXPECT_FALSE(f.MnuJogadas[1].checked());
    EXPECT_EQ(f.lblPodeJogar.caption(), "3");
    EXPECT_TRUE(f.MnuJoga[0].checked());
    EXPECT_FALSE(f.MnuJoga[1].checked());
    EXPECT_FALSE(f.PicUserB.visible());
    EXPECT_FALSE(f.mnuNome1.enabled());
    EXPECT_TRUE(f.PicSbar1.visible());
    EXPECT_TRUE(f.lblPontos.visible());
    EXPECT_TRUE(f.lblSomaSelecionados.visible());
    EXPECT_FALSE(f.lblTgeral1.visible());
    EXPECT_FALSE(f.lblTgeral2.visible());
}

TEST_F(StoredOptions, TruthValuesAreReadInTheirTextFormAndAsNumbers) {
    struct Case {
        const char* text;
        bool ticked;
    };
    // A text that is no truth value leaves the item unticked, as at design.
    const std::vector<Case> cases = {
        {"True", true}, {"False", false}, {"true", true}, {" FALSE ", false}, {"-1", true},
        {"0", false},   {"7", true},      {"abc", false}, {"", false},        {"Truex", false}};
    for (const Case& c : cases) {
        auto& f = loadWith("Animation", c.text);
        EXPECT_EQ(f.mnuAnimacao.checked(), c.ticked) << '"' << c.text << '"';
        auto& g = loadWith("Total", c.text);
        EXPECT_EQ(g.mnuTotal.checked(), c.ticked) << '"' << c.text << '"';
        EXPECT_EQ(g.lblTgeral1.visible(), c.ticked) << '"' << c.text << '"';
    }
}

TEST_F(StoredOptions, NoSoundsSilencesTheStoredSoundChoices) {
    stored()["NoSounds"] = "True";
    stored()["Quopa"] = "True";
    stored()["Complaint"] = "True";
    stored()["HighScore"] = "True";
    auto& f = load();
    EXPECT_TRUE(f.mnuNenhumSom.checked());
    for (rt::Menu* item : {&f.MnuAplaudirQuopa, &f.MnuReclamacao, &f.mnuFama}) {
        EXPECT_FALSE(item->checked()) << item->name();
        EXPECT_FALSE(item->enabled()) << item->name();
    }
}

TEST_F(StoredOptions, PossibilitiesOffUntickAndDisableComplaintAndShortcutKeys) {
    stored()["Possibilities"] = "False";
    stored()["Complaint"] = "True";
    stored()["Shortcutkeys"] = "True";
    auto& f = load();
    for (rt::Menu* item : {&f.MnuReclamacao, &f.MostC}) {
        EXPECT_FALSE(item->checked()) << item->name();
        EXPECT_FALSE(item->enabled()) << item->name();
    }
}

TEST_F(StoredOptions, ShortcutKeysStayTickedWhilePossibilitiesAreOn) {
    stored()["Shortcutkeys"] = "True";
    auto& f = load();
    EXPECT_TRUE(f.MostC.checked());
    EXPECT_TRUE(f.MostC.enabled());
}

TEST_F(StoredOptions, OnlyTheFirstCharacterOfChancesCounts) {
    struct Case {
        const char* text;
        const char* rolls;
    };
    for (const Case& c : std::vector<Case>{
             {"5", "5"}, {"5x", "5"}, {"4", "3"}, {"3", "3"}, {"", "3"}, {" 5", "3"}}) {
        auto& f = loadWith("Chances", c.text);
        EXPECT_EQ(f.lblPodeJogar.caption(), c.rolls) << '"' << c.text << '"';
        EXPECT_EQ(f.Jogad1.caption(), c.rolls) << '"' << c.text << '"';
        EXPECT_EQ(f.Jogad2.caption(), c.rolls) << '"' << c.text << '"';
        EXPECT_EQ(f.MnuJogadas[1].checked(), std::string(c.rolls) == "5");
        EXPECT_NE(f.MnuJogadas[0].checked(), f.MnuJogadas[1].checked());
    }
}

TEST_F(StoredOptions, OnlyAStoredTwoGivesTwoPlayers) {
    struct Case {
        const char* text;
        bool two;
    };
    for (const Case& c : std::vector<Case>{
             {"2", true}, {"2x", true}, {"1", false}, {"3", false}, {"", false}, {"x", false}}) {
        auto& f = loadWith("Players", c.text);
        EXPECT_EQ(f.MnuJoga[1].checked(), c.two) << '"' << c.text << '"';
        EXPECT_EQ(f.MnuJoga[0].checked(), !c.two) << '"' << c.text << '"';
        EXPECT_EQ(f.PicUserB.visible(), c.two) << '"' << c.text << '"';
        EXPECT_EQ(f.lblPlayer1.visible(), c.two) << '"' << c.text << '"';
        EXPECT_EQ(f.lblPlayer2.visible(), c.two) << '"' << c.text << '"';
        EXPECT_EQ(f.mnuNome1.enabled(), c.two) << '"' << c.text << '"';
        EXPECT_EQ(f.mnuNome2.enabled(), c.two) << '"' << c.text << '"';
    }
}

TEST_F(StoredOptions, OnlyAStoredZeroOpensTheWindowNormal) {
    struct Case {
        const char* text;
        rt::WindowState state;
    };
    for (const Case& c : std::vector<Case>{{"0", rt::WindowState::Normal},
                                           {"01", rt::WindowState::Normal},
                                           {"1", rt::WindowState::Maximized},
                                           {"2", rt::WindowState::Maximized},
                                           {"x", rt::WindowState::Maximized},
                                           {"", rt::WindowState::Maximized}}) {
        EXPECT_EQ(loadWith("WindowState", c.text).windowState(), c.state) << '"' << c.text << '"';
    }
}

TEST_F(StoredOptions, ShownPartsFollowTheirOptions) {
    stored()["Labels"] = "False";
    stored()["Points"] = "False";
    stored()["Total"] = "True";
    auto& f = load();
    EXPECT_FALSE(f.PicSbar1.visible());
    EXPECT_FALSE(f.lblPontos.visible());
    EXPECT_FALSE(f.lblSomaSelecionados.visible());
    EXPECT_TRUE(f.lblTgeral1.visible());
    EXPECT_TRUE(f.lblTgeral2.visible());
}

TEST_F(StoredOptions, KeyboardPlayTakesTheButtonsOutOfTheTabOrder) {
    stored()["Keyboard"] = "True";
    auto& f = load();
    EXPECT_TRUE(f.mnuHabilitaTeclado.checked());
    EXPECT_FALSE(f.cmdPlay.tabStop());
    EXPECT_FALSE(f.cmdBack.tabStop());
}

class SavedOptions : public StoredOptions {
  protected:
    // The keys written by SalvaOpcoes, in the order written.
    std::vector<std::string> writtenKeys() {
        std::vector<std::string> keys;
        for (const std::string& entry : services.settings.saveLog)
            if (entry.rfind("MainForm/", 0) == 0)
                keys.push_back(entry.substr(9, entry.find('=') - 9));
        return keys;
    }
};

TEST_F(SavedOptions, EveryOptionIsWrittenInItsOrder) {
    auto& f = load();
    services.settings.saveLog.clear();
    f.SalvaOpcoes();
    EXPECT_EQ(writtenKeys(), (std::vector<std::string>{
                                 "WindowState", "Animation", "NoSounds", "Quopa", "Complaint",
                                 "HighScore", "Possibilities", "Labels", "Points", "Total",
                                 "Chances", "Players", "Language", "Keyboard", "Shortcutkeys"}));
}

TEST_F(SavedOptions, ANonDefaultSetOfOptionsSurvivesSavingAndLoading) {
    const std::map<std::string, std::string> options = {
        {"WindowState", "0"},      {"Animation", "False"}, {"NoSounds", "False"},
        {"Quopa", "False"},        {"Complaint", "False"}, {"HighScore", "False"},
        {"Possibilities", "True"}, {"Labels", "False"},    {"Points", "False"},
        {"Total", "True"},         {"Chances", "5"},       {"Players", "2"},
        {"Language", "1"},         {"Keyboard", "True"},   {"Shortcutkeys", "True"}};
    for (const auto& [key, value] : options) stored()[key] = value;
    auto& f = load();
    stored().clear();
    f.SalvaOpcoes();
    for (const auto& [key, value] : options) EXPECT_EQ(stored()[key], value) << key;
}

TEST_F(SavedOptions, TruthValuesAreWrittenAsTrueAndFalse) {
    auto& f = load();
    f.SalvaOpcoes();
    EXPECT_EQ(stored()["Animation"], "True");
    EXPECT_EQ(stored()["NoSounds"], "False");
    EXPECT_EQ(stored()["Chances"], "3");
    EXPECT_EQ(stored()["Players"], "1");
    EXPECT_EQ(stored()["WindowState"], "2");
}

TEST_F(SavedOptions, AMinimisedWindowIsStoredMaximised) {
    auto& f = load();
    f.setWindowState(rt::WindowState::Minimized);
    f.SalvaOpcoes();
    EXPECT_EQ(stored()["WindowState"], "2");
    EXPECT_EQ(f.windowState(), rt::WindowState::Maximized);
}

TEST_F(SavedOptions, TheLanguageIsStoredAsItsOneCharacter) {
    quopa::Idioma = "0";
    auto& f = load();
    f.SalvaOpcoes();
    EXPECT_EQ(stored()["Language"], "0");
}

TEST_F(SavedOptions, TheExitItemUnloadsTheWindowAndSavesTheOptions) {
    auto& f = load();
    f.mnuAnimacao_Click();
    f.mnuSair_Click();
    EXPECT_EQ(rt::FormInstance<quopa::frmQUOPA>::existing(), nullptr);
    EXPECT_EQ(stored()["Animation"], "False");
}

// A store damaged by hand or by another program: every key of both sections holds the same
// garbage. The window must still load, on the fallbacks, and save sane values again.
using DamagedStore = StoredOptions;

TEST_F(DamagedStore, GarbageInEveryKeyLoadsOnTheFallbacksAndSavesSaneValues) {
    const std::vector<std::string> mainKeys = {
        "WindowState",   "Animation", "NoSounds",     "Quopa",   "Complaint",     "HighScore",
        "Possibilities", "Labels",    "Points",       "Total",   "Chances",       "Players",
        "Language",      "Keyboard",  "Shortcutkeys", "Dice1",   "Dice2",         "Dice3",
        "Dice4",         "Dice5",     "Dice6",        "DiceTmp", "TypeAnimation", "TimerAnimation"};
    const std::vector<std::string> colourKeys = {
        "MainBack",    "PicUser",      "Picture1",    "lblVolta",  "lblQuemJoga", "lblVolta11F",
        "lblVolta11B", "lblVolte12F",  "lblVolte12B", "lblJogad1", "lblJogad2",   "lblPlayer1",
        "lblPlayer2",  "lblSeleTotal", "lblPontos",   "KeybFore",  "KeybBack",    "ZeroPoints"};
    const std::vector<std::string> garbage = {"",
                                              " ",
                                              "x",
                                              "-",
                                              "+",
                                              ".",
                                              "1e999",
                                              "99999999999",
                                              "-99999999999",
                                              "\xff",
                                              "\xff\xfe\x80",
                                              "\t\n",
                                              "True",
                                              "&H",
                                              "NaN",
                                              std::string(100000, 'x'),
                                              std::string(5000, '9'),
                                              std::string("\0x", 2)};
    for (const std::string& text : garbage) {
        TearDown();
        services.settings.values.clear();
        SetUp();
        for (const std::string& key : mainKeys) stored()[key] = text;
        for (const std::string& key : colourKeys) services.settings.values["Colors"][key] = text;
        const std::string shown = text.substr(0, 12);

        quopa::frmQUOPA* w = nullptr;
        ASSERT_NO_THROW(w = &load()) << shown;
        // The dice style and the colours take their fallbacks.
        for (int k = 1; k <= 6; ++k) EXPECT_EQ(w->lblDados[k].caption(), std::to_string(12 + k));
        EXPECT_EQ(w->lblTMP.caption(), "1") << shown;
        EXPECT_EQ(w->lblTemPo.caption(), "20") << shown;
        EXPECT_EQ(w->backColor(), rt::palette::kDarkGreen) << shown;
        EXPECT_EQ(w->LTc1.backColor(), rt::palette::kRed) << shown;
        EXPECT_EQ(w->LTc2.backColor(), rt::palette::kRed) << shown;
        // Exactly one item of each pair of choices is ticked.
        EXPECT_NE(w->MnuJogadas[0].checked(), w->MnuJogadas[1].checked()) << shown;
        EXPECT_NE(w->MnuJoga[0].checked(), w->MnuJoga[1].checked()) << shown;
        EXPECT_EQ(w->Jogad1.caption(), w->lblPodeJogar.caption()) << shown;

        stored().clear();
        w->SalvaOpcoes();
        w->SalvaDados();
        EXPECT_TRUE(stored()["WindowState"] == "0" || stored()["WindowState"] == "2") << shown;
        EXPECT_TRUE(stored()["Chances"] == "3" || stored()["Chances"] == "5") << shown;
        EXPECT_TRUE(stored()["Players"] == "1" || stored()["Players"] == "2") << shown;
        for (const char* key : {"Animation", "NoSounds", "Keyboard", "Shortcutkeys"})
            EXPECT_TRUE(stored()[key] == "True" || stored()[key] == "False") << key << shown;
        EXPECT_EQ(stored()["Dice1"], "13") << shown;
        EXPECT_EQ(stored()["TimerAnimation"], "1") << shown;
    }
}

}  // namespace
