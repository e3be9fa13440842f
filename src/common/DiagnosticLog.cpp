#include "common/DiagnosticLog.h"

#include <iostream>
#include <mutex>
#include <utility>

namespace {

std::mutex& sinkMutex() {
    static std::mutex mutex;
    return mutex;
}

DiagnosticLog::Sink& currentSink() {
    static DiagnosticLog::Sink sink;
    return sink;
}

} // namespace

namespace DiagnosticLog {

void setSink(Sink sink) {
    const std::lock_guard lock(sinkMutex());
    currentSink() = std::move(sink);
}

void write(std::string_view category, std::string_view message) {
    // Called outside the lock, so a sink may itself log or replace the sink.
    Sink sink;
    {
        const std::lock_guard lock(sinkMutex());
        sink = currentSink();
    }
    if (sink) {
        sink(category, message);
        return;
    }
    std::clog << category << ": " << message << '\n';
}

} // namespace DiagnosticLog
