// Two items of the menus: switching the running totals on and off, and opening the records
// table.
#include "app/module1.h"
#include "dialogs/frm_recor.h"
#include "game/window/frm_quopa.h"

namespace quopa {

void frmQUOPA::mnuTotal_Click() {
    // The tick is set first: the change handlers run by the rewrites below read it.
    mnuTotal.setChecked(!mnuTotal.checked());
    if (!mnuTotal.checked()) {
        RefazTotais();
    } else {
        TotalizaJogador1();
        TotalizaJogador2();
    }
    lblTgeral1.setVisible(mnuTotal.checked());
    lblTgeral2.setVisible(mnuTotal.checked());
}

void frmQUOPA::mnuPlacar_Click() {
    frmRecor& records = frmRecor::instance();
    CentraForm(records);
    records.show(rt::ShowMode::Modal);
}

}  // namespace quopa
