// Runs the window tests, which catch faults only a real Qt application shows, without a display.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// Window tests need one application object, and run without a display unless one is asked for.
int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
