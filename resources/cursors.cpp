// The two pointer pictures over a die: an up arrow (a click lifts the die) and a down arrow (a
// click puts it down), white with a black outline, their hot spot at the arrow's tip.

#include <cstdlib>

#include "resources/drawing.h"
#include "resources/resources.h"

namespace quopa::resources {

namespace {

using namespace rt::palette;

constexpr int kSize = 32;
constexpr int kAxis = 15;      // the arrow's middle column
constexpr int kTipRow = 2;     // the first white row of the head
constexpr int kHeadRows = 9;   // rows of the head, widening by one pixel each side per row
constexpr int kShaftHalf = 2;  // the shaft is five pixels wide
constexpr int kShaftEnd = 24;  // the last row of the shaft

// The white body of the up arrow.
bool insideUpArrow(int x, int y) {
    if (y >= kTipRow && y < kTipRow + kHeadRows) return std::abs(x - kAxis) <= y - kTipRow;
    return y >= kTipRow + kHeadRows && y <= kShaftEnd && std::abs(x - kAxis) <= kShaftHalf;
}

// Whether a pixel touches the body (also across a corner) without being part of it.
bool onOutline(int x, int y) {
    if (insideUpArrow(x, y)) return false;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (insideUpArrow(x + dx, y + dy)) return true;
    return false;
}

enum class Direction { Up, Down };

rt::Bitmap drawArrow(Direction direction) {
    draw::Canvas canvas(kSize, kSize);
    const bool down = direction == Direction::Down;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            // The down arrow is the up arrow turned upside down.
            const int row = down ? kSize - 1 - y : y;
            if (insideUpArrow(x, row))
                canvas.plot(x, y, kWhite);
            else if (onOutline(x, row))
                canvas.plot(x, y, kBlack);
        }
    // The hot spot is the outline pixel at the very tip.
    const int tipOutlineRow = kTipRow - 1;
    canvas.setHotSpot(kAxis, down ? kSize - 1 - tipOutlineRow : tipOutlineRow);
    return canvas.take();
}

}  // namespace

rt::Picture liftCursor() {
    static const rt::Picture picture =
        rt::Picture::deferred([] { return drawArrow(Direction::Up); });
    return picture;
}

rt::Picture dropCursor() {
    static const rt::Picture picture =
        rt::Picture::deferred([] { return drawArrow(Direction::Down); });
    return picture;
}

}  // namespace quopa::resources
