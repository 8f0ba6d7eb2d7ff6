// What five dice make: the sum and the six combinations the window shows, from the faces alone.
#pragma once

#include <string_view>

namespace quopa {

struct Combinacoes {
    int soma = 0;
    bool quopa = false;          // five of a kind
    bool trinca = false;         // three of a kind, also within four or five of a kind
    bool quadra = false;         // four of a kind, also within five of a kind
    bool full = false;           // a triple and a pair; never with five of a kind
    bool seguidaMaxima = false;  // 2-3-4-5-6
    bool seguidaMinima = false;  // 1-2-3-4-5
    // The face of the triple, and of the four when there is one ('1'-'6'); 0 without a triple.
    char face = 0;
};

// The combinations of five faces given as digits, one per die ("33335": three and four of a
// kind, no full house). A "0" is a die still to be rolled: it makes no triple and no straight,
// though two of them beside a triple compare equal as a pair would (the window evaluates only
// dice that have all been drawn). Any text that is not five characters long makes no combination
// but the sum of its digits.
Combinacoes CombinacoesDe(std::string_view faces);

}  // namespace quopa
