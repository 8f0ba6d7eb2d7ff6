#pragma once
// A temporary folder of the test process's own, handed to the tests as ::testing::TempDir() and
// removed with everything in it when the process ends. Every test case runs in a process of its
// own, possibly beside others, so no two cases share a file, and nothing is left in /tmp.
#include <string>

namespace testing_support {

class ScopedTempFolder {
  public:
    ScopedTempFolder();
    ~ScopedTempFolder();
    ScopedTempFolder(const ScopedTempFolder&) = delete;
    ScopedTempFolder& operator=(const ScopedTempFolder&) = delete;

  private:
    std::string path_;
};

}  // namespace testing_support
