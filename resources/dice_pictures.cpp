// The picture library: eight designs of die, each in its six faces.

#include <array>
#include <string>

#include "resources/die_drawing.h"
#include "resources/pixel_font.h"
#include "resources/resources.h"
#include "runtime/errors.h"

namespace quopa::resources {

namespace {

using namespace rt::palette;
using draw::Canvas;
using draw::Placement;
using draw::Point;

enum class Marks {
    Pips,
    // A large red ace and red fours, as on the dice of the Far East.
    EasternPips,
    // The face's number instead of pips.
    Numerals,
};

struct Design {
    draw::DieColours body;
    rt::Color mark;  // pips or numeral
    rt::Color rim;   // the lower right of each pip, or the numeral's drop shadow
    Marks marks;
};

// One row per design, in library order; design 3 is the game's default.
constexpr std::array<Design, 8> kDesigns = {{
    {{kBlack, kRed, kDarkRed, kRed}, kWhite, kLightGrey, Marks::Pips},
    {{kBlack, kBlack, kGrey, kGrey}, kWhite, kLightGrey, Marks::Pips},
    {{kBlack, kWhite, kLightGrey, kWhite}, kBlack, kGrey, Marks::Pips},
    {{kBlack, kGreen, kDarkGreen, kWhite}, kBlack, kDarkGreen, Marks::Pips},
    {{kBlack, kBlue, kDarkBlue, kCyan}, kWhite, kLightGrey, Marks::Pips},
    {{kBlack, kYellow, kDarkYellow, kWhite}, kBlack, kDarkYellow, Marks::Pips},
    {{kDarkYellow, kWhite, kLightGrey, kWhite}, kDarkBlue, kBlue, Marks::EasternPips},
    {{kBlack, kDarkCyan, kBlack, kCyan}, kWhite, kBlack, Marks::Numerals},
}};

constexpr double kEasternAceRadius = 5.0;

void drawPips(Canvas& canvas, const Placement& face, int value, const Design& design) {
    const draw::PipLayout& layout = draw::pipLayout(value);
    const bool eastern = design.marks == Marks::EasternPips;
    const bool red = eastern && (value == 1 || value == 4);
    const double radius = eastern && value == 1 ? kEasternAceRadius : draw::kPipRadius;
    for (int i = 0; i < layout.count; ++i)
        draw::drawPip(canvas, face, layout.at[i] * draw::kPipStep, radius, red ? kRed : design.mark,
                      red ? kDarkRed : design.rim);
}

void drawNumeral(Canvas& canvas, const Placement& face, int value, const Design& design) {
    constexpr int kScale = 3;
    const char text[2] = {static_cast<char>('0' + value), '\0'};
    const int left = static_cast<int>(face.centre.x) - draw::textWidth(text, kScale) / 2;
    const int top = static_cast<int>(face.centre.y) - draw::kGlyphHeight * kScale / 2;
    draw::drawText(canvas, text, left + 1, top + 1, kScale, design.rim);
    draw::drawText(canvas, text, left, top, kScale, design.mark);
}

rt::Bitmap drawDicePicture(int index) {
    const Design& design = kDesigns[static_cast<std::size_t>((index - 1) / 6)];
    const int value = (index - 1) % 6 + 1;
    Canvas canvas(32, 32);
    const Placement face = draw::drawDieBody(canvas, Placement{draw::kDieCentre}, design.body);
    if (design.marks == Marks::Numerals)
        drawNumeral(canvas, face, value, design);
    else
        drawPips(canvas, face, value, design);
    return canvas.take();
}

}  // namespace

rt::Picture dicePicture(int index) {
    if (index < 1 || index > static_cast<int>(kDesigns.size()) * 6)
        throw rt::RuntimeError(
            rt::kArrayElementMissing,
            "Control array element '" + std::to_string(index) + "' doesn't exist");
    static draw::PictureCache cache;
    return cache.get(index, [index] { return drawDicePicture(index); });
}

}  // namespace quopa::resources
