// The main of the end-to-end tests: the program's own application object (offscreen under
// ctest) around GoogleTest.
#include <gtest/gtest.h>

#include "application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
