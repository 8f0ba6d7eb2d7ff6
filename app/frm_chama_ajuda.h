// The help launcher: an empty window placed off the screen. The information menu shows it so
// that it is the active window while the help key opens a file at its help context.
#pragma once

#include "runtime/form.h"

namespace quopa {

class frmChamaAjuda : public rt::Form {
  public:
    frmChamaAjuda();

    // The global instance, loaded on first use.
    static frmChamaAjuda& instance() { return rt::FormInstance<frmChamaAjuda>::get(); }

    void Form_Load() override;
};

}  // namespace quopa
