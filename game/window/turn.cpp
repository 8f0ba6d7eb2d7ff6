// The end of a turn after a marking, and the roll buttons kept in step with the rolls left.
//
// Every write to a rolls-left label runs its change handler at once, and that handler may write
// the same label again (through AtualizaJogadas); the chain ends because a write of the text a
// label already holds runs nothing. The order of the writes below is therefore part of the
// behaviour.
#include <string>

#include "app/module1.h"
#include "game/sheet/sheet_model.h"
#include "game/window/dice.h"
#include "game/window/frm_quopa.h"
#include "game/window/player.h"
#include "runtime/values.h"

namespace quopa {

namespace {

constexpr const char* kJogar = "&Roll  ";

void EncerraVez(frmQUOPA& f, const Jogador& j, bool cursorPrimeiro) {
    j.naoJogou = 1;
    f.lblVolta.setCaption(f.lblJogadas.caption());
    j.volte.setCaption(j.contador.caption());
    // At "52" this write ends the player's game inside its change handler (totals, records)
    // before the rest of this procedure runs.
    j.casasMarcadas.setCaption(rt::CStr(rt::Val(j.casasMarcadas.caption()) + 1));
    if (rt::Val(f.lblJogadas.caption()) > 0) {
        (f.*j.limpaColunas)();
        (f.*j.limpaColunaS)();
    }
    if (j.casasMarcadas.caption() == kCasasDaFolha) {
        // The twins differ in the order of these writes; none of them raises an event.
        if (cursorPrimeiro) j.cursor.setVisible(false);
        f.lblSomaSelecionados.setCaption("");
        f.lblPontos.setCaption("");
        if (!cursorPrimeiro) j.cursor.setVisible(false);
        return;
    }
    j.voltar.setVisible(true);
    f.lblJogadas.setCaption("0");
    j.contador.setCaption(f.lblPodeJogar.caption());
    // With two players the other player's roll button takes over; with one the same player
    // rolls again.
    if (f.MnuJoga[1].checked()) {
        j.outroBotao.setVisible(true);
        j.botao.setVisible(false);
    }
}

void ContadorMudou(frmQUOPA& f, const Jogador& j) {
    if (rt::Val(j.contador.caption()) < 1) {
        for (const Dado& d : DadosDe(f)) d.imagem.setMousePointer(kPonteiroPadrao);
        j.botao.setCaption(Idioma == "0" ? "Marcar pontos" : "Mark points");
        j.botao.setEnabled(false);
        return;
    }
    j.botao.setCaption(kJogar + j.contador.caption());
    j.botao.setEnabled(true);
    // Rows 9 and 18 of columns B, C and D all hold a number once those columns are complete
    // (or earlier, with the running totals); AtualizaJogadas makes the full test.
    if (!CasaVazia(j.colunaB[kTotalSuperior]) && !CasaVazia(j.colunaC[kTotalSuperior]) &&
        !CasaVazia(j.colunaD[kTotalSuperior]))
        if (!CasaVazia(j.colunaB[kTotalColuna]) && !CasaVazia(j.colunaC[kTotalColuna]) &&
            !CasaVazia(j.colunaD[kTotalColuna]))
            (f.*j.atualizaJogadas)();
}

bool ColunasBCDCompletas(const Jogador& j) {
    for (int row = kPrimeiraLinha; row <= kUltimaLinha; ++row)
        if (CasaVazia(j.colunaB[row]) || CasaVazia(j.colunaC[row]) || CasaVazia(j.colunaD[row]))
            return false;
    return true;
}

// The player has rolled in this turn: lblJogadas counts the rolls of the player who rolled last
// (lblQuemJoga); the other player's next turn has not begun.
bool VezEmCurso(frmQUOPA& f, const Jogador& j) {
    return f.lblQuemJoga.caption() == j.numero && rt::Val(f.lblJogadas.caption()) > 0;
}

void AtualizaJogadas(frmQUOPA& f, const Jogador& j) {
    // Two passes over the rows, one setting the italic font for a full row and one clearing it
    // for a row with an empty cell, leave it set exactly when all 54 cells are filled.
    j.contador.setFontItalic(ColunasBCDCompletas(j));
    // A turn starts with the rolls per turn, or with one roll when only column S is left (it takes
    // points from a turn's first roll alone). A turn under way keeps the rolls it has left: they
    // follow the rule it began with (the marking that fills columns B, C and D is written before
    // the turn ends, and the undo keeps what is left then), and while the dice roll the roll under
    // way is counted as made but not yet taken off. The rolls made by the other player never
    // count against this one.
    if (!VezEmCurso(f, j))
        j.contador.setCaption(j.contador.fontItalic() ? "1" : f.lblPodeJogar.caption());
    // With no roll left the change handler has asked for a marking; "&Roll  0" would hide that
    // request behind a dead button.
    if (rt::Val(j.contador.caption()) >= 1) j.botao.setCaption(kJogar + j.contador.caption());
}

}  // namespace

void frmQUOPA::EncerraVezJogador1() {
    EncerraVez(*this, Jogador1(*this), false);
}
void frmQUOPA::EncerraVezJogador2() {
    EncerraVez(*this, Jogador2(*this), true);
}
void frmQUOPA::Jogad1_Change() {
    ContadorMudou(*this, Jogador1(*this));
}
void frmQUOPA::Jogad2_Change() {
    ContadorMudou(*this, Jogador2(*this));
}
void frmQUOPA::AtualizaJogadas1() {
    AtualizaJogadas(*this, Jogador1(*this));
}
void frmQUOPA::AtualizaJogadas2() {
    AtualizaJogadas(*this, Jogador2(*this));
}

}  // namespace quopa
