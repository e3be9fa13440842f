#pragma once

#include <QObject>
#include <QTimer>
#include <cmath>
#include <functional>

// Runs an action on the UI thread after a delay in seconds. The window's
// controllers take one so that tests can move time by hand instead of waiting.
using ZRVScheduler = std::function<void(double seconds, std::function<void()> action)>;

// The real one: a single-shot timer tied to a context object, so that an
// action still waiting when its owner goes is dropped with it.
inline ZRVScheduler timerScheduler(QObject* context) {
    return [context](double seconds, std::function<void()> action) {
        QTimer::singleShot(static_cast<int>(std::lround(seconds * 1000)), context,
                           std::move(action));
    };
}
