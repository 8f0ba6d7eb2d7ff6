// The two players as the twin procedures of the turn, the roll evaluation and the marks see
// them: one description per player of the controls and procedures that are his.
#pragma once

#include <cstdint>

#include "game/window/frm_quopa.h"

namespace quopa {

// What the twin procedures of the two players differ in: his controls and his procedures.
struct Jogador {
    const char* numero;  // "1" / "2", as lblQuemJoga names him
    int16_t& naoJogou;
    rt::Label& contador;       // Jogad1 / Jogad2: rolls left
    rt::Label& volte;          // lblVolte11 / lblVolte12: the undo copy of the rolls left
    rt::Label& casasMarcadas;  // lblTotJogador1 / lblTotJogador2
    rt::CommandButton& botao;  // his roll button
    rt::CommandButton& outroBotao;
    rt::CommandButton& voltar;  // his back button
    rt::Label& cursor;          // his keyboard cursor
    LabelArray& colunaB;
    LabelArray& colunaC;
    LabelArray& colunaD;
    void (frmQUOPA::*limpaColunas)();
    void (frmQUOPA::*limpaColunaS)();
    void (frmQUOPA::*atualizaJogadas)();
    // His play aids: the marks of each of his columns, and the zero-only marks.
    void (frmQUOPA::*marcaPossiveisS)();
    void (frmQUOPA::*marcaPossiveisC)();
    void (frmQUOPA::*marcaPossiveisB)();
    void (frmQUOPA::*marcaPossiveisD)();
    void (frmQUOPA::*marcaZeros)();
    void (frmQUOPA::*marcaZerosC)();
};

Jogador Jogador1(frmQUOPA& f);
Jogador Jogador2(frmQUOPA& f);

}  // namespace quopa
