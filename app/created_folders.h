// The folders the program writes into for the user: the Desktop and the applications menu, as the
// desktop reports them. A new account may not have them yet, so they are made when missing.
#pragma once

#include <cstdint>
#include <string>

namespace quopa {

// The special folder `pasta` (0 the Desktop, 11 the applications menu) without a trailing
// separator, made with any missing folder above it; "" when the desktop reports no such folder
// or it cannot be made. Never raises an error.
std::string PegaPastaEspecialCriada(int32_t pasta);

}  // namespace quopa
