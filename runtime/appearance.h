// Colours, fonts and the other small value types of the controls.
#pragma once

#include <cstdint>
#include <string>

namespace rt {

// A colour: a 24-bit value with red in the low byte, then green, then blue (0x00BBGGRR).
using Color = int32_t;

constexpr Color rgb(int r, int g, int b) {
    return (b << 16) | (g << 8) | r;
}
constexpr int redOf(Color c) {
    return c & 0xFF;
}
constexpr int greenOf(Color c) {
    return (c >> 8) & 0xFF;
}
constexpr int blueOf(Color c) {
    return (c >> 16) & 0xFF;
}
// A valid colour has nothing above its 24 bits.
constexpr bool isValidColor(int64_t value) {
    return value >= 0 && value <= 0xFFFFFF;
}

// The 16-colour standard palette, by number.
namespace palette {
constexpr Color kBlack = 0x000000;
constexpr Color kDarkBlue = 0x800000;
constexpr Color kDarkGreen = 0x008000;
constexpr Color kDarkCyan = 0x808000;
constexpr Color kDarkRed = 0x000080;
constexpr Color kDarkMagenta = 0x800080;
constexpr Color kDarkYellow = 0x008080;
constexpr Color kLightGrey = 0xC0C0C0;
constexpr Color kGrey = 0x808080;
constexpr Color kBlue = 0xFF0000;
constexpr Color kGreen = 0x00FF00;
constexpr Color kCyan = 0xFFFF00;
constexpr Color kRed = 0x0000FF;
constexpr Color kMagenta = 0xFF00FF;
constexpr Color kYellow = 0x00FFFF;
constexpr Color kWhite = 0xFFFFFF;
// The face colour of buttons and dialogs.
constexpr Color kButtonFace = 0xF0F0F0;
}  // namespace palette

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

// Mouse pointers by number.
enum MousePointer : int {
    kPointerDefault = 0,
    kPointerArrow = 1,
    kPointerUpArrow = 10,
    kPointerHourglass = 11,
    kPointerNoDrop = 12,
    kPointerCustom = 99,
};

enum class Alignment { Left, Right, Center };
enum class BackStyle { Transparent, Opaque };
enum class BorderStyle { None, FixedSingle };

// Mouse buttons and shift states as the events carry them.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftState : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

// Key codes of the key events.
enum KeyCode : int {
    kKeyBack = 8,
    kKeyTab = 9,
    kKeyReturn = 13,
    kKeyEscape = 27,
    kKeySpace = 32,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyDelete = 46,
    kKeyF1 = 112,
    kKeyF2 = 113,
};

// Units: the renderer draws this many twips to a logical pixel.
constexpr int kTwipsPerPixel = 15;

}  // namespace rt
