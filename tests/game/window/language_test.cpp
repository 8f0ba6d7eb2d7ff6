// The language menu: every text of the main window in the chosen language, and the check of that
// language's help file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "app/module1.h"
#include "dialogs/frm_recor.h"
#include "runtime/errors.h"
#include "tests/support/game_fixture.h"

namespace {

using quopa::frmQUOPA;

// Every menu item of a window, depth first, keyed by name and index.
std::map<std::string, rt::Menu*> allMenus(frmQUOPA& f) {
    std::map<std::string, rt::Menu*> out;
    std::function<void(rt::Menu*)> walk = [&](rt::Menu* m) {
        out[m->name() + (m->index() >= 0 ? "(" + std::to_string(m->index()) + ")" : "")] = m;
        for (rt::Menu* item : m->items()) walk(item);
    };
    for (rt::Menu* m : f.menus()) walk(m);
    return out;
}

std::map<std::string, std::string> captions(frmQUOPA& f) {
    std::map<std::string, std::string> out;
    for (auto& [name, menu] : allMenus(f)) out[name] = menu->caption();
    return out;
}

// A window built as designed (Portuguese texts), not loaded, with the help files beside it.
class Language : public testing_support::GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        quopa::PegaCaminhoApp();
    }
    // Starts in the given language as the window's set-up does.
    void startIn(const char* idioma) {
        quopa::Idioma = idioma;
        if (quopa::Idioma == "1") {
            form.mnuLingua[0].setChecked(true);
            form.mnuLingua_Click(1);
        } else {
            form.mnuLingua[1].setChecked(true);
            form.mnuLingua_Click(0);
        }
    }
    void writeHelp(const char* file, const char* content) {
        std::ofstream(programDir + file, std::ios::binary | std::ios::trunc) << content;
    }
    void TearDown() override {
        rt::FormInstance<quopa::frmRecor>::discard();
        GameFixture::TearDown();
    }
    frmQUOPA form;
};

// Switches the window to a language ("0" Portuguese, "1" English) through its menu, with the
// other language's item checked first, so the click always switches.
void switchTo(frmQUOPA& f, const char* idioma) {
    const bool english = idioma[0] == '1';
    f.mnuLingua[english ? 0 : 1].setChecked(true);
    f.mnuLingua_Click(english ? 1 : 0);
}

TEST_F(Language, EnglishChangesEveryTranslatedMenuAndPortugueseRestoresTheDesign) {
    const auto design = captions(form);
    startIn("1");
    EXPECT_EQ(quopa::Idioma.str(), "1");
    const auto english = captions(form);
    // Separators and these items read the same in both languages.
    const std::set<std::string> same = {"mnuLingua(0)",   "mnuLingua(1)",        "MnuAplaudirQuopa",
                                        "mnuMarketing",   "menu_Representantes", "mnuOstrelo",
                                        "menu_ostreloZIP"};
    for (const auto& [name, text] : design) {
        if (text == "-") continue;
        if (same.count(name))
            EXPECT_EQ(english.at(name), text) << name;
        else
            EXPECT_NE(english.at(name), text) << name;
    }
    EXPECT_EQ(english.at("mnuidioma"), "I&dioma");
    EXPECT_EQ(english.at("mnuLingua(0)"), "&Português");
    EXPECT_EQ(english.at("mnuAjuda"), "&Help" + std::string(35, ' ') + "F1");
    EXPECT_EQ(form.cmdBack.caption(), "&Back");
    EXPECT_EQ(form.cmdBack2.caption(), "&Back");
    EXPECT_FALSE(form.menu_Representantes.enabled());
    EXPECT_EQ(rt::app().helpFile(), programDir + "Helpquopa.hlp");

    form.mnuLingua_Click(0);
    EXPECT_EQ(quopa::Idioma.str(), "0");
    EXPECT_TRUE(form.mnuLingua[0].checked());
    EXPECT_FALSE(form.mnuLingua[1].checked());
    auto portuguese = captions(form);
    // The Portuguese item reads in English once the language has been set.
    EXPECT_EQ(portuguese.at("mnuLingua(0)"), "&Portuguese");
    portuguese["mnuLingua(0)"] = design.at("mnuLingua(0)");
    EXPECT_EQ(portuguese, design);
    EXPECT_EQ(portuguese.at("mnuAjuda").size(), std::string("&Ajuda").size() + 34 + 2);
    EXPECT_EQ(form.cmdBack.caption(), "&Voltar");
    EXPECT_TRUE(form.menu_Representantes.enabled());
    EXPECT_EQ(rt::app().helpFile(), programDir + "Ajudquopa.hlp");
}

