// The end of the program when a file it cannot run without is missing or broken.
#pragma once

#include <string>

#include "game/window/frm_quopa.h"

namespace quopa {

// Shows the critical message, unloads the records window and the main window, and ends the
// program (throws rt::EndProgram). While the main window is still loading its unload handler does
// not run, so nothing is saved; afterwards it saves the options as any closing does.
[[noreturn]] void EncerraSemArquivo(frmQUOPA& form, const std::string& prompt,
                                    const std::string& title);

}  // namespace quopa
