#include "tests/support/scoped_temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace testing_support {

ScopedTempFolder::ScopedTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quopa-tests-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
    // GoogleTest's TempDir() reads this variable and expects the trailing separator.
    ::setenv("TEST_TMPDIR", (path_ + "/").c_str(), 1);
}

ScopedTempFolder::~ScopedTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace testing_support
