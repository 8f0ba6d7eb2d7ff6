// Compiled by the layer checks only: a header of the game, which the runtime may not include.
#include "game/window/frm_quopa.h"
