// Saving the game's settings, and telling the player when they cannot be saved.
#pragma once

#include <vector>

#include "runtime/services.h"

namespace quopa {

// Whether the player has been told, since the last save that succeeded, that his results and
// options cannot be saved.
extern bool AvisouFalhaNaGravacao;

// Saves these values of the game's settings together, in one replacement of the store. When the
// save fails the player is told so, in his language, with the place of the store and why (it
// cannot be written, or another running copy of the game holds it), and false is returned; the
// game goes on. He is told once until a save succeeds again, and once more for every other copy
// of the game found holding the store.
bool GravaConfiguracoes(const std::vector<rt::Setting>& valores);

// Saves what `mudanca` computes from the game's settings as they are stored now, read afresh
// under the store's lock, so that what another copy of the game saved meanwhile is kept. Told and
// returned as above.
bool AtualizaConfiguracoes(const rt::SettingsStore::Change& mudanca);

}  // namespace quopa
