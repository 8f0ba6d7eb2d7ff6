// The storage of the records table: ten entries in the settings store, application
// "Tuvel Quopa", section "Sething", keys "DataNed1" to "DataNed10".
//
// Each entry is one text of exactly 146 ASCII characters, drawn from letters, digits, '-' and
// '_' only, so it is safe in any settings format. It is scrambled with a keyed, position-
// dependent substitution so that it can be neither read nor edited by eye, and it carries a
// CRC-16 over its plain content, so that a damaged or hand-edited entry is recognised: the
// substitution is one-to-one at each position, so a changed stored character changes exactly one
// plain character, which the check always notices. Every key is a complete, independently
// checked value: a crash between two saves leaves each key either its old or its new whole entry.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quopa {

// One result of the records table. An empty entry has 0 points, no name and no date.
struct EntradaDeRecorde {
    int pontos = 0;
    std::string nome;  // UTF-8, at most 15 characters
    std::string data;  // "YYYY-MM-DD", "" for none

    bool vazia() const { return pontos == 0 && nome.empty() && data.empty(); }
    bool operator==(const EntradaDeRecorde&) const = default;
};

constexpr int kNumeroDeRecordes = 10;
constexpr std::size_t kTamanhoDoRegistro = 146;
inline constexpr const char* kSecaoDosRecordes = "Sething";

// "DataNed1" to "DataNed10".
std::string ChaveDoRecorde(int numero);

// The stored text of an entry: exactly 146 characters. A name is kept to its first 15
// characters; bytes that are not UTF-8 are stored as '?'.
std::string CodificaRecorde(const EntradaDeRecorde& entrada);

// The entry a stored text holds, or nothing when the text is not a whole, undamaged entry
// (wrong length, a character outside the alphabet, a field out of form, a failed check).
std::optional<EntradaDeRecorde> DecodificaRecorde(std::string_view texto);

// The ten entries as stored, in key order; a missing or damaged entry reads as an empty one and
// marks the table as repaired, so that the caller saves it again.
struct RecordesLidos {
    std::vector<EntradaDeRecorde> entradas;
    bool reparada = false;
};
RecordesLidos LeRecordes();

// Writes all ten entries (missing ones as empty entries), one key after the other.
void SalvaRecordes(const std::vector<EntradaDeRecorde>& entradas);

// Today's date from the runtime's clock, "YYYY-MM-DD" in local time.
std::string DataDeHoje();

// A stored date in the user's short date form (the locale's); "" for "".
std::string DataCurta(const std::string& data);

}  // namespace quopa
