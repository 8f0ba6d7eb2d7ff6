// Placeholders for the procedures that are not written yet. Each line is one procedure; delete
// its line when you write the real one. This file goes away once it is empty.
#include <stdexcept>

#include "app/module1.h"
#include "game/window/frm_quopa.h"
#include "resources/resources.h"

#define PENDING(name) throw std::logic_error("not written yet: " name)

namespace quopa {

[[gnu::weak]] void frmQUOPA::MnuCores_Click() { PENDING("MnuCores_Click"); }
[[gnu::weak]] void frmQUOPA::mnuCriaAtalhos_Click() { PENDING("mnuCriaAtalhos_Click"); }
[[gnu::weak]] void frmQUOPA::mnuDados_Click() { PENDING("mnuDados_Click"); }
[[gnu::weak]] void frmQUOPA::MnuSobre_Click() { PENDING("MnuSobre_Click"); }
[[gnu::weak]] void frmQUOPA::mnuDemonstra_Click() { PENDING("mnuDemonstra_Click"); }
[[gnu::weak]] rt::Picture resources::icon(int) { PENDING("resources::icon"); }
[[gnu::weak]] rt::Picture resources::dicePicture(int) { PENDING("resources::dicePicture"); }
[[gnu::weak]] rt::Picture resources::logo() { PENDING("resources::logo"); }
[[gnu::weak]] rt::Picture resources::liftCursor() { PENDING("resources::liftCursor"); }
[[gnu::weak]] rt::Picture resources::dropCursor() { PENDING("resources::dropCursor"); }
[[gnu::weak]] std::shared_ptr<const std::vector<uint8_t>> resources::sound(int) { PENDING("resources::sound"); }

}  // namespace quopa
