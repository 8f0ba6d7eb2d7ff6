#include "resources/stamps.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "resources/die_drawing.h"

namespace quopa::resources {

namespace {

using namespace rt::palette;
using draw::Canvas;
using draw::Placement;
using draw::Point;

// The marks on a stamp's face, in face coordinates (pixels of an upright die, origin at the
// middle of the face).
void drawQuestionMark(Canvas& c, const Placement& face) {
    c.fillShape(
        face,
        [](Point p) {
            return std::min({draw::arc(p, {0, -4}, 5.0, 1.9, 165, 90),
                             draw::segment(p, {0, 1}, {0, 3.5}, 1.9),
                             draw::circle(p, {0, 8.5}, 2.2)});
        },
        kBlue);
}

void drawStar(Canvas& c, const Placement& face) {
    c.fill([&](Point p) { return draw::insideStar(face.toLocal(p), 11.5, 4.8, 5); }, kYellow);
}

void drawLetterQ(Canvas& c, const Placement& face) {
    c.fillShape(
        face,
        [](Point p) {
            return std::min(std::abs(draw::length(p - Point{0, -1.5}) - 6.8) - 1.7,
                            draw::segment(p, {2.5, 3.0}, {7.5, 8.5}, 1.7));
        },
        kWhite);
}

void drawSmile(Canvas& c, const Placement& face) {
    auto eye = [](Point p, double x) {
        const Point d = p - Point{x, -4.5};
        return draw::length(Point{d.x, d.y * 0.6}) - 1.8;
    };
    c.fillShape(
        face,
        [&](Point p) {
            return std::min({eye(p, -4.5), eye(p, 4.5), draw::arc(p, {0, -1}, 8.0, 1.4, 30, 150)});
        },
        kBlack);
}

void drawHeart(Canvas& c, const Placement& face) {
    c.fill(
        [&](Point canvasPoint) {
            const Point p = face.toLocal(canvasPoint);
            const double u = p.x / 9.5;
            const double v = -(p.y - 1.0) / 9.5 + 0.1;
            const double a = u * u + v * v - 1;
            return a * a * a - u * u * v * v * v < 0;
        },
        kRed);
}

void drawBlank(Canvas&, const Placement&) {}

struct Stamp {
    draw::DieColours body;
    void (*mark)(Canvas&, const Placement&);
};

constexpr std::array<Stamp, kStampCount> kStamps = {{
    {{kBlack, kWhite, kLightGrey, kWhite}, drawQuestionMark},
    {{kBlack, kDarkBlue, kBlack, kBlue}, drawStar},
    {{kBlack, kRed, kDarkRed, kRed}, drawLetterQ},
    {{kBlack, kYellow, kDarkYellow, kWhite}, drawSmile},
    {{kBlack, kWhite, kLightGrey, kWhite}, drawHeart},
    {{kBlack, kLightGrey, kGrey, kWhite}, drawBlank},
}};

// Frame 1 stands upright; frames 2 and 3 show the die smaller (thrown up, away from the eye),
// turned one way and the other, and off its place, so that alternating frames read as a tumble.
const Placement kFrames[kStampFrames] = {
    {draw::kDieCentre, 0, 1.0},
    {draw::kDieCentre + Point{0.5, -0.5}, 30, 0.76},
    {draw::kDieCentre + Point{-0.5, 0.5}, -25, 0.76},
};

}  // namespace

rt::Bitmap drawStampFrame(int stamp, int frame) {
    assert(stamp >= 1 && stamp <= kStampCount && frame >= 1 && frame <= kStampFrames);
    const Stamp& s = kStamps[static_cast<std::size_t>(stamp - 1)];
    Canvas canvas(32, 32);
    const Placement face = draw::drawDieBody(canvas, kFrames[frame - 1], s.body);
    s.mark(canvas, face);
    return canvas.take();
}

}  // namespace quopa::resources
