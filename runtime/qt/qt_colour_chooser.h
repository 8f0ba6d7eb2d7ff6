// The colour chooser on Qt's standard colour dialog.
#pragma once

#include <optional>
#include <string>

#include "runtime/services.h"

namespace rt::qt {

// Shows QColorDialog over the active window, application-modal, with the initial colour
// selected; runs a nested event loop and returns when the user answers. OK returns the colour,
// Cancel, Escape and the close button return nothing.
class QtColourChooser : public ColourChooser {
  public:
    std::optional<int32_t> choose(int32_t initial, const std::string& title) override;
};

}  // namespace rt::qt
