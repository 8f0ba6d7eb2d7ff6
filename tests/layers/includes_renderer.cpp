// Compiled by the layer checks only: a header of the Qt renderer, which neither the runtime nor
// the game may include.
#include "runtime/qt/convert.h"
