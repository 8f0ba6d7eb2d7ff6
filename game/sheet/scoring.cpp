// Scoring a box: a press on a box of a player's own sheet writes the points of the current dice
// (any button but the right one) or a zero (right button), stores the undo key and ends the turn.
#include <string>

#include "game/sheet/sheet_model.h"
#include "game/sheet/sheet_rules.h"
#include "game/window/dice.h"
#include "runtime/app.h"
#include "runtime/values.h"

namespace quopa {

namespace {

constexpr int kBotaoDireito = 2;

// One press on row `linha` of a column. Every refusal leaves the sheet, the undo key, the flags
// and the counters as they were, silently.
void MarcaCasa(frmQUOPA& f, const ColunaDaFolha& col, int linha, int botao) {
    // The row is checked before the box is read so that no index outside the sheet is touched.
    if (!LinhaDePontos(linha)) return;
    rt::Label& casa = (*col.cells)[linha];
    if (!CasaVazia(casa)) return;
    const int16_t naoJogou = col.player == 1 ? f.NaoJogou1 : f.NaoJogou2;
    if (naoJogou == 1) return;
    // An undo clears both players' flags, so the flag alone would let the player who is not on
    // turn score the other player's dice on his own sheet and take the turn from him. Only the
    // player named by the last roll button may mark.
    if (f.lblQuemJoga.caption() != std::to_string(col.player)) return;
    // While the dice roll the must-roll flag is already 0 but the faces being rolled read "0"
    // and the indicators are those of the previous roll: a press then would score dice the
    // player has not got.
    if (DadosRolando(f)) return;
    if (!OrdemPermite(*col.cells, col.kind, linha)) return;

    if (botao == kBotaoDireito) {
        casa.setCaption("0");
    } else {
        if (!ColunaAceitaPontos(f, col.kind)) return;
        // The dice as they lie: their face captions.
        const DadosNaMesa dados{f, FacesComoDigitos(f)};
        if (!DadosServem(dados, *col.cells, linha)) return;
        casa.setCaption(PontosDaLinha(dados, linha));
    }

    // The box's change handler has run by now; the undo key follows, then the end of the turn.
    f.cmdVolta.setCaption(col.tag + std::to_string(linha));
    if (col.player == 1)
        f.EncerraVezJogador1();
    else
        f.EncerraVezJogador2();
}

void Pressiona(frmQUOPA& f, Coluna c, int Index, int Button) {
    MarcaCasa(f, ColunasDe(f)[c], Index, Button);
}

}  // namespace

void frmQUOPA::lblB_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, Coluna::B, Index, Button);
}
void frmQUOPA::lblC_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, Coluna::C, Index, Button);
}
void frmQUOPA::lblD_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, Coluna::D, Index, Button);
}
void frmQUOPA::lblS_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, Coluna::S, Index, Button);
}
void frmQUOPA::lblBB_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, Coluna::BB, Index, Button);
}
void frmQUOPA::lblCB_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, Coluna::CB, Index, Button);
}
void frmQUOPA::lblDB_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, Coluna::DB, Index, Button);
}
void frmQUOPA::lblSB_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, Coluna::SB, Index, Button);
}

}  // namespace quopa
