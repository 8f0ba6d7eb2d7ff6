// Connects the events of the main window's controls and menus to its handlers.
#include "game/window/frm_quopa.h"

namespace quopa {

namespace {

// Wires the press, move and release of a sheet column to three handlers of the window.
using ColumnHandler = void (frmQUOPA::*)(int, int, int, float, float);
using ChangeHandler = void (frmQUOPA::*)(int);

void wireColumn(frmQUOPA* form, LabelArray& column, ColumnHandler down, ColumnHandler move,
                ColumnHandler up, ChangeHandler change) {
    column.wireMouse(form, down, move, up);
    column.onChange = [form, change](int i) { (form->*change)(i); };
}

using DieClick = void (frmQUOPA::*)();
using DieMouse = void (frmQUOPA::*)(int, int, float, float);

void wireDie(frmQUOPA* form, rt::Image& die, DieClick click, DieMouse down, DieMouse move) {
    die.onClick = [form, click] { (form->*click)(); };
    die.onMouseDown = [form, down](int b, int s, float x, float y) { (form->*down)(b, s, x, y); };
    die.onMouseMove = [form, move](int b, int s, float x, float y) { (form->*move)(b, s, x, y); };
}

void wireMenu(frmQUOPA* form, rt::Menu& item, void (frmQUOPA::*handler)()) {
    item.onClick = [form, handler] { (form->*handler)(); };
}

// The menu items, each to its click handler.
void wireMenus(frmQUOPA* f) {
    using F = frmQUOPA;
    wireMenu(f, f->mnuNovo, &F::mnuNovo_Click);
    wireMenu(f, f->mnuSair, &F::mnuSair_Click);
    wireMenu(f, f->mnuAnimacao, &F::mnuAnimacao_Click);
    wireMenu(f, f->mnuNenhumSom, &F::mnuNenhumSom_Click);
    wireMenu(f, f->MnuAplaudirQuopa, &F::MnuAplaudirQuopa_Click);
    wireMenu(f, f->MnuReclamacao, &F::MnuReclamacao_Click);
    wireMenu(f, f->mnuFama, &F::mnuFama_Click);
    f->MnuJogadas.onClick = [f](int i) { f->MnuJogadas_Click(i); };
    f->MnuJoga.onClick = [f](int i) { f->MnuJoga_Click(i); };
    wireMenu(f, f->mnuNome1, &F::mnuNome1_Click);
    wireMenu(f, f->mnuNome2, &F::mnuNome2_Click);
    wireMenu(f, f->mnuPossibilidade, &F::mnuPossibilidade_Click);
    wireMenu(f, f->mnuExibeLegendas, &F::mnuExibeLegendas_Click);
    wireMenu(f, f->MnuExibePontos, &F::MnuExibePontos_Click);
    wireMenu(f, f->mnuTotal, &F::mnuTotal_Click);
    wireMenu(f, f->MostC, &F::MostC_Click);
    wireMenu(f, f->mnuHabilitaTeclado, &F::mnuHabilitaTeclado_Click);
    wireMenu(f, f->MnuCores, &F::MnuCores_Click);
    wireMenu(f, f->mnuDados, &F::mnuDados_Click);
    f->mnuLingua.onClick = [f](int i) { f->mnuLingua_Click(i); };
    wireMenu(f, f->mnuPlacar, &F::mnuPlacar_Click);
    wireMenu(f, f->mnuAjuda, &F::mnuAjuda_Click);
    wireMenu(f, f->mnuDemonstra, &F::mnuDemonstra_Click);
    wireMenu(f, f->mnuMarketing, &F::mnuMarketing_Click);
    wireMenu(f, f->menu_Representantes, &F::menu_Representantes_Click);
    wireMenu(f, f->mnuOstrelo, &F::mnuOstrelo_Click);
    wireMenu(f, f->menu_ostreloZIP, &F::menu_ostreloZIP_Click);
    wireMenu(f, f->MnuSobre, &F::MnuSobre_Click);
    wireMenu(f, f->mnuCriaAtalhos, &F::mnuCriaAtalhos_Click);
}

}  // namespace

void frmQUOPA::wireEvents() {
    using F = frmQUOPA;
    wireColumn(this, lblB, &F::lblB_MouseDown, &F::lblB_MouseMove, &F::lblB_MouseUp,
               &F::lblB_Change);
    wireColumn(this, lblC, &F::lblC_MouseDown, &F::lblC_MouseMove, &F::lblC_MouseUp,
               &F::lblC_Change);
    wireColumn(this, lblD, &F::lblD_MouseDown, &F::lblD_MouseMove, &F::lblD_MouseUp,
               &F::lblD_Change);
    wireColumn(this, lblS, &F::lblS_MouseDown, &F::lblS_MouseMove, &F::lblS_MouseUp,
               &F::lblS_Change);
    wireColumn(this, lblBB, &F::lblBB_MouseDown, &F::lblBB_MouseMove, &F::lblBB_MouseUp,
               &F::lblBB_Change);
    wireColumn(this, lblCB, &F::lblCB_MouseDown, &F::lblCB_MouseMove, &F::lblCB_MouseUp,
               &F::lblCB_Change);
    wireColumn(this, lblDB, &F::lblDB_MouseDown, &F::lblDB_MouseMove, &F::lblDB_MouseUp,
               &F::lblDB_Change);
    wireColumn(this, lblSB, &F::lblSB_MouseDown, &F::lblSB_MouseMove, &F::lblSB_MouseUp,
               &F::lblSB_Change);

    wireDie(this, imgSort1, &F::imgSort1_Click, &F::imgSort1_MouseDown, &F::imgSort1_MouseMove);
    wireDie(this, imgSort2, &F::imgSort2_Click, &F::imgSort2_MouseDown, &F::imgSort2_MouseMove);
    wireDie(this, imgSort3, &F::imgSort3_Click, &F::imgSort3_MouseDown, &F::imgSort3_MouseMove);
    wireDie(this, imgSort4, &F::imgSort4_Click, &F::imgSort4_MouseDown, &F::imgSort4_MouseMove);
    wireDie(this, imgSort5, &F::imgSort5_Click, &F::imgSort5_MouseDown, &F::imgSort5_MouseMove);

    cmdPlay.onClick = [this] { cmdPlay_Click(); };
    cmdPlay2.onClick = [this] { cmdPlay2_Click(); };
    cmdBack.onClick = [this] { cmdBack_Click(); };
    cmdBack2.onClick = [this] { cmdBack2_Click(); };
    cmdBack.onMouseMove = [this](int b, int s, float x, float y) { cmdBack_MouseMove(b, s, x, y); };
    cmdBack2.onMouseMove = [this](int b, int s, float x, float y) {
        cmdBack2_MouseMove(b, s, x, y);
    };
    cmdBack.onMouseUp = [this](int b, int s, float x, float y) { cmdBack_MouseUp(b, s, x, y); };
    cmdBack2.onMouseUp = [this](int b, int s, float x, float y) { cmdBack2_MouseUp(b, s, x, y); };
    lblSomaSelecionados.onClick = [this] { lblSomaSelecionados_Click(); };

    Jogad1.onChange = [this] { Jogad1_Change(); };
    Jogad2.onChange = [this] { Jogad2_Change(); };
    lblJogadas.onChange = [this] { lblJogadas_Change(); };
    lblTotJogador1.onChange = [this] { lblTotJogador1_Change(); };
    lblTotJogador2.onChange = [this] { lblTotJogador2_Change(); };

    Timer1.onTimer = [this] { Timer1_Timer(); };
    wireMenus(this);
}

}  // namespace quopa
