#include "support/DriveRecordFiles.h"
#include "support/TemporaryDirectory.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>

namespace {

ZRVDriveRecordFile tableOf(const std::string& bytes) {
    ZRVDriveRecordFile file;
    EXPECT_FALSE(file.readBytes(
        std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())));
    return file;
}

std::vector<std::string> rowTexts(const ZRVDriveRecordFile& file, long row) {
    std::vector<std::string> texts;
    for (long column = -1; column <= ZRVDriveRecordFile::kColumnCount; ++column) {
        texts.push_back(file.stringForColumnIndex(column, row));
    }
    return texts;
}

} // namespace

// Row 0, the sample record, is checked through the export below. A negative
// battery value, which only a damaged record holds, shows its sign once
// ("-0.5", not " 0.-5").
TEST(ZRVDriveRecordFile, CellTextsFollowTheCameraLayout) {
    auto odd = sampleDriveRecord();
    odd.weekday = 7;
    odd.gpsStatus = 2;
    odd.gSensorX = 64;
    odd.batteryTenths = 5;
    odd.latitudeFraction = 12;
    odd.longitudeWhole = 958;
    std::vector<ZRVDriveRecord> records = {odd, odd, odd};
    records[1].batteryTenths = -5;
    records[2].batteryTenths = -32768;
    const auto file = tableOf(driveRecordFileBytes(3, records));

    EXPECT_EQ(rowTexts(file, 0),
              (std::vector<std::string>{"X", "1", "517", "2024/03/05", "19:08:09", "-", "3731.0012",
                                        "00958.8000", "1234.5", "63", "98", "V", "+0.25", "+0.25",
                                        "+0.00", " 0.5", "X"}));
    EXPECT_EQ(file.stringForColumnIndex(14, 1), "-0.5");
    EXPECT_EQ(file.stringForColumnIndex(14, 2), "-3276.8");
    EXPECT_EQ(file.stringForColumnIndex(0, 3), "");
}

TEST(ZRVDriveRecordFile, MapPositionIsReadBackFromTheCellTexts) {
    std::vector<ZRVDriveRecord> records(3, sampleDriveRecord());
    records[1].latitudeWhole = 0;
    records[1].latitudeFraction = 0;
    records[2].latitudeFraction = 10000; // shown, and so read, as 3731.10000
    const auto file = tableOf(driveRecordFileBytes(3, records));

    ASSERT_TRUE(file.mapPositionOfRow(0));
    EXPECT_DOUBLE_EQ(file.mapPositionOfRow(0)->latitude, 37.525);
    EXPECT_NEAR(file.mapPositionOfRow(0)->longitude, 126.98, 1e-9);
    EXPECT_FALSE(file.mapPositionOfRow(1));
    EXPECT_NEAR(file.mapPositionOfRow(2)->latitude, 37 + 31.1 / 60, 1e-9);
    EXPECT_FALSE(file.mapPositionOfRow(3));
}

TEST(ZRVDriveRecordFile, CountIsBoundedByBothHeaderAndFile) {
    TemporaryDirectory dir;
    const auto path =
        dir.write("tavu_000.drv",
                  driveRecordFileBytes(0xFFFFFFFF, {sampleDriveRecord(), sampleDriveRecord()}) +
                      std::string(39, '\x7f'));
    ZRVDriveRecordFile file;
    ASSERT_FALSE(file.readFile(path));
    EXPECT_EQ(file.numberOfRows(), 2);
    EXPECT_EQ(file.headerCount(), 0xFFFFFFFFu);
    EXPECT_EQ(file.shortfallMessage(),
              "the header counts 4294967295 records, but the file holds only 2");

    const auto fewer = tableOf(driveRecordFileBytes(1, {sampleDriveRecord(), sampleDriveRecord()}));
    EXPECT_EQ(fewer.numberOfRows(), 1);
    EXPECT_FALSE(fewer.shortfallMessage());
}

