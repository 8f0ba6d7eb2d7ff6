// The score sheet's model: its columns and rows, read from and written to the captions of the
// sheet cells. The rules of the rows and columns are in sheet_rules.h.
#pragma once

#include <string>

#include "game/window/frm_quopa.h"

namespace quopa {

// The fill-order rule of a column.
enum class TipoDeColuna { Descida, Subida, Desordem, PrimeiraMao };

// Rows of a column.
constexpr int kPrimeiraLinha = 1;
constexpr int kUltimaLinha = 18;
constexpr int kSomaSuperior = 7;   // "="
constexpr int kBonus = 8;          // "+"
constexpr int kTotalSuperior = 9;  // "T"
constexpr int kQuadra = 10;
constexpr int kFull = 11;
constexpr int kSeguidaMinima = 12;
constexpr int kSeguidaMaxima = 13;
constexpr int kMinimo = 14;
constexpr int kMaximo = 15;
constexpr int kQuopa = 16;
constexpr int kTotalInferior = 17;  // "T"
constexpr int kTotalColuna = 18;    // "T+T"

// The scoring rows in the order the sheet fills from the top, and the computed rows (the sums,
// the bonus and the totals that the game writes itself).
inline constexpr int kLinhasDePontos[] = {
    1, 2, 3, 4, 5, 6, kQuadra, kFull, kSeguidaMinima, kSeguidaMaxima, kMinimo, kMaximo, kQuopa};
inline constexpr int kLinhasCalculadas[] = {kSomaSuperior, kBonus, kTotalSuperior, kTotalInferior,
                                            kTotalColuna};

// A scoring row: 1-6 and 10-16.
bool LinhaDePontos(int row);
// A computed row: 7-9, 17 and 18.
bool LinhaCalculada(int row);

// A player's game ends with his 52nd filled box: 13 scoring rows in each of his four columns.
// His count of filled boxes is the caption of lblTotJogador1 / lblTotJogador2, so it is compared
// as text.
inline constexpr const char* kCasasDaFolha = "52";

// The undo key while there is no marking to take back: the caption cmdVolta has at design.
inline constexpr const char* kNadaADesfazer = "cmdvolta";

// A box is filled when its caption is not "".
inline bool CasaVazia(const rt::Label& cell) {
    return cell.caption().empty();
}

// The numeric value of a cell: Val of its caption ("" and "/" read 0, "+30" reads 30).
double ValorDaCasa(const rt::Label& cell);

// One of the eight columns of the two players.
struct ColunaDaFolha {
    LabelArray* cells;
    int player;  // 1 or 2
    TipoDeColuna kind;
    const char* tag;  // the undo tag: "B", "C", "D", "S", "Bb", "Cb", "Db", "Sb"
};

// The eight columns of a window, in the order B, C, D, S of player 1, then of player 2.
enum class Coluna { B, C, D, S, BB, CB, DB, SB };
struct Colunas {
    ColunaDaFolha all[8];
    const ColunaDaFolha& operator[](Coluna c) const { return all[static_cast<int>(c)]; }
};
Colunas ColunasDe(frmQUOPA& form);
// The four columns of one player, in the order B, C, D, S.
void ColunasDoJogador(frmQUOPA& form, int player, ColunaDaFolha out[4]);

}  // namespace quopa
