// Conversions between the runtime's values and Qt's: units, texts, colours, fonts, pictures,
// mouse pointers, mouse buttons and shift states.
#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <string>

#include "runtime/appearance.h"
#include "runtime/picture.h"

namespace rt::qt {

// Twips to logical pixels, rounded to the nearest pixel (negative positions too).
int toPixels(int twips);
// Logical pixels to twips.
constexpr int toTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}
// A box in twips as pixels. The edges are rounded, not the size, so that boxes which touch in
// twips touch on the screen and a grid of cells keeps even gaps.
QRect toPixelRect(int left, int top, int width, int height);

inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string fromQString(const QString& text) {
    return text.toStdString();
}

QColor toQColor(Color color);

// The font a control asks for. A family that this system lacks ("MS Sans Serif" on most)
// becomes a sans family of the same letter widths at the same point size and style; a missing
// fixed-width family ("Courier New") a fixed-width one.
QFont toQFont(const Font& font);

// The pixmap of a picture (null for an empty one). Conversions are cached by the picture's
// shared handle, so a picture assigned to many controls is converted once.
QPixmap toPixmap(const Picture& picture);

// The cursor of a mouse pointer number (not 0, which means "inherit"). 99 is the custom
// pointer drawn from `icon` with its hot spot; without an icon it is the arrow.
QCursor toCursor(int pointer, const Picture& icon);

// Mouse buttons and shift states as the runtime's events carry them.
int buttonOf(Qt::MouseButton button);          // 1 left, 2 right, 4 middle, 0 other
int buttonsOf(Qt::MouseButtons buttons);       // the same bits, together
int shiftOf(Qt::KeyboardModifiers modifiers);  // 1 shift, 2 ctrl, 4 alt

}  // namespace rt::qt
