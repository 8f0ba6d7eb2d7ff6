// Scoring a box: a press on a box of a player's own sheet writes the points of the current dice
// (any button but the right one) or a zero (right button), stores the undo key and ends the turn.
#include "game/sheet/scoring.h"

#include <optional>
#include <string>

#include "game/sheet/sheet_model.h"
#include "game/window/dice.h"
#include "runtime/values.h"

namespace quopa {

namespace {

constexpr int kBotaoDireito = 2;

// What the points of a row are computed from.
struct Jogada {
    frmQUOPA& f;
    const LabelArray& coluna;
    int linha;

    double soma() const { return rt::Val(f.lblPontos.caption()); }
};

// Upper boxes: the dice whose face caption is the row's digit.
int DadosDaFace(const Jogada& j) {
    const std::string digito = std::to_string(j.linha);
    int n = 0;
    for (const rt::Label* face : {&j.f.Label1, &j.f.Label2, &j.f.Label3, &j.f.Label4, &j.f.Label5})
        if (face->caption() == digito) ++n;
    return n;
}

// The face of four of a kind ends the caption of lblQuadra ("Quadra de 4", "Four of 4").
double FaceDaQuadra(const Jogada& j) {
    return rt::Val(rt::Right(j.f.lblQuadra.caption(), 2));
}

// The points of a scoring row: the condition the dice must meet, and the caption then written.
// Rows 11 and 16 carry one leading blank (the sign-reserving form); rows 14 and 15 copy the sum's
// caption as it stands.
struct PontosDaLinha {
    int primeira;
    int ultima;
    bool (*condicao)(const Jogada&);
    std::string (*texto)(const Jogada&);
};

constexpr PontosDaLinha kPontos[] = {
    {1, 6, [](const Jogada& j) { return DadosDaFace(j) > 0; },
     [](const Jogada& j) { return std::to_string(j.linha * DadosDaFace(j)); }},
    {kQuadra, kQuadra, [](const Jogada& j) { return j.f.lblQuadra.visible(); },
     [](const Jogada& j) { return rt::CStr(4 * FaceDaQuadra(j) + 20); }},
    {kFull, kFull, [](const Jogada& j) { return j.f.lblFull.visible(); },
     [](const Jogada& j) { return rt::Str(j.soma() + 30); }},
    {kSeguidaMinima, kSeguidaMinima, [](const Jogada& j) { return j.f.lblSegMn.visible(); },
     [](const Jogada&) { return std::string("50"); }},
    {kSeguidaMaxima, kSeguidaMaxima, [](const Jogada& j) { return j.f.lblSegMx.visible(); },
     [](const Jogada&) { return std::string("60"); }},
    {kMinimo, kMaximo,
     [](const Jogada& j) { return SomaCabeNoMinMax(j.coluna, j.linha, j.soma()); },
     [](const Jogada& j) { return j.f.lblPontos.caption(); }},
    {kQuopa, kQuopa, [](const Jogada& j) { return j.f.lblQuopa.visible(); },
     [](const Jogada& j) { return rt::Str(j.soma() + 50); }},
};

// The caption the dice give the row, or nothing when they do not meet its condition.
std::optional<std::string> Pontos(const Jogada& j) {
    for (const PontosDaLinha& p : kPontos)
        if (j.linha >= p.primeira && j.linha <= p.ultima)
            return p.condicao(j) ? std::optional(p.texto(j)) : std::nullopt;
    return std::nullopt;
}

// One press on row `linha` of a column. Every refusal leaves the sheet, the undo key, the flags
// and the counters as they were, silently.
void MarcaCasa(frmQUOPA& f, const ColunaDaFolha& col, int linha, int botao) {
    // The row is checked before the box is read so that no index outside the sheet is touched.
    if (!LinhaDePontos(linha)) return;
    rt::Label& casa = (*col.cells)[linha];
    if (!CasaVazia(casa)) return;
    const int16_t naoJogou = col.player == 1 ? f.NaoJogou1 : f.NaoJogou2;
    if (naoJogou == 1) return;
    // An undo clears both players' flags, so the flag alone would let the player who is not on
    // turn score the other player's dice on his own sheet and take the turn from him. Only the
    // player named by the last roll button may mark.
    if (f.lblQuemJoga.caption() != std::to_string(col.player)) return;
    // While the dice roll the must-roll flag is already 0 but the faces being rolled read "0"
    // and the indicators are those of the previous roll: a press then would score dice the
    // player has not got.
    if (DadosRolando(f)) return;
    if ((col.kind == TipoDeColuna::Descida || col.kind == TipoDeColuna::Subida) &&
        !OrdemPermite(*col.cells, col.kind, linha))
        return;

    if (botao == kBotaoDireito) {
        casa.setCaption("0");
    } else {
        if (col.kind == TipoDeColuna::PrimeiraMao && rt::Val(f.lblJogadas.caption()) != 1) return;
        std::optional<std::string> texto = Pontos(Jogada{f, *col.cells, linha});
        if (!texto) return;
        casa.setCaption(*texto);
    }

    // The box's change handler has run by now; the undo key follows, then the end of the turn.
    f.cmdVolta.setCaption(col.tag + std::to_string(linha));
    if (col.player == 1)
        f.EncerraVezJogador1();
    else
        f.EncerraVezJogador2();
}

// Index of a column in ColunasDe: B, C, D, S of player 1, then of player 2.
enum Coluna { B, C, D, S, BB, CB, DB, SB };

void Pressiona(frmQUOPA& f, Coluna c, int Index, int Button) {
    MarcaCasa(f, ColunasDe(f).all[c], Index, Button);
}

}  // namespace

bool SomaCabeNoMinMax(const LabelArray& column, int row, double soma) {
    if (soma <= 0) return false;
    const int outra = row == kMinimo ? kMaximo : kMinimo;
    const std::string& limite = column[outra].caption();
    if (limite.empty() || limite == "0") return true;
    return row == kMinimo ? soma < rt::Val(limite) : soma > rt::Val(limite);
}

void frmQUOPA::lblB_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, B, Index, Button);
}
void frmQUOPA::lblC_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, C, Index, Button);
}
void frmQUOPA::lblD_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, D, Index, Button);
}
void frmQUOPA::lblS_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, S, Index, Button);
}
void frmQUOPA::lblBB_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, BB, Index, Button);
}
void frmQUOPA::lblCB_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, CB, Index, Button);
}
void frmQUOPA::lblDB_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, DB, Index, Button);
}
void frmQUOPA::lblSB_MouseDown(int Index, int Button, int, float, float) {
    Pressiona(*this, SB, Index, Button);
}

}  // namespace quopa