TEST_F(Language, TheBoxesButtonsFollowTheLanguageMenu) {
    startIn("1");
    EXPECT_EQ(services.dialogs.language, rt::Language::English);
    switchTo(form, "0");
    EXPECT_EQ(services.dialogs.language, rt::Language::Portuguese);
    switchTo(form, "1");
    EXPECT_EQ(services.dialogs.language, rt::Language::English);
}

TEST_F(Language, ChoosingTheCheckedLanguageDoesNothing) {
    startIn("1");
    form.nnuJogo.setCaption("untouched");
    rt::app().setHelpFile("untouched");
    std::filesystem::remove(programDir + "Helpquopa.hlp");
    form.mnuLingua_Click(1);
    EXPECT_EQ(form.nnuJogo.caption(), "untouched");
    EXPECT_EQ(rt::app().helpFile(), "untouched");
    EXPECT_TRUE(services.dialogs.messages.empty());
    EXPECT_TRUE(form.mnuLingua[1].checked());
}

TEST_F(Language, OnlyTheMarkingCaptionOfPlayerOnesRollButtonIsTranslated) {
    struct Case {
        const char* before;
        const char* to;
        const char* after;
    } cases[] = {
        {"Marcar pontos", "1", "Mark points"},   {"Mark points", "0", "Marcar pontos"},
        {"Jogar (2)", "1", "Jogar (2)"},         {"Marcar pontos", "0", "Marcar pontos"},
        {"marcar pontos", "1", "marcar pontos"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " -> " + c.to);
        frmQUOPA f;
        f.cmdPlay.setCaption(c.before);
        f.cmdPlay2.setCaption(c.before);
        switchTo(f, c.to);
        EXPECT_EQ(f.cmdPlay.caption(), c.after);
        EXPECT_EQ(f.cmdPlay2.caption(), c.before);
    }
}

TEST_F(Language, DefaultPlayerNamesAreTranslatedAndGivenNamesKept) {
    struct Case {
        const char* player1;
        const char* player2;
        const char* to;
        const char* after1;
        const char* after2;
    } cases[] = {
        {"Jogador 1", "Jogador 2", "1", "Player 1", "Player 2"},
        {"  jogador 1 ", "JOGADOR 2", "1", "Player 1", "Player 2"},
        {"Player 1", "player 2", "0", "Jogador 1", "Jogador 2"},
        {"Joana", "Jogador 1", "1", "Joana", "Jogador 1"},
        {"Jogador 1", "Player 2", "1", "Player 1", "Player 2"},
        {"Player 1", "Rui", "0", "Jogador 1", "Rui"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.player1) + " / " + c.player2 + " -> " + c.to);
        frmQUOPA f;
        f.lblPlayer1.setCaption(c.player1);
        f.lblPlayer2.setCaption(c.player2);
        switchTo(f, c.to);
        EXPECT_EQ(f.lblPlayer1.caption(), c.after1);
        EXPECT_EQ(f.lblPlayer2.caption(), c.after2);
    }
}

