// Pictures: shared handles of in-memory bitmaps.
//
// Assigning a picture shares the handle; comparing two pictures compares handles, never pixels
// (the face of a lifted die is read back by comparing pictures). An empty picture has no handle.
#pragma once

#include <cstdint>
#include <memory>
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

class Picture {
  public:
    Picture() = default;
    explicit Picture(std::shared_ptr<const Bitmap> bitmap) : bitmap_(std::move(bitmap)) {}
    static Picture fromBitmap(Bitmap bitmap) {
        return Picture(std::make_shared<const Bitmap>(std::move(bitmap)));
    }

    bool empty() const { return !bitmap_; }
    const Bitmap* bitmap() const { return bitmap_.get(); }
    const std::shared_ptr<const Bitmap>& handle() const { return bitmap_; }

    bool operator==(const Picture& other) const { return bitmap_ == other.bitmap_; }
    bool operator!=(const Picture& other) const { return !(*this == other); }

  private:
    std::shared_ptr<const Bitmap> bitmap_;
};

}  // namespace rt
