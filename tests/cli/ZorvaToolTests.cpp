#include "recording/AviRecords.h"
#include "recording/ZRVAviFileWriter.h"
#include "support/ProgramRun.h"
#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace {

ProgramRun tool(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), ZORVA_TOOL_PATH);
    return ProgramRun::run(arguments);
}

// A recording with two GPS records: the first before any time was received,
// the second in the southern and western hemispheres.
std::filesystem::path writeSouthWestRecording(const TemporaryDirectory& dir) {
    const auto path = dir.path() / "alwa_20240305_190809_F.avi";
    ZRVAviFileWriter writer(path, {});
    auto gps = [&](std::uint32_t stamp, const char* text) {
        _AVI_GPS_DATA_T record;
        record.header = kAviGpsRecordTag;
        record.nTimestamp = stamp;
        record.fLatitude = 3731.5;
        record.fLongitude = 12658.8;
        record.fSpeed = 50;
        record.KM = '9';
        record.nLen = static_cast<std::uint32_t>(std::strlen(text));
        std::memcpy(record.RawData.data(), text, record.nLen);
        const auto bytes = record.toBytes();
        writer.addDataRecord(bytes);
    };
    auto sample = [&](std::uint32_t stamp) {
        _AVI_GSENSOR_DATA_T record;
        record.header = kAviGSensorRecordTag;
        record.timestamp = stamp;
        record.xAxis = -256;
        record.yAxis = 128;
        const auto bytes = record.toBytes();
        writer.addDataRecord(bytes);
    };
    sample(900);
    gps(1000, "$GPGGA,083559.000,3731.5,N,12658.8,E,1,08,0.9,45.0,M,,,,*00\r\n");
    sample(1000);
    gps(2000, "$GPRMC,083600.000,A,3731.5,S,12658.8,W,12.5,87.3,210116,,,A*00\r\n"
              "$GPGGA,083600.000,3731.5,S,12658.8,W,1,08,0.9,45.0,M,,,,*00\r\n");
    sample(2000);
    EXPECT_FALSE(writer.finish().has_value());
    return path;
}

} // namespace