TEST_F(Language, AMissingOrBrokenHelpFileEndsTheProgramWithTheMessageOfItsLanguage) {
    struct Case {
        const char* idioma;
        const char* file;
        const char* content;  // nullptr: no file at all
        std::string prompt;
        std::string title;
    };
    const Case cases[] = {
        {"0", "Ajudquopa.hlp", nullptr,
         "Não será possível continuar. O arquivo de ajuda: Ajudquopa.hlp não se encontra na "
         "pasta: " +
             programDir,
         "Arquivo não encontrado na pasta do Programa"},
        {"0", "Ajudquopa.hlp", "",
         "Não será possível continuar. O arquivo de ajuda: Ajudquopa.hlp não foi encontrado ou "
         "está corrompido.",
         "Arquivo não encontrado ou corrompido"},
        {"0", "Ajudquopa.hlp", "x_help",
         "Não será possível continuar. O arquivo de ajuda: Ajudquopa.hlp não foi encontrado ou "
         "está corrompido.",
         "Arquivo não encontrado ou corrompido"},
        {"1", "Helpquopa.hlp", nullptr,
         "Can not load Tuvel Quopa. The help file Helpquopa.hlp is not in the same folder as "
         "Dazivuvera.exe",
         "File was not found in " + programDir},
        {"1", "Helpquopa.hlp", "",
         "Can not load Tuvel Quopa. The help file Helpquopa.hlp is missing or corrupted.",
         "Missing or Corrupted file"},
        {"1", "Helpquopa.hlp", "?",
         "Can not load Tuvel Quopa. The help file Helpquopa.hlp is missing or corrupted.",
         "Missing or Corrupted file"},
        {"1", "Helpquopa.hlp", "  _?",
         "Can not load Tuvel Quopa. The help file Helpquopa.hlp is missing or corrupted.",
         "Missing or Corrupted file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " \"" + (c.content ? c.content : "(missing)") + "\"");
        if (c.content)
            writeHelp(c.file, c.content);
        else
            std::filesystem::remove(programDir + c.file);
        services.dialogs.messages.clear();
        quopa::Idioma = c.idioma;
        EXPECT_THROW(load(), rt::EndProgram);
        ASSERT_EQ(services.dialogs.messages.size(), 1u);
        EXPECT_EQ(services.dialogs.messages[0].prompt, c.prompt);
        EXPECT_EQ(services.dialogs.messages[0].title, c.title);
        EXPECT_EQ(services.dialogs.messages[0].style, 4112);
        EXPECT_TRUE(services.settings.saveLog.empty());
        rt::FormInstance<frmQUOPA>::discard();
        writeHelp(c.file, "?_\n<html></html>\n");
    }
}

TEST_F(Language, AHelpFileIsValidByItsFirstFieldAlone) {
    for (const char* content : {"?_", "  ?_x, more", "\"?_quoted\"", "?_\r\nanything"}) {
        SCOPED_TRACE(content);
        writeHelp("Helpquopa.hlp", content);
        frmQUOPA f;
        f.mnuLingua[0].setChecked(true);
        EXPECT_NO_THROW(f.mnuLingua_Click(1));
        EXPECT_TRUE(services.dialogs.messages.empty());
    }
}

TEST_F(Language, SwitchingToABrokenLanguageAfterStartClosesTheWindowsSavingAndEnds) {
    auto& f = load();  // English
    quopa::frmRecor::instance();
    writeHelp("Ajudquopa.hlp", "");
    EXPECT_THROW(f.mnuLingua_Click(0), rt::EndProgram);
    ASSERT_EQ(services.dialogs.messages.size(), 1u);
    EXPECT_EQ(services.dialogs.messages[0].title, "Arquivo não encontrado ou corrompido");
    // The Portuguese texts are set before the check, but the language is switched after it.
    const auto& log = services.settings.saveLog;
    EXPECT_NE(std::find(log.begin(), log.end(), "MainForm/Language=1"), log.end());
    EXPECT_FALSE(rt::FormInstance<frmQUOPA>::isLoaded());
    EXPECT_EQ(rt::FormInstance<quopa::frmRecor>::existing(), nullptr);
}

}  // namespace
