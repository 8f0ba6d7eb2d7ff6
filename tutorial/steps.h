// The 22 steps of the tutorial: for each, its title and text in both languages, the boxes already
// filled on the tutorial's copy of the sheet when the step opens, and what "Show me" plays on it.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace quopa {

inline constexpr int kNumeroDePassos = 22;

// The columns of the copy of the sheet, in screen order.
enum ColunaDaCopia : int { kColunaDn = 1, kColunaUp = 2, kColunaD = 3, kColunaF = 4 };

// A text in Portuguese and in English.
struct TextoBilingue {
    const char* pt;
    const char* en;
    const char* em(bool portugues) const { return portugues ? pt : en; }
};

// One action of a demonstration.
enum class TipoDeAcao {
    Lancar,   // texto: the new face of each die, "-" for a held die ("55213", "--526")
    Segurar,  // texto: the dice clicked, in order ("12"): each lifts a die or puts it down
    Marcar,   // coluna, linha, texto: the box is pointed at, then the caption is written
    Voltar,   // the back button takes back the last marking
    Cursor,   // coluna, linha: the keyboard cursor moves over that box
};

struct Acao {
    TipoDeAcao tipo;
    const char* texto = "";
    int coluna = 0;
    int linha = 0;
};

// A box filled before the step opens.
struct CasaPreenchida {
    int coluna;
    int linha;
    const char* texto;
};

struct Passo {
    TextoBilingue titulo;
    TextoBilingue texto;
    std::vector<CasaPreenchida> cena;
    std::vector<Acao> demonstracao;  // empty: the step has no "Show me"
    // The computed rows of the copy follow every marking, as with "Show Total" ticked.
    bool somas = false;
};

// Step 1 is element 0.
const std::array<Passo, kNumeroDePassos>& Passos();

}  // namespace quopa
