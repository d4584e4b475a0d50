// The main of every test program: a QApplication (offscreen under ctest) around GoogleTest.
#include <QApplication>
#include <gtest/gtest.h>

#include "screen_font.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(screenFont());  // as the program sets it
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
