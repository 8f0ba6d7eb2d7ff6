// Undo of the last marking: one step deep, until the next roll of either player.
//
// The undo key in the caption of the hidden button cmdVolta names the column and row of the
// last marking ("B1", "Sb16"); the counters of the turn as they stood at the marking were copied
// into lblVolta, lblVolte11 and lblVolte12 by the hand-over. The dice are not touched, so the
// player may write the same dice elsewhere or, with rolls left, roll on.
#include <string>

#include "game/sheet/sheet_model.h"
#include "game/window/frm_quopa.h"
#include "runtime/values.h"

namespace quopa {

namespace {

// The column and row that a key names: one of the 104 keys of 8 column tags and 13 scoring
// rows, compared exactly, letter case included. Returns false for any other text.
bool LocalizaChave(frmQUOPA& f, const std::string& chave, ColunaDaFolha& coluna, int& linha) {
    Colunas todas = ColunasDe(f);
    for (const ColunaDaFolha& c : todas.all)
        for (int row = kPrimeiraLinha; row <= kQuopa; ++row)
            if (LinhaDePontos(row) && chave == c.tag + std::to_string(row)) {
                coluna = c;
                linha = row;
                return true;
            }
    return false;
}

// The box first, then the computed rows of its section and the column total; each write runs
// the column's change handler, which with the running mode on computes the rows again from the
// boxes that remain.
void EsvaziaCasa(LabelArray& c, int row) {
    c[row].setCaption("");
    if (row <= 6) {
        c[kSomaSuperior].setCaption("");
        c[kBonus].setCaption("");
        c[kTotalSuperior].setCaption("");
    } else {
        c[kTotalInferior].setCaption("");
    }
    c[kTotalColuna].setCaption("");
}

// The italic font of the rolls-left label says that only column S is left to the player, which
// cuts his turn to one roll. The rolls-left update sets and clears it only while rows 9 and 18 of
// columns B, C and D all show totals; in ordinary play the emptied box still meets that
// condition, but nothing else ties the font to the boxes. It is evaluated anew here by the same
// test (italic exactly when all 54 cells of B, C and D are filled), so an undo never leaves the
// player on the one-roll rule with a box of B, C or D open again.
void ReavaliaSoColunaS(frmQUOPA& f, int player) {
    ColunaDaFolha cols[4];
    ColunasDoJogador(f, player, cols);
    bool todas = true;
    for (int i = 0; i < 3 && todas; ++i)
        for (int row = kPrimeiraLinha; row <= kUltimaLinha && todas; ++row)
            todas = !CasaVazia((*cols[i].cells)[row]);
    (player == 1 ? f.Jogad1 : f.Jogad2).setFontItalic(todas);
}

// Steps 4 and 5 of a back button: one box fewer, never from "52" and never below "0".
void DescontaCasa(rt::Label& total) {
    if (total.caption() != kCasasDaFolha) total.setCaption(rt::CStr(rt::Val(total.caption()) - 1));
    if (rt::Val(total.caption()) < 0) total.setCaption("0");
}

}  // namespace

void frmQUOPA::cmdVolta_Click() {
    const std::string chave = cmdVolta.caption();
    if (chave == kNadaADesfazer) return;

    // A key that is none of the 104 clears no cell; the counters are given back all the same.
    ColunaDaFolha coluna{};
    int linha = 0;
    if (LocalizaChave(*this, chave, coluna, linha)) {
        EsvaziaCasa(*coluna.cells, linha);
        ReavaliaSoColunaS(*this, coluna.player);
    }

    NaoJogou1 = 0;
    NaoJogou2 = 0;
    lblJogadas.setCaption(lblVolta.caption());
    LTc1.setVisible(false);
    LTc2.setVisible(false);
    if (lblQuemJoga.caption() == "1") Jogad1.setCaption(lblVolte11.caption());
    if (lblQuemJoga.caption() == "2") Jogad2.setCaption(lblVolte12.caption());

    // The same dice are evaluated again, silently: no applause and no complaint for a roll that
    // was already heard.
    int16_t sons = 0;
    VerificaCombinacoes(sons);
    cmdVolta.setCaption(kNadaADesfazer);
}

void frmQUOPA::cmdBack_Click() {
    cmdVolta_Click();
    cmdBack.setVisible(false);
    LTc1.setCaption("");
    DescontaCasa(lblTotJogador1);
    if (MnuJoga[1].checked()) cmdPlay2.setVisible(false);
    cmdPlay.setVisible(true);
    if (mnuHabilitaTeclado.checked()) LTc1.setVisible(true);
    if (LTc1.visible()) AtualizaCursorTeclado1();
}

void frmQUOPA::cmdBack2_Click() {
    cmdVolta_Click();
    cmdBack2.setVisible(false);
    LTc2.setCaption("");
    DescontaCasa(lblTotJogador2);
    // Player 2 plays only in a two-player game, so player 1's button is hidden without a test.
    cmdPlay.setVisible(false);
    cmdPlay2.setVisible(true);
    if (mnuHabilitaTeclado.checked()) LTc2.setVisible(true);
    if (LTc2.visible()) AtualizaCursorTeclado2();
}

}  // namespace quopa
