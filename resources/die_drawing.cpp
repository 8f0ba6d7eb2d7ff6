#include "resources/die_drawing.h"

#include <array>
#include <cassert>
#include <cmath>
#include <vector>

namespace quopa::resources::draw {

namespace {

// Widths, in canvas pixels, of the outline and of the two lit and shaded edges.
constexpr double kOutline = 1.0;
constexpr double kShadeReach = 3.0;
constexpr double kHighlightReach = 2.0;

}  // namespace

Placement drawDieBody(Canvas& canvas, const Placement& die, const DieColours& colours, double half,
                      double corner) {
    // Distances are measured in drawing units and turned into canvas pixels by the scale, so
    // the outline stays one pixel wide on a small die. Each pixel's edges are judged from the
    // distances at itself and at the pixels kShadeReach below right and kHighlightReach above
    // left, so the distance is worked out once per pixel of a margin-wide grid and looked up.
    constexpr int kBefore = static_cast<int>(kHighlightReach);
    constexpr int kAfter = static_cast<int>(kShadeReach);
    const int columns = canvas.width() + kBefore + kAfter;
    std::vector<double> grid(static_cast<std::size_t>(columns) *
                             static_cast<std::size_t>(canvas.height() + kBefore + kAfter));
    for (int y = -kBefore; y < canvas.height() + kAfter; ++y)
        for (int x = -kBefore; x < canvas.width() + kAfter; ++x)
            grid[static_cast<std::size_t>((y + kBefore) * columns + x + kBefore)] =
                roundedSquare(die.toLocal(Point{x + 0.5, y + 0.5}), half, corner) * die.scale;
    // The pixel centres are whole numbers plus a half: the shifted points are pixel centres.
    auto distance = [&](Point p) {
        const int x = static_cast<int>(std::floor(p.x)), y = static_cast<int>(std::floor(p.y));
        return grid[static_cast<std::size_t>((y + kBefore) * columns + x + kBefore)];
    };
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
    // Most of the canvas lies well outside a pip: a point whose squared distance from the centre
    // passes (radius + 1) squared is outside, and its exact distance is not needed.
    const double far = (radius + 1) * (radius + 1);
    auto outside = [&](Point d) { return d.x * d.x + d.y * d.y > far; };
    canvas.fillShape(
        face, [&](Point p) { return outside(p - centre) ? 1.0 : circle(p, centre, radius); }, pip);
    canvas.fillShape(
        face,
        [&](Point p) {
            const Point d = p - centre;
            if (outside(d)) return 1.0;
            return std::max(circle(p, centre, radius), radius * 0.75 - (d.x + d.y));
        },
        rim);
}

namespace {

// One visible face of a cube: the points corner + s * across + t * down for s, t in [0, 1].
struct CubeFace {
    Point across;
    Point down;
    rt::Color colour;
    int value;
};

// The face coordinates (s, t) of a point.
Point faceCoordinates(const CubeFace& f, Point p) {
    const double det = f.across.x * f.down.y - f.across.y * f.down.x;
    return {(p.x * f.down.y - p.y * f.down.x) / det, (f.across.x * p.y - f.across.y * p.x) / det};
}

constexpr double kCubePipSpread = 0.22;  // pip step, in face coordinates
// Pips are round on the screen, whatever the slant of their face, so that the small pips of an
// icon stay dots; their radii are fractions of the die's edge.
constexpr double kCubePipRadius = 0.1;
constexpr double kCubeAceRadius = 0.19;

bool onCubePip(const CubeFace& f, Point p, double edge, const CubeLook& look, rt::Color& colour) {
    if (f.value < 1) return false;
    const PipLayout& layout = pipLayout(f.value);
    const bool ace = f.value == 1;
    for (int i = 0; i < layout.count; ++i) {
        const Point st = Point{0.5, 0.5} + layout.at[i] * kCubePipSpread;
        const Point c = f.across * st.x + f.down * st.y;
        if (length(p - c) < (ace ? kCubeAceRadius : kCubePipRadius) * edge) {
            colour = ace ? look.ace : look.pip;
            return true;
        }
    }
    return false;
}

}  // namespace

void drawCube(Canvas& canvas, const Placement& where, double edge, const CubeLook& look) {
    const Point upRight{edge * 0.866, -edge * 0.5};
    const Point upLeft{-edge * 0.866, -edge * 0.5};
    const Point downward{0, edge};
    const CubeFace faces[3] = {
        {upRight, upLeft, look.top, look.topValue},
        {upLeft, downward, look.left, look.leftValue},
        {upRight, downward, look.right, look.rightValue},
    };
    // The distance to a face's edge, in canvas pixels, from its face coordinates: the faces are
    // rhombi with 120-degree corners.
    const double pixelsPerUnit = edge * 0.866 * where.scale;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const Point p = where.toLocal(Point{x + 0.5, y + 0.5});
            for (const CubeFace& f : faces) {
                const Point st = faceCoordinates(f, p);
                if (st.x < 0 || st.x > 1 || st.y < 0 || st.y > 1) continue;
                const double outer = std::min(1 - st.x, 1 - st.y) * pixelsPerUnit;
                const double inner = std::min(st.x, st.y) * pixelsPerUnit;
                rt::Color colour = f.colour;
                if (outer < 1.0 || inner < 0.5)
                    colour = look.outline;
                else
                    onCubePip(f, p, edge, look, colour);
                canvas.plot(x, y, colour);
                break;
            }
        }
}

}  // namespace quopa::resources::draw
