#include "cli/SettingsCommand.h"

#include "cli/CommandArguments.h"
#include "cli/SettingsListing.h"
#include "common/DiagnosticLog.h"
#include "settings/SettingAssignment.h"
#include "settings/SettingField.h"
#include "settings/SettingFile.h"
#include "settings/SettingText.h"
#include "settings/TimeZoneTable.h"

#include <filesystem>
#include <iostream>
#include <limits>
#include <optional>

namespace fs = std::filesystem;

namespace {

const std::string kShowUsage = "usage: zorva-tool settings show FILE [--json]\n";
const std::string kSetUsage = "usage: zorva-tool settings set FILE NAME=VALUE ... [--force]\n";
const std::string kResetUsage = "usage: zorva-tool settings reset FILE\n";
const std::string kNewUsage = "usage: zorva-tool settings new FILE [--timezone auto|INDEX]\n";
const std::string kUsage = kShowUsage + kSetUsage + kResetUsage + kNewUsage;

const char* const kShowHelp =
    "Prints every field of the camera's settings file (config.bin) as NAME=VALUE,\n"
    "texts decoded, and checksum_ok=true|false. --json prints one object.\n";
const char* const kSetHelp =
    "Changes fields the way the camera's settings pages would: only fields a page\n"
    "edits, only values a page offers, texts that keep the plate and Wi-Fi rules.\n"
    "Numbers are stored values (thresholds in hundredths of g; masks may be 0x...).\n"
    "When any pair is refused nothing is written. Then the plate flag and checksum\n"
    "are set and the file is replaced safely.\n"
    "\n"
    "  --force  also change a file whose checksum does not match its contents\n"
    "           (refused otherwise: such a file may be damaged, and a fresh\n"
    "           checksum would hide that)\n";
const char* const kResetHelp =
    "Puts the factory values into an existing settings file, keeping time_gmt,\n"
    "summer_time and Brightness1.\n";
const char* const kNewHelp =
    "Writes a factory settings file that does not exist yet. --timezone auto (the\n"
    "default) takes the computer's UTC offset; INDEX (0..33) picks the camera's\n"
    "time zone list entry.\n";

// Parses a subcommand's arguments; a help request or usage error ends it
// with that exit code.
struct Parsed {
    CommandArguments arguments;
    std::optional<int> exitCode;
};

Parsed parse(const std::vector<std::string>& arguments, const CommandArguments::Grammar& grammar,
             const std::string& command, const std::string& usage, const char* help) {
    Parsed parsed{CommandArguments(arguments, grammar), std::nullopt};
    if (parsed.arguments.helpRequested()) {
        std::cout << usage << "\n" << help;
        parsed.exitCode = ExitCode::success;
    } else if (parsed.arguments.usageError()) {
        parsed.exitCode = reportUsageError(command, *parsed.arguments.usageError(), usage);
    }
    return parsed;
}

int reportBadInput(const std::string& command, const std::string& message) {
    std::cerr << "zorva-tool " << command << ": " << message << "\n";
    return ExitCode::badInput;
}

std::optional<_FILEDATA> load(const std::string& path, const std::string& command) {
    _FILEDATA record;
    if (readSettingFile(path, record)) {
        return record;
    }
    std::error_code error;
    const auto status = fs::status(path, error);
    if (!fs::exists(status)) {
        reportBadInput(command, path + ": no such file");
    } else if (!fs::is_regular_file(status)) {
        reportBadInput(command, path + ": not a regular file");
    } else if (const auto size = fs::file_size(path, error); !error && size != _FILEDATA::kSize) {
        reportBadInput(command, path + ": " + std::to_string(size) +
                                    " bytes; a settings file has exactly 428");
    } else {
        reportBadInput(command, path + ": cannot be read");
    }
    return std::nullopt;
}

int save(_FILEDATA record, const std::string& path, const std::string& command) {
    prepareSettingsForSaving(record);
    std::string reason;
    DiagnosticLog::setSink([&](std::string_view, std::string_view message) { reason = message; });
    const auto failure = writeSettingFile(record, path);
    DiagnosticLog::setSink({});
    if (failure) {
        return reportBadInput(command, "cannot save " + path + " (" + reason +
                                           "); the previous file is unchanged");
    }
    return ExitCode::success;
}

int runShow(const std::vector<std::string>& arguments) {
    const std::string command = "settings show";
    auto parsed =
        parse(arguments,
              {.valueOptions = {}, .flags = {"--json"}, .minPositionals = 1, .maxPositionals = 1},
              command, kShowUsage, kShowHelp);
    if (parsed.exitCode) {
        return *parsed.exitCode;
    }
    const auto record = load(parsed.arguments.positionals()[0], command);
    if (!record) {
        return ExitCode::badInput;
    }
    writeSettingsListing(*record, parsed.arguments.hasFlag("--json"), std::cout);
    return ExitCode::success;
}

int runSet(const std::vector<std::string>& arguments) {
    const std::string command = "settings set";
    auto parsed = parse(arguments,
                        {.valueOptions = {},
                         .flags = {"--force"},
                         .minPositionals = 2,
                         .maxPositionals = std::numeric_limits<std::size_t>::max()},
                        command, kSetUsage, kSetHelp);
    if (parsed.exitCode) {
        return *parsed.exitCode;
    }
    const auto& positionals = parsed.arguments.positionals();
    auto record = load(positionals[0], command);
    if (!record) {
        return ExitCode::badInput;
    }
    if (record->checksum != computeSettingChecksum(*record) &&
        !parsed.arguments.hasFlag("--force")) {
        return reportBadInput(command, positionals[0] +
                                           ": the checksum does not match the contents, so the "
                                           "file may be damaged; nothing written (--force writes "
                                           "it all the same, with a new checksum)");
    }
    const std::vector<std::string> pairs(positionals.begin() + 1, positionals.end());
    const auto refusals = applySettingAssignments(*record, pairs);
    for (const auto& refusal : refusals) {
        std::cerr << "zorva-tool " << command << ": " << printable(refusal.field) << ": "
                  << printable(refusal.reason) << "\n";
    }
    if (!refusals.empty()) {
        std::cerr << "zorva-tool " << command << ": nothing written\n";
        return ExitCode::badInput;
    }
    return save(*record, positionals[0], command);
}

int runReset(const std::vector<std::string>& arguments) {
    const std::string command = "settings reset";
    auto parsed = parse(arguments,
                        {.valueOptions = {}, .flags = {}, .minPositionals = 1, .maxPositionals = 1},
                        command, kResetUsage, kResetHelp);
    if (parsed.exitCode) {
        return *parsed.exitCode;
    }
    auto record = load(parsed.arguments.positionals()[0], command);
    if (!record) {
        return ExitCode::badInput;
    }
    fillDefaultSettings(*record);
    return save(*record, parsed.arguments.positionals()[0], command);
}

int runNew(const std::vector<std::string>& arguments) {
    const std::string command = "settings new";
    auto parsed = parse(
        arguments,
        {.valueOptions = {"--timezone"}, .flags = {}, .minPositionals = 1, .maxPositionals = 1},
        command, kNewUsage, kNewHelp);
    if (parsed.exitCode) {
        return *parsed.exitCode;
    }
    const auto zone = parsed.arguments.value("--timezone").value_or("auto");
    const long long lastZone = static_cast<long long>(TimeZoneTable.size()) - 1;
    long long zoneIndex = 0;
    if (zone == "auto") {
        zoneIndex = findTimeZoneIndex();
    } else {
        zoneIndex = parsed.arguments.number("--timezone", 0, 0, lastZone);
        if (parsed.arguments.usageError()) {
            return reportUsageError(command, *parsed.arguments.usageError(), kNewUsage);
        }
    }
    const std::string& path = parsed.arguments.positionals()[0];
    std::error_code error;
    if (fs::exists(fs::symlink_status(path, error))) {
        return reportBadInput(command, path + " already exists; settings reset changes it");
    }
    if (zoneIndex < 0) {
        return reportBadInput(command, "the computer's UTC offset is not in the camera's "
                                       "time-zone list; give --timezone 0.." +
                                           std::to_string(lastZone));
    }
    _FILEDATA record;
    fillDefaultSettings(record);
    record.time_gmt = static_cast<std::int32_t>(zoneIndex);
    return save(record, path, command);
}

} // namespace

int runSettingsCommand(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return reportUsageError("settings", "missing subcommand", kUsage);
    }
    const std::string& subcommand = arguments[0];
    if (subcommand == "--help" || subcommand == "-h") {
        std::cout << kUsage;
        return ExitCode::success;
    }
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (subcommand == "show") {
        return runShow(rest);
    }
    if (subcommand == "set") {
        return runSet(rest);
    }
    if (subcommand == "reset") {
        return runReset(rest);
    }
    if (subcommand == "new") {
        return runNew(rest);
    }
    return reportUsageError("settings", "unknown subcommand " + subcommand, kUsage);
}
