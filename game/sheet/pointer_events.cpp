// Pointer moves and releases over the sheet columns, and the click on the held-dice sum.
//
// A release finishes a marking: it runs the completed-section totals when the column may just
// have completed a section, enables the player's roll button again, refreshes his grand total
// and, in keyboard play, lays his cursor over the released box. It runs after every press,
// whether the press wrote anything or not.
#include "game/sheet/sheet_model.h"
#include "game/sheet/sheet_rules.h"
#include "game/window/dice.h"
#include "game/window/frm_quopa.h"
#include "runtime/values.h"

namespace quopa {

namespace {

double Jogadas(frmQUOPA& f) {
    return rt::Val(f.lblJogadas.caption());
}

// Column S takes points only at the first roll; its totals follow the marking made then, and a
// zero written later (the counter reads "0" once the turn has ended).
bool TotalizaS(frmQUOPA& f) {
    double jogadas = Jogadas(f);
    return jogadas == 1 || jogadas == 0;
}

// Release steps 2 to 4, the same for every column of a player.
void ConcluiSoltura(frmQUOPA& f, LabelArray& column, int Index, int player) {
    // The roll button stays disabled while the dice roll: enabled now, it would start a second
    // roll that is counted but never drawn. The drawing gives it back.
    if (!DadosRolando(f)) (player == 1 ? f.cmdPlay : f.cmdPlay2).setEnabled(true);
    if (!CasaVazia(column[kTotalColuna])) {
        if (player == 1)
            f.SomaTotalJogador1();
        else
            f.SomaTotalJogador2();
    }
    if (!LinhaDePontos(Index) || !f.mnuHabilitaTeclado.checked()) return;
    rt::Label& cursor = player == 1 ? f.LTc1 : f.LTc2;
    rt::Label& box = column[Index];
    cursor.setLeft(box.left());
    cursor.setTop(box.top());
    cursor.setWidth(box.width());
    if (player == 1)
        f.AtualizaCursorTeclado1();
    else
        f.AtualizaCursorTeclado2();
}

// None of the moves refreshes the marks while the dice roll: the faces being rolled read "0".

// Columns B and C of the player on turn refresh their marks while he has rolled.
bool MarcaColunaBC(frmQUOPA& f, const char* jogador) {
    return !DadosRolando(f) && f.mnuPossibilidade.checked() && Jogadas(f) > 0 &&
           f.lblQuemJoga.caption() == jogador;
}

// Over column D the marks are only cleared, once the player on turn has marked.
bool LimpaColunaD(frmQUOPA& f, const char* jogador, int16_t naoJogou) {
    return !DadosRolando(f) && Jogadas(f) > 0 && f.lblQuemJoga.caption() == jogador &&
           naoJogou == 1;
}

// Column S takes points only at the first roll, so its marks are refreshed only then, and not
// once only column S is left (the rolls-left label in italics).
bool MarcaColunaS(frmQUOPA& f, const rt::Label& jogad) {
    return !DadosRolando(f) && !jogad.fontItalic() && f.mnuPossibilidade.checked() &&
           ColunaAceitaPontos(f, TipoDeColuna::PrimeiraMao);
}

}  // namespace

// --- Moves ----------------------------------------------------------------------------------

void frmQUOPA::lblB_MouseMove(int, int, int, float, float) {
    if (MarcaColunaBC(*this, "1")) MarcaPossiveisB();
}
void frmQUOPA::lblC_MouseMove(int, int, int, float, float) {
    if (MarcaColunaBC(*this, "1")) MarcaPossiveisC();
}
void frmQUOPA::lblD_MouseMove(int, int, int, float, float) {
    if (LimpaColunaD(*this, "1", NaoJogou1)) LimpaDestaque1();
}
void frmQUOPA::lblS_MouseMove(int, int, int, float, float) {
    if (MarcaColunaS(*this, Jogad1) && cmdPlay.visible()) MarcaPossiveisS();
}
void frmQUOPA::lblBB_MouseMove(int, int, int, float, float) {
    if (MarcaColunaBC(*this, "2")) MarcaPossiveisBB();
}
void frmQUOPA::lblCB_MouseMove(int, int, int, float, float) {
    if (MarcaColunaBC(*this, "2")) MarcaPossiveisCB();
}
void frmQUOPA::lblDB_MouseMove(int, int, int, float, float) {
    if (LimpaColunaD(*this, "2", NaoJogou2)) LimpaDestaque2();
}
void frmQUOPA::lblSB_MouseMove(int, int, int, float, float) {
    if (MarcaColunaS(*this, Jogad2) && lblQuemJoga.caption() == "2") MarcaPossiveisSB();
}

// --- Releases -------------------------------------------------------------------------------

// Column B fills top-down, so its sections complete with rows 6 and 16; column C fills
// bottom-up and completes them with rows 1 and 10. Columns D and S can complete a section with
// any box.
void frmQUOPA::lblB_MouseUp(int Index, int, int, float, float) {
    if (Index == 6 || Index == 16) TotalizaColunaB();
    ConcluiSoltura(*this, lblB, Index, 1);
}
void frmQUOPA::lblC_MouseUp(int Index, int, int, float, float) {
    if (Index == 1 || Index == 10) TotalizaColunaC();
    ConcluiSoltura(*this, lblC, Index, 1);
}
void frmQUOPA::lblD_MouseUp(int Index, int, int, float, float) {
    TotalizaColunaD();
    ConcluiSoltura(*this, lblD, Index, 1);
}
void frmQUOPA::lblS_MouseUp(int Index, int, int, float, float) {
    if (TotalizaS(*this)) TotalizaColunaS();
    ConcluiSoltura(*this, lblS, Index, 1);
}
void frmQUOPA::lblBB_MouseUp(int Index, int, int, float, float) {
    if (Index == 6 || Index == 16) TotalizaColunaBB();
    ConcluiSoltura(*this, lblBB, Index, 2);
}
void frmQUOPA::lblCB_MouseUp(int Index, int, int, float, float) {
    if (Index == 1 || Index == 10) TotalizaColunaCB();
    ConcluiSoltura(*this, lblCB, Index, 2);
}
void frmQUOPA::lblDB_MouseUp(int Index, int, int, float, float) {
    TotalizaColunaDB();
    ConcluiSoltura(*this, lblDB, Index, 2);
}
void frmQUOPA::lblSB_MouseUp(int Index, int, int, float, float) {
    if (TotalizaS(*this)) TotalizaColunaSB();
    ConcluiSoltura(*this, lblSB, Index, 2);
}

// A click on the held-dice sum is a right-button press on box 1 of player 1's column S,
// whoever is on turn; no move or release follows it.
void frmQUOPA::lblSomaSelecionados_Click() {
    lblS_MouseDown(1, rt::kRightButton, 0, 0, 0);
}

}  // namespace quopa
