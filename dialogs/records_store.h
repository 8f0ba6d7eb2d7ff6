// The storage of the records table: ten entries in the settings store, application
// "Tuvel Quopa", section "Sething", keys "DataNed1" to "DataNed10".
//
// Each entry is one text of exactly 146 ASCII characters, drawn from letters, digits, '-' and
// '_' only, so it is safe in any settings format. It is scrambled with a keyed, position-
// dependent substitution so that it can be neither read nor edited by eye, and it carries a
// CRC-16 over its plain content, so that a damaged or hand-edited entry is recognised: the
// substitution is one-to-one at each position, so a changed stored character changes exactly one
// plain character, which the check always notices.
//
// The ten keys are always written together, in one replacement of the store, after reading the
// table again under the store's lock: a crash at any moment leaves the whole old table or the whole
// new one, and a record that another copy of the game saved meanwhile is kept.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/services.h"

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
RecordesLidos LeRecordes(const rt::SettingsStore::Reader& armazenado);

// Best score first; equal scores keep their order.
void OrdenaRecordes(std::vector<EntradaDeRecorde>& tabela);

// Puts the entry before the first entry with a lower score (a score equal to a stored one ranks
// after it) and keeps the best ten.
void InsereNaTabela(std::vector<EntradaDeRecorde>& tabela, const EntradaDeRecorde& entrada);

// Enters a new result into the table as it is stored now: the table is read again under the
// store's lock, sorted, the entry inserted, and all ten entries written in one replacement.
// `tabela` holds the table as last read; it receives the table with the entry, whether saved or
// not. False when the store could not be written (the player has been told).
bool GravaNovoRecorde(const EntradaDeRecorde& entrada, std::vector<EntradaDeRecorde>& tabela);

// Writes the table again, sorted and whole, when the stored table (read again under the lock) has
// missing or damaged entries; a table that another copy repaired or changed meanwhile is kept as
// it is. `tabela` receives the table as stored. False when the store could not be written.
bool ReparaRecordes(std::vector<EntradaDeRecorde>& tabela);

// Today's date from the runtime's clock, "YYYY-MM-DD" in local time.
std::string DataDeHoje();

// A stored date in the user's short date form (the locale's); "" for "".
std::string DataCurta(const std::string& data);

}  // namespace quopa
