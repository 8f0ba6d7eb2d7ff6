// Pictures: shared handles of in-memory bitmaps.
//
// Assigning a picture shares the handle; comparing two pictures compares handles, never pixels
// (the face of a lifted die is read back by comparing pictures). An empty picture has no handle.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace rt {

// A bitmap of 32-bit ARGB pixels (0xAARRGGBB), rows top to bottom. Alpha 0 is transparent.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    // For cursors: the hot spot, in pixels.
    int hotX = 0;
    int hotY = 0;

    Bitmap() = default;
    Bitmap(int w, int h, uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// What a picture handle shares: a bitmap, drawn either at once or on its first use (the program's
// built-in pictures are drawn only when something shows them).
class Drawing {
  public:
    explicit Drawing(Bitmap bitmap) : bitmap_(std::move(bitmap)) {}
    explicit Drawing(std::function<Bitmap()> draw) : draw_(std::move(draw)) {}
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    const Bitmap& bitmap() const {
        std::call_once(drawn_, [this] {
            if (draw_) bitmap_ = draw_();
            draw_ = nullptr;
        });
        return bitmap_;
    }

  private:
    mutable std::once_flag drawn_;
    mutable Bitmap bitmap_;
    mutable std::function<Bitmap()> draw_;
};

class Picture {
  public:
    using Handle = std::shared_ptr<const Drawing>;

    Picture() = default;
    static Picture fromBitmap(Bitmap bitmap) {
        return Picture(std::make_shared<const Drawing>(std::move(bitmap)));
    }
    // A picture whose bitmap is drawn the first time it is read; the handle exists at once.
    static Picture deferred(std::function<Bitmap()> draw) {
        return Picture(std::make_shared<const Drawing>(std::move(draw)));
    }

    bool empty() const { return !drawing_; }
    // The bitmap (drawn now if it was deferred); nullptr for an empty picture.
    const Bitmap* bitmap() const { return drawing_ ? &drawing_->bitmap() : nullptr; }
    const Handle& handle() const { return drawing_; }

    bool operator==(const Picture& other) const { return drawing_ == other.drawing_; }
    bool operator!=(const Picture& other) const { return !(*this == other); }

  private:
    explicit Picture(Handle drawing) : drawing_(std::move(drawing)) {}
    Handle drawing_;
};

}  // namespace rt
