// The small drawing kit behind the built-in pictures: a canvas in the 16 standard colours,
// shapes given by signed distance, and the placement that turns and scales a drawing.
//
// Every picture is drawn by sampling a shape at the centre of each pixel, with no blending, so a
// picture never holds a colour outside the standard palette.
#pragma once

#include <cmath>
#include <cstdint>
#include <map>
#include <mutex>

#include "runtime/appearance.h"
#include "runtime/picture.h"

namespace quopa::resources::draw {

// A pixel of a bitmap (0xAARRGGBB) in a standard colour, fully opaque.
constexpr uint32_t argb(rt::Color c) {
    return 0xFF000000u | (static_cast<uint32_t>(rt::redOf(c)) << 16) |
           (static_cast<uint32_t>(rt::greenOf(c)) << 8) | static_cast<uint32_t>(rt::blueOf(c));
}
constexpr uint32_t kTransparent = 0;

struct Point {
    double x = 0;
    double y = 0;
};
inline Point operator+(Point a, Point b) {
    return {a.x + b.x, a.y + b.y};
}
inline Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}
inline Point operator*(Point a, double k) {
    return {a.x * k, a.y * k};
}
inline double length(Point p) {
    return std::hypot(p.x, p.y);
}

// Where a drawing stands on the canvas: its own origin at `centre`, turned clockwise by
// `degrees` and enlarged by `scale`. Shapes are written in the drawing's own units.
struct Placement {
    Point centre;
    double degrees = 0;
    double scale = 1;

    // The drawing's own coordinates of a canvas point.
    Point toLocal(Point canvas) const;
    // The same placement moved by `offset` canvas pixels.
    Placement moved(Point offset) const { return {centre + offset, degrees, scale}; }
};

// Signed distances (negative inside) of the shapes the pictures are made of.
double roundedSquare(Point p, double half, double radius);
double circle(Point p, Point centre, double radius);
double segment(Point p, Point a, Point b, double halfWidth);
// A ring of the given mean radius and half width, kept where the angle (clockwise from the
// right, in degrees) lies between `from` and `to`.
double arc(Point p, Point centre, double radius, double halfWidth, double from, double to);
// A regular star of `points` points, the first pointing up.
bool insideStar(Point p, double outer, double inner, int points);

class Canvas {
  public:
    Canvas(int width, int height) : bitmap_(width, height, kTransparent) {}

    int width() const { return bitmap_.width; }
    int height() const { return bitmap_.height; }
    uint32_t at(int x, int y) const { return bitmap_.at(x, y); }
    void plot(int x, int y, rt::Color c);
    void clear(int x, int y) { bitmap_.at(x, y) = kTransparent; }

    // Paints every pixel whose centre the predicate accepts (the predicate gets the centre in
    // canvas coordinates, so pixel (0, 0) is sampled at (0.5, 0.5)).
    template <class Inside>
    void fill(Inside inside, rt::Color c) {
        for (int y = 0; y < bitmap_.height; ++y)
            for (int x = 0; x < bitmap_.width; ++x)
                if (inside(Point{x + 0.5, y + 0.5})) plot(x, y, c);
    }
    // Paints the pixels whose centre, seen through the placement, lies inside the shape
    // (a signed distance in the drawing's own units).
    template <class Distance>
    void fillShape(const Placement& where, Distance distance, rt::Color c) {
        fill([&](Point p) { return distance(where.toLocal(p)) < 0; }, c);
    }

    void setHotSpot(int x, int y) {
        bitmap_.hotX = x;
        bitmap_.hotY = y;
    }
    rt::Bitmap take() { return std::move(bitmap_); }

  private:
    rt::Bitmap bitmap_;
};

// Pictures kept by key, so one key always gives the same picture handle; each is drawn only when
// something first reads it.
class PictureCache {
  public:
    template <class Draw>
    rt::Picture get(int key, Draw&& draw) {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = pictures_.find(key);
        if (it == pictures_.end())
            it = pictures_.emplace(key, rt::Picture::deferred(std::forward<Draw>(draw))).first;
        return it->second;
    }

  private:
    std::mutex mutex_;
    std::map<int, rt::Picture> pictures_;
};

}  // namespace quopa::resources::draw
