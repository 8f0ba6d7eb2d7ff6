// Play aids: the marks that show where the current dice may be scored (mouse pointer 10) or where
// only a zero may go (pointer 12), the bonus-hint colours of the upper boxes, and their clearing.
//
// A mark lives in the cell's mouse pointer and shows in its back colour. The colours come from
// the scheme's carriers: `lblVolte11` (scoring rows) and `lblVolte12` (computed rows) for an
// unmarked box, `Jogad1` for a box that takes the dice, `Jogad2` for an upper box whose score
// would leave the upper sum below the bonus, `lblTermOquePor` for a zero-only box.
#include <string>

#include "game/sheet/column_sums.h"
#include "game/sheet/sheet_model.h"
#include "game/sheet/sheet_rules.h"
#include "runtime/values.h"

namespace quopa {

namespace {

// Returns one box to its unmarked look.
void Desmarca(frmQUOPA& f, rt::Label& casa, int linha) {
    casa.setMousePointer(rt::kPointerDefault);
    casa.setBackColor(LinhaDePontos(linha) ? f.lblVolte11.backColor() : f.lblVolte12.backColor());
}

// Returns a whole column to its unmarked look: the scoring rows first, then the computed rows.
void LimpaColuna(frmQUOPA& f, LabelArray& coluna) {
    for (int linha : kLinhasDePontos) Desmarca(f, coluna[linha], linha);
    for (int linha = kPrimeiraLinha; linha <= kUltimaLinha; ++linha)
        if (!LinhaDePontos(linha)) Desmarca(f, coluna[linha], linha);
}

void MarcaSoZero(frmQUOPA& f, rt::Label& casa) {
    casa.setMousePointer(rt::kPointerNoDrop);
    casa.setBackColor(f.lblTermOquePor.backColor());
}

// The colour of a marked box. An upper box tells whether the bonus stays within reach: the
// warning colour while the column's upper sum with this box's score would not earn the bonus.
rt::Color CorDaMarca(const DadosNaMesa& dados, LabelArray& coluna, int linha) {
    const frmQUOPA& f = dados.f;
    if (linha > 6) return f.Jogad1.backColor();
    const double comEstaCasa =
        SomaDasLinhas(coluna, 1, 6) + linha * DadosDaFace(dados.faces, linha);
    return !GanhaBonus(comEstaCasa) ? f.Jogad2.backColor() : f.Jogad1.backColor();
}

void LimpaDoJogador(frmQUOPA& f, const ColunaDaFolha& col) {
    const bool s = col.kind == TipoDeColuna::PrimeiraMao;
    if (col.player == 1)
        s ? f.LimpaDestaqueS1() : f.LimpaDestaque1();
    else
        s ? f.LimpaDestaqueS2() : f.LimpaDestaque2();
}

// Recomputes the marks of one column for the current dice.
void MarcaPossiveis(frmQUOPA& f, const ColunaDaFolha& col) {
    LabelArray& coluna = *col.cells;
    const bool marca = ColunaAceitaPontos(f, col.kind);
    // The dice of the roll last evaluated, as that evaluation wrote them down.
    const DadosNaMesa dados{f, f.lblResultado.caption()};
    bool algumaMarcada = false;
    for (int linha = kPrimeiraLinha; linha <= kUltimaLinha; ++linha) {
        rt::Label& casa = coluna[linha];
        if (marca && LinhaDePontos(linha) && CasaVazia(casa) &&
            OrdemPermite(coluna, col.kind, linha) && DadosServem(dados, coluna, linha)) {
            casa.setMousePointer(rt::kPointerUpArrow);
            casa.setBackColor(CorDaMarca(dados, coluna, linha));
            algumaMarcada = true;
        } else {
            Desmarca(f, casa, linha);
        }
    }
    // Only the roll button resets this to "0"; a column without marks leaves the others' word.
    if (algumaMarcada) f.lblTermOquePor.setCaption("1");
    if (!f.mnuPossibilidade.checked()) LimpaDoJogador(f, col);
}

void MarcaPossiveis(frmQUOPA& f, Coluna c) {
    MarcaPossiveis(f, ColunasDe(f)[c]);
}

// The first empty box of a column in the given order gets the zero-only mark.
template <std::size_t N>
void MarcaPrimeiraVazia(frmQUOPA& f, LabelArray& coluna, const int (&ordem)[N]) {
    for (int linha : ordem) {
        if (CasaVazia(coluna[linha])) {
            MarcaSoZero(f, coluna[linha]);
            return;
        }
    }
}

// Every empty box that does not take the dice gets the zero-only mark (columns D and S).
void MarcaVaziasSemPontos(frmQUOPA& f, LabelArray& coluna) {
    for (int linha : kLinhasDePontos) {
        rt::Label& casa = coluna[linha];
        if (CasaVazia(casa) && casa.mousePointer() != rt::kPointerUpArrow) MarcaSoZero(f, casa);
    }
}

void MarcaZeros(frmQUOPA& f, LabelArray& s, LabelArray& d, LabelArray& b) {
    MarcaVaziasSemPontos(f, s);
    MarcaVaziasSemPontos(f, d);
    MarcaPrimeiraVazia(f, b, kLinhasDePontos);
}

// Shows the keyboard cursor of player 1 or 2 over his sheet and hides the other's.
void MostraCursor(frmQUOPA& f, int jogador) {
    if (jogador == 1) {
        f.AtualizaCursorTeclado1();
        f.LTc1.setVisible(true);
        f.LTc2.setVisible(false);
    } else {
        f.AtualizaCursorTeclado2();
        f.LTc2.setVisible(true);
        f.LTc1.setVisible(false);
    }
}

}  // namespace

void frmQUOPA::LimpaDestaque1() {
    for (LabelArray* coluna : {&lblB, &lblC, &lblD}) LimpaColuna(*this, *coluna);
}
void frmQUOPA::LimpaDestaque2() {
    for (LabelArray* coluna : {&lblBB, &lblCB, &lblDB}) LimpaColuna(*this, *coluna);
}
void frmQUOPA::LimpaDestaqueS1() {
    LimpaColuna(*this, lblS);
}
void frmQUOPA::LimpaDestaqueS2() {
    LimpaColuna(*this, lblSB);
}

void frmQUOPA::MarcaPossiveisB() {
    MarcaPossiveis(*this, Coluna::B);
}
void frmQUOPA::MarcaPossiveisC() {
    MarcaPossiveis(*this, Coluna::C);
}
void frmQUOPA::MarcaPossiveisD() {
    MarcaPossiveis(*this, Coluna::D);
}
void frmQUOPA::MarcaPossiveisS() {
    MarcaPossiveis(*this, Coluna::S);
}
void frmQUOPA::MarcaPossiveisBB() {
    MarcaPossiveis(*this, Coluna::BB);
}
void frmQUOPA::MarcaPossiveisCB() {
    MarcaPossiveis(*this, Coluna::CB);
}
void frmQUOPA::MarcaPossiveisDB() {
    MarcaPossiveis(*this, Coluna::DB);
}
void frmQUOPA::MarcaPossiveisSB() {
    MarcaPossiveis(*this, Coluna::SB);
}

void frmQUOPA::MarcaZerosJogador1() {
    MarcaZeros(*this, lblS, lblD, lblB);
}
void frmQUOPA::MarcaZerosJogador2() {
    MarcaZeros(*this, lblSB, lblDB, lblBB);
}
void frmQUOPA::MarcaZerosC() {
    MarcaPrimeiraVazia(*this, lblC, kLinhasSubindo);
}
void frmQUOPA::MarcaZerosCB() {
    MarcaPrimeiraVazia(*this, lblCB, kLinhasSubindo);
}

void frmQUOPA::lblJogadas_Change() {
    if (lblJogadas.caption() == "0" || !mnuHabilitaTeclado.checked()) {
        LTc1.setVisible(false);
        LTc2.setVisible(false);
    } else if (cmdPlay.visible()) {
        MostraCursor(*this, 1);
    } else if (cmdPlay2.visible()) {
        MostraCursor(*this, 2);
    } else {
        // No roll button is shown once the game is over: no cursor either.
        LTc1.setVisible(false);
        LTc2.setVisible(false);
    }
}

}  // namespace quopa
