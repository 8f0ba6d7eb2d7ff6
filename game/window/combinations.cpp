// Combination evaluation: reads the five faces and writes the roll summary (faces, sum, the six
// combination indicators) that the score sheet and the play aids work from, then has the play
// aids mark the player's sheet.
#include <string>

#include "app/module1.h"
#include "game/window/dice.h"
#include "game/window/dice_combinations.h"
#include "game/window/frm_quopa.h"
#include "game/window/player.h"
#include "runtime/values.h"

namespace quopa {

namespace {

// The captions of one language. The prefixes are followed by the face of the combination; the
// sheet reads that face back from the end of the caption, so nothing may follow it.
struct TextosDeCombinacao {
    const char* trinca;
    const char* quadra;
    const char* seguidaMaxima;
    const char* seguidaMinima;
};

constexpr TextosDeCombinacao kPortugues{"Trinca de ", "Quadra de ", "Seguida Máxima",
                                        "Seguida Mínima"};
constexpr TextosDeCombinacao kIngles{"Three of ", "Four of ", "Maxim Straight", "Minim Straight"};

// Steps 4 and 5: the indicators of the combinations. A caption is written only with its
// combination, so a hidden indicator keeps the face it last named.
void MostraCombinacoes(frmQUOPA& f, const Combinacoes& c, const TextosDeCombinacao& textos) {
    const std::string face(1, c.face);
    if (c.quopa) {
        f.lblQuopa.setVisible(true);
        f.lblTrinca.setVisible(true);
        f.lblTrinca.setCaption(textos.trinca + face);
        f.lblQuadra.setVisible(true);
        f.lblQuadra.setCaption(textos.quadra + face);
        f.lblFull.setVisible(false);
        f.lblSegMx.setVisible(false);
        f.lblSegMn.setVisible(false);
        return;
    }
    f.lblQuopa.setVisible(false);
    f.lblSegMx.setVisible(c.seguidaMaxima);
    f.lblSegMn.setVisible(c.seguidaMinima);
    if (c.trinca) f.lblTrinca.setCaption(textos.trinca + face);
    if (c.quadra) f.lblQuadra.setCaption(textos.quadra + face);
    f.lblTrinca.setVisible(c.trinca);
    f.lblFull.setVisible(c.full);
    f.lblQuadra.setVisible(c.quadra);
}

bool NadaParaMarcar(frmQUOPA& f) {
    return f.lblTermOquePor.caption() == "0";
}

// Step 7: after the first roll of a turn; column S takes points only now. With only column S
// left (the rolls-left label in italics) a roll it cannot take leaves only zeros to write.
void MarcaPrimeiroLance(frmQUOPA& f, const Jogador& j, int16_t Sons) {
    const bool soColunaS = j.contador.fontItalic();
    (f.*j.marcaPossiveisS)();
    if (soColunaS) {
        if (NadaParaMarcar(f)) {
            if (Sons == 1) f.TocaReclamacao();
            (f.*j.marcaZeros)();
        }
        return;
    }
    (f.*j.marcaPossiveisC)();
    (f.*j.marcaPossiveisB)();
    (f.*j.marcaPossiveisD)();
}

// Step 8: after a later roll column S is no longer marked.
void MarcaLanceSeguinte(frmQUOPA& f, const Jogador& j) {
    (f.*j.marcaPossiveisC)();
    (f.*j.marcaPossiveisB)();
    (f.*j.marcaPossiveisD)();
}

// Steps 6 to 9: the marks on the sheet of the player on turn.
void MarcaFolha(frmQUOPA& f, int16_t Sons) {
    // 6. Without the option to indicate possibilities there are no marks and no complaint.
    if (!f.mnuPossibilidade.checked()) return;

    const std::string& quemJoga = f.lblQuemJoga.caption();
    const Jogador j1 = Jogador1(f);
    const Jogador j2 = Jogador2(f);
    const Jogador* naVez = quemJoga == "1" ? &j1 : quemJoga == "2" ? &j2 : nullptr;
    if (rt::Val(f.lblJogadas.caption()) == 1) {
        if (naVez) MarcaPrimeiroLance(f, *naVez, Sons);
    } else {
        // Any player but player 1 is taken for player 2 here.
        MarcaLanceSeguinte(f, naVez ? *naVez : j2);
    }

    // 9. The last roll with no box for the dice: only a zero is left to write.
    if (f.lblJogadas.caption() == f.lblPodeJogar.caption() && NadaParaMarcar(f)) {
        if (Sons == 1) f.TocaReclamacao();
        if (naVez) {
            (f.*naVez->marcaZerosC)();
            (f.*naVez->marcaZeros)();
        }
    }
}

}  // namespace

void frmQUOPA::VerificaCombinacoes(int16_t& Sons) {
    // 1. The captions of the language.
    const TextosDeCombinacao& textos = Idioma == "0" ? kPortugues : kIngles;
    lblSegMx.setCaption(textos.seguidaMaxima);
    lblSegMn.setCaption(textos.seguidaMinima);

    // 2, 3. The faces as digits and their sum.
    lblResultado.setCaption(FacesComoDigitos(*this));
    const Combinacoes combinacoes = CombinacoesDe(lblResultado.caption());
    lblPontos.setCaption(rt::CStr(static_cast<double>(combinacoes.soma)));

    // 4, 5. Five of a kind has its applause.
    MostraCombinacoes(*this, combinacoes, textos);
    if (combinacoes.quopa && Sons == 1) TocaAplauso();

    MarcaFolha(*this, Sons);
}

}  // namespace quopa
