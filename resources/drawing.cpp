#include "resources/drawing.h"

#include <algorithm>
#include <limits>
#include <numbers>

namespace quopa::resources::draw {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// Brings an angle in degrees into [0, 360).
double wrapDegrees(double a) {
    a = std::fmod(a, 360.0);
    return a < 0 ? a + 360.0 : a;
}

Point onCircle(Point centre, double radius, double degrees) {
    const double a = degrees * kRadiansPerDegree;
    return {centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)};
}

}  // namespace

Point Placement::toLocal(Point canvas) const {
    // A picture samples one placement at every pixel: its turn is worked out once, not per pixel.
    thread_local double turned = std::numeric_limits<double>::quiet_NaN();
    thread_local double c = 1;
    thread_local double s = 0;
    if (!(degrees == turned)) {
        const double a = -degrees * kRadiansPerDegree;
        c = std::cos(a);
        s = std::sin(a);
        turned = degrees;
    }
    const Point d = canvas - centre;
    return Point{d.x * c - d.y * s, d.x * s + d.y * c} * (1.0 / scale);
}

double roundedSquare(Point p, double half, double radius) {
    const double qx = std::abs(p.x) - half + radius;
    const double qy = std::abs(p.y) - half + radius;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

double circle(Point p, Point centre, double radius) {
    return length(p - centre) - radius;
}

double segment(Point p, Point a, Point b, double halfWidth) {
    const Point ab = b - a;
    const Point ap = p - a;
    const double lengthSquared = ab.x * ab.x + ab.y * ab.y;
    const double t =
        lengthSquared > 0 ? std::clamp((ap.x * ab.x + ap.y * ab.y) / lengthSquared, 0.0, 1.0) : 0;
    return length(ap - ab * t) - halfWidth;
}

double arc(Point p, Point centre, double radius, double halfWidth, double from, double to) {
    const Point d = p - centre;
    const double angle = wrapDegrees(std::atan2(d.y, d.x) / kRadiansPerDegree - from);
    const double span = wrapDegrees(to - from);
    if (angle <= span) return std::abs(length(d) - radius) - halfWidth;
    // Outside the swept angle the stroke ends in round caps.
    return std::min(length(p - onCircle(centre, radius, from)),
                    length(p - onCircle(centre, radius, to))) -
           halfWidth;
}

bool insideStar(Point p, double outer, double inner, int points) {
    // Even-odd test against the star's outline, corners alternating between the two radii.
    const int corners = points * 2;
    bool inside = false;
    for (int i = 0, j = corners - 1; i < corners; j = i++) {
        const Point a = onCircle({0, 0}, i % 2 ? inner : outer, -90.0 + 180.0 * i / points);
        const Point b = onCircle({0, 0}, j % 2 ? inner : outer, -90.0 + 180.0 * j / points);
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

void Canvas::plot(int x, int y, rt::Color c) {
    if (x < 0 || y < 0 || x >= bitmap_.width || y >= bitmap_.height) return;
    bitmap_.at(x, y) = argb(c);
}

}  // namespace quopa::resources::draw
