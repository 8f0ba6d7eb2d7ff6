#include "game/sheet/sheet_model.h"

#include "runtime/values.h"

namespace quopa {

bool LinhaDePontos(int row) {
    return (row >= 1 && row <= 6) || (row >= 10 && row <= 16);
}

bool LinhaCalculada(int row) {
    for (int r : kLinhasCalculadas)
        if (row == r) return true;
    return false;
}

double ValorDaCasa(const rt::Label& cell) {
    return rt::Val(cell.caption());
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
