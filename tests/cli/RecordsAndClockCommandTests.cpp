#include "card/ZRVClockFile.h"
#include "support/DriveRecordFiles.h"
#include "support/ProgramRun.h"
#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <ctime>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

ProgramRun tool(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), ZORVA_TOOL_PATH);
    return ProgramRun::run(arguments);
}

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

long lines(const std::string& text) {
    return std::count(text.begin(), text.end(), '\n');
}

} // namespace

TEST(RecordsCommand, PrintsTheTableAsTextCsvAndJson) {
    TemporaryDirectory dir;
    auto second = sampleDriveRecord();
    second.second = 10;
    const auto file =
        dir.write("tavu_000.drv", driveRecordFileBytes(2, {sampleDriveRecord(), second}));

    const auto csv = tool({"records", file.string(), "--csv"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(lines(csv.out), 3) << "a header and a line per record";
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), ','), 3 * 14) << "15 columns each";

    const auto json = tool({"records", file.string(), "--json"});
    EXPECT_EQ(json.out.rfind(R"({"header_count":2,"records":[{"index":"1",)", 0), 0u) << json.out;
    EXPECT_NE(json.out.find(R"("battery":"12.4"}]})"), std::string::npos) << json.out;

    const auto text = tool({"records", file.string()});
    EXPECT_NE(text.out.find("    2  517  2024/03/05  19:08:10   TUE"), std::string::npos)
        << text.out;
}

TEST(RecordsCommand, ShortFileShowsTheRecordsPresentAndUnreadableFilesAreRefused) {
    TemporaryDirectory dir;
    const auto file = dir.write("tavu_000.drv", driveRecordFileBytes(1000, {sampleDriveRecord()}));
    const auto run = tool({"records", file.string(), "--csv"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("1000"), std::string::npos) << run.err;
    EXPECT_EQ(lines(run.out), 2);

    const auto missing = tool({"records", (dir.path() / "none.drv").string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(lines(missing.err), 1) << missing.err;
    EXPECT_EQ(tool({"records", dir.write("tiny.drv", "abc").string()}).exitCode, 1);
    EXPECT_EQ(tool({"records", "a.drv", "--csv", "--json"}).exitCode, 2);
}

// Any file of 12 bytes or more reads as records; impossible times tell that
// it is no driving-record file.
TEST(RecordsCommand, CountsImplausibleTimesAndFailsWhenNoRecordIsPlausible) {
    TemporaryDirectory dir;
    auto bad = sampleDriveRecord();
    bad.month = 73;
    bad.hour = 172;
    const auto mixed = tool(
        {"records",
         dir.write("mixed.drv", driveRecordFileBytes(2, {bad, sampleDriveRecord()})).string()});
    EXPECT_EQ(mixed.exitCode, 0);
    EXPECT_NE(mixed.err.find(": 1 of 2 records have an implausible date or time"),
              std::string::npos)
        << mixed.err;

    const auto none =
        tool({"records", dir.write("none.drv", driveRecordFileBytes(1, {bad})).string(), "--csv"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.err.find(": 1 of 1 records"), std::string::npos) << none.err;
    EXPECT_EQ(lines(none.out), 2) << "the record is shown all the same";

    const auto empty =
        tool({"records", dir.write("empty.drv", driveRecordFileBytes(0, {})).string()});
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_TRUE(empty.err.empty()) << empty.err;
}

TEST(ClockCommand, WritesTheGivenMomentReplacingTheOldFileAndRefusesImpossibleOnes) {
    TemporaryDirectory dir;
    const auto old = dir.write("timeset.cfg", "2099/12/31 23:59:59 with a tail");
    EXPECT_EQ(tool({"clock", dir.path().string(), "--at", "2024/02/30 10:00:00"}).exitCode, 2);
    EXPECT_EQ(slurp(old), "2099/12/31 23:59:59 with a tail");
    ASSERT_EQ(tool({"clock", dir.path().string(), "--at", "2024/03/05 19:08:09"}).exitCode, 0);
    EXPECT_EQ(slurp(old), "2024/03/05 19:08:09");

    const auto file = dir.path() / "other.cfg";
    ASSERT_EQ(tool({"clock", file.string(), "--at=2024/02/29 00:00:00"}).exitCode, 0);
    EXPECT_EQ(slurp(file), "2024/02/29 00:00:00");

    const auto missing = tool({"clock", (dir.path() / "gone" / "timeset.cfg").string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(lines(missing.err), 1) << missing.err;
}

TEST(ClockCommand, DefaultsToLocalNow) {
    TemporaryDirectory dir;
    auto localText = [] {
        const std::time_t now = std::time(nullptr);
        const std::tm local = *std::localtime(&now);
        return *ZRVClockFile::textOf({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                      local.tm_hour, local.tm_min, local.tm_sec});
    };
    const std::string before = localText();
    ASSERT_EQ(tool({"clock", dir.path().string()}).exitCode, 0);
    const std::string written = slurp(dir.path() / "timeset.cfg");
    EXPECT_TRUE(written >= before && written <= localText()) << written;
}
