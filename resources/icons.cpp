// The icon resources: the program's icon (1) and the stamp frames (k01-k03, k = 1..6).

#include <string>

#include "resources/die_drawing.h"
#include "resources/resources.h"
#include "resources/stamps.h"
#include "runtime/errors.h"

namespace quopa::resources {

namespace {

using namespace rt::palette;

constexpr int kProgramIcon = 1;

// A white die seen from above a corner, its red ace on top.
rt::Bitmap drawProgramIcon() {
    draw::Canvas canvas(32, 32);
    draw::CubeLook look{kBlack, kWhite, kLightGrey, kGrey, kBlack, kRed, 1, 2, 3};
    draw::drawCube(canvas, draw::Placement{{16, 16.5}}, 15.0, look);
    return canvas.take();
}

}  // namespace

rt::Picture icon(int id) {
    const int stamp = id / 100;
    const int frame = id % 100;
    const bool isStampFrame =
        stamp >= 1 && stamp <= kStampCount && frame >= 1 && frame <= kStampFrames;
    if (id != kProgramIcon && !isStampFrame)
        throw rt::RuntimeError(rt::kResourceNotFound,
                               "Resource with identifier '" + std::to_string(id) + "' not found");
    static draw::PictureCache cache;
    return cache.get(id, [id, stamp, frame] {
        return id == kProgramIcon ? drawProgramIcon() : drawStampFrame(stamp, frame);
    });
}

}  // namespace quopa::resources
