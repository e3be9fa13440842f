#include "card/ZRVClockFile.h"
#include "recording/ZRVBlackBoxData.h"
#include "records/ZRVDriveRecordFile.h"
#include "settings/SettingFile.h"
#include "support/ProgramRun.h"
#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
constexpr int kMoments = 3;
constexpr int kSeconds = 3;
constexpr int kFramesPerSecond = 30;

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ProgramRun zorvaTool(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), ZORVA_TOOL_PATH);
    return ProgramRun::run(arguments);
}

// The first group of every match of the pattern.
std::vector<std::string> matches(const std::string& text, const std::string& pattern) {
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
         ++it) {
        found.push_back((*it)[1]);
    }
    return found;
}

// In time order, each front before its rear: the names sort that way once the
// mode prefix is set aside.
std::vector<fs::path> recordingsIn(const fs::path& card) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::recursive_directory_iterator(card)) {
        if (entry.path().extension() == ".avi") {
            found.push_back(entry.path());
        }
    }
    const auto moment = [](const fs::path& file) {
        return file.filename().string().substr(file.filename().string().find('_'));
    };
    std::sort(found.begin(), found.end(),
              [&](const fs::path& a, const fs::path& b) { return moment(a) < moment(b); });
    return found;
}

// Wall-clock time counted as if it were UTC, so that seconds can be added
// across midnight.
std::chrono::sys_seconds momentOf(int year, int month, int day, int hour, int minute, int second) {
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    return std::chrono::sys_days{date} + std::chrono::hours{hour} + std::chrono::minutes{minute} +
           std::chrono::seconds{second};
}

// From the yyyymmdd_hhmiss in the recording's name.
std::chrono::sys_seconds startOf(const fs::path& recording) {
    const std::string name = recording.stem().string();
    const auto number = [&](std::size_t at, std::size_t size) {
        return std::stoi(name.substr(name.size() - 17 + at, size));
    };
    return momentOf(number(0, 4), number(4, 2), number(6, 2), number(9, 2), number(11, 2),
                    number(13, 2));
}

bool isFront(const fs::path& recording) {
    return recording.stem().string().ends_with("_F");
}

// The frame number band of a greyscale picture, read at the centre of each
// 16-pixel cell: 22 cells from x = 16 in the band that starts at the last
// 16-pixel row at least 24 pixels above the bottom; guard 101, 16 bits, guard 101.
std::optional<int> frameNumberIn(std::string_view grey, int width) {
    const int height = static_cast<int>(grey.size()) / width;
    const int y = ((height - 24) / 16 * 16 + height) / 2;
    const auto white = [&](int cell) {
        return static_cast<unsigned char>(
                   grey[static_cast<std::size_t>(y * width + 24 + cell * 16)]) > 128;
    };
    for (const int guard : {0, 19}) {
        if (!white(guard) || white(guard + 1) || !white(guard + 2)) {
            return std::nullopt;
        }
    }
    int number = 0;
    for (int bit = 0; bit < 16; ++bit) {
        number = number * 2 + (white(3 + bit) ? 1 : 0);
    }
    return number;
}

bool checksumHolds(const std::string& sentence) {
    const auto star = sentence.find('*');
    if (sentence.empty() || sentence[0] != '$' || star == std::string::npos) {
        return false;
    }
    unsigned sum = 0;
    for (std::size_t i = 1; i < star; ++i) {
        sum ^= static_cast<unsigned char>(sentence[i]);
    }
    return std::stoul(sentence.substr(star + 1), nullptr, 16) == sum;
}

class SampleCard : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_card = std::make_unique<TemporaryDirectory>();
        const ProgramRun written = writeCard();
        ASSERT_EQ(written.exitCode, 0) << written.err;
        s_summary = written.out;
    }
    static void TearDownTestSuite() { s_card.reset(); }

    static ProgramRun writeCard() {
        return zorvaTool({"sample-card", s_card->path().string(), "--moments",
                          std::to_string(kMoments), "--seconds", std::to_string(kSeconds), "--seed",
                          "7"});
    }
    static const fs::path& card() { return s_card->path(); }

    static inline std::unique_ptr<TemporaryDirectory> s_card;
    static inline std::string s_summary;
};

} // namespace

