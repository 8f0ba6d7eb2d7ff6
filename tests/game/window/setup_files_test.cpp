// The main window's start-up check of its companion files, and what a missing one leaves behind.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/module1.h"
#include "runtime/errors.h"
#include "tests/support/game_fixture.h"

namespace {

class CompanionFiles : public testing_support::GameFixture {};

TEST_F(CompanionFiles, EachMissingFileEndsTheProgramWithItsMessageAndSavesNothing) {
    struct Case {
        const char* idioma;
        const char* file;
        std::string prompt;
        std::string title;
    };
    const std::string pt = "Arquivo não encontrado na pasta do Programa";
    const std::string en = "File was not found in ";
    const Case cases[] = {
        {"0", "ostrelo.chm",
         "Não será possível continuar. O arquivo ostrelo.chm não se encontra na pasta: ", pt},
        {"0", "ostrelo.zip",
         "Não será possível continuar. O arquivo ostrelo.zip não se encontra na pasta: ", pt},
        {"0", "marketin.chm",
         "Não será possível continuar. O arquivo marketin.chm não se encontra na pasta: ", pt},
        {"1", "ostrelo.chm",
         "Can not load Tuvel Quopa. Required file ostrelo.chm is not in same folder as "
         "Dazivuvera.exe",
         en},
        {"1", "ostrelo.zip",
         "Can not load Tuvel Quopa. Required file ostrelo.zip is not in same folder as "
         "Dazivuvera.exe",
         en},
        {"1", "marketin.chm",
         "Can not load Tuvel Quopa. Required file marketin.chm is not in same folder as "
         "Dazivuvera.exe",
         en},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.idioma) + " " + c.file);
        std::string dir = testing_support::makeProgramFolder("missing");
        rt::app().setPath(dir.substr(0, dir.size() - 1));
        std::filesystem::remove(dir + c.file);
        services.dialogs.messages.clear();
        quopa::Idioma = c.idioma;

        EXPECT_THROW(load(), rt::EndProgram);
        ASSERT_EQ(services.dialogs.messages.size(), 1u);
        const auto& m = services.dialogs.messages[0];
        // The Portuguese prompt and the English title end with the program folder.
        EXPECT_EQ(m.prompt, c.prompt + (c.idioma[0] == '0' ? dir : ""));
        EXPECT_EQ(m.title, c.title + (c.idioma[0] == '1' ? dir : ""));
        EXPECT_EQ(m.style, 4112);
        EXPECT_EQ(quopa::Arquivo, dir + c.file);
        EXPECT_TRUE(services.settings.saveLog.empty());
        EXPECT_FALSE(rt::FormInstance<quopa::frmQUOPA>::isLoaded());
        rt::FormInstance<quopa::frmQUOPA>::discard();
    }
}

TEST_F(CompanionFiles, OnlyTheFirstMissingFileIsReported) {
    std::filesystem::remove(programDir + "ostrelo.chm");
    std::filesystem::remove(programDir + "marketin.chm");
    EXPECT_THROW(load(), rt::EndProgram);
    ASSERT_EQ(services.dialogs.messages.size(), 1u);
    EXPECT_NE(services.dialogs.messages[0].prompt.find("ostrelo.chm"), std::string::npos);
}

TEST_F(CompanionFiles, AFolderInPlaceOfAFileCountsAsMissing) {
    std::filesystem::remove(programDir + "marketin.chm");
    std::filesystem::create_directory(programDir + "marketin.chm");
    EXPECT_THROW(load(), rt::EndProgram);
    ASSERT_EQ(services.dialogs.messages.size(), 1u);
    EXPECT_NE(services.dialogs.messages[0].prompt.find("marketin.chm"), std::string::npos);
}

TEST_F(CompanionFiles, TheHelpFileIsCheckedBeforeTheCompanionFiles) {
    std::filesystem::remove(programDir + "Helpquopa.hlp");
    std::filesystem::remove(programDir + "ostrelo.chm");
    EXPECT_THROW(load(), rt::EndProgram);
    ASSERT_EQ(services.dialogs.messages.size(), 1u);
    EXPECT_EQ(services.dialogs.messages[0].title, "File was not found in " + programDir);
    EXPECT_NE(services.dialogs.messages[0].prompt.find("Helpquopa.hlp"), std::string::npos);
}

}  // namespace
