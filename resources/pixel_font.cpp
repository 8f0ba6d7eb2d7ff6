#include "resources/pixel_font.h"

#include <cassert>
#include <cstring>

namespace quopa::resources::draw {

namespace {

struct Glyph {
    char c;
    const char* rows[kGlyphHeight];
};

// Each row is read left to right; '#' is ink.
constexpr Glyph kGlyphs[] = {
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'e', {".....", ".....", ".###.", "#...#", "#####", "#....", ".###."}},
    {'l', {".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
    {'r', {".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."}},
    {'s', {".....", ".....", ".####", "#....", ".###.", "....#", "####."}},
    {'t', {".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."}},
};

const Glyph* find(char c) {
    for (const Glyph& g : kGlyphs)
        if (g.c == c) return &g;
    return nullptr;
}

}  // namespace

bool glyphInk(char c, int column, int row) {
    const Glyph* g = find(c);
    assert(g && "character missing from the pixel font");
    if (!g || column < 0 || column >= kGlyphWidth || row < 0 || row >= kGlyphHeight) return false;
    return g->rows[row][column] == '#';
}

void drawText(Canvas& canvas, const char* text, int x, int y, int scale, rt::Color colour) {
    for (const char* c = text; *c; ++c, x += (kGlyphWidth + 1) * scale)
        for (int row = 0; row < kGlyphHeight; ++row)
            for (int column = 0; column < kGlyphWidth; ++column)
                if (glyphInk(*c, column, row))
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale; ++dx)
                            canvas.plot(x + column * scale + dx, y + row * scale + dy, colour);
}

int textWidth(const char* text, int scale) {
    const int n = static_cast<int>(std::strlen(text));
    return n == 0 ? 0 : (n * (kGlyphWidth + 1) - 1) * scale;
}

}  // namespace quopa::resources::draw
