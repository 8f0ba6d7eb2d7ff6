// The shortcuts dialog: launchers made where the user ticked, in folders made when missing,
// reported in the current language; a failure said plainly, with nothing half-written left.
#include "dialogs/frm_msobre1.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/module1.h"
#include "dialogs/desktop_launcher.h"
#include "tests/support/game_fixture.h"

namespace fs = std::filesystem;

namespace {

class ShortcutsDialog : public testing_support::GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        home = fs::path(::testing::TempDir()) / "home";
        fs::remove_all(home);
        // Neither folder exists yet, as on a new account.
        desktop = home / "Área de Trabalho";
        menu = home / ".local/share/applications";
        services.folders.folders[rt::kDesktopFolder] = desktop.string();
        services.folders.folders[rt::kStartMenuFolder] = menu.string();
    }
    void TearDown() override {
        rt::FormInstance<quopa::frmMsobre1>::discard();
        fs::remove_all(home);
        GameFixture::TearDown();
    }
    static std::string read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static bool executable(const fs::path& file) {
        return (fs::status(file).permissions() & fs::perms::owner_exec) != fs::perms::none;
    }
    static long entries(const fs::path& folder) {
        return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    }
    std::string expectedText() const {
        return quopa::launcherText(programDir + "Dazivuvera", programDir + "dazivuvera.png");
    }
    const testing_support::FakeDialogs::Shown& onlyMessage() {
        EXPECT_EQ(services.dialogs.messages.size(), 1u);
        return services.dialogs.messages.at(0);
    }
    fs::path home, desktop, menu;
};

