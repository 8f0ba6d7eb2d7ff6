#include "app/frm_chama_ajuda.h"

namespace quopa {

frmChamaAjuda::frmChamaAjuda() : rt::Form("frmChamaAjuda") {
    setCaption("Form1");
    setClientSize(2280, 795);
    setLeft(-4935);
}

void frmChamaAjuda::Form_Load() {
    // Nothing to set up: the window only has to exist and be active while the help key is
    // pressed. Its users ignore every error of their own.
}

}  // namespace quopa