TEST_F(SampleCard, WritesBothCamerasOfEachMomentBackToBackAsTheCataloguePairsThem) {
    const auto recordings = recordingsIn(card());
    ASSERT_EQ(recordings.size(), 2u * kMoments);
    const std::regex name(R"((alwa|motion|event)_\d{8}_\d{6}_([FR])\.avi)");
    int events = 0;
    for (std::size_t i = 0; i < recordings.size(); ++i) {
        std::smatch parts;
        const std::string file = recordings[i].filename().string();
        ASSERT_TRUE(std::regex_match(file, parts, name)) << file;
        EXPECT_EQ(parts[2], i % 2 == 0 ? "F" : "R") << "front and rear of each moment";
        events += i % 2 == 0 && parts[1] == "event";
        if (i >= 2 && i % 2 == 0) {
            EXPECT_EQ(startOf(recordings[i]) - startOf(recordings[i - 2]),
                      std::chrono::seconds{kSeconds})
                << file;
        }
    }
    EXPECT_GE(events, 1);
    EXPECT_NE(s_summary.find(std::to_string(2 * kMoments) + " recordings"), std::string::npos)
        << s_summary;
    EXPECT_EQ(std::count(s_summary.begin(), s_summary.end(), '\n'), 1);

    // The viewer's catalogue pairs the two sides of each moment, in time order.
    const auto run = zorvaTool({"catalogue", card().string(), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto groups = matches(run.out, "\"group\":\"([^\"]+)\"");
    ASSERT_EQ(groups.size(), std::size_t{2 * kMoments});
    for (std::size_t i = 0; i < groups.size(); i += 2) {
        EXPECT_EQ(groups[i], groups[i + 1]) << "front and rear of a moment are listed together";
    }
    const auto times = matches(run.out, "\"time\":\"([0-9]{14})\"");
    ASSERT_EQ(times.size(), std::size_t{2 * kMoments});
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));
}

TEST_F(SampleCard, RecordingsDecodeAsMjpegWithFrontSoundAndReadableFrameNumbers) {
    const auto recordings = recordingsIn(card());
    for (const fs::path& recording : recordings) {
        const ProgramRun probe =
            ProgramRun::run({"ffprobe", "-v", "error", "-of", "json", "-show_entries",
                             "stream=codec_type,codec_name:format=duration", recording.string()});
        ASSERT_EQ(probe.exitCode, 0) << probe.err;
        const std::string& json = probe.out;
        EXPECT_NE(json.find("\"codec_name\": \"mjpeg\""), std::string::npos) << json;
        EXPECT_EQ(json.find("\"codec_type\": \"audio\"") != std::string::npos, isFront(recording))
            << recording;
        const auto at = json.find("\"duration\": \"");
        ASSERT_NE(at, std::string::npos) << json;
        EXPECT_NEAR(std::stod(json.substr(at + 13)), kSeconds, 1.0 / kFramesPerSecond) << recording;
    }

    static_assert(kSeconds * kFramesPerSecond - 1 == 89);
    const std::vector<int> frames = {0, 47, 89};
    for (const fs::path& recording : {recordings.front(), recordings.back()}) {
        const ProgramRun decoded =
            ProgramRun::run({"ffmpeg", "-v", "error", "-i", recording.string(), "-vf",
                             "select=eq(n\\,0)+eq(n\\,47)+eq(n\\,89)", "-fps_mode", "passthrough",
                             "-f", "rawvideo", "-pix_fmt", "gray", "-"});
        ASSERT_EQ(decoded.exitCode, 0) << decoded.err;
        const std::string_view pictures = decoded.out;
        const std::size_t size = pictures.size() / frames.size();
        for (std::size_t i = 0; i < frames.size(); ++i) {
            EXPECT_EQ(
                frameNumberIn(pictures.substr(i * size, size), isFront(recording) ? 640 : 480),
                frames[i])
                << recording << " frame " << frames[i];
        }
    }
}

