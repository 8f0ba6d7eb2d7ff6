// The shell's special folders, found with the main window loaded as their owner.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/module1.h"
#include "runtime/errors.h"
#include "tests/support/game_fixture.h"

namespace {

class SpecialFolders : public testing_support::GameFixture {};

TEST_F(SpecialFolders, KnownFoldersAreFoundAndUnknownOnesGiveAnEmptyPath) {
    services.folders.folders[rt::kDesktopFolder] = "/home/ana/Desktop";
    services.folders.folders[rt::kStartMenuFolder] = "/home/ana/.local/share/applications";
    EXPECT_EQ(quopa::PegaPastaEspecial(0), "/home/ana/Desktop");
    EXPECT_EQ(quopa::PegaPastaEspecial(11), "/home/ana/.local/share/applications");
    EXPECT_EQ(quopa::PegaPastaEspecial(5), "");
}

TEST_F(SpecialFolders, AskingLoadsTheMainWindowHidden) {
    ASSERT_FALSE(rt::FormInstance<quopa::frmQUOPA>::isLoaded());
    quopa::PegaPastaEspecial(0);
    ASSERT_TRUE(rt::FormInstance<quopa::frmQUOPA>::isLoaded());
    EXPECT_FALSE(quopa::frmQUOPA::instance().visible());
}

TEST_F(SpecialFolders, AMainWindowThatCannotLoadEndsTheProgramAsItsSetUpSays) {
    std::filesystem::remove(programDir + "ostrelo.chm");
    EXPECT_THROW(quopa::PegaPastaEspecial(0), rt::EndProgram);
}

}  // namespace
