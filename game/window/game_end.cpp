// The end of a player's game and the new game.
//
// A player's game ends inside the write of his count of filled boxes: the change handler of
// lblTotJogador1 / lblTotJogador2 sees "52", writes his running totals and grand total and hands
// the total to the records table, which may show itself modally before the write returns.
#include "app/module1.h"
#include "app/two_language_message.h"
#include "dialogs/frm_recor.h"
#include "game/sheet/sheet_model.h"
#include "game/window/dice.h"
#include "game/window/frm_quopa.h"
#include "runtime/app.h"

namespace quopa {

namespace {

// A one-player game (and player 2's last marking, which always ends the game) leaves nothing
// on the dice table: the held sum, the dice pictures and the combination labels go.
void ClearDiceTable(frmQUOPA& f) {
    f.lblSomaSelecionados.setCaption("");
    for (rt::Image* die : {&f.imgSort1, &f.imgSort2, &f.imgSort3, &f.imgSort4, &f.imgSort5})
        die->setPicture(rt::Picture());
    for (rt::Label* label :
         {&f.lblTrinca, &f.lblQuadra, &f.lblQuopa, &f.lblFull, &f.lblSegMx, &f.lblSegMn})
        label->setVisible(false);
}

}  // namespace

void frmQUOPA::lblTotJogador1_Change() {
    const std::string count = lblTotJogador1.caption();
    // The number of players and the rolls per turn may change only between games: before the
    // first roll of a game (an undo that takes player 1's first marking back leaves the game
    // under way, with its rolls made), or once every player's game has ended. In a two-player
    // game player 2 still has his last turn after player 1's; his own last marking opens them.
    const bool betweenGames = (count == "0" && lblJogadas.caption() == "0") ||
                              (count == kCasasDaFolha && MnuJoga[0].checked());
    MnuJogado.setEnabled(betweenGames);
    mnutentar.setEnabled(betweenGames);
    mnuNovo.setEnabled(count != "0");
    if (count != kCasasDaFolha) return;

    cmdPlay.setVisible(false);
    LTc1.setVisible(false);
    if (MnuJoga[0].checked()) {
        ClearDiceTable(*this);
        TotalizaJogador1();
        lblTgeral1.setVisible(true);
    } else {
        // Player 2 still has his last turn: the dice stay as they are for him.
        cmdPlay2.setVisible(true);
        lblJogadas.setCaption("0");
        LimpaDestaque1();
        LimpaDestaqueS1();
        TotalizaJogador1();
        lblTgeral1.setVisible(true);
    }
    // Only after the grand total has been written: the records table reads it.
    frmRecor::instance().VejaRecord1();
}

void frmQUOPA::lblTotJogador2_Change() {
    // Player 2 moves second, so his 52nd marking ends the game; mnuNovo follows player 1 only.
    if (lblTotJogador2.caption() != kCasasDaFolha) return;
    MnuJogado.setEnabled(true);
    mnutentar.setEnabled(true);
    cmdPlay2.setVisible(false);
    LTc2.setVisible(false);
    ClearDiceTable(*this);
    TotalizaJogador2();
    lblTgeral2.setVisible(true);
    frmRecor::instance().VejaRecord2();
}

void frmQUOPA::mnuNovo_Click() {
    const std::string count = lblTotJogador1.caption();
    if (count == "0") return;
    // A finished game is reset without a question, also while player 2 plays his last turn.
    if (count != kCasasDaFolha) {
        int answer = MsgBoxNoIdioma({"Iniciar novo jogo?", "Start new game?"},
                                    rt::kYesNo | rt::kQuestion, {"Novo jogo", "New game"});
        if (answer != rt::kAnswerYes) return;
    }
    // A roll still under way would otherwise land in the new game, on its first turn.
    ParaRolagem(*this);
    NaoJogou1 = 1;
    NaoJogou2 = 1;
    LimpaTabuleiro();
    LimpaDestaque1();
    LimpaDestaque2();
    LimpaDestaqueS1();
    LimpaDestaqueS2();
    cmdPlay.setVisible(true);
    Jogad1.setFontItalic(false);
    Jogad2.setFontItalic(false);
    if (mnuTotal.checked()) {
        lblTgeral1.setVisible(true);
        lblTgeral2.setVisible(true);
    }
}

void frmQUOPA::LimpaTabuleiro() {
    // Row by row, across the eight columns in the sheet's order: with the running mode on, each
    // emptied box runs a pass over the boxes that are still filled.
    Colunas colunas = ColunasDe(*this);
    for (int row = kPrimeiraLinha; row <= kUltimaLinha; ++row)
        for (auto& col : colunas.all) (*col.cells)[row].setCaption("");

    rt::Image* dice[] = {&imgSort1, &imgSort2, &imgSort3, &imgSort4, &imgSort5};
    for (rt::Image* die : dice) die->setPicture(imgTMPx[1].picture());
    for (rt::Image* die : dice) die->setTop(1380);

    for (rt::Label* label : {&lblTrinca, &lblQuadra, &lblQuopa, &lblFull, &lblSegMn, &lblSegMx})
        label->setVisible(false);
    cmdBack.setVisible(false);
    cmdBack2.setVisible(false);

    lblTgeral1.setCaption("");
    lblTgeral2.setCaption("");
    lblTgeral1.setVisible(false);
    lblTgeral2.setVisible(false);

    Jogad1.setCaption(lblPodeJogar.caption());
    Jogad2.setCaption(lblPodeJogar.caption());
    lblJogadas.setCaption("0");
    lblSomaSelecionados.setCaption("");
    lblPontos.setCaption("");
    cmdVolta.setCaption(kNadaADesfazer);
    for (rt::Label* face : {&Label1, &Label2, &Label3, &Label4, &Label5}) face->setCaption("0");

    // Placeholders that read as 0: nothing reads them while the undo key is "cmdvolta".
    lblVolte11.setCaption("lblVolte1");
    lblVolte12.setCaption("lblVolte2");
    lblQuemJoga.setCaption("lbl quemjoga");
    lblVolta.setCaption("lblVolta");
    lblTermOquePor.setCaption("0");

    lblTotJogador1.setCaption("0");
    lblTotJogador2.setCaption("0");
    cmdPlay2.setVisible(false);
    cmdPlay.setVisible(true);
}

}  // namespace quopa
