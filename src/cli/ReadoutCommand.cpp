#include "cli/ReadoutCommand.h"

#include "app/ZRVTelemetryReadout.h"
#include "cli/CommandArguments.h"
#include "cli/JsonWriter.h"
#include "cli/RecordingInput.h"
#include "recording/ZRVBlackBoxData.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

const char* const kUsage =
    "usage: zorva-tool readout FILE POSITION [--json]\n"
    "\n"
    "The texts the player window shows after opening FILE and moving to\n"
    "POSITION (a fraction of the recording; past the end, or below zero, is\n"
    "the last moment): the G-sensor read-outs, speed, HDOP, satellites and\n"
    "the marker's latitude and longitude as handed to the map.\n"
    "\n"
    "  --json   one object; otherwise one \"name<TAB>text\" line per read-out\n"
    "\n"
    "A recording cut short is read as telemetry reads it (see its --help).\n";

std::optional<double> finiteNumber(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string degrees(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%lf", value);
    return text;
}

} // namespace

int runReadoutCommand(const std::vector<std::string>& arguments) {
    CommandArguments args(
        arguments,
        {.valueOptions = {}, .flags = {"--json"}, .minPositionals = 2, .maxPositionals = 2});
    if (args.helpRequested()) {
        std::cout << kUsage;
        return ExitCode::success;
    }
    if (args.usageError()) {
        return reportUsageError("readout", *args.usageError(), kUsage);
    }
    const std::optional<double> position = finiteNumber(args.positionals()[1]);
    if (!position) {
        return reportUsageError("readout", "POSITION must be a finite number", kUsage);
    }
    ZRVBlackBoxData telemetry;
    if (!readRecordingTelemetry("readout", args.positionals()[0], telemetry)) {
        return ExitCode::badInput;
    }

    // A fresh window: the controls were just reset and both hemisphere flags
    // are false.
    ZRVHemispheres hemispheres;
    const ZRVTelemetryTexts texts = ZRVTelemetryReadout::textsAt(telemetry, *position, hemispheres);
    const std::vector<std::pair<const char*, std::optional<std::string>>> lines = {
        {"x", texts.x.value_or(ZRVTelemetryReadout::kResetX)},
        {"y", texts.y.value_or(ZRVTelemetryReadout::kResetY)},
        {"z", texts.z.value_or(ZRVTelemetryReadout::kResetZ)},
        {"speed", texts.speed.value_or("")},
        {"hdop", texts.hdop.value_or("")},
        {"satellites", texts.satellites.value_or("")},
        {"latitude", texts.latitude ? std::optional(degrees(*texts.latitude)) : std::nullopt},
        {"longitude", texts.longitude ? std::optional(degrees(*texts.longitude)) : std::nullopt},
    };
    if (args.hasFlag("--json")) {
        JsonWriter json(std::cout);
        json.beginObject();
        for (const auto& [name, text] : lines) {
            json.key(name);
            text ? json.value(*text) : json.null();
        }
        json.endObject();
        std::cout << "\n";
    } else {
        for (const auto& [name, text] : lines) {
            std::cout << name << '\t' << text.value_or("") << '\n';
        }
    }
    return ExitCode::success;
}
