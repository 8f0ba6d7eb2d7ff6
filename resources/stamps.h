// The stamps: the six looks of a die that has not been rolled yet, each in three frames that show
// the die tumbling. Frame 1 stands still; the roll animation alternates frames 2 and 1.
#pragma once

#include "runtime/picture.h"

namespace quopa::resources {

constexpr int kStampCount = 6;
constexpr int kStampFrames = 3;

// Draws frame 1-3 of stamp 1-6, 32 x 32 pixels in the standard colours.
rt::Bitmap drawStampFrame(int stamp, int frame);

}  // namespace quopa::resources
