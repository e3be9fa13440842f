#include "recording/AviRecords.h"
#include "recording/ZRVAviFileWriter.h"
#include "support/ProgramRun.h"
#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <regex>

namespace {

const std::string kTool = ZORVA_TOOL_PATH;

ProgramRun tool(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), kTool);
    return ProgramRun::run(arguments);
}

std::size_t occurrences(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

std::vector<std::string> matches(const std::string& text, const std::string& pattern) {
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
         ++it) {
        found.push_back((*it)[1]);
    }
    return found;
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

class ZorvaToolOnDemoCard : public ::testing::Test {
protected:
    static constexpr int kMoments = 4;
    static constexpr int kSeconds = 3;

    static void SetUpTestSuite() {
        s_card = new TemporaryDirectory;
        const auto run =
            tool({"sample-card", s_card->path().string(), "--moments", std::to_string(kMoments),
                  "--seconds", std::to_string(kSeconds), "--seed", "7"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }
    static void TearDownTestSuite() {
        delete s_card;
        s_card = nullptr;
    }

    static std::string firstFrontRecording() {
        std::vector<std::string> fronts;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(s_card->path())) {
            if (entry.path().filename().string().ends_with("_F.avi")) {
                fronts.push_back(entry.path().string());
            }
        }
        std::sort(fronts.begin(), fronts.end());
        return fronts.empty() ? std::string() : fronts.front();
    }

    static TemporaryDirectory* s_card;
};

TemporaryDirectory* ZorvaToolOnDemoCard::s_card = nullptr;

} // namespace

TEST_F(ZorvaToolOnDemoCard, CatalogueListsBothSidesOfEveryMomentInTimeOrder) {
    const auto run = tool({"catalogue", s_card->path().string(), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(occurrences(run.out, "\"side\":\"front\""), std::size_t{kMoments});
    EXPECT_EQ(occurrences(run.out, "\"side\":\"rear\""), std::size_t{kMoments});

    const auto groups = matches(run.out, "\"group\":\"([^\"]+)\"");
    ASSERT_EQ(groups.size(), std::size_t{2 * kMoments});
    for (std::size_t i = 0; i < groups.size(); i += 2) {
        EXPECT_EQ(groups[i], groups[i + 1]) << "front and rear of a moment are listed together";
    }
    const auto times = matches(run.out, "\"time\":\"([0-9]{14})\"");
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));
    EXPECT_EQ(occurrences(run.out, "\"time\":\"00000000000000\""), 0u);
}

TEST_F(ZorvaToolOnDemoCard, TelemetryHasTenSamplesAndOneGpsRecordPerSecond) {
    const auto run = tool({"telemetry", firstFrontRecording()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto samples = occurrences(run.out, "],[") + 1;
    EXPECT_EQ(samples, std::size_t{kSeconds * 10});
    const auto lined = occurrences(run.out, "\"unit\":\"km/h\"");
    EXPECT_GT(lined, 0u);
    EXPECT_LE(lined, samples);
    // RMC, GGA and the GPS and GLONASS GSA of every second.
    EXPECT_EQ(occurrences(run.out, "\"utc\":"), std::size_t{kSeconds * 4});
}

TEST_F(ZorvaToolOnDemoCard, GpxTrackReadsBackThroughGpsbabel) {
    const auto gpx = tool({"telemetry", firstFrontRecording(), "--format", "gpx"});
    ASSERT_EQ(gpx.exitCode, 0) << gpx.err;
    EXPECT_EQ(occurrences(gpx.out, "<trkpt "), std::size_t{kSeconds});

    TemporaryDirectory dir;
    const auto file = dir.write("track.gpx", gpx.out);
    const auto csv = ProgramRun::run(
        {"gpsbabel", "-t", "-i", "gpx", "-f", file.string(), "-o", "unicsv", "-F", "-"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    // A header line and one line per point, each in the city of the drive.
    const auto latitudes = matches(csv.out, "\n[0-9]+,(3[0-9]\\.[0-9]+),");
    EXPECT_EQ(latitudes.size(), std::size_t{kSeconds}) << csv.out;
}

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
        EXPECT_EQ(occurrences(run.err, "\n"), 1u) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {},
             {"frobnicate"},
             {"telemetry"},
             {"telemetry", text, "--format", "kml"},
             {"catalogue", dir.path().string(), "--jsn"},
             {"sample-card", dir.path().string(), "--moments", "0"},
         }) {
        EXPECT_EQ(tool(arguments).exitCode, 2);
    }
    for (const std::string command : {"catalogue", "telemetry", "sample-card"}) {
        const auto help = tool({command, "--help"});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_NE(help.out.find("usage: zorva-tool " + command), std::string::npos);
    }
}
