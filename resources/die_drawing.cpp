#include "resources/die_drawing.h"

#include <array>
#include <cassert>

namespace quopa::resources::draw {

namespace {

// Widths, in canvas pixels, of the outline and of the two lit and shaded edges.
constexpr double kOutline = 1.0;
constexpr double kShadeReach = 3.0;
constexpr double kHighlightReach = 2.0;

}  // namespace

Placement drawDieBody(Canvas& canvas, const Placement& die, const DieColours& colours,
                      double half, double corner) {
    // Distances are measured in drawing units and turned into canvas pixels by the scale, so
    // the outline stays one pixel wide on a small die.
    auto distance = [&](Point p) { return roundedSquare(die.toLocal(p), half, corner) * die.scale; };
    canvas.fill([&](Point p) { return distance(p) < 0; }, colours.outline);
    canvas.fill(
        [&](Point p) {
            if (distance(p) >= -kOutline) return false;
            // A pixel lies on the shaded edge when a step towards the lower right leaves the die.
            return distance(p + Point{kShadeReach, kShadeReach}) >= 0;
        },
        colours.shade);
    canvas.fill(
        [&](Point p) {
            return distance(p) < -kOutline && distance(p + Point{kShadeReach, kShadeReach}) < 0 &&
                   distance(p - Point{kHighlightReach, kHighlightReach}) >= 0;
        },
        colours.highlight);
    canvas.fill(
        [&](Point p) {
            return distance(p) < -kOutline && distance(p + Point{kShadeReach, kShadeReach}) < 0 &&
                   distance(p - Point{kHighlightReach, kHighlightReach}) < 0;
        },
        colours.face);
    // The face (with its lit edge) is the die less its shaded edge, so its middle lies up and to
    // the left of the die's middle.
    const double shift = (kShadeReach - kOutline) / 2.0;
    return Placement{die.centre - Point{shift, shift}, die.degrees, die.scale};
}

const PipLayout& pipLayout(int face) {
    static const std::array<PipLayout, 6> layouts = {{
        {1, {{0, 0}}},
        {2, {{1, -1}, {-1, 1}}},
        {3, {{1, -1}, {0, 0}, {-1, 1}}},
        {4, {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}}},
        {5, {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}}},
        {6, {{-1, -1}, {-1, 0}, {-1, 1}, {1, -1}, {1, 0}, {1, 1}}},
    }};
    assert(face >= 1 && face <= 6);
    return layouts[static_cast<std::size_t>(face - 1)];
}

void drawPip(Canvas& canvas, const Placement& face, Point centre, double radius, rt::Color pip,
             rt::Color rim) {
    canvas.fillShape(face, [&](Point p) { return circle(p, centre, radius); }, pip);
    canvas.fillShape(
        face,
        [&](Point p) {
            const Point d = p - centre;
            return std::max(circle(p, centre, radius), radius * 0.75 - (d.x + d.y));
        },
        rim);
}

}  // namespace quopa::resources::draw
