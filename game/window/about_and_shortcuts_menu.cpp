// Two items of the menus that open side windows: the about box and the shortcuts dialog. Both
// windows fill themselves when they load; the main window sets nothing on them.
#include "app/module1.h"
#include "dialogs/frm_msobre1.h"
#include "dialogs/frm_sobre.h"
#include "game/window/frm_quopa.h"

namespace quopa {

void frmQUOPA::MnuSobre_Click() {
    frmSobre& sobre = frmSobre::instance();
    // Above every other window before it is placed and shown.
    PoeFormNoTopo(sobre, true);
    CentraForm(sobre);
    sobre.show(rt::ShowMode::Modal);
}

void frmQUOPA::mnuCriaAtalhos_Click() {
    frmMsobre1& atalhos = frmMsobre1::instance();
    CentraForm(atalhos);
    atalhos.show(rt::ShowMode::Modal);
}

}  // namespace quopa
