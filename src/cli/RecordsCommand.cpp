#include "cli/RecordsCommand.h"

#include "cli/CommandArguments.h"
#include "cli/JsonWriter.h"
#include "records/ZRVDriveRecordFile.h"

#include <algorithm>
#include <iostream>

namespace {

const char* const kUsage = "usage: zorva-tool records FILE [--csv|--json]\n";

const char* const kHelp =
    "Shows the camera's driving records (DrvInfo/tavu_000.drv) as the record table\n"
    "does: row number, sequence, date, time, weekday, latitude and longitude\n"
    "(ddmm.mmmm, dddmm.mmmm), distance, current and maximum speed, GPS status,\n"
    "G-sensor X, Y, Z and battery voltage.\n"
    "\n"
    "  --csv   the comma-separated export\n"
    "  --json  {\"header_count\": N, \"records\": [{column: text, ...}, ...]}\n"
    "\n"
    "A header that counts more records than the file holds is reported on stderr;\n"
    "the records present are shown all the same. So is the number of records whose\n"
    "date or time cannot be (month outside 1-12, day outside 1-31, hour 24 or more,\n"
    "minute or second 60 or more); when the file holds records and none is\n"
    "plausible, it is likely no driving-record file, and the exit status is 1.\n";

// Column names for scripts: the last part of each title key ("date" of
// "setting.flashdata.date"), and X, Y, Z as they are.
std::string columnName(std::string_view key) {
    const auto dot = key.rfind('.');
    return std::string(dot == std::string_view::npos ? key : key.substr(dot + 1));
}

std::vector<std::string> columnNames() {
    std::vector<std::string> names;
    for (const auto& column : kDriveRecordColumns) {
        names.push_back(column.titleText(columnName));
    }
    return names;
}

void printTable(const ZRVDriveRecordFile& file) {
    const auto names = columnNames();
    std::vector<std::size_t> widths;
    for (long column = 0; column < ZRVDriveRecordFile::kColumnCount; ++column) {
        std::size_t width = names[static_cast<std::size_t>(column)].size();
        for (long row = 0; row < file.numberOfRows(); ++row) {
            width = std::max(width, file.stringForColumnIndex(column, row).size());
        }
        widths.push_back(width);
    }
    auto printLine = [&](auto textOfColumn) {
        std::string line;
        for (long column = 0; column < ZRVDriveRecordFile::kColumnCount; ++column) {
            const std::string text = textOfColumn(column);
            const auto width = widths[static_cast<std::size_t>(column)];
            line += (column == 0 ? "" : "  ") + std::string(width - text.size(), ' ') + text;
        }
        std::cout << line << "\n";
    };
    printLine([&](long column) { return names[static_cast<std::size_t>(column)]; });
    for (long row = 0; row < file.numberOfRows(); ++row) {
        printLine([&](long column) { return file.stringForColumnIndex(column, row); });
    }
}

void printJson(const ZRVDriveRecordFile& file) {
    const auto names = columnNames();
    JsonWriter json(std::cout);
    json.beginObject().field("header_count", file.headerCount()).key("records").beginArray();
    for (long row = 0; row < file.numberOfRows(); ++row) {
        json.beginObject();
        for (long column = 0; column < ZRVDriveRecordFile::kColumnCount; ++column) {
            json.field(names[static_cast<std::size_t>(column)],
                       file.stringForColumnIndex(column, row));
        }
        json.endObject();
    }
    json.endArray().endObject();
    std::cout << "\n";
}

} // namespace

int runRecordsCommand(const std::vector<std::string>& arguments) {
    CommandArguments args(arguments, {.valueOptions = {},
                                      .flags = {"--csv", "--json"},
                                      .minPositionals = 1,
                                      .maxPositionals = 1});
    if (args.helpRequested()) {
        std::cout << kUsage << "\n" << kHelp;
        return ExitCode::success;
    }
    if (args.usageError()) {
        return reportUsageError("records", *args.usageError(), kUsage);
    }
    if (args.hasFlag("--csv") && args.hasFlag("--json")) {
        return reportUsageError("records", "--csv and --json exclude each other", kUsage);
    }

    ZRVDriveRecordFile file;
    if (const auto error = file.readFile(args.positionals().front())) {
        std::cerr << "zorva-tool records: " << *error << "\n";
        return ExitCode::badInput;
    }
    if (const auto shortfall = file.shortfallMessage()) {
        std::cerr << "zorva-tool records: " << args.positionals().front() << ": " << *shortfall
                  << "\n";
    }
    if (args.hasFlag("--csv")) {
        std::cout << file.csvText(columnName);
    } else if (args.hasFlag("--json")) {
        printJson(file);
    } else {
        printTable(file);
    }

    long implausible = 0;
    for (long row = 0; row < file.numberOfRows(); ++row) {
        implausible += file.record(row)->hasPlausibleTime() ? 0 : 1;
    }
    if (implausible == 0) {
        return ExitCode::success;
    }
    std::cerr << "zorva-tool records: " << args.positionals().front() << ": " << implausible
              << " of " << file.numberOfRows()
              << " records have an implausible date or time (month outside 1-12, day outside "
                 "1-31, hour 24 or more, minute or second 60 or more)\n";
    return implausible == file.numberOfRows() ? ExitCode::badInput : ExitCode::success;
}
