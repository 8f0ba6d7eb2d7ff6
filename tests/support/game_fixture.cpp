#include "tests/support/game_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "app/module1.h"
#include "app/settings_save.h"
#include "game/sheet/sheet_model.h"
#include "runtime/values.h"

namespace fs = std::filesystem;

namespace testing_support {

std::string sourceDir() {
    if (const char* dir = std::getenv("QUOPA_SOURCE_DIR")) return dir;
    // Built from the source tree: tests/support/ is two levels below it.
    return fs::path(__FILE__).parent_path().parent_path().parent_path().string();
}

std::string makeProgramFolder(const std::string& name) {
    // The process id keeps concurrent runs of the tests out of each other's folders.
    fs::path dir =
        fs::path(::testing::TempDir()) / ("quopa-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::path files = fs::path(sourceDir()) / "resources" / "files";
    for (const char* f : {"Ajudquopa.hlp", "Helpquopa.hlp", "ostrelo.chm", "marketin.chm"}) {
        if (fs::exists(files / f))
            fs::copy_file(files / f, dir / f, fs::copy_options::overwrite_existing);
        else
            std::ofstream(dir / f) << "?_\n<html><body>help</body></html>\n";
    }
    // The archive's content does not matter to the game, only its presence.
    std::ofstream(dir / "ostrelo.zip") << "PK";
    return dir.string() + "/";
}

void GameFixture::SetUp() {
    services.install();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    programDir = makeProgramFolder(std::string(info->test_suite_name()) + "." + info->name());
    rt::app().setPath(programDir.substr(0, programDir.size() - 1));
    quopa::Idioma = "1";
    quopa::AvisouFalhaNaGravacao = false;
    rt::setRandomSource(nullptr);
}

void GameFixture::TearDown() {
    rt::setRandomSource(nullptr);
    // Drop the window without its unload handler's saving: every test starts from a fresh one.
    if (auto* form = rt::FormInstance<quopa::frmQUOPA>::existing())
        form->Timer1.setTimerEnabled(false);
    rt::FormInstance<quopa::frmQUOPA>::discard();
    rt::destroyRetiredForms();
    form_ = nullptr;
    rt::app().setPath("");
}

quopa::frmQUOPA& GameFixture::load() {
    form_ = &quopa::frmQUOPA::instance();
    return *form_;
}

void scriptDice(const std::string& faces) {
    auto queue = std::make_shared<std::string>(faces);
    rt::setRandomSource([queue]() -> double {
        if (queue->empty()) return 0.0;
        int face = (*queue)[0] - '0';
        queue->erase(0, 1);
        return (face - 0.5) / 6.0;
    });
}

quopa::LabelArray& columnOf(quopa::frmQUOPA& form, int player, char letter) {
    quopa::ColunaDaFolha columns[4];
    quopa::ColunasDoJogador(form, player, columns);
    const std::string letters = "BCDS";
    return *columns[letters.find(letter)].cells;
}

void GameFixture::scriptFaces(const std::string& faces) {
    scriptDice(faces);
}

void GameFixture::roll(const std::string& faces) {
    scriptFaces(faces);
    if (f().cmdPlay.visible())
        f().cmdPlay_Click();
    else
        f().cmdPlay2_Click();
    finishRoll();
}

void GameFixture::finishRoll() {
    services.timers.runUntilIdle(10000);
}

void GameFixture::mark(quopa::LabelArray& column, int row, int button) {
    if (column.onMouseDown) column.onMouseDown(row, button, 0, 0, 0);
    if (column.onMouseUp) column.onMouseUp(row, button, 0, 0, 0);
}

}  // namespace testing_support
