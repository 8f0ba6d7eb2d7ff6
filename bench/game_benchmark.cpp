// The cost of the game's own work over a whole two-player game: 104 turns, each with its rolls,
// the holds of some turns, and a press, move and release on a box, with the running totals on.
// The timers are virtual: the ticks of each roll's animation fire back to back, and the Qt variant
// paints once after each roll and each marking, not once per frame. Once headless (no widgets)
// and once on the real Qt renderer on the offscreen platform, with the test doubles for every
// other service. The records table is full of better scores, so the end of the game shows no
// window. What a roll costs on a real display is measured by bench/roll.sh.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>
#include <vector>

#include "app/module1.h"
#include "dialogs/records_store.h"
#include "game/window/frm_quopa.h"
#include "runtime/app.h"
#include "runtime/qt/qt_display.h"
#include "runtime/values.h"
#include "tests/support/fake_services.h"
#include "tests/support/game_fixture.h"

namespace {

// One turn: the faces of the first roll, the dice then held and the faces of a second roll
// (none when `seguros` is empty), and the box marked with the button (1 points, 2 zero).
struct Jogada {
    char coluna;
    int linha;
    int botao;
    std::string faces;
    std::string seguros;
    std::string faces2;
};

std::string FacesDeCima(int face, int quantas) {
    std::string faces(static_cast<std::size_t>(quantas), static_cast<char>('0' + face));
    for (int outra = 1; faces.size() < 5; ++outra)
        if (outra != face) faces += static_cast<char>('0' + outra);
    return faces;
}

// The 52 markings of a sheet, in rounds of the columns B, C, D and S, each column in its order.
std::vector<Jogada> Folha() {
    static const char* baixo[] = {"44442", "33366", "12345", "23456", "11223", "66554", "55555"};
    static const int descendo[] = {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16};
    static const int subindo[] = {16, 15, 14, 13, 12, 11, 10, 6, 5, 4, 3, 2, 1};
    auto jogada = [](char c, int linha) -> Jogada {
        if (c == 'D' && linha == 10) return {c, linha, 1, "44123", "12", "11442"};
        if (c == 'D' && linha == 1) return {c, linha, 2, "23456", "", ""};
        if (linha <= 6) return {c, linha, 1, FacesDeCima(linha, c == 'S' ? 1 : 3), "", ""};
        return {c, linha, 1, baixo[linha - 10], "", ""};
    };
    std::vector<Jogada> folha;
    for (int i = 0; i < 13; ++i)
        for (char c : {'B', 'C', 'D', 'S'})
            folha.push_back(jogada(c, c == 'C' ? subindo[i] : descendo[i]));
    return folha;
}

// Clicks the visible roll button and runs the animation to its end on the virtual clock.
void Rola(testing_support::FakeServices& s, quopa::frmQUOPA& f, const std::string& faces) {
    testing_support::scriptDice(faces);
    (f.cmdPlay.visible() ? f.cmdPlay : f.cmdPlay2).onClick();
    s.timers.runUntilIdle(10000);
    rt::DoEvents();
}

void Joga(testing_support::FakeServices& s, quopa::frmQUOPA& f, int jogador, const Jogada& j) {
    Rola(s, f, j.faces);
    if (!j.seguros.empty()) {
        rt::Image* dados[] = {&f.imgSort1, &f.imgSort2, &f.imgSort3, &f.imgSort4, &f.imgSort5};
        for (char d : j.seguros) dados[d - '1']->onClick();
        Rola(s, f, j.faces2);
    }
    quopa::LabelArray& coluna = testing_support::columnOf(f, jogador, j.coluna);
    coluna.onMouseDown(j.linha, j.botao, 0, 0, 0);
    coluna.onMouseMove(j.linha, j.botao, 0, 0, 0);
    coluna.onMouseUp(j.linha, j.botao, 0, 0, 0);
    rt::DoEvents();
}

// What differs from the scripted end of the game (the second player's 52nd marking made, the
// first player's total); empty when nothing does.
std::string FimDiferente(quopa::frmQUOPA& f) {
    if (f.lblTotJogador2.caption() != "52")
        return "the second player made " + f.lblTotJogador2.caption() + " markings, not 52";
    if (f.lblTgeral1.caption() != "Total:   1525")
        return "the first player's total reads \"" + f.lblTgeral1.caption() +
               "\", not \"Total:   1525\"";
    return "";
}

void BM_WholeGame(benchmark::State& state, bool comQt) {
    testing_support::FakeServices services;
    rt::qt::QtDisplay display;
    if (comQt) {
        rt::Services comDisplay = rt::app().services();
        comDisplay.display = &display;
        rt::app().install(comDisplay);
    }
    std::string pasta = testing_support::makeProgramFolder(comQt ? "game_bench_qt" : "game_bench");
    rt::app().setPath(pasta.substr(0, pasta.size() - 1));
    quopa::Idioma = "1";
    services.settings.values["MainForm"]["Players"] = "2";
    services.settings.values["MainForm"]["Total"] = "True";
    for (int n = 1; n <= quopa::kNumeroDeRecordes; ++n)
        services.settings.values[quopa::kSecaoDosRecordes][quopa::ChaveDoRecorde(n)] =
            quopa::CodificaRecorde({1944, "Best", "2024-01-01"});

    quopa::frmQUOPA& f = quopa::frmQUOPA::instance();
    if (comQt) {
        f.show();
        QApplication::processEvents();
    }
    const std::vector<Jogada> folha = Folha();
    for (auto _ : state) {
        for (const Jogada& j : folha) {
            Joga(services, f, 1, j);
            Joga(services, f, 2, j);
        }
        state.PauseTiming();
        // A game that went otherwise than scripted times other work: the loop ends there.
        const std::string falha = FimDiferente(f);
        if (!falha.empty()) {
            state.SkipWithError(falha.c_str());
            break;
        }
        f.mnuNovo_Click();  // a finished game is reset without a question
        state.ResumeTiming();
    }

    rt::setRandomSource(nullptr);
    f.Timer1.setTimerEnabled(false);
    // Unloaded, not dropped: the renderer lets go of the window's widgets before it goes.
    f.unload();
    rt::destroyRetiredForms();
    rt::app().setPath("");
}
BENCHMARK_CAPTURE(BM_WholeGame, game_logic_no_widgets, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);
BENCHMARK_CAPTURE(BM_WholeGame, offscreen_one_paint_per_roll, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