TEST(ZorvaTool, TrackTakesHemispheresFromTheDecodedSentences) {
    TemporaryDirectory dir;
    const auto path = writeSouthWestRecording(dir).string();

    const auto csv = tool({"telemetry", path, "--format", "csv"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_NE(csv.out.find(",1000,37.525000,126.980000,50.0\n"), std::string::npos) << csv.out;
    EXPECT_NE(csv.out.find("2016-01-21T08:36:00.000Z,2000,-37.525000,-126.980000,50.0\n"),
              std::string::npos)
        << csv.out;

    const auto json = tool({"telemetry", path});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_NE(json.out.find("\"gsensors\":[[-1,0.5,0],"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("{\"utc\":null,\"ns\":\"N\",\"ew\":\"E\",\"hdop\":0.8999999761581421,"
                            "\"satellites\":8,"),
              std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("\"utc\":\"2016-01-21T08:36:00.000Z\",\"ns\":\"S\",\"ew\":\"W\""),
              std::string::npos);
    // Each sample carries the GPS record it is lined up with: the first for
    // two samples, then the second.
    const std::string first = "{\"timestamp\":1000,\"latitude\":3731.5,\"longitude\":12658.8,"
                              "\"speed\":50,\"unit\":\"km/h\"}";
    EXPECT_NE(json.out.find("\"gps\":[" + first + "," + first + ",{\"timestamp\":2000,"),
              std::string::npos)
        << json.out;
}

// The first point has no time yet: GPX leaves <time> out, and KML draws a
// plain line, which gpsbabel reads back as a track.
TEST(ZorvaTool, GpxCarriesTheFixQualityAndKmlReadsBackInGpsbabel) {
    TemporaryDirectory dir;
    const auto path = writeSouthWestRecording(dir).string();

    const auto gpx = tool({"telemetry", path, "--format", "gpx"});
    ASSERT_EQ(gpx.exitCode, 0) << gpx.err;
    EXPECT_NE(gpx.out.find("lon=\"126.9800000\"><sat>8</sat><hdop>0.90</hdop><extensions>"),
              std::string::npos)
        << gpx.out;
    EXPECT_NE(gpx.out.find("<time>2016-01-21T08:36:00.000Z</time><sat>8</sat><hdop>0.90</hdop>"
                           "<extensions>"),
              std::string::npos)
        << gpx.out;

    const auto kml = tool({"telemetry", path, "--format", "kml"});
    ASSERT_EQ(kml.exitCode, 0) << kml.err;
    const auto file = dir.write("drive.kml", kml.out);
    const auto read = ProgramRun::run(
        {"gpsbabel", "-t", "-i", "kml", "-f", file.string(), "-o", "unicsv", "-F", "-"});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_NE(read.out.find("\n1,37.525000,126.980000,"), std::string::npos) << read.out;
    EXPECT_NE(read.out.find("\n2,-37.525000,-126.980000,"), std::string::npos) << read.out;
}

TEST(ZorvaTool, CatalogueJsonDescribesOddNames) {
    TemporaryDirectory dir;
    dir.write("abcd_20160108_123456_F.avi");
    dir.write("alwa_20161308_123456_R.AVI");
    dir.write("event_20160108_123456_F.avi");
    dir.write("notes.txt");
    const auto run = tool({"catalogue", dir.path().string(), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string base = dir.path().string();
    EXPECT_EQ(run.out, "[{\"file\":\"abcd_20160108_123456_F.avi\",\"path\":\"" + base +
                           "/abcd_20160108_123456_F.avi\",\"mode\":\"always\",\"side\":\"front\","
                           "\"time\":\"00000000000000\",\"group\":\"abcd_20160108_123456\"},"
                           "{\"file\":\"alwa_20161308_123456_R.AVI\",\"path\":\"" +
                           base +
                           "/alwa_20161308_123456_R.AVI\",\"mode\":\"always\",\"side\":\"unknown\","
                           "\"time\":\"00000000000000\",\"group\":\"alwa_20161308_123456\"},"
                           "{\"file\":\"event_20160108_123456_F.avi\",\"path\":\"" +
                           base +
                           "/event_20160108_123456_F.avi\",\"mode\":\"event\",\"side\":\"front\","
                           "\"time\":\"20160108123456\",\"group\":\"event_20160108_123456\"}]\n");
}

TEST(ZorvaTool, ReportsBadInputWithOneLineAndBadUsageWithExitTwo) {
    TemporaryDirectory dir;
    const auto text = dir.write("a.avi", "RIFX0000AVI ").string();

    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"telemetry", text},
             {"telemetry", (dir.path() / "missing.avi").string()},
             {"catalogue", text},
         }) {
        const auto run = tool(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments[0];
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {},
             {"frobnicate"},
             {"telemetry", text, "--format", "kmz"},
             {"catalogue", dir.path().string(), "--jsn"},
         }) {
        EXPECT_EQ(tool(arguments).exitCode, 2);
    }
    for (const std::string command : {"catalogue", "telemetry", "sample-card"}) {
        const auto help = tool({command, "--help"});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_NE(help.out.find("usage: zorva-tool " + command), std::string::npos);
    }
}

TEST(ZorvaTool, ReadoutGivesTheWindowsTextsAtAPosition) {
    TemporaryDirectory dir;
    const auto path = writeSouthWestRecording(dir).string();

    const auto start = tool({"readout", path, "0"});
    ASSERT_EQ(start.exitCode, 0) << start.err;
    EXPECT_EQ(start.out, "x\tX=-1.00\ny\tY=+0.50\nz\tZ=0.00\nspeed\t50 Km/h\nhdop\t0.9\n"
                         "satellites\t8\nlatitude\t37.525000\nlongitude\t126.980000\n");

    // Past the end and below zero both show the last moment, south and west.
    for (const char* position : {"1", "-0.5", "7e3"}) {
        const auto end = tool({"readout", path, position, "--json"});
        ASSERT_EQ(end.exitCode, 0) << end.err;
        EXPECT_EQ(end.out, "{\"x\":\"X=-1.00\",\"y\":\"Y=+0.50\",\"z\":\"Z=0.00\","
                           "\"speed\":\"50 Km/h\",\"hdop\":\"0.9\",\"satellites\":\"8\","
                           "\"latitude\":\"-37.525000\",\"longitude\":\"-126.980000\"}\n")
            << position;
    }

    const auto bare = dir.path() / "alwa_20240305_190810_F.avi";
    ASSERT_FALSE(ZRVAviFileWriter(bare, {}).finish().has_value());
    const auto empty = tool({"readout", bare.string(), "0.5", "--json"});
    ASSERT_EQ(empty.exitCode, 0) << empty.err;
    EXPECT_EQ(empty.out,
              "{\"x\":\"X=+0.00\",\"y\":\"Y=+0.00\",\"z\":\"Z=+0.00\",\"speed\":\"\","
              "\"hdop\":\"\",\"satellites\":\"\",\"latitude\":null,\"longitude\":null}\n");

    for (const char* position : {"half", "nan", "inf", "0.5x", ""}) {
        EXPECT_EQ(tool({"readout", path, position}).exitCode, 2) << position;
    }
    const auto unreadable = tool({"readout", dir.write("x.avi", "not a riff").string(), "0.5"});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_NE(unreadable.err.find("not a readable AVI recording"), std::string::npos);
}
