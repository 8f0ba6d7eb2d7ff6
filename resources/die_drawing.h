// Drawing a die: its body (outline, lit edge, shading edge, face) and its pips, in any placement,
// shared by the picture library, the stamps, the program's icon and the logo.
#pragma once

#include "resources/drawing.h"

namespace quopa::resources::draw {

struct DieColours {
    rt::Color outline;
    rt::Color face;
    rt::Color shade;      // the edge turned away from the light, lower right
    rt::Color highlight;  // the thin edge turned to the light, upper left
};

// The half size and corner radius, in drawing units, of a die that fills a 32 x 32 picture.
constexpr double kDieHalf = 15.5;
constexpr double kDieCorner = 4.5;
// The centre of such a die: it spans pixels 1-31, leaving the top row and left column clear.
constexpr Point kDieCentre{16.5, 16.5};
// The distance between neighbouring pips, in drawing units.
constexpr double kPipStep = 7.0;
constexpr double kPipRadius = 2.6;

// Draws a die's body and returns the placement of the middle of its face, where the face's
// marks are drawn. The light comes from the upper left whichever way the die is turned.
Placement drawDieBody(Canvas& canvas, const Placement& die, const DieColours& colours,
                      double half = kDieHalf, double corner = kDieCorner);

// The pip positions of a face 1-6, in steps of kPipStep from the middle of the face.
struct PipLayout {
    int count;
    Point at[6];
};
const PipLayout& pipLayout(int face);

// Draws one pip; `rim` colours the lower right of the pip so that it reads as a hollow.
void drawPip(Canvas& canvas, const Placement& face, Point centre, double radius, rt::Color pip,
             rt::Color rim);

}  // namespace quopa::resources::draw

namespace quopa::resources::draw {

// A die seen from above a corner: its top face and two side faces, each showing a value 1-6 or
// blank (0). The front top corner is the placement's origin; the die reaches `edge` drawing
// units up and down from it.
struct CubeLook {
    rt::Color outline;
    rt::Color top, left, right;  // the faces, lit from above and the left
    rt::Color pip;
    rt::Color ace;  // a single pip is drawn larger, in this colour
    int topValue = 0, leftValue = 0, rightValue = 0;
};
void drawCube(Canvas& canvas, const Placement& where, double edge, const CubeLook& look);

}  // namespace quopa::resources::draw
