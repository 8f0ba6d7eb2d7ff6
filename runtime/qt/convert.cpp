#include "runtime/qt/convert.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <initializer_list>
#include <map>
#include <tuple>
#include <unordered_map>

namespace rt::qt {

int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect toPixelRect(int left, int top, int width, int height) {
    int x = toPixels(left), y = toPixels(top);
    return QRect(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
}

QColor toQColor(Color color) {
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

namespace {

// The family that stands in for a missing one. The windows were laid out for "MS Sans Serif",
// whose letters are as wide as Arial's: a family of those widths keeps every caption inside its
// box (the common default sans is about a sixth wider, which wraps the sheet's column header).
// A fixed-width family ("Courier New", which lines up the records table) gets a fixed-width
// stand-in of Courier's widths. Without one of them, the default family of that kind.
QString firstInstalled(std::initializer_list<const char*> families) {
    for (const char* f : families)
        if (QFontDatabase::hasFamily(f)) return QString(f);
    return QString();
}

bool fixedWidth(const QString& family) {
    for (const char* f : {"Courier", "Mono", "Console", "Fixed"})
        if (family.contains(f, Qt::CaseInsensitive)) return true;
    return false;
}

QString standIn(const QString& missing) {
    if (fixedWidth(missing)) {
        static const QString narrowMono = [] {
            const QString f = firstInstalled({"Liberation Mono", "Cousine", "Nimbus Mono PS"});
            return f.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont).family() : f;
        }();
        return narrowMono;
    }
    static const QString narrowSans = firstInstalled(
        {"Microsoft Sans Serif", "Arial", "Liberation Sans", "Arimo", "Nimbus Sans", "Helvetica"});
    const bool sans = missing.contains("Sans", Qt::CaseInsensitive) || missing.isEmpty();
    return sans && !narrowSans.isEmpty() ? narrowSans : QGuiApplication::font().family();
}

}  // namespace

QFont toQFont(const Font& font) {
    // Fonts are set on hundreds of labels; the family lookup and the QFont are made once per
    // distinct font.
    using Key = std::tuple<std::string, double, bool, bool, bool>;
    static std::map<Key, QFont> cache;
    Key key{font.name, font.size, font.bold, font.italic, font.underline};
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;

    // Asking the font database for a family costs a font configuration match; the answer is
    // the same for every size and style of that family.
    static std::map<std::string, QString> families;
    auto known = families.find(font.name);
    if (known == families.end()) {
        QString family = toQString(font.name);
        if (family.isEmpty() || !QFontDatabase::hasFamily(family)) family = standIn(family);
        known = families.emplace(font.name, family).first;
    }
    QFont result(known->second);
    if (font.size > 0) result.setPointSizeF(font.size);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    cache.emplace(key, result);
    return result;
}

namespace {

// A cache keyed by the address of a shared bitmap. The weak pointer tells whether the entry
// still belongs to the bitmap at that address: a freed bitmap's address may be reused.
template <class V>
class HandleCache {
  public:
    template <class Make>
    const V& get(const Picture::Handle& handle, Make make) {
        auto it = entries_.find(handle.get());
        if (it != entries_.end() && !it->second.owner.expired() &&
            it->second.owner.lock() == handle)
            return it->second.value;
        if (entries_.size() >= sweepAt_) sweep();
        Entry& e = entries_[handle.get()];
        e.owner = handle;
        e.value = make(handle->bitmap());
        return e.value;
    }

  private:
    struct Entry {
        std::weak_ptr<const Drawing> owner;
        V value;
    };
    void sweep() {
        for (auto it = entries_.begin(); it != entries_.end();)
            it = it->second.owner.expired() ? entries_.erase(it) : std::next(it);
        sweepAt_ = entries_.size() * 2 + 64;
    }
    std::unordered_map<const Drawing*, Entry> entries_;
    std::size_t sweepAt_ = 64;
};

QPixmap makePixmap(const Bitmap& bitmap) {
    if (bitmap.width <= 0 || bitmap.height <= 0 ||
        bitmap.pixels.size() < static_cast<std::size_t>(bitmap.width) * bitmap.height)
        return QPixmap();
    // The pixels are 0xAARRGGBB words, which is what Format_ARGB32 holds in memory.
    QImage view(reinterpret_cast<const uchar*>(bitmap.pixels.data()), bitmap.width, bitmap.height,
                bitmap.width * 4, QImage::Format_ARGB32);
    return QPixmap::fromImage(view);
}

Qt::CursorShape shapeOf(int pointer) {
    switch (pointer) {
        case 2:
            return Qt::CrossCursor;
        case 3:
            return Qt::IBeamCursor;
        case 5:
            return Qt::SizeAllCursor;
        case 6:
            return Qt::SizeBDiagCursor;
        case 7:
            return Qt::SizeVerCursor;
        case 8:
            return Qt::SizeFDiagCursor;
        case 9:
            return Qt::SizeHorCursor;
        case kPointerUpArrow:
            return Qt::UpArrowCursor;
        case kPointerHourglass:
            return Qt::WaitCursor;
        case kPointerNoDrop:
            return Qt::ForbiddenCursor;
        case 13:
            return Qt::BusyCursor;
        case 14:
            return Qt::WhatsThisCursor;
        case 15:
            return Qt::SizeAllCursor;
        default:
            return Qt::ArrowCursor;
    }
}

}  // namespace

QPixmap toPixmap(const Picture& picture) {
    static HandleCache<QPixmap> cache;
    if (picture.empty()) return QPixmap();
    return cache.get(picture.handle(), makePixmap);
}

QCursor toCursor(int pointer, const Picture& icon) {
    static HandleCache<QCursor> cache;
    if (pointer != kPointerCustom || icon.empty()) return QCursor(shapeOf(pointer));
    return cache.get(icon.handle(), [](const Bitmap& b) {
        QPixmap pixmap = makePixmap(b);
        if (pixmap.isNull()) return QCursor(Qt::ArrowCursor);
        return QCursor(pixmap, b.hotX, b.hotY);
    });
}

int buttonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return kLeftButton;
        case Qt::RightButton:
            return kRightButton;
        case Qt::MiddleButton:
            return kMiddleButton;
        default:
            return 0;
    }
}

int buttonsOf(Qt::MouseButtons buttons) {
    int result = 0;
    if (buttons & Qt::LeftButton) result |= kLeftButton;
    if (buttons & Qt::RightButton) result |= kRightButton;
    if (buttons & Qt::MiddleButton) result |= kMiddleButton;
    return result;
}

int shiftOf(Qt::KeyboardModifiers modifiers) {
    int result = 0;
    if (modifiers & Qt::ShiftModifier) result |= kShiftMask;
    if (modifiers & Qt::ControlModifier) result |= kCtrlMask;
    if (modifiers & Qt::AltModifier) result |= kAltMask;
    return result;
}

}  // namespace rt::qt
