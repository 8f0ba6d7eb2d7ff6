// The folders the program writes into for the user: the Desktop and the applications menu, as the
// desktop reports them. A new account may not have them yet, so they are made when missing.
#pragma once

#include <cstdint>
#include <string>

namespace quopa {

// A special folder as the program could have it.
struct PastaCriada {
    // The folder without a trailing separator; "" when the desktop reports no such folder or it
    // cannot be made.
    std::string caminho;
    // When it cannot be made because a file stands where it, or a folder above it, should be: the
    // platform path of that file, so that the player can be told what to move. "" otherwise.
    std::string arquivoNoCaminho;
};

// The special folder `pasta` (0 the Desktop, 11 the applications menu), made with any missing
// folder above it. Never raises an error.
PastaCriada PegaPastaEspecialCriada(int32_t pasta);

}  // namespace quopa
