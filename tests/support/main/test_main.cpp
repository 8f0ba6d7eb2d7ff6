// The main of the headless test programs: the tests run inside a temporary folder of their own.
#include <gtest/gtest.h>

#include "tests/support/scoped_temp_folder.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing_support::ScopedTempFolder temp;
    return RUN_ALL_TESTS();
}
