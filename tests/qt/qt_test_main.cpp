// The main of the offscreen Qt tests: one QApplication for the whole run, as widgets need it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "tests/support/scoped_temp_folder.h"

int main(int argc, char** argv) {
    // The tests draw nothing on a screen; run them offscreen even outside CTest.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Keeps the user's own configuration and runtime folders out of reach of the tests.
    QStandardPaths::setTestModeEnabled(true);
    testing::InitGoogleTest(&argc, argv);
    testing_support::ScopedTempFolder temp;
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
