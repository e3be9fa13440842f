#include <QGuiApplication>
#include <gtest/gtest.h>

// The tests read the screen of the X server they run on, so they need a
// connection to it of their own.
int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
