// Work the toolkit does once, on the first use of a kind of widget, done ahead of time.
#pragma once

#include "runtime/appearance.h"

namespace rt::qt {

// Builds and measures, off screen, a menu bar with a menu and labels and a button in the
// controls' standard font, and throws them away. What the toolkit keeps from that (the fonts
// looked up and opened, the style's metrics, the code of those widgets read in) is then ready
// when the first real window with a menu bar is made.
void warmUpToolkit();

// Looks up and opens a font of the controls, as its first label would.
void warmUpFont(const Font& font);

// Loads the pointer shown while the program is busy (the hourglass) from the pointer theme, which
// the toolkit then keeps: the first busy pointer appears without reading the theme's files.
void warmUpBusyPointer();

}  // namespace rt::qt
