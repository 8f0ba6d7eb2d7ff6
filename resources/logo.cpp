// The maker's logo on the main window: two tumbling dice over the name "Ostrelo".

#include "resources/die_drawing.h"
#include "resources/pixel_font.h"
#include "resources/resources.h"

namespace quopa::resources {

namespace {

using namespace rt::palette;
using draw::Placement;
using draw::Point;

// 1920 x 1245 twips at 15 twips a pixel.
constexpr int kWidth = 128;
constexpr int kHeight = 83;
constexpr const char* kName = "Ostrelo";
constexpr int kTextScale = 3;

void drawDie(draw::Canvas& canvas, const Placement& where, const draw::DieColours& body, int value,
             rt::Color pip, rt::Color rim) {
    const Placement face = draw::drawDieBody(canvas, where, body);
    const draw::PipLayout& layout = draw::pipLayout(value);
    for (int i = 0; i < layout.count; ++i)
        draw::drawPip(canvas, face, layout.at[i] * draw::kPipStep, draw::kPipRadius, pip, rim);
}

// The name with a one-pixel black border, so that it reads on any background colour the player
// gives the main window.
void drawName(draw::Canvas& canvas, int left, int top) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            draw::drawText(canvas, kName, left + dx, top + dy, kTextScale, kBlack);
    draw::drawText(canvas, kName, left, top, kTextScale, kWhite);
}

rt::Bitmap drawLogo() {
    draw::Canvas canvas(kWidth, kHeight);
    drawDie(canvas, Placement{{48, 27}, -14, 1.05}, {kBlack, kRed, kDarkRed, kRed}, 3, kWhite,
            kLightGrey);
    drawDie(canvas, Placement{{80, 28}, 11, 1.05}, {kBlack, kWhite, kLightGrey, kWhite}, 5, kBlack,
            kGrey);
    const int textHeight = draw::kGlyphHeight * kTextScale;
    drawName(canvas, (kWidth - draw::textWidth(kName, kTextScale)) / 2, kHeight - textHeight - 5);
    return canvas.take();
}

}  // namespace

rt::Picture logo() {
    static const rt::Picture picture = rt::Picture::fromBitmap(drawLogo());
    return picture;
}

}  // namespace quopa::resources
