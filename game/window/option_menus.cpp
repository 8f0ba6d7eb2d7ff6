// The handlers of the option menu items and the rules that tie some options to others:
// the complaint and the key hints need the possibilities, the sounds of a choice need sound.
#include <string>

#include "app/module1.h"
#include "game/window/dice.h"
#include "game/window/frm_quopa.h"
#include "runtime/app.h"
#include "runtime/values.h"

namespace quopa {

namespace {

void inverte(rt::Menu& item) {
    item.setChecked(!item.checked());
}

// Asks for a player's name. The answer is cut to the 15 characters the sheet has room for and
// trimmed; nothing left (blanks only, an empty answer or Cancel) keeps the old name.
void pedeNome(rt::Label& nome, int jogador) {
    const std::string n = std::to_string(jogador);
    const bool portugues = Idioma == "0";
    const std::string titulo = (portugues ? "Jogador " : "Player ") + n + " ...";
    const std::string pergunta =
        portugues ? "digite o nome do jogador " + n + " até 15 caractéres e clique o botão OK"
                  : "Type a name for player " + n + " up to 15 characters and click the OK button";
    const std::string resposta = rt::InputBox(pergunta, titulo, nome.caption());
    const std::string limpo = rt::Trim(rt::Left(resposta, 15));
    if (!limpo.empty()) nome.setCaption(limpo);
}

}  // namespace

void frmQUOPA::mnuAnimacao_Click() {
    inverte(mnuAnimacao);
}

void frmQUOPA::MnuAplaudirQuopa_Click() {
    inverte(MnuAplaudirQuopa);
}

void frmQUOPA::mnuFama_Click() {
    inverte(mnuFama);
}

void frmQUOPA::mnuExibeLegendas_Click() {
    inverte(mnuExibeLegendas);
    PicSbar1.setVisible(mnuExibeLegendas.checked());
}

void frmQUOPA::MnuExibePontos_Click() {
    inverte(MnuExibePontos);
    lblSomaSelecionados.setVisible(MnuExibePontos.checked());
    lblPontos.setVisible(MnuExibePontos.checked());
}

void frmQUOPA::mnuHabilitaTeclado_Click() {
    inverte(mnuHabilitaTeclado);
    if (!mnuHabilitaTeclado.checked()) {
        LTc1.setVisible(false);
        LTc2.setVisible(false);
    } else {
        MostraCursorTeclado();
    }
    AjustaTabStop();
}

void frmQUOPA::mnuPossibilidade_Click() {
    inverte(mnuPossibilidade);
    if (!mnuPossibilidade.checked()) {
        MnuReclamacao.setChecked(false);
        MnuReclamacao.setEnabled(false);
        MostC.setChecked(false);
        MostC.setEnabled(false);
    } else {
        // The two items become available again, but the player ticks them himself.
        MostC.setEnabled(true);
        MnuReclamacao.setEnabled(!mnuNenhumSom.checked());
    }
}

void frmQUOPA::MnuReclamacao_Click() {
    inverte(MnuReclamacao);
    if (!mnuPossibilidade.checked()) MnuReclamacao.setChecked(false);
}

void frmQUOPA::MostC_Click() {
    inverte(MostC);
    if (!mnuPossibilidade.checked()) {
        MostC.setChecked(false);
        MostC.setEnabled(false);
    }
}

void frmQUOPA::mnuNenhumSom_Click() {
    inverte(mnuNenhumSom);
    // Switching the sounds back on brings the applause and the records sound back ticked.
    const bool comSom = !mnuNenhumSom.checked();
    MnuAplaudirQuopa.setEnabled(comSom);
    MnuAplaudirQuopa.setChecked(comSom);
    mnuFama.setEnabled(comSom);
    mnuFama.setChecked(comSom);
    if (!mnuPossibilidade.checked()) {
        MnuReclamacao.setEnabled(false);
        MnuReclamacao.setChecked(false);
    } else {
        MnuReclamacao.setChecked(comSom);
        MnuReclamacao.setEnabled(comSom);
    }
}

void frmQUOPA::MnuJogadas_Click(int Index) {
    if (MnuJogadas[Index].checked()) return;
    // The counters start afresh below; a roll under way must not be drawn into them.
    ParaRolagem(*this);
    MnuJogadas[Index].setChecked(true);
    MnuJogadas[1 - Index].setChecked(false);
    const std::string jogadas = Index == 0 ? "3" : "5";
    lblPodeJogar.setCaption(jogadas);
    // Each write runs the counter's change handler, which refreshes the roll buttons.
    Jogad1.setCaption(jogadas);
    Jogad2.setCaption(jogadas);
    lblJogadas.setCaption("0");
}

void frmQUOPA::MnuJoga_Click(int Index) {
    if (MnuJoga[Index].checked()) return;
    // The switch goes by item 0, so with neither item ticked any click gives one player.
    const bool doisJogadores = MnuJoga[0].checked();
    MnuJoga[0].setChecked(!doisJogadores);
    MnuJoga[1].setChecked(doisJogadores);
    PicUserB.setVisible(doisJogadores);
    lblPlayer1.setVisible(doisJogadores);
    lblPlayer2.setVisible(doisJogadores);
    mnuNome1.setEnabled(doisJogadores);
    mnuNome2.setEnabled(doisJogadores);

    if (Idioma == "0") {
        lblPlayer1.setCaption("Jogador 1");
        lblPlayer2.setCaption("Jogador 2");
    } else {
        lblPlayer1.setCaption("Player 1");
        lblPlayer2.setCaption("Player 2");
    }
    Form_Resize();
}

void frmQUOPA::mnuNome1_Click() {
    pedeNome(lblPlayer1, 1);
}

void frmQUOPA::mnuNome2_Click() {
    pedeNome(lblPlayer2, 2);
}

void frmQUOPA::mnuSair_Click() {
    // Unloading runs Form_Unload, which saves the options; the program ends with its last window.
    unload();
}

}  // namespace quopa
