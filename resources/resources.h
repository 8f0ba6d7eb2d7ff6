// The program's built-in pictures and sounds, drawn and synthesised by code on first use and
// kept for the life of the program (so the same resource is always the same picture handle).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/picture.h"

namespace quopa::resources {

// Icon resources by identifier: 1 the program's icon; k01, k02, k03 (k = 1..6) the three frames of
// stamp k, 32 x 32 pixels in the 16 standard colours. Any other identifier is error 326.
rt::Picture icon(int id);

// The picture library: index = (design - 1) * 6 + face, design 1-8, face 1-6; 32 x 32 pixels in
// the 16 standard colours. Any other index is error 340.
rt::Picture dicePicture(int index);

// The maker's logo (the main window's imgOstrelo), 128 x 83 pixels.
rt::Picture logo();

// The two pointer pictures over a die: lift it (up arrow), put it down (down arrow); 32 x 32 with
// their hot spot set.
rt::Picture liftCursor();
rt::Picture dropCursor();

// Sound resources of type "QUOPA_SOM", ids 1-9: complete WAV images (8-bit mono PCM). Any other id
// is error 326.
std::shared_ptr<const std::vector<uint8_t>> sound(int id);

}  // namespace quopa::resources
