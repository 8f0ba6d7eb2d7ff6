// The cost of the two things a turn does most, headless: one tick of the roll animation on five
// dice, and one marking of a box (press and release, running totals on). Both run on the main
// window shown by the real Qt renderer on the offscreen platform, with the test doubles for every
// other service, and include the repaint that Qt does for them into its offscreen image. No window
// system takes part: what a frame costs on a real display (the X server, the flush of each frame)
// is measured by bench/roll.sh, not here.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "app/module1.h"
#include "game/window/frm_quopa.h"
#include "runtime/app.h"
#include "runtime/qt/qt_display.h"
#include "runtime/values.h"
#include "tests/support/fake_services.h"
#include "tests/support/game_fixture.h"

namespace {

quopa::frmQUOPA* janela = nullptr;

// Starts a roll of all five dice unless one is already running (the animation benchmark keeps
// its roll running across its repetitions).
void comecaRolagem(quopa::frmQUOPA& f) {
    if (f.Timer1.timerEnabled()) return;
    testing_support::scriptDice("11111");
    f.cmdPlay_Click();
}

void terminaRolagem(quopa::frmQUOPA& f) {
    while (f.Timer1.timerEnabled()) f.Timer1_Timer();
    QApplication::processEvents();
}

// One animation tick with all five dice rolling: five frame pictures and their repaint into the
// offscreen image. It uses the face-picture animation (type 1), not the default stamp frames.
void BM_OffscreenAnimationTick_FaceFrames(benchmark::State& state) {
    quopa::frmQUOPA& f = *janela;
    f.mnuAnimacao.setChecked(true);
    f.lblTipoAnimacao.setCaption("1");
    f.lblTemPo.setCaption("30");
    comecaRolagem(f);
    for (auto _ : state) {
        // Keeps the roll in its animation: every tick is a frame, none draws the faces.
        f.TiqueAnimacao = 1;
        const rt::Picture antes = f.imgSort1.picture();
        f.Timer1_Timer();
        QApplication::processEvents();
        state.PauseTiming();
        // Consecutive frames are different pictures, and the roll goes on.
        if (f.imgSort1.picture() == antes) {
            state.SkipWithError("the tick showed no new frame on the first die");
            break;
        }
        if (!f.Timer1.timerEnabled()) {
            state.SkipWithError("the roll ended at the tick");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OffscreenAnimationTick_FaceFrames)->Unit(benchmark::kMicrosecond)->Repetitions(10);

// One marking with the running totals on: the press scores the box and ends the turn, the
// release runs the totals, and the offscreen repaint; the undo between markings (not timed) makes
// every marking the same.
void BM_OffscreenMarking(benchmark::State& state) {
    quopa::frmQUOPA& f = *janela;
    if (!f.mnuTotal.checked()) f.mnuTotal_Click();
    if (f.lblJogadas.caption() == "0") comecaRolagem(f);
    terminaRolagem(f);
    for (auto _ : state) {
        f.lblB.onMouseDown(1, 1, 0, 0, 0);
        f.lblB.onMouseUp(1, 1, 0, 0, 0);
        QApplication::processEvents();
        state.PauseTiming();
        if (f.lblB[1].caption().empty()) {
            state.SkipWithError("the first box of column B was not marked");
            break;
        }
        f.cmdBack_Click();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OffscreenMarking)->Unit(benchmark::kMicrosecond)->Repetitions(10);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    // The doubles for every service, then the real renderer in place of the headless display.
    testing_support::FakeServices services;
    rt::qt::QtDisplay display;
    rt::Services comDisplay = rt::app().services();
    comDisplay.display = &display;
    rt::app().install(comDisplay);
    std::string pasta = testing_support::makeProgramFolder("turn_benchmark");
    rt::app().setPath(pasta.substr(0, pasta.size() - 1));
    quopa::Idioma = "1";

    janela = &quopa::frmQUOPA::instance();
    janela->show();
    QApplication::processEvents();

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    rt::setRandomSource(nullptr);
    janela->Timer1.setTimerEnabled(false);
    janela->unload();
    rt::destroyRetiredForms();
    rt::app().install(rt::Services{});
    return 0;
}
