#include "cli/ClockCheckCommand.h"

#include "card/CameraClockCheck.h"
#include "cli/CommandArguments.h"
#include "cli/JsonWriter.h"

#include <filesystem>
#include <iostream>

namespace {

const char* const kUsage = "usage: zorva-tool clock-check CARD [--json]\n";

const char* const kHelp =
    "Tells how far the camera's clock is from GPS time. The newest recording on\n"
    "CARD that holds a valid GPS fix (an RMC sentence with status A) gives both:\n"
    "the camera's time is the time in the recording's name plus how far into the\n"
    "recording the fix was stored; the fix's UTC time is moved into the camera's\n"
    "zone, from time_gmt and summer_time in CARD's config.bin (UTC when there is\n"
    "none, as said on standard error). The offset is right to within 2 s.\n"
    "\n"
    "  --json   {\"recording\", \"camera_time\", \"gps_time\", \"offset_seconds\"},\n"
    "           the offset being camera time minus GPS time\n"
    "\n"
    "Exit status 1 when no recording holds a valid fix.\n";

} // namespace

int runClockCheckCommand(const std::vector<std::string>& arguments) {
    CommandArguments args(
        arguments,
        {.valueOptions = {}, .flags = {"--json"}, .minPositionals = 1, .maxPositionals = 1});
    if (args.helpRequested()) {
        std::cout << kUsage << "\n" << kHelp;
        return ExitCode::success;
    }
    if (args.usageError()) {
        return reportUsageError("clock-check", *args.usageError(), kUsage);
    }
    const std::filesystem::path card = args.positionals().front();
    std::error_code error;
    if (!std::filesystem::is_directory(card, error)) {
        std::cerr << "zorva-tool clock-check: " << card.string() << ": not a folder\n";
        return ExitCode::badInput;
    }

    const CardClockZone zone = cardClockZone(card);
    if (zone.problem) {
        std::cerr << "zorva-tool clock-check: " << *zone.problem << "\n";
    }
    const auto check = checkCameraClock(card, zone.utcOffsetMinutes);
    if (!check) {
        std::cerr << "zorva-tool clock-check: no recording in " << card.string()
                  << " holds a valid GPS fix\n";
        return ExitCode::badInput;
    }
    if (args.hasFlag("--json")) {
        JsonWriter(std::cout)
            .beginObject()
            .field("recording", check->recording)
            .field("camera_time", isoDateTime(check->cameraTime))
            .field("gps_time", isoDateTime(check->gpsTime))
            .field("offset_seconds", static_cast<std::int64_t>(check->offsetSeconds))
            .endObject();
        std::cout << "\n";
    } else {
        std::cout << clockCheckSentence(*check) << "\n";
    }
    return ExitCode::success;
}
