#include "cli/ClockCommand.h"

#include "card/ZRVClockFile.h"
#include "cli/CommandArguments.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <iostream>

namespace {

const char* const kUsage = "usage: zorva-tool clock TARGET [--at \"YYYY/MM/DD HH:MM:SS\"]\n";

const char* const kHelp =
    "Writes the camera's clock file, from which the camera sets its date and time:\n"
    "TARGET/timeset.cfg when TARGET is a folder (the card), else the file TARGET.\n"
    "The file holds 19 bytes, \"YYYY/MM/DD HH:MM:SS\" in local time, and replaces any\n"
    "file that was there.\n"
    "\n"
    "  --at TEXT  the date and time to write; the default is now\n";

ZRVClockFile::DateTime localNow() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (local == nullptr) {
        return {};
    }
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday,
            local->tm_hour,        local->tm_min,     std::min(local->tm_sec, 59)};
}

} // namespace

int runClockCommand(const std::vector<std::string>& arguments) {
    CommandArguments args(
        arguments,
        {.valueOptions = {"--at"}, .flags = {}, .minPositionals = 1, .maxPositionals = 1});
    if (args.helpRequested()) {
        std::cout << kUsage << "\n" << kHelp;
        return ExitCode::success;
    }
    if (args.usageError()) {
        return reportUsageError("clock", *args.usageError(), kUsage);
    }

    ZRVClockFile::DateTime moment = localNow();
    if (const auto at = args.value("--at")) {
        const auto given = ZRVClockFile::dateTimeFromText(*at);
        if (!given) {
            return reportUsageError(
                "clock", "--at takes a real date and time as YYYY/MM/DD HH:MM:SS, not " + *at,
                kUsage);
        }
        moment = *given;
    }

    std::filesystem::path target = args.positionals().front();
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) {
        target /= ZRVClockFile::kFileName;
    }
    if (const auto failure = ZRVClockFile::writeFile(target, moment)) {
        std::cerr << "zorva-tool clock: " << *failure << "\n";
        return ExitCode::badInput;
    }
    std::cout << *ZRVClockFile::textOf(moment) << " written to " << target.string() << "\n";
    return ExitCode::success;
}
