// The shell's special folders on QStandardPaths.
#pragma once

#include "runtime/services.h"

namespace rt::qt {

// 0 (Desktop) is the user's desktop folder, 11 (Start Menu) the folder of the applications menu;
// paths use the platform's separators and have no trailing separator. Other numbers, or a folder
// the platform does not know, give nothing.
class QtSpecialFolders : public SpecialFolders {
  public:
    std::optional<std::string> path(int folder) override;
};

}  // namespace rt::qt
