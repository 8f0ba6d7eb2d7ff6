// Small readers shared by the two ways of totalling a column (running and completed-section):
// each reads the cells as they stand at the moment of the call, so a caller that writes between
// two reads sees its own writes and those of the change handlers they ran.
#pragma once

#include <string>

#include "game/sheet/sheet_model.h"

namespace quopa {

// Whether some / every cell of rows `first` to `last` of the column is filled (not "").
bool AlgumaPreenchida(LabelArray& column, int first, int last);
bool TodasPreenchidas(LabelArray& column, int first, int last);

// The sum of the values of rows `first` to `last` ("" and "/" count 0).
double SomaDasLinhas(LabelArray& column, int first, int last);

// The text of a grand total: "Total:  " followed by the points in the sign-reserving form, so
// that the points stand right-aligned in the last five characters (at most 1944 points).
std::string TextoDoTotalGeral(double pontos);

}  // namespace quopa
