#pragma once

#include "platform/ZRVWebEngineSetup.h"
#include "support/Stopwatch.h"
#include "support/TemporaryDirectory.h"

#include <QByteArray>
#include <string>

// What every benchmark of the player window does first.
namespace WindowBenchmark {

// Before the application object: the offscreen platform and QtWebEngine's
// settings, as the viewer itself makes them. Start-up looks for the camera's
// card; no benchmark may look up, let alone rename, this machine's own USB
// volumes, so the system bus points nowhere.
inline void prepareApplication() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SYSTEM_BUS_ADDRESS",
            "unix:path=/nonexistent/zorva-benchmarks-have-no-system-bus");
    prepareWebEngine();
}

// One moment of the given length on a demo card by the real writer.
inline void writeOneMoment(const TemporaryDirectory& card, int seconds) {
    Stopwatch::runProgram({ZORVA_TOOL_PATH, "sample-card", card.path().string(), "--moments", "1",
                           "--seconds", std::to_string(seconds)});
}

} // namespace WindowBenchmark
