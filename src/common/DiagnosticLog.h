#pragma once

#include <functional>
#include <string_view>

// The core's diagnostic lines ("system log"). The application routes them to
// its logging categories; tests and fuzzers catch or silence them. Until a
// sink is set, every line goes to std::clog as "category: message".
namespace DiagnosticLog {

using Sink = std::function<void(std::string_view category, std::string_view message)>;

// An empty sink puts the std::clog default back.
void setSink(Sink sink);
void write(std::string_view category, std::string_view message);

} // namespace DiagnosticLog
