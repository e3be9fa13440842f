#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <functional>

// Runs the UI thread's event loop, checking after every pass, until the
// condition holds: the least a benchmark can add to what it waits for.
inline void busyWaitFor(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    poll.start(0);
    loop.exec();
}
