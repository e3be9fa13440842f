#include "platform/ZRVWebEngineSetup.h"

#include <QCoreApplication>
#include <unistd.h>

void prepareWebEngine() {
    // Chromium's sandbox refuses to start as root (containers, CI machines);
    // a normal user keeps it.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
