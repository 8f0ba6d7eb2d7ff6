// The two items of the Settings menu that open the dialogs of the window's look: the colours and
// the dice pictures. Each dialog is loaded afresh, so it starts from the window's present style.
#include "app/module1.h"
#include "dialogs/frm_prefe.h"
#include "game/window/frm_choic.h"
#include "game/window/frm_quopa.h"

namespace quopa {

void frmQUOPA::MnuCores_Click() {
    frmPrefe& cores = frmPrefe::instance();
    CentraForm(cores);
    cores.show(rt::ShowMode::Modal);
}

void frmQUOPA::mnuDados_Click() {
    frmChoic& dados = frmChoic::instance();
    CentraForm(dados);
    dados.show(rt::ShowMode::Modal);
}

}  // namespace quopa
