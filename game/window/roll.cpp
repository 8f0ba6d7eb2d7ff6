// The roll of the dice: the two roll buttons, the start of a roll, its animation on Timer1 and
// the drawing of the new faces.
#include <array>
#include <string>

#include "app/module1.h"
#include "app/two_language_message.h"
#include "game/sheet/sheet_model.h"
#include "game/window/dice.h"
#include "game/window/frm_quopa.h"
#include "runtime/app.h"
#include "runtime/values.h"

namespace quopa {

namespace {

// What the two roll buttons differ in: the player they start a roll for.
struct BotaoDeJogar {
    const char* jogador;               // written to lblQuemJoga
    rt::Label& outroContador;          // the other player's rolls left, refilled by the click
    rt::CommandButton& botao;          // the button itself
    void (frmQUOPA::*limpaColunaS)();  // clears the marks of the player's column S
    void (frmQUOPA::*limpaColunas)();  // clears the marks of his columns B, C and D
    int16_t& naoJogou;                 // his must-roll flag
};

void MensagemJogadasEsgotadas() {
    MsgBoxNoIdioma(
        {"A última jogada ainda não foi marcada.\r\n\r\nVocê precisa marcar os pontos ou ZERO.",
         "The last points were not marked yet.\r\n\r\nYou must mark the points or ZERO."},
        rt::kOkOnly, {" Aviso", " Warning"});
}

// These texts break their lines with bare line feeds, unlike the message above; both keep the
// line breaks the players know.
void MensagemTodosSelecionados() {
    MsgBoxNoIdioma({"Todos os dados foram selecionados.(estão na parte superior)\n\n"
                    "Para jogar, clique e remova pelo menos um dado da seleção.",
                    "All dice were selected.(they are in the superior part)\n\n"
                    "To roll, click and remove one block at least of the selection."},
                   rt::kOkOnly, {" Aviso", " Warning"});
}

void Jogar(frmQUOPA& f, const BotaoDeJogar& b) {
    // The button is disabled while the dice roll, but a click may still arrive another way (a
    // key, an access key): a second roll started now would be counted and never drawn.
    if (DadosRolando(f)) return;
    // These changes stand even when the click is refused below: the player is on turn, the
    // other player's rolls are refilled and the last marking can no longer be taken back by
    // its button.
    f.lblQuemJoga.setCaption(b.jogador);
    b.outroContador.setCaption(f.lblPodeJogar.caption());
    f.lblTermOquePor.setCaption("0");
    b.botao.setEnabled(false);
    f.cmdBack.setVisible(false);
    f.cmdBack2.setVisible(false);

    if (rt::Val(f.lblJogadas.caption()) >= rt::Val(f.lblPodeJogar.caption())) {
        MensagemJogadasEsgotadas();
        return;
    }
    if (f.lblJogadas.caption() != "0" && TodosOsDadosSelecionados(f)) {
        // The button stays disabled until a die is put down (holding.cpp enables it).
        MensagemTodosSelecionados();
        return;
    }
    if (rt::Left(b.botao.caption(), 1) == "M") return;

    if (rt::Val(f.lblJogadas.caption()) == 1) (f.*b.limpaColunaS)();
    (f.*b.limpaColunas)();
    // Runs lblJogadas_Change, which places the keyboard cursor for this roll.
    f.lblJogadas.setCaption(rt::CStr(rt::Val(f.lblJogadas.caption()) + 1));
    rt::screen().setMousePointer(kPonteiroAmpulheta);

    if (f.lblJogadas.caption() == "1") {
        // A turn's first roll throws all five dice and forgets the previous turn's summary.
        for (const Dado& d : DadosDe(f)) {
            d.imagem.setTop(kTopoEmBaixo);
            d.face.setCaption("0");
        }
        f.lblSomaSelecionados.setCaption("0");
        f.lblPontos.setCaption("0");
        f.lblResultado.setCaption("00000");
        for (rt::Label* indicador :
             {&f.lblQuopa, &f.lblQuadra, &f.lblFull, &f.lblSegMx, &f.lblSegMn, &f.lblTrinca})
            indicador->setVisible(false);
    }
    f.LancaDados();
    // Until the faces are drawn the points display shows what the held dice already make.
    f.lblPontos.setCaption(f.lblSomaSelecionados.caption());
    f.cmdVolta.setCaption(kNadaADesfazer);
    b.naoJogou = 0;
    // From the first roll of a game until every player's game has ended, switching the number
    // of players or the rolls per turn would hide a sheet that can then never be finished, or
    // give fresh rolls on dice already rolled (lblTotJogador1_Change and lblTotJogador2_Change
    // open them again).
    f.MnuJogado.setEnabled(false);
    f.mnutentar.setEnabled(false);
}

// One animation frame on every die that is down; held dice keep their faces.
void MostraQuadro(frmQUOPA& f, const rt::Picture& quadro) {
    for (const Dado& d : DadosDe(f))
        if (d.imagem.top() > 1200) d.imagem.setPicture(quadro);
}

}  // namespace

void frmQUOPA::cmdPlay_Click() {
    Jogar(*this,
          {"1", Jogad2, cmdPlay, &frmQUOPA::LimpaDestaqueS1, &frmQUOPA::LimpaDestaque1, NaoJogou1});
}

void frmQUOPA::cmdPlay2_Click() {
    Jogar(*this, {"2", Jogad1, cmdPlay2, &frmQUOPA::LimpaDestaqueS2, &frmQUOPA::LimpaDestaque2,
                  NaoJogou2});
}

void frmQUOPA::LancaDados() {
    int quantos = 0;
    for (const Dado& d : DadosDe(*this)) {
        if (d.imagem.top() > kTopoSelecionado) {
            d.face.setCaption("0");
            ++quantos;
        }
    }
    lblQuantos.setCaption(rt::CStr(quantos));

    if (!mnuNenhumSom.checked()) {
        if (rt::Val(lblQuantos.caption()) > 2)
            TocaSomTresDados();
        else if (lblQuantos.caption() == "2")
            TocaSomDoisDados();
        else if (lblQuantos.caption() == "1")
            TocaSomUmDado();
    }

    QuadroAnimacao = 1;
    TiqueAnimacao = 1;
    Timer1.setTimerEnabled(true);
}

void frmQUOPA::Timer1_Timer() {
    // With the animation off, or with an animation type that names no frames (a stored value
    // other than "0" and "1"), the faces are drawn at the first tick so that every roll ends.
    const std::string& tipo = lblTipoAnimacao.caption();
    if (mnuAnimacao.checked() && (tipo == "1" || tipo == "0")) {
        ++TiqueAnimacao;
        ++QuadroAnimacao;
        if (tipo == "1") {
            // Face pictures 2, 3, 4, 5, 1, ...: face 6 is never a frame.
            MostraQuadro(*this, imgDado1[QuadroAnimacao].picture());
            if (QuadroAnimacao > 4) QuadroAnimacao = 0;
        } else {
            // The stamp alternates its frames 2 and 1; its third frame is not used by the roll.
            MostraQuadro(*this, imgTMPx[QuadroAnimacao].picture());
            if (QuadroAnimacao > 1) QuadroAnimacao = 0;
        }
        if (TiqueAnimacao <= rt::Val(lblTemPo.caption())) return;
    }
    RolaDados();
    Timer1.setTimerEnabled(false);
}

void frmQUOPA::RolaDados() {
    // A draw is made for every die, held ones included, so that the number of draws per roll
    // does not depend on the holding. Each draw re-seeds first; the generator mixes the clock
    // into its state, so draws within one clock tick stay independent.
    std::array<int, kDados> faces{};
    for (int& face : faces) {
        rt::Randomize();
        face = static_cast<int>(rt::Int(rt::Rnd() * 6 + 1));
    }
    const auto dados = DadosDe(*this);
    for (int i = 0; i < kDados; ++i) {
        if (dados[i].imagem.top() > kTopoSelecionado) {
            dados[i].imagem.setPicture(imgDado1[faces[i]].picture());
            dados[i].face.setCaption(rt::CStr(faces[i]));
        }
    }
    // The counter follows the visible roll button, not lblQuemJoga: with both buttons visible
    // both counters go down.
    if (cmdPlay.visible()) Jogad1.setCaption(rt::CStr(rt::Val(Jogad1.caption()) - 1));
    if (cmdPlay2.visible()) Jogad2.setCaption(rt::CStr(rt::Val(Jogad2.caption()) - 1));
    int16_t sons = 1;
    VerificaCombinacoes(sons);
    rt::screen().setMousePointer(kPonteiroPadrao);
}

void ParaRolagem(frmQUOPA& f) {
    if (!DadosRolando(f)) return;
    f.Timer1.setTimerEnabled(false);
    rt::screen().setMousePointer(kPonteiroPadrao);
    f.NaoJogou1 = 1;
    f.NaoJogou2 = 1;
    // The click disabled the button and the drawing would have given it back; the counters
    // that the caller writes next do so only when their text changes.
    (f.lblQuemJoga.caption() == "2" ? f.cmdPlay2 : f.cmdPlay).setEnabled(true);
}

}  // namespace quopa
