#pragma once

#include <string>

class ZRVBlackBoxData;

// Reads a recording's telemetry for a command; on failure prints the one
// line the command's users expect ("zorva-tool COMMAND: FILE: not a readable
// AVI recording") and returns false. A recording read without its index
// (cut short) is read all the same, with a line on stderr that says so.
bool readRecordingTelemetry(const std::string& command, const std::string& path,
                            ZRVBlackBoxData& telemetry);
