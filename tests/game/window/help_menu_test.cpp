// The help item and the information menu: help files opened at their contexts, and the copy of
// the rules archive on the Desktop.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/frm_chama_ajuda.h"
#include "app/module1.h"
#include "tests/support/game_fixture.h"

namespace fs = std::filesystem;

namespace {

using Opened = std::vector<std::pair<std::string, int>>;

class InformationMenu : public testing_support::GameFixture {
  protected:
    void TearDown() override {
        rt::FormInstance<quopa::frmChamaAjuda>::discard();
        GameFixture::TearDown();
    }
    std::string readFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(InformationMenu, TheHelpItemOpensTheLanguagesHelpFileAtTheWindowsContext) {
    auto& f = load();
    f.mnuAjuda_Click();
    EXPECT_EQ(services.help.opened, (Opened{{programDir + "Helpquopa.hlp", 10}}));
}

TEST_F(InformationMenu, LauncherItemsOpenTheirFilesAndTheHelpFileFollowsTheLanguage) {
    struct Case {
        const char* idioma;
        void (quopa::frmQUOPA::*item)();
        Opened opened;
        const char* helpAfter;
        bool representativesEnabled;
    };
    const Case cases[] = {
        {"1",
         &quopa::frmQUOPA::mnuMarketing_Click,
         {{programDir + "marketin.chm", 0}},
         "Helpquopa.hlp",
         false},
        {"1",
         &quopa::frmQUOPA::mnuOstrelo_Click,
         {{programDir + "ostrelo.chm", 0}},
         "Helpquopa.hlp",
         false},
        {"0",
         &quopa::frmQUOPA::mnuOstrelo_Click,
         {{programDir + "ostrelo.chm", 0}},
         "Ajudquopa.hlp",
         true},
        {"0",
         &quopa::frmQUOPA::menu_Representantes_Click,
         {{programDir + "Ajudquopa.hlp", 1156}},
         "Ajudquopa.hlp",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opened[0].first);
        quopa::Idioma = c.idioma;
        auto& f = load();
        services.help.opened.clear();
        services.display.unloadedForms.clear();
        (f.*c.item)();
        EXPECT_EQ(services.help.opened, c.opened);
        EXPECT_EQ(rt::app().helpFile(), programDir + c.helpAfter);
        EXPECT_EQ(f.menu_Representantes.enabled(), c.representativesEnabled);
        EXPECT_EQ(services.display.unloadedForms, std::vector<std::string>{"frmChamaAjuda"});
        EXPECT_EQ(rt::FormInstance<quopa::frmChamaAjuda>::existing(), nullptr);
        rt::FormInstance<quopa::frmQUOPA>::discard();
    }
}

TEST_F(InformationMenu, EachLauncherOpeningStartsFromAFreshWindowWithoutTheLastContext) {
    quopa::Idioma = "0";
    auto& f = load();
    f.menu_Representantes_Click();
    f.mnuMarketing_Click();
    EXPECT_EQ(services.help.opened.back(),
              (std::pair<std::string, int>{programDir + "marketin.chm", 0}));
}

class DesktopCopy : public InformationMenu {
  protected:
    void SetUp() override {
        InformationMenu::SetUp();
        desktop = fs::path(::testing::TempDir()) / "quopa-desktop";
        fs::remove_all(desktop);
        fs::create_directories(desktop);
        services.folders.folders[rt::kDesktopFolder] = desktop.string();
        std::ofstream(programDir + "ostrelo.zip", std::ios::binary | std::ios::trunc) << "PK rules";
    }
    void TearDown() override {
        fs::remove_all(desktop);
        InformationMenu::TearDown();
    }
    fs::path desktop;
};

TEST_F(DesktopCopy, CopiesTheArchiveAndConfirmsInTheLanguageEvenOverAnOlderCopy) {
    struct Case {
        const char* idioma;
        const char* prompt;
        const char* title;
    } cases[] = {
        {"0",
         "O arquivo ostrelo.zip (92ks) foi copiado para a Área de Trabalho, para que você possa "
         "anexá-lo aos seus e-mails.",
         "Arquivo copiado"},
        {"1",
         "The ostrelo.zip file(92ks) was copied to the Desktop, that you can attach it in your "
         "e-mails.",
         "The file is in the Desktop"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.idioma);
        quopa::Idioma = c.idioma;
        auto& f = load();
        std::ofstream(desktop / "ostrelo.zip", std::ios::trunc) << "old";
        services.dialogs.messages.clear();
        f.menu_ostreloZIP_Click();
        EXPECT_EQ(readFile((desktop / "ostrelo.zip").string()), "PK rules");
        ASSERT_EQ(services.dialogs.messages.size(), 1u);
        EXPECT_EQ(services.dialogs.messages[0].prompt, c.prompt);
        EXPECT_EQ(services.dialogs.messages[0].title, c.title);
        EXPECT_EQ(services.dialogs.messages[0].style, 4096);
        rt::FormInstance<quopa::frmQUOPA>::discard();
    }
}

TEST_F(DesktopCopy, AMissingArchiveIsReportedInTwoParagraphs) {
    struct Case {
        const char* idioma;
        const char* prompt;
        const char* title;
    } cases[] = {
        {"0",
         "O arquivo ostrelo.zip (92ks) não foi encontrado na pasta do programa.\r\n\r\nFaça "
         "download do arquivo em nossos sites, e coloque-o na pasta do programa, ou reinstale o "
         "programa.",
         "Arquivo não encontrado"},
        {"1",
         "The ostrelo.zip file(92ks) was not found in the program folder.\r\n\r\nDownload it in "
         "our sites, and put it in the folder of the program, or install the program again.",
         "File not found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.idioma);
        quopa::Idioma = c.idioma;
        auto& f = load();
        // The program checked the archive when it started; it went away since. With nothing to
        // copy, no Desktop folder is made either.
        fs::remove(programDir + "ostrelo.zip");
        services.folders.folders[rt::kDesktopFolder] = (desktop / "new").string();
        services.dialogs.messages.clear();
        f.menu_ostreloZIP_Click();
        EXPECT_FALSE(fs::exists(desktop / "new"));
        ASSERT_EQ(services.dialogs.messages.size(), 1u);
        EXPECT_EQ(services.dialogs.messages[0].prompt, c.prompt);
        EXPECT_EQ(services.dialogs.messages[0].title, c.title);
        EXPECT_EQ(services.dialogs.messages[0].style, 4112);
        EXPECT_FALSE(fs::exists(desktop / "ostrelo.zip"));
        rt::FormInstance<quopa::frmQUOPA>::discard();
        std::ofstream(programDir + "ostrelo.zip") << "PK rules";
    }
}

TEST_F(DesktopCopy, AMissingDesktopFolderIsMadeAndGetsTheCopy) {
    quopa::Idioma = "0";
    auto& f = load();
    const fs::path novo = desktop / "Área de Trabalho";
    services.folders.folders[rt::kDesktopFolder] = novo.string();
    f.menu_ostreloZIP_Click();
    EXPECT_EQ(readFile((novo / "ostrelo.zip").string()), "PK rules");
    ASSERT_EQ(services.dialogs.messages.size(), 1u);
    EXPECT_EQ(services.dialogs.messages[0].title, "Arquivo copiado");
}

// A failure is told in the current language, with the critical icon, and claims no copy.
struct FalhaDaCopia {
    const char* idioma;
    const char* title;
    const char* start;
};

TEST_F(DesktopCopy, NoDesktopFolderToBeHadIsReportedAndNothingIsMade) {
    // The desktop reports no folder at all; or one that cannot be made because a file stands where
    // it, or a folder above it, should be: that file is named.
    std::ofstream(desktop / "file") << "x";
    const std::string file = (desktop / "file").string();
    // A link that leads nowhere is in the way as a file is.
    fs::create_symlink(desktop / "nowhere", desktop / "dangling");
    const std::string dangling = (desktop / "dangling").string();
    struct Case {
        const char* idioma;
        const char* where;  // the Desktop folder reported, under the test's folder
        const char* title;
        std::string prompt;
    };
    const Case cases[] = {
        {"0", nullptr, "Arquivo não copiado",
         "A pasta da Área de Trabalho não foi encontrada e não pôde ser criada.\r\n\r\n"
         "O arquivo ostrelo.zip não foi copiado."},
        {"1", nullptr, "File not copied",
         "The Desktop folder was not found and could not be made.\r\n\r\n"
         "The ostrelo.zip file was not copied."},
        {"0", "file/Desktop", "Arquivo não copiado",
         "A pasta da Área de Trabalho não pôde ser criada: um arquivo está no caminho:\r\n\r\n" +
             file + "\r\n\r\nO arquivo ostrelo.zip não foi copiado."},
        {"1", "file", "File not copied",
         "The Desktop folder could not be made: a file is in the way:\r\n\r\n" + file +
             "\r\n\r\nThe ostrelo.zip file was not copied."},
        {"1", "file/Desktop", "File not copied",
         "The Desktop folder could not be made: a file is in the way:\r\n\r\n" + file +
             "\r\n\r\nThe ostrelo.zip file was not copied."},
        {"0", "dangling", "Arquivo não copiado",
         "A pasta da Área de Trabalho não pôde ser criada: um arquivo está no caminho:\r\n\r\n" +
             dangling + "\r\n\r\nO arquivo ostrelo.zip não foi copiado."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.idioma) + (c.where ? c.where : "(none)"));
        quopa::Idioma = c.idioma;
        auto& f = load();
        if (c.where)
            services.folders.folders[rt::kDesktopFolder] = (desktop / c.where).string();
        else
            services.folders.folders.erase(rt::kDesktopFolder);
        services.dialogs.messages.clear();
        f.menu_ostreloZIP_Click();
        ASSERT_EQ(services.dialogs.messages.size(), 1u);
        EXPECT_EQ(services.dialogs.messages[0].title, c.title);
        EXPECT_EQ(services.dialogs.messages[0].prompt, c.prompt);
        EXPECT_EQ(services.dialogs.messages[0].style, 4112);
        rt::FormInstance<quopa::frmQUOPA>::discard();
    }
}

TEST_F(DesktopCopy, ACopyThatFailsIsReportedWithTheTargetAndLeavesTheOldCopyWhole) {
    // A folder in the target's place makes the copy fail after the Desktop was found.
    fs::create_directories(desktop / "ostrelo.zip" / "inside");
    const FalhaDaCopia cases[] = {
        {"0", "Arquivo não copiado", "O arquivo ostrelo.zip não pôde ser copiado"},
        {"1", "File not copied", "The ostrelo.zip file could not be copied to the Desktop."},
    };
    for (const FalhaDaCopia& c : cases) {
        SCOPED_TRACE(c.idioma);
        quopa::Idioma = c.idioma;
        auto& f = load();
        services.dialogs.messages.clear();
        f.menu_ostreloZIP_Click();
        ASSERT_EQ(services.dialogs.messages.size(), 1u);
        const auto& shown = services.dialogs.messages[0];
        EXPECT_EQ(shown.title, c.title);
        EXPECT_EQ(shown.prompt.rfind(c.start, 0), 0u) << shown.prompt;
        EXPECT_NE(shown.prompt.find((desktop / "ostrelo.zip").string()), std::string::npos);
        EXPECT_EQ(shown.style, 4112);
        rt::FormInstance<quopa::frmQUOPA>::discard();
    }
    EXPECT_TRUE(fs::exists(desktop / "ostrelo.zip" / "inside"));
    // No temporary file is left beside the target.
    EXPECT_EQ(std::distance(fs::directory_iterator(desktop), fs::directory_iterator()), 1);
}

}  // namespace
