// The about box: the program's name and version, its maker Ostrelo with the logo, a short message
// that scrolls along a strip while the box is open, and an OK button. It fills itself when it
// loads; the main window puts it on top, centres it and shows it modally.
//
// The scrolling runs on Timer1 (100 ms) from the load to the unload; closing the box in any way
// (OK, Esc, the close box) unloads it and stops the timer.
#pragma once

#include "runtime/controls.h"
#include "runtime/form.h"

namespace quopa {

class frmSobre : public rt::Form {
  public:
    frmSobre();

    // The global instance, loaded on first use.
    static frmSobre& instance() { return rt::FormInstance<frmSobre>::get(); }

    rt::Image imgIcone{this, "imgIcone"};
    rt::Label lblNome{this, "lblNome"};
    rt::Label lblVersao{this, "lblVersao"};
    rt::Label lblDescricao{this, "lblDescricao"};
    rt::Image imgOstrelo{this, "imgOstrelo"};
    rt::Label lblFeitoPor{this, "lblFeitoPor"};
    rt::Label lblOstrelo{this, "lblOstrelo"};
    rt::PictureBox Picture1{this, "Picture1"};        // the strip the message scrolls along
    rt::Label lblMensagem{&Picture1, "lblMensagem"};  // the message
    rt::CommandButton cmdOK{this, "cmdOK"};
    rt::Timer Timer1{this, "Timer1"};

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void cmdOK_Click();
    // Moves the message one step to the left; once it has left the strip it enters again from
    // the right.
    void Timer1_Timer();

  private:
    void design();
};

}  // namespace quopa
