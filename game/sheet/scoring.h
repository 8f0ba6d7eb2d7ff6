// Rules of scoring a box that the play aids share with the scorers.
#pragma once

#include "game/window/frm_quopa.h"

namespace quopa {

// Whether a sum of the dice may go into row 14 (Mn) or row 15 (Mx) of a column: the sum must be
// above 0 and, while the other of the two boxes holds points (neither "" nor "0"), strictly below
// the maximum (row 14) or strictly above the minimum (row 15). A zero in the other box frees it.
bool SomaCabeNoMinMax(const LabelArray& column, int row, double soma);

}  // namespace quopa