TEST_F(ShortcutsDialog, OffersBothPlacesTickedInTheLanguageWithItsHelpTopic) {
    struct Case {
        const char* idioma;
        const char* caption;
        const char* desktopBox;
        const char* menuBox;
        const char* cancel;
    } cases[] = {
        {"0", "Atalhos", "Na Área de &Trabalho", "No &menu de aplicativos", "Cancelar"},
        {"1", "Shortcuts", "On the &Desktop", "In the applications &menu", "Cancel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.idioma);
        quopa::Idioma = c.idioma;
        auto& d = quopa::frmMsobre1::instance();
        EXPECT_EQ(d.caption(), c.caption);
        EXPECT_EQ(d.chkAreaDeTrabalho.caption(), c.desktopBox);
        EXPECT_EQ(d.chkMenu.caption(), c.menuBox);
        EXPECT_EQ(d.cmdCancelar.caption(), c.cancel);
        EXPECT_TRUE(d.chkAreaDeTrabalho.value() && d.chkMenu.value());
        EXPECT_EQ(d.helpContextID(), 500);
        EXPECT_TRUE(d.cmdOK.isDefault());
        EXPECT_TRUE(d.cmdCancelar.isCancel());
        d.unload();
    }
}

TEST_F(ShortcutsDialog, OkIsOpenOnlyWhileSomePlaceIsTicked) {
    auto& d = quopa::frmMsobre1::instance();
    d.chkAreaDeTrabalho.setValue(false);
    EXPECT_TRUE(d.cmdOK.enabled());
    d.chkMenu.setValue(false);
    EXPECT_FALSE(d.cmdOK.enabled());
    d.chkMenu.setValue(true);
    EXPECT_TRUE(d.cmdOK.enabled());
}

TEST_F(ShortcutsDialog, OkMakesBothLaunchersInFoldersMadeWhenMissingAndSaysWhere) {
    struct Case {
        const char* idioma;
        const char* title;
        const char* onDesktop;
        const char* inMenu;
    } cases[] = {
        {"0", "Atalhos criados", "Atalho criado na Área de Trabalho:\r\n",
         "Atalho criado no menu de aplicativos:\r\n"},
        {"1", "Shortcuts made", "Shortcut made on the Desktop:\r\n",
         "Shortcut made in the applications menu:\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.idioma);
        quopa::Idioma = c.idioma;
        fs::remove_all(home);
        services.dialogs.messages.clear();
        auto& d = quopa::frmMsobre1::instance();
        d.cmdOK_Click();
        const fs::path onDesktop = desktop / "dazivuvera.desktop";
        const fs::path inMenu = menu / "dazivuvera.desktop";
        EXPECT_EQ(read(onDesktop), expectedText());
        EXPECT_EQ(read(inMenu), expectedText());
        // Desktops start only a launcher on the Desktop that may be run.
        EXPECT_TRUE(executable(onDesktop));
        EXPECT_FALSE(executable(inMenu));
        const auto& shown = onlyMessage();
        EXPECT_EQ(shown.title, c.title);
        EXPECT_EQ(shown.prompt,
                  c.onDesktop + onDesktop.string() + "\r\n\r\n" + c.inMenu + inMenu.string());
        EXPECT_EQ(shown.style, rt::kInformation);
        EXPECT_EQ(rt::FormInstance<quopa::frmMsobre1>::existing(), nullptr);
    }
}

TEST_F(ShortcutsDialog, OnlyTheTickedPlaceGetsALauncherAndAnOldOneIsReplaced) {
    fs::create_directories(desktop);
    std::ofstream(desktop / "dazivuvera.desktop") << "[Desktop Entry]\nExec=/old/Dazivuvera\n";
    auto& d = quopa::frmMsobre1::instance();
    d.chkMenu.setValue(false);
    d.cmdOK_Click();
    EXPECT_EQ(read(desktop / "dazivuvera.desktop"), expectedText());
    EXPECT_EQ(entries(desktop), 1);
    EXPECT_FALSE(fs::exists(menu));
    EXPECT_EQ(onlyMessage().prompt.find("applications"), std::string::npos);
}

TEST_F(ShortcutsDialog, AFolderThatCannotBeHadIsToldAndTheOtherLauncherIsStillMade) {
    // The desktop reports no folder; or a file stands where the folder, or one above it, should
    // be: that file is named.
    struct Case {
        const char* idioma;
        const char* where;  // the Desktop folder reported, under the home folder
        const char* title;
        std::string failure;
        const char* made;
    };
    const std::string file = (home / "file").string();
    const std::string dangling = (home / "dangling").string();
    const Case cases[] = {
        {"0", nullptr, "Atalho não criado",
         "Não foi possível criar o atalho na Área de Trabalho: a pasta não foi encontrada e não "
         "pôde ser criada.",
         "Atalho criado no menu de aplicativos:\r\n"},
        {"1", nullptr, "Shortcut not made",
         "The shortcut could not be made on the Desktop: the folder was not found and could not "
         "be made.",
         "Shortcut made in the applications menu:\r\n"},
        {"0", "file/Desktop", "Atalho não criado",
         "Não foi possível criar o atalho na Área de Trabalho: um arquivo está no caminho da "
         "pasta:\r\n" +
             file,
         "Atalho criado no menu de aplicativos:\r\n"},
        {"1", "file", "Shortcut not made",
         "The shortcut could not be made on the Desktop: a file is in the way of the folder:\r\n" +
             file,
         "Shortcut made in the applications menu:\r\n"},
        {"1", "file/Desktop", "Shortcut not made",
         "The shortcut could not be made on the Desktop: a file is in the way of the folder:\r\n" +
             file,
         "Shortcut made in the applications menu:\r\n"},
        {"1", "dangling", "Shortcut not made",
         "The shortcut could not be made on the Desktop: a file is in the way of the folder:\r\n" +
             dangling,
         "Shortcut made in the applications menu:\r\n"},
    };
    fs::create_directories(home);
    std::ofstream(home / "file") << "x";
    // A link that leads nowhere is in the way as a file is.
    fs::create_symlink(home / "nowhere", home / "dangling");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.idioma) + (c.where ? c.where : "(none)"));
        quopa::Idioma = c.idioma;
        if (c.where)
            services.folders.folders[rt::kDesktopFolder] = (home / c.where).string();
        else
            services.folders.folders.erase(rt::kDesktopFolder);
        services.dialogs.messages.clear();
        auto& d = quopa::frmMsobre1::instance();
        d.cmdOK_Click();
        const auto& shown = onlyMessage();
        EXPECT_EQ(shown.title, c.title);
        EXPECT_EQ(shown.prompt,
                  c.failure + "\r\n\r\n" + c.made + (menu / "dazivuvera.desktop").string());
        EXPECT_EQ(shown.style, rt::kCritical);
        EXPECT_EQ(read(menu / "dazivuvera.desktop"), expectedText());
        EXPECT_EQ(read(home / "file"), "x");
        // The dialog stays, so that the user can choose again.
        EXPECT_TRUE(rt::FormInstance<quopa::frmMsobre1>::isLoaded());
        d.unload();
    }
}

TEST_F(ShortcutsDialog, ALauncherThatCannotBeWrittenLeavesNothingBehind) {
    struct Case {
        const char* idioma;
        const char* failure;
    } cases[] = {
        {"0",
         "Não foi possível criar o atalho no menu de aplicativos. Verifique se você pode gravar "
         "na pasta:\r\n"},
        {"1",
         "The shortcut could not be made in the applications menu. Check that you may write to "
         "the folder:\r\n"},
    };
    // A folder in the launcher's place: the last step of the write, the rename, fails.
    fs::create_directories(menu / "dazivuvera.desktop" / "inside");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.idioma);
        quopa::Idioma = c.idioma;
        services.dialogs.messages.clear();
        auto& d = quopa::frmMsobre1::instance();
        d.chkAreaDeTrabalho.setValue(false);
        d.cmdOK_Click();
        EXPECT_EQ(onlyMessage().prompt, c.failure + menu.string());
        EXPECT_EQ(entries(menu), 1);  // no temporary file left
        EXPECT_TRUE(fs::exists(menu / "dazivuvera.desktop" / "inside"));
        d.unload();
    }
}

}  // namespace
