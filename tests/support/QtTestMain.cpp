#include "platform/ZRVWebEngineSetup.h"

#include <QApplication>
#include <gtest/gtest.h>

// Widget tests need one application object for the whole run; they use the
// offscreen platform unless one is chosen. The viewer renames camera cards
// through the system bus, so no test may reach this machine's own: those
// that need UDisks2 start a private bus, and the system bus points nowhere.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/zorva-tests-have-no-system-bus");
    prepareWebEngine();
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
