#include "game/window/frm_quopa.h"

namespace quopa {

frmQUOPA::frmQUOPA() : rt::Form("frmQUOPA") {
    design();
    wireEvents();
}

frmQUOPA::~frmQUOPA() = default;

}  // namespace quopa
