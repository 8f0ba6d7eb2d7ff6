// The launchers' text: what desktops read to show and start the program.
#include "dialogs/desktop_launcher.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "runtime/files.h"

namespace fs = std::filesystem;

namespace {

TEST(DesktopLauncher, NamesTheProgramItsCommandAndIconAsAGame) {
    EXPECT_EQ(quopa::launcherText("/opt/quopa/Dazivuvera", "/opt/quopa/dazivuvera.png"),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Tuvel Quopa\n"
              "GenericName=Dice game\n"
              "GenericName[pt]=Jogo de dados\n"
              "Comment=Five dice and a score sheet of four columns, for one or two players\n"
              "Comment[pt]=Cinco dados e uma folha de quatro colunas, para um ou dois jogadores\n"
              "Exec=/opt/quopa/Dazivuvera\n"
              "Icon=/opt/quopa/dazivuvera.png\n"
              "Terminal=false\n"
              "Categories=Game;BoardGame;\n");
}

TEST(DesktopLauncher, TheCommandNamesExactlyThatFileWhateverItsPathHolds) {
    struct Case {
        const char* program;
        const char* exec;
    } cases[] = {
        {"/home/ana/.local/lib/quopa/Dazivuvera", "/home/ana/.local/lib/quopa/Dazivuvera"},
        {"/home/ana/Meus Jogos/Dazivuvera", "\"/home/ana/Meus Jogos/Dazivuvera\""},
        {"/jogos/100%/Dazivuvera", "/jogos/100%%/Dazivuvera"},
        // Quoted, '"', '$' and '\' take a backslash; then every backslash is doubled as in any
        // string value.
        {"/a b/\"q\"$x\\y/Dazivuvera", "\"/a b/\\\\\"q\\\\\"\\\\$x\\\\\\\\y/Dazivuvera\""},
        {"/a/it's/Dazivuvera", "\"/a/it's/Dazivuvera\""},
    };
    for (const Case& c : cases) EXPECT_EQ(quopa::execValue(c.program), c.exec) << c.program;
}

TEST(DesktopLauncher, TheFreedesktopValidatorAcceptsALauncher) {
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "desktop-file-validate is not installed";
    const fs::path folder = fs::path(::testing::TempDir()) / "launchers";
    fs::create_directories(folder);
    for (const char* program : {"/opt/quopa/Dazivuvera", "/home/ana/Meus $Jogos/100%/Dazivuvera"}) {
        SCOPED_TRACE(program);
        const fs::path file = folder / quopa::kArquivoDoAtalho;
        rt::writeFileAtomically(file.string(),
                                quopa::launcherText(program, "/opt/quopa/dazivuvera.png"),
                                rt::FileMode::Executable);
        const std::string command = "desktop-file-validate '" + file.string() + "' 2>&1";
        FILE* pipe = ::popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string output;
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
        EXPECT_EQ(::pclose(pipe), 0) << output;
        EXPECT_EQ(output, "");  // not even a warning or a hint
    }
    fs::remove_all(folder);
}

}  // namespace
