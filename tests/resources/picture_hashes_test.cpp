// Every built-in picture, pixel for pixel, against the hashes of the pictures as first drawn: a
// faster way of drawing them must draw exactly the same pictures.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "resources/resources.h"

namespace quopa::resources {
namespace {

// FNV-1a over the size, the hot spot and every pixel.
uint64_t hashOf(const rt::Picture& picture) {
    const rt::Bitmap& b = *picture.bitmap();
    uint64_t h = 14695981039346656037ull;
    auto mix = [&h](uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            h ^= (v >> (8 * i)) & 0xFF;
            h *= 1099511628211ull;
        }
    };
    mix(static_cast<uint32_t>(b.width));
    mix(static_cast<uint32_t>(b.height));
    mix(static_cast<uint32_t>(b.hotX));
    mix(static_cast<uint32_t>(b.hotY));
    for (uint32_t p : b.pixels) mix(p);
    return h;
}

// One hash over a whole group of pictures, so a changed pixel names its group.
template <class Each>
uint64_t hashOfAll(int first, int last, Each picture) {
    uint64_t h = 0;
    for (int i = first; i <= last; ++i) h = h * 31 + hashOf(picture(i));
    return h;
}

TEST(PictureHashes, DicePicturesAreDrawnAsTheyWere) {
    EXPECT_EQ(hashOfAll(1, 48, [](int i) { return dicePicture(i); }), 10654730562834685137ull);
}

TEST(PictureHashes, StampsIconLogoAndPointersAreDrawnAsTheyWere) {
    EXPECT_EQ(hashOfAll(1, 6, [](int k) { return icon(k * 100 + 1); }) * 7 +
                  hashOfAll(1, 6, [](int k) { return icon(k * 100 + 2); }) * 5 +
                  hashOfAll(1, 6, [](int k) { return icon(k * 100 + 3); }),
              1840215567255308127ull);
    EXPECT_EQ(hashOf(icon(1)), 17201761004647370389ull);
    EXPECT_EQ(hashOf(logo()), 16428758671812309095ull);
    EXPECT_EQ(hashOf(liftCursor()) * 3 + hashOf(dropCursor()), 18172373716408844181ull);
}

}  // namespace
}  // namespace quopa::resources
