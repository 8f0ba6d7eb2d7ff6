// The shortcuts dialog: makes launchers that start the program, on the Desktop and in the user's
// applications menu, as the user ticks them. It fills itself when it loads; the main window
// centres it and shows it modally.
//
// OK makes each ticked launcher in one step (a launcher is either whole or not there at all) and
// says where it went; when one cannot be made the message says which and why, and the dialog
// stays open. Cancel, Esc and the close box make nothing.
#pragma once

#include <string>

#include "runtime/controls.h"
#include "runtime/form.h"

namespace quopa {

class frmMsobre1 : public rt::Form {
  public:
    frmMsobre1();

    // The global instance, loaded on first use.
    static frmMsobre1& instance() { return rt::FormInstance<frmMsobre1>::get(); }

    rt::Image imgIcone{this, "imgIcone"};
    rt::Label lblTexto{this, "lblTexto"};
    rt::CheckBox chkAreaDeTrabalho{this, "chkAreaDeTrabalho"};
    rt::CheckBox chkMenu{this, "chkMenu"};
    rt::CommandButton cmdOK{this, "cmdOK"};
    rt::CommandButton cmdCancelar{this, "cmdCancelar"};

    void Form_Load() override;
    void cmdOK_Click();
    void cmdCancelar_Click();
    // OK is open while at least one place is ticked.
    void chkAreaDeTrabalho_Click();
    void chkMenu_Click();

  private:
    void design();
    void AtualizaOK();
};

}  // namespace quopa
