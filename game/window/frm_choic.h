// The dice-picture dialog. Loaded without being shown it is also the picture library: its gallery
// holds the 48 dice pictures (8 designs of 6 faces, index = (design - 1) * 6 + face) that the main
// window copies its face pictures from.
//
// Built so far: the window, the gallery and the panels and holders that its Form_Load touches.
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
    rt::ControlArray<rt::Label> lblDados{&Frame1, "lblDados"};  // 1-6, outside the visible area

    // The stamp (panel Picture1) and its number.
    rt::Frame Frame2{this, "Frame2"};
    rt::PictureBox Picture1{&Frame2, "Picture1"};
    rt::Label lblTMP{&Frame2, "lblTMP"};  // outside the visible area

    // The gallery: the library of 48 pictures.
    rt::PictureBox Picture3{this, "Picture3"};
    rt::ControlArray<rt::Image> imgDado1{&Picture3, "imgDado1"};  // 1-48

    void Form_Load() override;
    void FrasesPortugalDados();
    void FrasesEnglishDados();

  private:
    void design();
};

}  // namespace quopa
