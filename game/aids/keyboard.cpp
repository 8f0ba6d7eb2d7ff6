// Keyboard play: a cursor over the player's sheet that the arrow keys move and the keys P and Z
// mark with, the keys 1-5 that hold dice, Enter and Space that roll, Esc, Backspace and Delete
// that take the last marking back, and the key hints in tooltips.
#include <algorithm>
#include <array>
#include <string>

#include "game/sheet/sheet_model.h"
#include "game/window/dice.h"
#include "game/window/frm_quopa.h"
#include "runtime/errors.h"
#include "runtime/values.h"

namespace quopa {

namespace {

// Key codes and shift bits of the key events.
enum Tecla : int {
    kBackspace = 8,
    kEnter = 13,
    kEsc = 27,
    kEspaco = 32,
    kEsquerda = 37,
    kAcima = 38,
    kDireita = 39,
    kAbaixo = 40,
    kDelete = 46,
    kTeclaP = 80,
    kTeclaZ = 90,
};
constexpr int kShiftCtrl = 2;
constexpr int kShiftAlt = 4;

// Marks of a box kept in its mouse pointer.
constexpr int kPossivel = 10;
constexpr int kSoZero = 12;

// The cursor moves over the scoring rows, the last of which is five of a kind.
constexpr int kUltimaLinhaDePontos = kQuopa;

using ManipuladorDeCasa = void (frmQUOPA::*)(int, int, int, float, float);

// One column of a sheet as the keyboard reaches it: its cells and the press, move and release
// handlers that a mouse click on a box would run.
struct ColunaDoTeclado {
    LabelArray& casas;
    ManipuladorDeCasa pressiona;
    ManipuladorDeCasa move;
    ManipuladorDeCasa solta;
};

struct Cursor {
    rt::Label& rotulo;
    std::array<ColunaDoTeclado, 4> colunas;  // B, C, D, S
    void (frmQUOPA::*atualiza)();
};

Cursor Cursor1(frmQUOPA& f) {
    using F = frmQUOPA;
    return {f.LTc1,
            {{{f.lblB, &F::lblB_MouseDown, &F::lblB_MouseMove, &F::lblB_MouseUp},
              {f.lblC, &F::lblC_MouseDown, &F::lblC_MouseMove, &F::lblC_MouseUp},
              {f.lblD, &F::lblD_MouseDown, &F::lblD_MouseMove, &F::lblD_MouseUp},
              {f.lblS, &F::lblS_MouseDown, &F::lblS_MouseMove, &F::lblS_MouseUp}}},
            &F::AtualizaCursorTeclado1};
}

Cursor Cursor2(frmQUOPA& f) {
    using F = frmQUOPA;
    return {f.LTc2,
            {{{f.lblBB, &F::lblBB_MouseDown, &F::lblBB_MouseMove, &F::lblBB_MouseUp},
              {f.lblCB, &F::lblCB_MouseDown, &F::lblCB_MouseMove, &F::lblCB_MouseUp},
              {f.lblDB, &F::lblDB_MouseDown, &F::lblDB_MouseMove, &F::lblDB_MouseUp},
              {f.lblSB, &F::lblSB_MouseDown, &F::lblSB_MouseMove, &F::lblSB_MouseUp}}},
            &F::AtualizaCursorTeclado2};
}

// The column whose box 1 has the cursor's Left, or -1.
int ColunaSobOCursor(const Cursor& c) {
    for (int i = 0; i < 4; ++i)
        if (c.colunas[i].casas[1].left() == c.rotulo.left()) return i;
    return -1;
}

void AtualizaCursor(const Cursor& c) {
    int coluna = ColunaSobOCursor(c);
    if (coluna < 0) return;
    LabelArray& casas = c.colunas[coluna].casas;
    for (int row = 1; row <= kUltimaLinhaDePontos; ++row) {
        rt::Label& casa = casas[row];
        if (casa.top() != c.rotulo.top()) continue;
        c.rotulo.setCaption(casa.caption());
        c.rotulo.setHeight(casa.height());
        c.rotulo.setWidth(casa.width());
        if (casa.mousePointer() == kSoZero) {
            c.rotulo.setCaption("X");
            c.rotulo.setMousePointer(kSoZero);
        } else {
            c.rotulo.setMousePointer(casa.mousePointer() == kPossivel ? kPossivel : 0);
        }
        return;
    }
}

void MarcaCursor(frmQUOPA& f, const Cursor& c, int16_t button) {
    // The row is read on column B, whose rows every other column shares.
    int linha = 0;
    for (int row = 1; row <= kUltimaLinhaDePontos; ++row)
        if (c.colunas[0].casas[row].top() == c.rotulo.top()) linha = row;
    int coluna = ColunaSobOCursor(c);
    // A cursor that lies over no box marks nothing.
    if (linha == 0 || coluna < 0) return;
    const ColunaDoTeclado& col = c.colunas[coluna];
    (f.*col.pressiona)(linha, button, 0, 0, 0);
    (f.*col.move)(linha, button, 0, 0, 0);
    (f.*col.solta)(linha, button, 0, 0, 0);
}

// The next scoring row from `row` in direction `dy` (rows 7-9 are sums, never marked), or `row`
// itself at the edge of the sheet.
int LinhaVizinha(int row, int dy) {
    for (int next = row + dy; next >= 1 && next <= kUltimaLinhaDePontos; next += dy)
        if (LinhaDePontos(next)) return next;
    return row;
}

void MoveCursor(frmQUOPA& f, const Cursor& c, int dx, int dy) {
    int coluna = ColunaSobOCursor(c);
    int linha = 0;
    if (coluna >= 0)
        for (int row = 1; row <= kUltimaLinhaDePontos; ++row)
            if (LinhaDePontos(row) && c.colunas[coluna].casas[row].top() == c.rotulo.top())
                linha = row;
    if (coluna < 0 || linha == 0) {
        // A cursor that lies over no scoring box starts again from the first box.
        coluna = 0;
        linha = 1;
    } else {
        coluna = std::clamp(coluna + dx, 0, 3);
        if (dy != 0) linha = LinhaVizinha(linha, dy > 0 ? 1 : -1);
    }
    rt::Label& casa = c.colunas[coluna].casas[linha];
    c.rotulo.setLeft(casa.left());
    c.rotulo.setTop(casa.top());
    c.rotulo.setWidth(casa.width());
    c.rotulo.setHeight(casa.height());
    (f.*c.atualiza)();
}

void MostraCursor(frmQUOPA& f, const rt::CommandButton& botao, rt::Label& cursor) {
    // The cursor shows only while its player is on turn, after a roll of the turn has been
    // counted, and (a quirk kept on purpose) only with five rolls per turn: with three it
    // waits for the next roll, whose lblJogadas_Change shows it.
    bool mostra =
        botao.visible() && f.lblJogadas.caption() != "0" && f.lblPodeJogar.caption() != "3";
    cursor.setVisible(mostra);
}

// A roll button that offers a roll: it is visible and the number at the end of its caption
// ("&Roll  3") is above 0 ("Marcar pontos" ends in a letter).
bool OfereceJogada(const rt::CommandButton& botao) {
    return botao.visible() && rt::Val(rt::Right(botao.caption(), 1)) > 0;
}

}  // namespace

void frmQUOPA::AtualizaCursorTeclado1() {
    AtualizaCursor(Cursor1(*this));
}
void frmQUOPA::AtualizaCursorTeclado2() {
    AtualizaCursor(Cursor2(*this));
}
void frmQUOPA::MarcaCursor1(int16_t Button) {
    MarcaCursor(*this, Cursor1(*this), Button);
}
void frmQUOPA::MarcaCursor2(int16_t Button) {
    MarcaCursor(*this, Cursor2(*this), Button);
}
void frmQUOPA::MoveCursorTeclado1(int dx, int dy) {
    MoveCursor(*this, Cursor1(*this), dx, dy);
}
void frmQUOPA::MoveCursorTeclado2(int dx, int dy) {
    MoveCursor(*this, Cursor2(*this), dx, dy);
}

void frmQUOPA::AjustaTabStop() {
    // In keyboard play Tab should not stop on the buttons that the keys already reach.
    bool paraNoTab = !mnuHabilitaTeclado.checked();
    for (rt::CommandButton* botao : {&cmdPlay, &cmdPlay2, &cmdBack, &cmdBack2})
        botao->setTabStop(paraNoTab);
}

void frmQUOPA::MostraCursorTeclado() {
    MostraCursor(*this, cmdPlay, LTc1);
    MostraCursor(*this, cmdPlay2, LTc2);
}

void frmQUOPA::DicaTeclasDados() {
    static constexpr const char* kDicas[kDados] = {" 1 ", " 2 ", " 3 ", " 4 ", " 5 "};
    bool dicas = PodeSegurarDados(*this);
    const auto dados = DadosDe(*this);
    for (int i = 0; i < kDados; ++i) dados[i].imagem.setToolTipText(dicas ? kDicas[i] : "");
}

void frmQUOPA::DicaTeclasVolta() {
    cmdBack.setToolTipText(" Esc  Backspace  Delete ");
    cmdBack2.setToolTipText(" Esc  Backspace  Delete ");
}

void frmQUOPA::Form_KeyDown(int& KeyCode, int Shift) {
    if (KeyCode == kEsc || KeyCode == kBackspace || KeyCode == kDelete) {
        if (cmdBack.visible()) {
            cmdBack_Click();
            KeyCode = 0;
        } else if (cmdBack2.visible()) {
            cmdBack2_Click();
            KeyCode = 0;
        }
        return;
    }
    // With Ctrl or Alt held the key belongs to the menus and access keys.
    if (!mnuHabilitaTeclado.checked() || (Shift & (kShiftCtrl | kShiftAlt)) != 0) return;
    bool jogador1 = cmdPlay.visible();
    if (!jogador1 && !cmdPlay2.visible()) return;
    // The keys act on the cursor the player can see, so nothing is marked out of sight.
    if (!(jogador1 ? LTc1 : LTc2).visible()) return;

    if (KeyCode == kTeclaP || KeyCode == kTeclaZ) {
        int16_t button = KeyCode == kTeclaP ? 1 : 2;
        KeyCode = 0;
        if (jogador1)
            MarcaCursor1(button);
        else
            MarcaCursor2(button);
        return;
    }
    if (KeyCode < kEsquerda || KeyCode > kAbaixo) return;
    // Left, up, right, down.
    static constexpr int kPassos[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    const int* passo = kPassos[KeyCode - kEsquerda];
    KeyCode = 0;
    if (jogador1)
        MoveCursorTeclado1(passo[0], passo[1]);
    else
        MoveCursorTeclado2(passo[0], passo[1]);
}

void frmQUOPA::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii >= '1' && KeyAscii <= '5') {
        static constexpr void (frmQUOPA::*kCliques[kDados])() = {
            &frmQUOPA::imgSort1_Click, &frmQUOPA::imgSort2_Click, &frmQUOPA::imgSort3_Click,
            &frmQUOPA::imgSort4_Click, &frmQUOPA::imgSort5_Click};
        auto clique = kCliques[KeyAscii - '1'];
        KeyAscii = 0;
        (this->*clique)();
        return;
    }
    if (KeyAscii != kEnter && KeyAscii != kEspaco) return;
    // While the dice roll the button is disabled, so a click cannot start a second roll; the
    // key must not either, or one roll would be counted twice.
    if (DadosRolando(*this)) {
        KeyAscii = 0;
        return;
    }
    if (OfereceJogada(cmdPlay)) {
        KeyAscii = 0;
        cmdPlay_Click();
    } else if (OfereceJogada(cmdPlay2)) {
        KeyAscii = 0;
        cmdPlay2_Click();
    }
}

void frmQUOPA::cmdBack_MouseMove(int, int, float, float) {
    if (MostC.checked())
        DicaTeclasVolta();
    else
        cmdBack.setToolTipText("");
}

void frmQUOPA::cmdBack2_MouseMove(int, int, float, float) {
    if (MostC.checked())
        DicaTeclasVolta();
    else
        cmdBack2.setToolTipText("");
}

// After a click on a back button the keys should reach the sheet again, not the button.
void frmQUOPA::cmdBack_MouseUp(int, int, float, float) {
    if (mnuHabilitaTeclado.checked()) rt::ignoreErrors([this] { PicUser.setFocus(); });
}

void frmQUOPA::cmdBack2_MouseUp(int, int, float, float) {
    if (mnuHabilitaTeclado.checked()) rt::ignoreErrors([this] { PicUserB.setFocus(); });
}

}  // namespace quopa
