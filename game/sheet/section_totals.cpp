// Completed-section totals: with "Show Total" unticked a section's sum, bonus and totals appear
// only once every box of that section holds points or "0". The release handlers run a column's
// procedure when the column may just have completed a section; RefazTotais rebuilds both sheets
// this way when the running mode is switched off.
#include "game/sheet/column_sums.h"
#include "game/sheet/sheet_model.h"
#include "game/sheet/sheet_rules.h"
#include "game/window/frm_quopa.h"
#include "runtime/values.h"

namespace quopa {

namespace {

// Writes the rows of the complete sections of one column. It never clears a row: a section that
// is not complete keeps whatever its rows show. Each value is read back from the cells, since
// every write may run change handlers that write cells of the same sheet.
void TotalizaColuna(LabelArray& c) {
    if (TodasPreenchidas(c, 1, 6)) {
        c[kSomaSuperior].setCaption(rt::CStr(SomaDasLinhas(c, 1, 6)));
        double soma = ValorDaCasa(c[kSomaSuperior]);
        if (GanhaBonus(soma)) {
            c[kBonus].setCaption(kBonusGanho);
            c[kTotalSuperior].setCaption(rt::CStr(ValorDaCasa(c[kSomaSuperior]) + kPontosDoBonus));
        } else {
            c[kBonus].setCaption(kSemBonus);
            c[kTotalSuperior].setCaption(rt::CStr(ValorDaCasa(c[kSomaSuperior])));
        }
        if (!CasaVazia(c[kTotalInferior]))
            c[kTotalColuna].setCaption(
                rt::CStr(ValorDaCasa(c[kTotalSuperior]) + ValorDaCasa(c[kTotalInferior])));
    }

    if (!TodasPreenchidas(c, kQuadra, kQuopa)) return;
    c[kTotalInferior].setCaption(rt::CStr(SomaDasLinhas(c, kQuadra, kQuopa)));
    if (!CasaVazia(c[kTotalSuperior]))
        c[kTotalColuna].setCaption(
            rt::CStr(ValorDaCasa(c[kTotalSuperior]) + ValorDaCasa(c[kTotalInferior])));
}

}  // namespace

void frmQUOPA::TotalizaColunaB() {
    TotalizaColuna(lblB);
}
void frmQUOPA::TotalizaColunaC() {
    TotalizaColuna(lblC);
}
void frmQUOPA::TotalizaColunaD() {
    TotalizaColuna(lblD);
}
void frmQUOPA::TotalizaColunaS() {
    TotalizaColuna(lblS);
}
void frmQUOPA::TotalizaColunaBB() {
    TotalizaColuna(lblBB);
}
void frmQUOPA::TotalizaColunaCB() {
    TotalizaColuna(lblCB);
}
void frmQUOPA::TotalizaColunaDB() {
    TotalizaColuna(lblDB);
}
void frmQUOPA::TotalizaColunaSB() {
    TotalizaColuna(lblSB);
}

void frmQUOPA::RefazTotais() {
    // Row by row across all eight columns, in the sheet's column order: the change handlers run
    // by these writes see the sheets partly cleared in exactly this order.
    Colunas colunas = ColunasDe(*this);
    for (int row : kLinhasCalculadas)
        for (auto& col : colunas.all) (*col.cells)[row].setCaption("");

    lblTgeral1.setCaption("Total:");
    lblTgeral2.setCaption("Total:");

    TotalizaColunaB();
    TotalizaColunaBB();
    TotalizaColunaC();
    TotalizaColunaCB();
    TotalizaColunaD();
    TotalizaColunaDB();
    TotalizaColunaS();
    TotalizaColunaSB();
}

}  // namespace quopa
