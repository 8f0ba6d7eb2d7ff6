// The shared utilities: file and folder tests, the program folder, centring and stacking windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/module1.h"
#include "tests/support/fake_services.h"

namespace fs = std::filesystem;

namespace {

using testing_support::FakeServices;

// The game writes paths with "\"; a path that begins with it starts at the root.
std::string gamePath(const fs::path& native) {
    std::string p = native.string();
    for (char& c : p)
        if (c == '/') c = '\\';
    return p;
}

class FileTests : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::path(::testing::TempDir()) / "quopa-utilities";
        fs::remove_all(dir);
        fs::create_directories(dir / "folder");
        std::ofstream(dir / "file.txt") << "x";
        std::ofstream(dir / "empty.txt");
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_F(FileTests, FileAndFolderTestsTellFilesFoldersAndMissingPaths) {
    struct Case {
        fs::path path;
        bool arquivo;
        bool pasta;
    } cases[] = {
        {dir / "file.txt", true, false},       {dir / "empty.txt", true, false},
        {dir / "folder", false, true},         {dir / "missing", false, false},
        {dir / "missing" / "x", false, false},
    };
    for (const Case& c : cases) {
        for (const std::string& p : {c.path.string(), gamePath(c.path)}) {
            EXPECT_EQ(quopa::ArquivoExiste(p), c.arquivo) << p;
            EXPECT_EQ(quopa::PastaExiste(p), c.pasta) << p;
        }
    }
    EXPECT_FALSE(quopa::ArquivoExiste(""));
    EXPECT_FALSE(quopa::PastaExiste(""));
}

TEST(ProgramFolder, EndsInExactlyOneSeparator) {
    FakeServices services;
    struct Case {
        const char* folder;
        const char* caminho;
    } cases[] = {{"/opt/quopa", "/opt/quopa/"}, {"/", "/"}, {"/a b/c", "/a b/c/"}};
    for (const Case& c : cases) {
        rt::app().setPath(c.folder);
        quopa::PegaCaminhoApp();
        EXPECT_EQ(quopa::CaminhoApp, c.caminho);
    }
    rt::app().setPath("");
}

class WindowUtilities : public ::testing::Test {
  protected:
    void SetUp() override {
        form.setClientSize(4000, 3000);
        services.display.screen = {19200, 15360};
    }
    FakeServices services;
    rt::Form form{"frmTest"};
};

TEST_F(WindowUtilities, CentraFormCentresOnTheUpperNinetyPercentWithTheHourglassMeanwhile) {
    form.setClientSize(3880, 2535);  // outer 4000 x 3000
    quopa::CentraForm(form);
    EXPECT_EQ(form.left(), 19200 / 2 - 4000 / 2);
    EXPECT_EQ(form.top(), 15360 * 9 / 20 - 3000 / 2);
    EXPECT_EQ(services.display.pointerLog, (std::vector<int>{11, 0}));
    EXPECT_EQ(rt::screen().mousePointer(), 0);
}

TEST_F(WindowUtilities, CentraFormOnAWindowThatCannotMoveChangesNothingAndEndsWithTheArrow) {
    for (rt::WindowState state : {rt::WindowState::Maximized, rt::WindowState::Minimized}) {
        form.setWindowState(rt::WindowState::Normal);
        form.setWindowState(state);
        int left = form.left(), top = form.top(), width = form.width(), height = form.height();
        services.display.pointerLog.clear();
        quopa::CentraForm(form);
        EXPECT_EQ(form.left(), left);
        EXPECT_EQ(form.top(), top);
        EXPECT_EQ(form.width(), width);
        EXPECT_EQ(form.height(), height);
        EXPECT_EQ(rt::screen().mousePointer(), 0);
        ASSERT_FALSE(services.display.pointerLog.empty());
        EXPECT_EQ(services.display.pointerLog.back(), 0);
    }
}

TEST_F(WindowUtilities, PoeFormNoTopoStacksWithoutMovingOrSizing) {
    form.setLeft(300);
    form.setTop(200);
    quopa::PoeFormNoTopo(form, true);
    EXPECT_TRUE(services.display.topMost.count("frmTest"));
    quopa::PoeFormNoTopo(form, false);
    EXPECT_FALSE(services.display.topMost.count("frmTest"));
    EXPECT_EQ(form.left(), 300);
    EXPECT_EQ(form.top(), 200);
    EXPECT_EQ(form.scaleWidth(), 4000);
    EXPECT_FALSE(form.visible());
}

TEST_F(WindowUtilities, PoeFormNoTopoWithoutADisplayDoesNothing) {
    rt::app().install(rt::Services{});
    EXPECT_NO_THROW(quopa::PoeFormNoTopo(form, true));
}

}  // namespace