TEST_F(SampleCard, TelemetryReadsBackAsOneGpsFixASecondAndTenSamples) {
    const auto recordings = recordingsIn(card());
    std::optional<std::uint32_t> previousStamp;
    for (std::size_t i = 0; i < recordings.size(); i += 2) {
        ZRVBlackBoxData front;
        ZRVBlackBoxData rear;
        ASSERT_TRUE(front.extractStreamInformation(recordings[i].c_str()));
        ASSERT_TRUE(rear.extractStreamInformation(recordings[i + 1].c_str()));
        EXPECT_EQ(front.gSensorData(), rear.gSensorData()) << "front and rear share telemetry";
        EXPECT_EQ(front.gpsRecords(), rear.gpsRecords());

        const auto& samples = front.gSensorData();
        ASSERT_EQ(samples.size(), std::size_t{kSeconds * 10});
        for (const auto& sample : samples) {
            if (previousStamp) {
                EXPECT_EQ(sample.record().timestamp, *previousStamp + 100) << "10 per second";
            }
            previousStamp = sample.record().timestamp;
        }
        EXPECT_EQ(front.gpsData().size(), samples.size())
            << "a fix arrives with the last sample of its second, so every sample is covered";

        float strongest = 0;
        for (const ZRVGSensor& g : front.gSensors()) {
            strongest = std::max({strongest, std::abs(g.x), std::abs(g.y), std::abs(g.z - 1)});
        }
        EXPECT_EQ(strongest > 2, recordings[i].filename().string().starts_with("event_"))
            << recordings[i] << " peaks at " << strongest << " g";

        ASSERT_EQ(front.gpsRecords().size(), std::size_t{kSeconds});
        for (std::size_t r = 0; r < kSeconds; ++r) {
            const _AVI_GPS_DATA_T fix = front.gpsRecords()[r].record();
            EXPECT_EQ(fix.nTimestamp, samples[10 * r + 9].record().timestamp);

            const std::string text(fix.RawData.data(), fix.nLen);
            for (auto at = text.find('$'); at != std::string::npos; at = text.find('$', at + 1)) {
                const std::string sentence =
                    text.substr(at, text.find_first_of(std::string("\r\n\0", 3), at) - at);
                EXPECT_TRUE(checksumHolds(sentence)) << sentence;
            }
            // RMC, GGA, then the GSA of GPS and of GLONASS.
            ASSERT_EQ(front.fixCountAfterGpsRecord()[r], 4 * (r + 1));
            const ZRVGpsData& afterGga = front.nmeaFixes()[4 * r + 1];
            const ZRVGpsData& afterAll = front.nmeaFixes()[4 * r + 3];
            EXPECT_NEAR(afterAll.Latitude, fix.fLatitude, 1e-3);
            EXPECT_NEAR(afterAll.Longitude, fix.fLongitude, 1e-3);
            EXPECT_NEAR(afterAll.SpeedOverGround * 1.852, fix.fSpeed, 0.6) << "knots and km/h";
            EXPECT_EQ(afterGga.SatelliteUsedCount, afterAll.SatelliteUsedCount)
                << "GGA counts the satellites that the two GSA list";
        }
    }
}

TEST_F(SampleCard, GpxAndKmlTracksOfARecordingHaveATimedPointASecondThatGpsbabelReads) {
    const std::string front = recordingsIn(card()).front().string();
    for (const std::string format : {"gpx", "kml"}) {
        const auto track = zorvaTool({"telemetry", front, "--format", format});
        ASSERT_EQ(track.exitCode, 0) << track.err;
        const TemporaryDirectory dir;
        const auto file = dir.write("track." + format, track.out);
        const auto csv = ProgramRun::run(
            {"gpsbabel", "-t", "-i", format, "-f", file.string(), "-o", "unicsv", "-F", "-"});
        ASSERT_EQ(csv.exitCode, 0) << csv.err;
        // A header line and one line per point, each in the city of the drive
        // and with its date.
        const auto latitudes = matches(csv.out, "\n[0-9]+,(3[0-9]\\.[0-9]+),.*,20[0-9]{2}/");
        EXPECT_EQ(latitudes.size(), std::size_t{kSeconds}) << format << "\n" << csv.out;
        if (format == "gpx") {
            EXPECT_EQ(csv.out.rfind("No,Latitude,Longitude,HDOP,Satellites,", 0), 0u) << csv.out;
        }
    }
}

