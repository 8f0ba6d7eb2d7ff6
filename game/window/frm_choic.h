// The dice-picture dialog: the user picks a library picture for each face, a stamp for the dice
// not yet rolled, and the kind and length of the roll animation. OK copies the choice into the
// main window's style holders and repaints its dice; the main window stores the style when it
// closes. Cancel, Esc and the close box discard the choice.
//
// Loaded without being shown it is also the picture library: its gallery holds the 48 dice
// pictures (8 designs of 6 faces, index = (design - 1) * 6 + face) that the main window copies
// its face pictures from. Creating it draws nothing (the pictures are drawn on first show), so
// loading it at every start stays cheap.
#pragma once

#include "runtime/control_array.h"
#include "runtime/controls.h"
#include "runtime/form.h"

namespace quopa {

class frmChoic : public rt::Form {
  public:
    frmChoic();
    ~frmChoic() override;

    // The global instance, loaded (hidden) on first use.
    static frmChoic& instance() { return rt::FormInstance<frmChoic>::get(); }

    // The chosen pictures of faces 1-6 (panel Picture2) and their library indexes.
    rt::Frame Frame1{this, "Frame1"};
    rt::PictureBox Picture2{&Frame1, "Picture2"};
    rt::ControlArray<rt::Image> imgEsco1{&Picture2, "imgEsco1"};  // 1-6
    rt::ControlArray<rt::Label> lblDados{&Frame1, "lblDados"};    // 1-6, outside the visible area

    // The stamp: the chosen one's first frame (panel Picture1), the six to choose from, their
    // hover frame and the chosen stamp's number.
    rt::Frame Frame2{this, "Frame2"};
    rt::PictureBox Picture1{&Frame2, "Picture1"};
    rt::Image imgTMP{&Picture1, "imgTMP"};
    rt::ControlArray<rt::Image> imgEst{&Frame2, "imgEst"};  // 1-6
    rt::Line Line5{&Frame2, "Line5"};                       // top, bottom, left, right edge
    rt::Line Line6{&Frame2, "Line6"};
    rt::Line Line7{&Frame2, "Line7"};
    rt::Line Line8{&Frame2, "Line8"};
    rt::Label lblTMP{&Frame2, "lblTMP"};  // outside the visible area

    // The animation: its length and its kind.
    rt::Frame Frame3{this, "Frame3"};
    rt::Label Label1{&Frame3, "Label1"};
    rt::ComboBox Combo1{&Frame3, "Combo1"};        // items 0-2: 10, 20, 30 ticks
    rt::OptionButton Option1{&Frame3, "Option1"};  // stamp frames, type "0"
    rt::OptionButton Option2{&Frame3, "Option2"};  // dice pictures, type "1"

    // The gallery: the library of 48 pictures and its hover frame.
    rt::PictureBox Picture3{this, "Picture3"};
    rt::ControlArray<rt::Image> imgDado1{&Picture3, "imgDado1"};  // 1-48
    rt::Line Line1{&Picture3, "Line1"};                           // top, bottom, left, right edge
    rt::Line Line2{&Picture3, "Line2"};
    rt::Line Line3{&Picture3, "Line3"};
    rt::Line Line4{&Picture3, "Line4"};

    rt::CommandButton cmdHelp{this, "cmdHelp"};
    rt::CommandButton cmdSalvar{this, "cmdSalvar"};
    rt::CommandButton cmdCancel{this, "cmdCancel"};

    void Form_Load() override;
    void FrasesPortugalDados();
    void FrasesEnglishDados();
    void PegaDadosAtuais();
    void EscondeLinhas();

    void Form_MouseMove(int Button, int Shift, float X, float Y) override;
    void Frame1_MouseMove(int Button, int Shift, float X, float Y);
    void Frame2_MouseMove(int Button, int Shift, float X, float Y);
    void Frame3_MouseMove(int Button, int Shift, float X, float Y);
    void imgEsco1_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void imgTMP_MouseMove(int Button, int Shift, float X, float Y);
    void Picture3_MouseMove(int Button, int Shift, float X, float Y);

    void imgDado1_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void imgDado1_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void imgDado1_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void imgEst_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void imgEst_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void imgEst_MouseUp(int Index, int Button, int Shift, float X, float Y);

    void Option1_Click();
    void Option2_Click();
    void cmdSalvar_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

  private:
    void design();
    void designGallery();
    void designChosenFaces();
    void designStamps();
    void designAnimation();
    void designButtons();
    void wireEvents();
    // The press, hover and release of a picture of the gallery or of the stamps.
    void pressionaFigura(rt::ControlArray<rt::Image>& figuras, int Index);
    void emolduraFigura(rt::ControlArray<rt::Image>& figuras, int Index, rt::Line& cima,
                        rt::Line& baixo, rt::Line& esquerda, rt::Line& direita);
    void soltaFigura(rt::ControlArray<rt::Image>& figuras, int Index);

    // The pressed picture's place before it moved; the gallery and the stamps share it.
    int EsquerdaAntes = 0;
    int TopoAntes = 0;
    // A picture is pressed and moved: a second button pressed meanwhile neither moves it again
    // nor overwrites its saved place, so the release always puts it back where it was.
    bool FiguraPressionada = false;
};

}  // namespace quopa
