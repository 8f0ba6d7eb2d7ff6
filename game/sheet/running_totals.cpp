// Running totals: with "Show Total" ticked, every change of a cell of a player's sheet rewrites
// all computed rows of his four columns and his grand total from whatever is filled so far.
//
// The pass writes cells of the very columns whose change handlers run it, so it re-enters
// itself: each write that changes a text runs a complete nested pass before the outer one goes
// on. There is deliberately no flag or lock against this. Every pass computes the same text for a
// given cell, so after a nested pass returns the outer one only writes texts that are already
// there, and an equal write raises no change signal: that rule alone ends the cascade, after at
// most one level per computed cell that changes.
#include "game/sheet/column_sums.h"
#include "game/sheet/sheet_model.h"
#include "game/sheet/sheet_rules.h"
#include "game/window/frm_quopa.h"
#include "runtime/values.h"

namespace quopa {

namespace {

// Row 18 is written only once the section that the column fills first holds something, so in
// play each column shows its total from its first marking on.
bool GuardaDaLinha18(LabelArray& c, TipoDeColuna kind) {
    switch (kind) {
        case TipoDeColuna::Descida:
            return !CasaVazia(c[kTotalSuperior]);
        case TipoDeColuna::Subida:
            return !CasaVazia(c[kTotalInferior]);
        case TipoDeColuna::Desordem:
        case TipoDeColuna::PrimeiraMao:
            break;
    }
    return !CasaVazia(c[kTotalSuperior]) || !CasaVazia(c[kTotalInferior]);
}

// One column of the running pass. Every step reads the cells afresh: a nested pass run by an
// earlier write of this one may have changed them.
void PassaColuna(LabelArray& c, TipoDeColuna kind) {
    if (AlgumaPreenchida(c, 1, 6)) {
        c[kSomaSuperior].setCaption(rt::CStr(SomaDasLinhas(c, 1, 6)));
        if (TodasPreenchidas(c, 1, 6) && !GanhaBonus(ValorDaCasa(c[kSomaSuperior])))
            c[kBonus].setCaption(kSemBonus);
        // The bonus is earned as soon as the sum passes 59, even with upper boxes still empty;
        // with boxes missing and 59 or less the bonus row is left as it is.
        if (GanhaBonus(ValorDaCasa(c[kSomaSuperior]))) c[kBonus].setCaption(kBonusGanho);
        c[kTotalSuperior].setCaption(
            rt::CStr(ValorDaCasa(c[kSomaSuperior]) + ValorDaCasa(c[kBonus])));
    } else {
        c[kSomaSuperior].setCaption("");
        c[kBonus].setCaption("");
        c[kTotalSuperior].setCaption("");
    }

    if (AlgumaPreenchida(c, kQuadra, kQuopa))
        c[kTotalInferior].setCaption(rt::CStr(SomaDasLinhas(c, kQuadra, kQuopa)));
    else
        c[kTotalInferior].setCaption("");

    if (GuardaDaLinha18(c, kind))
        c[kTotalColuna].setCaption(
            rt::CStr(ValorDaCasa(c[kTotalSuperior]) + ValorDaCasa(c[kTotalInferior])));
    else
        c[kTotalColuna].setCaption("");
}

double SomaDasColunas(ColunaDaFolha cols[4]) {
    double sum = 0;
    for (int i = 0; i < 4; ++i) sum += ValorDaCasa((*cols[i].cells)[kTotalColuna]);
    return sum;
}

void TotalizaJogador(frmQUOPA& f, int player, rt::Label& total) {
    ColunaDaFolha cols[4];
    ColunasDoJogador(f, player, cols);
    for (auto& col : cols) PassaColuna(*col.cells, col.kind);
    // Written on every pass, whatever is filled; the label has no change handler.
    total.setCaption(TextoDoTotalGeral(SomaDasColunas(cols)));
}

void SomaTotal(frmQUOPA& f, int player, rt::Label& total) {
    ColunaDaFolha cols[4];
    ColunasDoJogador(f, player, cols);
    for (auto& col : cols)
        if (CasaVazia((*col.cells)[kTotalColuna])) return;
    total.setCaption(TextoDoTotalGeral(SomaDasColunas(cols)));
    total.setVisible(true);
}

// Whether rows 9 and 18 of columns B, C and D all show a total: the rows 9 are tested first,
// and the rows 18 only when all three rows 9 are filled.
bool ColunasBCDTotalizadas(LabelArray& b, LabelArray& c, LabelArray& d) {
    if (CasaVazia(b[kTotalSuperior]) || CasaVazia(c[kTotalSuperior]) ||
        CasaVazia(d[kTotalSuperior]))
        return false;
    return !CasaVazia(b[kTotalColuna]) && !CasaVazia(c[kTotalColuna]) &&
           !CasaVazia(d[kTotalColuna]);
}

// The change handler of columns B, C and D of player 1. The running pass comes first so that
// the rows it has just filled count in the test that follows.
void MudouBCD1(frmQUOPA& f) {
    if (f.mnuTotal.checked()) f.TotalizaJogador1();
    if (ColunasBCDTotalizadas(f.lblB, f.lblC, f.lblD)) f.AtualizaJogadas1();
}

void MudouBCD2(frmQUOPA& f) {
    if (f.mnuTotal.checked()) f.TotalizaJogador2();
    if (ColunasBCDTotalizadas(f.lblBB, f.lblCB, f.lblDB)) f.AtualizaJogadas2();
}

}  // namespace

void frmQUOPA::TotalizaJogador1() {
    TotalizaJogador(*this, 1, lblTgeral1);
}
void frmQUOPA::TotalizaJogador2() {
    TotalizaJogador(*this, 2, lblTgeral2);
}

void frmQUOPA::SomaTotalJogador1() {
    SomaTotal(*this, 1, lblTgeral1);
}
void frmQUOPA::SomaTotalJogador2() {
    SomaTotal(*this, 2, lblTgeral2);
}

void frmQUOPA::lblB_Change(int) {
    MudouBCD1(*this);
}
void frmQUOPA::lblC_Change(int) {
    MudouBCD1(*this);
}
void frmQUOPA::lblD_Change(int) {
    MudouBCD1(*this);
}

// Column S never asks whether only column S is left: only B, C and D can close that question.
void frmQUOPA::lblS_Change(int) {
    if (mnuTotal.checked()) TotalizaJogador1();
}

void frmQUOPA::lblBB_Change(int) {
    MudouBCD2(*this);
}
void frmQUOPA::lblCB_Change(int) {
    MudouBCD2(*this);
}
void frmQUOPA::lblDB_Change(int) {
    MudouBCD2(*this);
}

void frmQUOPA::lblSB_Change(int) {
    if (mnuTotal.checked()) TotalizaJogador2();
}

}  // namespace quopa
