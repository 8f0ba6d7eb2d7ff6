// The rules of the score sheet, in one place: what the dice must show for each scoring row and
// what they then write into it, and when a column opens a box. Scoring a press and the play aids'
// marks both ask these rules, so a box is marked exactly when a press on it would score.
#pragma once

#include <string>
#include <string_view>

#include "game/sheet/sheet_model.h"

namespace quopa {

// The dice as the rules read them: the combination indicators and the sum that the evaluation
// of the roll left on the window (lblQuadra, lblFull, lblSegMn, lblSegMx, lblQuopa, lblPontos),
// and the faces as digits, one per die ("33335").
//
// The faces come from where the caller stands: scoring reads the face captions of the dice as
// they lie, the marks read lblResultado, the faces of the roll last evaluated.
struct DadosNaMesa {
    const frmQUOPA& f;
    std::string faces;
};

// How many of the faces (digits, one per die) show `face` (1-6).
int DadosDaFace(std::string_view faces, int face);

// The points condition of each scoring row:
//   1-6   at least one die shows the row's face           writes row x dice of that face
//   10    four of a kind (lblQuadra shown)                writes 4 x its face + 20
//   11    full house (lblFull shown)                      writes the sum + 30, as " 42"
//   12    minimum straight (lblSegMn shown)               writes 50
//   13    maximum straight (lblSegMx shown)               writes 60
//   14    a sum the column's minimum may take             writes the sum's caption as it is
//   15    a sum the column's maximum may take             writes the sum's caption as it is
//   16    five of a kind (lblQuopa shown)                 writes the sum + 50, as " 65"
// A computed row (7-9, 17, 18) takes no dice.
bool DadosServem(const DadosNaMesa& dados, const LabelArray& coluna, int linha);

// The caption the dice write into scoring row `linha`; only meaningful where DadosServem holds.
// Rows 11 and 16 carry one leading blank (the sign-reserving form); rows 14 and 15 copy the
// sum's caption as it stands. A computed row gets "".
std::string PontosDaLinha(const DadosNaMesa& dados, int linha);

// Row 8, the bonus: an upper sum (rows 1-6, always a whole number) above 59 earns it, written
// "+30"; a complete upper section below that writes "/", which reads 0.
inline constexpr const char* kBonusGanho = "+30";
inline constexpr double kPontosDoBonus = 30;
inline constexpr const char* kSemBonus = "/";
inline bool GanhaBonus(double somaSuperior) {
    return somaSuperior > 59;
}

// Whether a sum of the dice may go into row 14 (Mn) or row 15 (Mx) of a column: the sum must be
// above 0 and, while the other of the two boxes holds points (neither "" nor "0"), strictly below
// the maximum (row 14) or strictly above the minimum (row 15). A zero in the other box frees it.
bool SomaCabeNoMinMax(const LabelArray& column, int row, double soma);

// The order in which a Subida column fills its scoring rows: from the bottom. A Descida column
// fills them in the order of kLinhasDePontos, from the top.
inline constexpr int kLinhasSubindo[] = {
    kQuopa, kMaximo, kMinimo, kSeguidaMaxima, kSeguidaMinima, kFull, kQuadra, 6, 5, 4, 3, 2, 1};

// The order rule of a column: whether it opens the empty box `row`. Descida and Subida open one
// box at a time, the one after the last filled in their order; Desordem and PrimeiraMao open any
// box. Only meaningful for scoring rows.
bool OrdemPermite(const LabelArray& column, TipoDeColuna kind, int row);

// Whether a column takes the dice's points now: column S (PrimeiraMao) only with a turn's first
// roll, the others with any roll. A zero may go into any column at any time.
bool ColunaAceitaPontos(const frmQUOPA& f, TipoDeColuna kind);

}  // namespace quopa
