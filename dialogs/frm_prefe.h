// The colour dialog: the 18 colours of the main window's scheme in their 15 categories, each
// with its name and a swatch of its colour (the scoring boxes, the computed boxes and the
// keyboard cursor have a text colour and a background colour). A click on a swatch asks the
// system's colour chooser for a new colour; nothing reaches the main window until OK.
//
// OK writes the chosen colours into the main window's carriers, spreads them (PoeCores) and
// stores them (SalvaCoresFquopa). Cancel, Esc and the close box write, apply and store nothing.
#pragma once

#include "runtime/control_array.h"
#include "runtime/controls.h"
#include "runtime/form.h"

namespace quopa {

class frmPrefe : public rt::Form {
  public:
    frmPrefe();

    // The global instance, loaded (filled from the main window) on first use.
    static frmPrefe& instance() { return rt::FormInstance<frmPrefe>::get(); }

    // The categories, one row each, in the order of kCategorias (1-15).
    enum Categoria : int {
        kJanela = 1,     // the window and the dice table
        kPainel,         // the sheet panels
        kGrade,          // the lines between the boxes
        kLegendaPontos,  // legends of the scoring rows and the header lines
        kLegendaTotais,  // legends of the computed rows
        kCasaPontos,     // scoring boxes: text and background
        kCasaTotais,     // computed boxes: text and background
        kCasaPossivel,   // a box where the dice may be scored
        kCasaSemBonus,   // such an upper box that leaves the upper sum below 60
        kCasaSoZero,     // a box where only a zero may go
        kNome1,          // player 1's name
        kNome2,          // player 2's name
        kSomaSeparados,  // the sum of the held dice
        kSomaDados,      // the sum of the five dice
        kCursor,         // the keyboard cursor: text and background
        kCategorias = kCursor
    };

    rt::Label lblColunaTexto{this, "lblColunaTexto"};  // the column headers
    rt::Label lblColunaFundo{this, "lblColunaFundo"};
    rt::ControlArray<rt::Label> lblNome{this, "lblNome"};  // 1-15: the categories' names
    // The swatches: each one's back colour is the colour chosen so far. A category has a text
    // swatch, a background swatch or both.
    rt::ControlArray<rt::Label> lblCorTexto{this, "lblCorTexto"};
    rt::ControlArray<rt::Label> lblCorFundo{this, "lblCorFundo"};
    rt::CommandButton cmdAjuda{this, "cmdAjuda"};
    rt::CommandButton cmdOK{this, "cmdOK"};
    rt::CommandButton cmdCancelar{this, "cmdCancelar"};

    void Form_Load() override;
    void FrasesPortugues();
    void FrasesIngles();
    // Fills the swatches from the main window's carriers.
    void PegaCoresAtuais();

    void lblCorTexto_Click(int Index);
    void lblCorFundo_Click(int Index);
    void cmdOK_Click();
    void cmdCancelar_Click();
    void cmdAjuda_Click();

  private:
    void design();
    void EscolheCor(rt::Label& amostra, int categoria, const char* ladoPt, const char* ladoEn);
};

}  // namespace quopa
