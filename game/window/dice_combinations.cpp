#include "game/window/dice_combinations.h"

#include <array>

namespace quopa {

namespace {

constexpr std::size_t kDados = 5;

// The ten triples of dice (0-based positions), in the order they are tried.
constexpr std::array<std::array<std::size_t, 3>, 10> kTrincas{{
    {0, 1, 2},
    {0, 1, 3},
    {0, 1, 4},
    {0, 2, 3},
    {0, 2, 4},
    {0, 3, 4},
    {1, 2, 3},
    {1, 2, 4},
    {1, 3, 4},
    {2, 3, 4},
}};

bool EhFace(char c) {
    return c >= '1' && c <= '6';
}

bool TemTodos(std::string_view faces, std::string_view digitos) {
    for (char d : digitos)
        if (faces.find(d) == std::string_view::npos) return false;
    return true;
}

bool CincoIguais(std::string_view faces) {
    return faces.size() == kDados && EhFace(faces[0]) &&
           faces.find_first_not_of(faces[0]) == std::string_view::npos;
}

// Three of a kind, and with it four of a kind or a full house from the two dice outside the
// triple.
void ProcuraTrincas(std::string_view faces, Combinacoes& c) {
    for (const auto& t : kTrincas) {
        const char a = faces[t[0]];
        if (!EhFace(a) || a != faces[t[1]] || a != faces[t[2]]) continue;
        c.trinca = true;
        c.face = a;
        std::array<char, 2> fora{};
        std::size_t n = 0;
        for (std::size_t i = 0; i < kDados; ++i)
            if (i != t[0] && i != t[1] && i != t[2]) fora[n++] = faces[i];
        if (fora[0] == fora[1]) c.full = true;
        if (fora[0] == a || fora[1] == a) c.quadra = true;
    }
}

}  // namespace

Combinacoes CombinacoesDe(std::string_view faces) {
    Combinacoes c;
    for (char d : faces)
        if (d >= '0' && d <= '9') c.soma += d - '0';
    if (faces.size() != kDados) return c;
    if (CincoIguais(faces)) {
        // Five of a kind also counts as three and four of a kind, never as a full house.
        c.quopa = c.trinca = c.quadra = true;
        c.face = faces[0];
        return c;
    }
    c.seguidaMaxima = TemTodos(faces, "62345");
    c.seguidaMinima = TemTodos(faces, "12345");
    ProcuraTrincas(faces, c);
    return c;
}

}  // namespace quopa
