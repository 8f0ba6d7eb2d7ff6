#include "game/sheet/sheet_model.h"

#include "runtime/values.h"

namespace quopa {

bool LinhaDePontos(int row) {
    return (row >= 1 && row <= 6) || (row >= 10 && row <= 16);
}

double ValorDaCasa(const rt::Label& cell) {
    return rt::Val(cell.caption());
}

namespace {

// The row before `row` in a column's fill order from the top (1..6, 10..16); 0 for the first.
int LinhaAnteriorDescendo(int row) {
    if (row == 1) return 0;
    if (row == 10) return 6;
    return row - 1;
}

// The row before `row` in the fill order from the bottom (16..10, 6..1); 0 for the first.
int LinhaAnteriorSubindo(int row) {
    if (row == 16) return 0;
    if (row == 6) return 10;
    return row + 1;
}

}  // namespace

bool OrdemPermite(LabelArray& column, TipoDeColuna kind, int row) {
    int before = 0;
    switch (kind) {
        case TipoDeColuna::Descida:
            before = LinhaAnteriorDescendo(row);
            break;
        case TipoDeColuna::Subida:
            before = LinhaAnteriorSubindo(row);
            break;
        case TipoDeColuna::Desordem:
        case TipoDeColuna::PrimeiraMao:
            return true;
    }
    return before == 0 || !CasaVazia(column[before]);
}

Colunas ColunasDe(frmQUOPA& f) {
    return Colunas{{
        {&f.lblB, 1, TipoDeColuna::Descida, "B"},
        {&f.lblC, 1, TipoDeColuna::Subida, "C"},
        {&f.lblD, 1, TipoDeColuna::Desordem, "D"},
        {&f.lblS, 1, TipoDeColuna::PrimeiraMao, "S"},
        {&f.lblBB, 2, TipoDeColuna::Descida, "Bb"},
        {&f.lblCB, 2, TipoDeColuna::Subida, "Cb"},
        {&f.lblDB, 2, TipoDeColuna::Desordem, "Db"},
        {&f.lblSB, 2, TipoDeColuna::PrimeiraMao, "Sb"},
    }};
}

void ColunasDoJogador(frmQUOPA& form, int player, ColunaDaFolha out[4]) {
    Colunas all = ColunasDe(form);
    for (int i = 0; i < 4; ++i) out[i] = all.all[(player - 1) * 4 + i];
}

}  // namespace quopa
