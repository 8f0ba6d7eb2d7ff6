// A tiny 5 x 7 bitmap font for the few characters the built-in pictures write: the digits of the
// numeral dice and the letters of the maker's name.
#pragma once

#include "resources/drawing.h"

namespace quopa::resources::draw {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

// Whether pixel (column, row) of the character's 5 x 7 cell is inked. A character the font does
// not hold is a programming error (asserted); it reads as blank.
bool glyphInk(char c, int column, int row);

// Writes `text` with its top left corner at canvas (x, y), each font pixel drawn as a
// scale x scale block, one blank font column between characters.
void drawText(Canvas& canvas, const char* text, int x, int y, int scale, rt::Color colour);

// The width in canvas pixels of `text` written at `scale`.
int textWidth(const char* text, int scale);

}  // namespace quopa::resources::draw
