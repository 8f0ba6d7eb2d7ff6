// Whether the captions of a shown form fit the widgets that show them, measured with the widgets'
// own fonts and the style's own margins.
#pragma once

#include <string>
#include <vector>

#include "runtime/form.h"

namespace caption_room {

// One caption that does not fit: "cmdPlay: \"Marcar pontos\" needs 108 x 19 px, has 100 x 52".
using Clipping = std::string;

// Walks every control of a shown form (inside boxes and frames too) and lists the captions that
// their widgets clip: a label's text wider or, wrapped, taller than the label; a button's caption
// wider or taller than the room inside its frame; a frame's title wider than the frame; an option
// button's text beyond the widget; a list item wider than its list. A control's own Visible is
// not asked (hidden controls show their captions later), but controls inside a hidden box or lying
// wholly outside their box are never seen and not measured.
std::vector<Clipping> clippedCaptions(rt::Form& form);

}  // namespace caption_room