TEST(ZRVDriveRecordFile, UnreadableFileKeepsThePreviousRecords) {
    TemporaryDirectory dir;
    ZRVDriveRecordFile file;
    ASSERT_FALSE(
        file.readFile(dir.write("good.drv", driveRecordFileBytes(1, {sampleDriveRecord()}))));
    const auto missing = file.readFile(dir.path() / "missing.drv");
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->find("missing.drv"), std::string::npos);
    EXPECT_TRUE(file.readFile(dir.write("short.drv", std::string(11, '\0'))));
    EXPECT_TRUE(file.readFile(dir.path()));
    EXPECT_EQ(file.numberOfRows(), 1);
}

TEST(ZRVDriveRecordFile, ExportQuotesOnlyFieldsThatNeedItAndReplacesTheFileWhole) {
    TemporaryDirectory dir;
    const auto path = dir.write("tavu_000.csv", std::string(10000, 'z'));
    const auto file = tableOf(driveRecordFileBytes(1, {sampleDriveRecord()}));
    const std::map<std::string_view, std::string> titles{{"setting.flashdata.date", "Date, local"},
                                                         {"setting.flashdata.time", "Time \"24h\""},
                                                         {"setting.flashdata.lat", "Lat\nddmm"}};
    const auto titleOf = [&titles](std::string_view key) {
        const auto title = titles.find(key);
        return title != titles.end() ? title->second : std::string("t");
    };
    ASSERT_FALSE(file.writeCSVFile(path, titleOf));
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "t,t,\"Date, local\",\"Time \"\"24h\"\"\",t,\"Lat\nddmm\",t,t,t,t,t,X,Y,Z,t\n"
              "1,517,2024/03/05,19:08:09,TUE,3731.5000,12658.8000,1234.5,63,98,A,-1.00,+0.25,"
              "+0.00,12.4\n");

    const auto error = file.writeCSVFile(dir.path() / "gone" / "x.csv", titleOf);
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("x.csv"), std::string::npos);
}

TEST(ZRVDriveRecordFile, SortedRowsFollowTheValuesNotTheTextsAndTheExportFollowsTheRows) {
    std::vector<ZRVDriveRecord> records(4, sampleDriveRecord());
    records[0].currentSpeed = 10;
    records[1].currentSpeed = 9;
    records[2].currentSpeed = 10;
    records[3].currentSpeed = 100;
    records[1].day = 4;
    records[2].hour = 7;
    records[3].weekday = 9;
    records[0].weekday = 0;
    const auto file = tableOf(driveRecordFileBytes(4, records));

    EXPECT_EQ(file.rowsSortedBy(8, true), (std::vector<long>{1, 0, 2, 3}));
    EXPECT_EQ(file.rowsSortedBy(8, false), (std::vector<long>{3, 0, 2, 1})) << "ties keep order";
    EXPECT_EQ(file.rowsSortedBy(2, true), (std::vector<long>{1, 2, 0, 3})) << "date, then time";
    EXPECT_EQ(file.rowsSortedBy(4, true), (std::vector<long>{0, 1, 2, 3})) << "\"-\" comes last";

    const std::vector<long> shown = {3, 1};
    std::string csv = file.csvText({}, shown);
    csv.erase(0, csv.find('\n') + 1);
    EXPECT_EQ(csv.substr(0, 2), "4,");
    EXPECT_EQ(csv.substr(csv.find('\n') + 1, 2), "2,");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 2);
}

TEST(ZRVDriveRecord, PlausibleTimeKeepsTheClocksRanges) {
    auto record = sampleDriveRecord();
    record.month = 12;
    record.day = 31;
    record.hour = 23;
    record.minute = 59;
    record.second = 59;
    EXPECT_TRUE(record.hasPlausibleTime());
    using Field = std::uint8_t ZRVDriveRecord::*;
    const std::vector<std::pair<Field, std::uint8_t>> outside = {
        {&ZRVDriveRecord::month, 0},   {&ZRVDriveRecord::month, 13}, {&ZRVDriveRecord::day, 0},
        {&ZRVDriveRecord::day, 32},    {&ZRVDriveRecord::hour, 24},  {&ZRVDriveRecord::minute, 60},
        {&ZRVDriveRecord::second, 60},
    };
    for (const auto& [field, value] : outside) {
        auto bad = record;
        bad.*field = value;
        EXPECT_FALSE(bad.hasPlausibleTime()) << int{value};
    }
}