TEST_F(SampleCard, SettingsDriveLogAndClockFileFollowTheRecordings) {
    _FILEDATA settings;
    ASSERT_TRUE(readSettingFile(card() / "config.bin", settings));
    _FILEDATA factory = factorySettingsRecord();
    factory.time_gmt = 28;
    factory.checksum = computeSettingChecksum(factory);
    EXPECT_EQ(settings.toBytes(), factory.toBytes()) << "factory values in UTC+09:00";
    const auto clockCheck = zorvaTool({"clock-check", card().string()});
    EXPECT_EQ(clockCheck.exitCode, 0) << clockCheck.err;
    EXPECT_TRUE(clockCheck.out.starts_with("The camera's clock agrees with GPS time"))
        << clockCheck.out;

    const auto recordings = recordingsIn(card());
    const std::string log = readText(card() / "DrvInfo" / "tavu_000.drv");
    ZRVDriveRecordFile file;
    ASSERT_EQ(file.readBytes({reinterpret_cast<const unsigned char*>(log.data()), log.size()}),
              std::nullopt);
    ASSERT_EQ(file.numberOfRows(), kMoments * kSeconds);
    EXPECT_EQ(file.headerCount(), std::uint32_t{kMoments * kSeconds});
    const ZRVDriveRecord start = *file.record(0);
    const auto firstStart = startOf(recordings.front());
    EXPECT_EQ(momentOf(start.yearSince1900 + 1900, start.month, start.day, start.hour, start.minute,
                       start.second),
              firstStart);
    EXPECT_EQ(start.weekday,
              std::chrono::weekday{std::chrono::floor<std::chrono::days>(firstStart)}.c_encoding());
    for (long row = 0; row < file.numberOfRows(); ++row) {
        EXPECT_EQ(file.record(row)->sequenceNumber, row + 1);
    }

    const std::string clock = readText(card() / "timeset.cfg");
    EXPECT_TRUE(std::regex_match(clock, std::regex(R"(\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2})")))
        << clock;
    const auto set = ZRVClockFile::dateTimeFromText(clock);
    ASSERT_TRUE(set.has_value()) << clock;
    EXPECT_EQ(momentOf(set->year, set->month, set->day, set->hour, set->minute, set->second),
              startOf(recordings.back()) + std::chrono::seconds{kSeconds})
        << "the clock runs on from the end of the last recording";
}

TEST_F(SampleCard, WritingAgainReplacesEveryFileWithTheSameBytes) {
    // Contents and inode of every file.
    const auto files = [] {
        std::map<fs::path, std::pair<std::string, ino_t>> found;
        for (const auto& entry : fs::recursive_directory_iterator(card())) {
            struct stat status {};
            if (entry.is_regular_file() && stat(entry.path().c_str(), &status) == 0) {
                found[entry.path()] = {readText(entry.path()), status.st_ino};
            }
        }
        return found;
    };
    const auto before = files();
    const ProgramRun again = writeCard();
    ASSERT_EQ(again.exitCode, 0) << again.err;
    const auto after = files();
    EXPECT_EQ(after.size(), before.size());
    for (const auto& [path, file] : after) {
        ASSERT_TRUE(before.contains(path)) << "left behind: " << path;
        EXPECT_NE(file.second, before.at(path).second) << "not replaced: " << path;
        EXPECT_TRUE(file.first == before.at(path).first) << "differs: " << path;
    }
}

TEST(SampleCardCommand, RefusesBadUsageAndAFolderItCannotWrite) {
    const TemporaryDirectory dir;
    const std::string target = (dir.path() / "card").string();
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"sample-card"},
                                               {"sample-card", target, "--moments", "0"},
                                               {"sample-card", target, "--moments", "501"},
                                               {"sample-card", target, "--speed", "2"},
                                               {"sample-card", target, "extra"}}) {
        const ProgramRun result = zorvaTool(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.back();
        EXPECT_NE(result.err.find("usage:"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(target)) << "nothing is written on bad usage";

    const fs::path file = dir.write("not-a-folder", "kept");
    const ProgramRun result =
        zorvaTool({"sample-card", (file / "card").string(), "--moments", "1", "--seconds", "1"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_NE(result.err.find("not-a-folder"), std::string::npos) << result.err;
    EXPECT_EQ(readText(file), "kept");
    EXPECT_TRUE(result.out.empty());
}

TEST(SampleCardCommand, StartsTheWriterFromTheToolsOwnFolderOnlyAndSaysWhenItIsMissing) {
    const fs::path buildFolder = fs::path(ZORVA_TOOL_PATH).parent_path();
    const ProgramRun direct = ProgramRun::run({(buildFolder / "zorva-sample-card").string()});
    EXPECT_EQ(direct.exitCode, 2);
    EXPECT_NE(direct.err.find("usage: zorva-sample-card DIR"), std::string::npos) << direct.err;

    // A zorva-tool without the writer beside it, while one is on PATH.
    const TemporaryDirectory dir;
    const fs::path lone = dir.path() / "bin" / "zorva-tool";
    fs::create_directories(lone.parent_path());
    fs::copy_file(ZORVA_TOOL_PATH, lone);
    const std::string path = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    setenv("PATH", (buildFolder.string() + ":" + path).c_str(), 1);
    const fs::path target = dir.path() / "card";
    const ProgramRun result = ProgramRun::run({lone.string(), "sample-card", target.string()});
    setenv("PATH", path.c_str(), 1);

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_NE(result.err.find("zorva-sample-card: it is missing"), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(target));
}
