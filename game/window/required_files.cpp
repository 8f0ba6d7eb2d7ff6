#include "game/window/required_files.h"

#include "dialogs/frm_recor.h"
#include "runtime/app.h"
#include "runtime/errors.h"

namespace quopa {

void EncerraSemArquivo(frmQUOPA& form, const std::string& prompt, const std::string& title) {
    rt::MsgBox(prompt, rt::kCritical | rt::kSystemModal, title);
    rt::FormInstance<frmRecor>::unloadIfLoaded();
    form.unload();
    rt::End();
}

}  // namespace quopa
