// The five dice of the main window as the roll, the holding and the keyboard see them: each die
// is an image whose Top tells whether it is down or held, with its face in a hidden label.
#pragma once

#include <array>
#include <string>

#include "game/window/frm_quopa.h"
#include "runtime/values.h"

namespace quopa {

inline constexpr int kDados = 5;
// Tops of a die, twips: down (rolled by the next roll) and lifted (held).
inline constexpr int kTopoEmBaixo = 1380;
inline constexpr int kTopoSelecionado = 890;
// Screen mouse pointers: the default arrow, and the hourglass that runs while a roll does.
inline constexpr int kPonteiroPadrao = 0;
inline constexpr int kPonteiroAmpulheta = 11;
// A control's own pointer picture (its mouse icon).
inline constexpr int kPonteiroPersonalizado = 99;

struct Dado {
    rt::Image& imagem;
    rt::Label& face;
};

inline std::array<Dado, kDados> DadosDe(frmQUOPA& f) {
    return {{{f.imgSort1, f.Label1},
             {f.imgSort2, f.Label2},
             {f.imgSort3, f.Label3},
             {f.imgSort4, f.Label4},
             {f.imgSort5, f.Label5}}};
}

// The five face captions as digits, one per die ("33335"; "0" for a die still to be rolled).
inline std::string FacesComoDigitos(frmQUOPA& f) {
    std::string faces;
    for (const Dado& d : DadosDe(f)) faces += d.face.caption();
    return faces;
}

// The dice are rolling: the roll's timer runs from the start of a roll until its faces are
// drawn. Every guard against acting on a roll under way asks this, never the mouse pointer,
// which any layout pass or dialog may change meanwhile.
inline bool DadosRolando(const frmQUOPA& f) {
    return f.Timer1.timerEnabled();
}

// Ends a roll under way without drawing its faces (roll.cpp): the timer stops, the default
// pointer comes back and the roller's button is enabled again. The dice that were rolling have no
// faces, so nobody may mark until the next roll. Does nothing when no roll runs.
void ParaRolagem(frmQUOPA& f);

// Every die is off the table (any Top above the down position counts as lifted).
inline bool TodosOsDadosSelecionados(frmQUOPA& f) {
    for (const Dado& d : DadosDe(f))
        if (d.imagem.top() >= kTopoEmBaixo) return false;
    return true;
}

// The visible roll button reads "Marcar pontos" / "Mark points": no roll is left.
inline bool BotaoPedeMarcar(const rt::CommandButton& botao) {
    return botao.visible() && rt::Left(botao.caption(), 1) == "M";
}

// Dice may be lifted or put down: the turn's first roll has been made, its last one has not,
// and no visible roll button asks for a marking.
inline bool PodeSegurarDados(frmQUOPA& f) {
    return rt::Val(f.lblJogadas.caption()) != 0 &&
           f.lblJogadas.caption() != f.lblPodeJogar.caption() && !BotaoPedeMarcar(f.cmdPlay) &&
           !BotaoPedeMarcar(f.cmdPlay2);
}

}  // namespace quopa
