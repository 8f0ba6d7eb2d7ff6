// The start of the program: the language read at start, the single-instance check and the splash
// window that Main shows.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/frm_splash.h"
#include "app/module1.h"
#include "runtime/errors.h"
#include "tests/support/fake_services.h"

namespace {

using testing_support::FakeServices;

// A settings store that fails on every call, as an unreadable store would.
class FailingSettings : public rt::SettingsStore {
  public:
    std::optional<std::string> get(const std::string&, const std::string&,
                                   const std::string&) override {
        throw rt::RuntimeError(rt::kInvalidProcedureCall, "store unreadable");
    }
    rt::SaveResult update(const std::string&, const Change&) override {
        throw rt::RuntimeError(rt::kInvalidProcedureCall, "store unreadable");
    }
    std::string location(const std::string&) override { return ""; }
};

class StartUp : public ::testing::Test {
  protected:
    void SetUp() override { quopa::Idioma = "9"; }
    void TearDown() override {
        rt::FormInstance<quopa::frmSplash>::discard();
        rt::destroyRetiredForms();
    }
    FakeServices services;
};

TEST_F(StartUp, IdiomaPortuguesFollowsTheNumberAtTheStartOfTheLanguage) {
    struct Case {
        const char* idioma;
        bool portugues;
    } cases[] = {{"0", true}, {"1", false}, {"2", false}, {" ", true}, {"x", true}, {"", true}};
    for (const Case& c : cases) {
        quopa::Idioma = c.idioma;
        EXPECT_EQ(quopa::IdiomaPortugues(), c.portugues) << "Idioma \"" << c.idioma << "\"";
    }
}

TEST_F(StartUp, StoredLanguageIsTakenAsItStandsKeepingOneCharacter) {
    for (const char* stored : {"1", "0", "2"}) {
        services.settings.values["MainForm"]["Language"] = stored;
        quopa::PegaIdioma();
        EXPECT_EQ(quopa::Idioma.str(), stored);
    }
    services.settings.values["MainForm"]["Language"] = "12";
    quopa::PegaIdioma();
    EXPECT_EQ(quopa::Idioma.str(), "1");
}

TEST_F(StartUp, WithoutStoredLanguageOrPortugueseProgramsFolderTheLanguageIsEnglish) {
    if (std::filesystem::exists("/Arquivos de programas"))
        GTEST_SKIP() << "this machine has a Portuguese programs folder at its root";
    quopa::PegaIdioma();
    EXPECT_EQ(quopa::Idioma.str(), "1");
}

TEST_F(StartUp, AnUnreadableStoreGivesPortuguese) {
    FailingSettings failing;
    rt::Services s = rt::app().services();
    s.settings = &failing;
    rt::app().install(s);
    quopa::Idioma = "1";
    quopa::PegaIdioma();
    EXPECT_EQ(quopa::Idioma.str(), "0");
}

TEST_F(StartUp, MainReadsTheLanguageAndShowsTheSplashWindowOnTop) {
    services.settings.values["MainForm"]["Language"] = "1";
    quopa::Main();
    EXPECT_EQ(quopa::Idioma.str(), "1");
    ASSERT_EQ(services.display.shown, std::vector<std::string>{"frmSplash"});
    EXPECT_TRUE(services.display.topMost.count("frmSplash"));
    auto* splash = rt::FormInstance<quopa::frmSplash>::existing();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(services.timers.running(splash->Timer1));
    EXPECT_TRUE(services.dialogs.messages.empty());
}

TEST_F(StartUp, MainWithAnUnreadableStoreStartsInPortuguese) {
    FailingSettings failing;
    rt::Services s = rt::app().services();
    s.settings = &failing;
    rt::app().install(s);
    quopa::Idioma = "1";
    quopa::Main();
    EXPECT_EQ(quopa::Idioma.str(), "0");
}

TEST_F(StartUp, SecondInstanceShowsOnlyTheMessageOfTheStoredLanguageAndEnds) {
    constexpr auto pt = rt::Language::Portuguese, en = rt::Language::English;
    struct Case {
        const char* stored;
        const char* prompt;
        const char* title;
        rt::Language buttons;
    } cases[] = {
        {"0", "O Aplicativo já está sendo executado!", " Aviso", pt},
        {"1", "The Application is running already!", " Warning", en},
        // Any stored text other than "1" becomes Portuguese only once the main window has
        // loaded; the message goes by its number value, and so do its buttons.
        {"2", "The Application is running already!", " Warning", en},
        {"x", "O Aplicativo já está sendo executado!", " Aviso", pt},
    };
    services.instance.another = true;
    for (const Case& c : cases) {
        services.dialogs.messages.clear();
        services.settings.values["MainForm"]["Language"] = c.stored;
        EXPECT_THROW(quopa::Main(), rt::EndProgram) << c.stored;
        ASSERT_EQ(services.dialogs.messages.size(), 1u) << c.stored;
        EXPECT_EQ(services.dialogs.messages[0].prompt, c.prompt);
        EXPECT_EQ(services.dialogs.messages[0].title, c.title);
        EXPECT_EQ(services.dialogs.messages[0].style, 64);
        EXPECT_EQ(services.dialogs.messages[0].language, c.buttons) << c.stored;
    }
    EXPECT_TRUE(services.display.shown.empty());
    EXPECT_EQ(rt::FormInstance<quopa::frmSplash>::existing(), nullptr);
    EXPECT_TRUE(services.settings.saveLog.empty());
}

TEST_F(StartUp, FirstInstanceChecksWithoutEffect) {
    quopa::Idioma = "0";
    quopa::VerificaInstancia();
    EXPECT_TRUE(services.dialogs.messages.empty());
}

}  // namespace
