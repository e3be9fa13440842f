#include "card/ZRVClockFile.h"
#include "recording/AviRecords.h"
#include "recording/ByteOrder.h"
#include "records/ZRVDriveRecordFile.h"
#include "settings/_FILEDATA.h"
#include "support/ProgramRun.h"
#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
constexpr int kMoments = 3;
constexpr int kSeconds = 3;
constexpr int kFramesPerSecond = 30;

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<unsigned char> readBytes(const fs::path& path) {
    const std::string text = readText(path);
    return {text.begin(), text.end()};
}

ProgramRun sampleCard(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {ZORVA_TOOL_PATH, "sample-card"});
    return ProgramRun::run(arguments);
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
    std::sort(found.begin(), found.end(), [](const fs::path& a, const fs::path& b) {
        return a.filename().string().substr(a.filename().string().find('_')) <
               b.filename().string().substr(b.filename().string().find('_'));
    });
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
    const std::string stamp = name.substr(name.size() - 17, 15);
    const auto number = [&](std::size_t at, std::size_t size) {
        return std::stoi(stamp.substr(at, size));
    };
    return momentOf(number(0, 4), number(4, 2), number(6, 2), number(9, 2), number(11, 2),
                    number(13, 2));
}

bool isFront(const fs::path& recording) {
    return recording.stem().string().ends_with("_F");
}

// Pictures of the given frames, decoded by ffmpeg in one run.
std::vector<fs::path> extractFrames(const fs::path& recording, const std::vector<int>& frames,
                                    const fs::path& scratch) {
    std::string select;
    for (const int frame : frames) {
        select += (select.empty() ? "select=" : "+") + ("eq(n\\," + std::to_string(frame) + ")");
    }
    const std::string stem = recording.stem().string();
    const ProgramRun decoded = ProgramRun::run(
        {"ffmpeg", "-v", "error", "-i", recording.string(), "-vf", select, "-fps_mode",
         "passthrough", "-c:v", "ppm", "-y", (scratch / (stem + "-%d.ppm")).string()});
    EXPECT_EQ(decoded.exitCode, 0) << decoded.err;
    std::vector<fs::path> pictures;
    for (std::size_t i = 1; i <= frames.size(); ++i) {
        pictures.push_back(scratch / (stem + "-" + std::to_string(i) + ".ppm"));
    }
    return pictures;
}

// The frame number band: black from the first 16-pixel row at least 24 pixels
// above the bottom; 22 cells of 16 pixels from x = 16, guard 101, 16 bits MSB
// first, guard 101, white = 1.
std::optional<int> frameNumberIn(const fs::path& picture) {
    std::istringstream in(readText(picture));
    std::string magic;
    int width = 0;
    int height = 0;
    int maximum = 0;
    in >> magic >> width >> height >> maximum;
    in.get();
    const std::string pixels(std::istreambuf_iterator<char>(in), {});
    if (magic != "P6" || pixels.size() < static_cast<std::size_t>(width * height * 3)) {
        ADD_FAILURE() << "not a PPM picture";
        return std::nullopt;
    }
    const int bandTop = (height - 24) / 16 * 16;
    std::vector<bool> cells;
    for (int cell = 0; cell < 22; ++cell) {
        long sum = 0;
        int count = 0;
        for (int y = bandTop + 4; y < height - 4; ++y) {
            for (int x = 16 + cell * 16 + 4; x < 16 + cell * 16 + 12; ++x) {
                sum += static_cast<unsigned char>(
                    pixels[static_cast<std::size_t>(y * width + x) * 3 + 1]);
                ++count;
            }
        }
        cells.push_back(sum / count > 128);
    }
    const std::vector<bool> guard = {true, false, true};
    if (!std::equal(guard.begin(), guard.end(), cells.begin()) ||
        !std::equal(guard.begin(), guard.end(), cells.begin() + 19)) {
        return std::nullopt;
    }
    int number = 0;
    for (int bit = 0; bit < 16; ++bit) {
        number = number * 2 + (cells[3 + static_cast<std::size_t>(bit)] ? 1 : 0);
    }
    return number;
}

// The "02sb" chunks of a recording, found through its index the way the
// camera's readers find them: 'movi' size at 14136, index right after it.
std::vector<std::vector<unsigned char>> dataRecordsOf(const fs::path& recording) {
    const std::vector<unsigned char> bytes = readBytes(recording);
    std::vector<std::vector<unsigned char>> records;
    std::size_t entry = ByteOrder::readLE32(&bytes[14136]) + 14148;
    for (; entry + 16 <= bytes.size(); entry += 16) {
        if (std::string(bytes.begin() + static_cast<long>(entry),
                        bytes.begin() + static_cast<long>(entry) + 4) != "02sb") {
            continue;
        }
        const std::size_t at = ByteOrder::readLE32(&bytes[entry + 8]) + 14148;
        const std::size_t size = ByteOrder::readLE32(&bytes[entry + 12]);
        records.emplace_back(bytes.begin() + static_cast<long>(at),
                             bytes.begin() + static_cast<long>(at + size));
    }
    return records;
}

template <typename Record> Record decode(const std::vector<unsigned char>& bytes) {
    typename Record::Bytes raw{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), raw.size()), raw.begin());
    return Record::fromBytes(raw);
}

std::vector<std::string> sentencesOf(const _AVI_GPS_DATA_T& record) {
    const std::string text(record.RawData.data(), record.nLen);
    std::vector<std::string> sentences;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        sentences.push_back(text.substr(start, end - start));
    }
    return sentences;
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

// The comma-separated fields before the checksum, empty ones included.
std::vector<std::string> fieldsOf(const std::string& sentence) {
    const std::string body = sentence.substr(0, sentence.find('*'));
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = body.find(',', start);
        fields.push_back(body.substr(start, comma - start));
        if (comma == std::string::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

class SampleCard : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_card = std::make_unique<TemporaryDirectory>();
        const ProgramRun written =
            sampleCard({s_card->path().string(), "--moments", std::to_string(kMoments), "--seconds",
                        std::to_string(kSeconds), "--seed", "7"});
        ASSERT_EQ(written.exitCode, 0) << written.err;
        s_summary = written.out;
    }
    static void TearDownTestSuite() { s_card.reset(); }

    static const fs::path& card() { return s_card->path(); }

    static inline std::unique_ptr<TemporaryDirectory> s_card;
    static inline std::string s_summary;
};

} // namespace

TEST_F(SampleCard, WritesBothCamerasOfEachMomentBackToBackInModeFolders) {
    const auto recordings = recordingsIn(card());
    ASSERT_EQ(recordings.size(), 2u * kMoments);
    const std::regex name(R"((alwa|motion|event)_(\d{8})_(\d{2})(\d{2})(\d{2})_([FR])\.avi)");
    const std::map<std::string, std::string> folderOf = {
        {"alwa", "ALWAYS"}, {"motion", "MOTION"}, {"event", "EVENT"}};
    int events = 0;
    int previousSecond = -1;
    for (std::size_t i = 0; i < recordings.size(); ++i) {
        std::smatch parts;
        const std::string file = recordings[i].filename().string();
        ASSERT_TRUE(std::regex_match(file, parts, name)) << file;
        EXPECT_EQ(recordings[i].parent_path().filename(), folderOf.at(parts[1]));
        EXPECT_EQ(parts[6], i % 2 == 0 ? "F" : "R") << "front and rear of each moment";
        const int second =
            std::stoi(parts[3]) * 3600 + std::stoi(parts[4]) * 60 + std::stoi(parts[5]);
        if (i % 2 == 0) {
            events += parts[1] == "event";
            if (previousSecond >= 0) {
                EXPECT_EQ(second - previousSecond, kSeconds) << file;
            }
            previousSecond = second;
        }
    }
    EXPECT_GE(events, 1);
    EXPECT_NE(s_summary.find(std::to_string(2 * kMoments) + " recordings"), std::string::npos)
        << s_summary;
    EXPECT_EQ(std::count(s_summary.begin(), s_summary.end(), '\n'), 1);
}

TEST_F(SampleCard, RecordingsPlayAsMjpegWithSoundOnlyFromTheFront) {
    for (const fs::path& recording : recordingsIn(card())) {
        const ProgramRun probe = ProgramRun::run(
            {"ffprobe", "-v", "error", "-of", "json", "-show_entries",
             "stream=codec_type,codec_name,width:format=duration", recording.string()});
        ASSERT_EQ(probe.exitCode, 0) << probe.err;
        const std::string& json = probe.out;
        EXPECT_NE(json.find("\"codec_name\": \"mjpeg\""), std::string::npos) << json;
        const bool hasAudio = json.find("\"codec_type\": \"audio\"") != std::string::npos;
        EXPECT_EQ(hasAudio, isFront(recording)) << recording;
        EXPECT_NE(json.find(isFront(recording) ? "\"width\": 640" : "\"width\": 480"),
                  std::string::npos);
        const auto at = json.find("\"duration\": \"");
        ASSERT_NE(at, std::string::npos) << json;
        EXPECT_NEAR(std::stod(json.substr(at + 13)), kSeconds, 1.0 / kFramesPerSecond) << recording;
    }
}

TEST_F(SampleCard, EveryFrameShowsItsIndexInTheCodeBand) {
    const auto recordings = recordingsIn(card());
    const TemporaryDirectory scratch;
    const std::vector<int> frames = {0, 47, kSeconds * kFramesPerSecond - 1};
    for (const fs::path& recording : {recordings.front(), recordings.back()}) {
        const auto pictures = extractFrames(recording, frames, scratch.path());
        for (std::size_t i = 0; i < frames.size(); ++i) {
            EXPECT_EQ(frameNumberIn(pictures[i]), frames[i]) << pictures[i];
        }
    }
}

TEST_F(SampleCard, TelemetryHasOneGpsFixASecondAndTenGSensorSamples) {
    std::optional<std::uint32_t> previousStamp;
    const auto recordings = recordingsIn(card());
    for (std::size_t i = 0; i < recordings.size(); i += 2) {
        const auto records = dataRecordsOf(recordings[i]);
        EXPECT_EQ(records, dataRecordsOf(recordings[i + 1])) << "front and rear share telemetry";
        int fixes = 0;
        int samples = 0;
        for (std::size_t r = 0; r < records.size(); ++r) {
            if (records[r].size() == _AVI_GSENSOR_DATA_T::kSize) {
                const auto sample = decode<_AVI_GSENSOR_DATA_T>(records[r]);
                EXPECT_EQ(sample.header, kAviGSensorRecordTag);
                EXPECT_NE(sample.timestamp, 0u);
                if (previousStamp) {
                    EXPECT_EQ(sample.timestamp, *previousStamp + 100) << "one clock, 10 per second";
                }
                previousStamp = sample.timestamp;
                ++samples;
                continue;
            }
            ASSERT_EQ(records[r].size(), _AVI_GPS_DATA_T::kSize);
            ASSERT_LT(r + 1, records.size());
            const auto fix = decode<_AVI_GPS_DATA_T>(records[r]);
            ++fixes;
            EXPECT_EQ(fix.header, kAviGpsRecordTag);
            EXPECT_EQ(fix.nTimestamp, decode<_AVI_GSENSOR_DATA_T>(records[r + 1]).timestamp)
                << "each fix comes just before the G-sensor sample of its tick";
            EXPECT_EQ(fix.KM, '9');
            EXPECT_EQ(fix.nLen, std::strlen(fix.RawData.data()));
            EXPECT_NEAR(fix.fLatitude, 3734.0, 1.0) << "central Seoul";
            EXPECT_NEAR(fix.fLongitude, 12658.8, 1.0);
            EXPECT_LE(fix.fSpeed, 70u);

            const auto sentences = sentencesOf(fix);
            ASSERT_EQ(sentences.size(), 4u);
            for (const std::string& sentence : sentences) {
                EXPECT_TRUE(checksumHolds(sentence)) << sentence;
            }
            const auto rmc = fieldsOf(sentences[0]);
            const auto gga = fieldsOf(sentences[1]);
            const auto gps = fieldsOf(sentences[2]);
            const auto glonass = fieldsOf(sentences[3]);
            ASSERT_EQ(rmc.size(), 13u);
            ASSERT_EQ(gga.size(), 15u);
            ASSERT_EQ(gps.size(), 18u);
            ASSERT_EQ(glonass.size(), 18u);
            EXPECT_EQ(rmc[0], "$GPRMC");
            EXPECT_EQ(rmc[1].size(), 10u) << "hhmmss.sss";
            EXPECT_EQ(rmc[2], "A");
            EXPECT_DOUBLE_EQ(std::stod(rmc[3]), fix.fLatitude);
            EXPECT_DOUBLE_EQ(std::stod(rmc[5]), fix.fLongitude);
            EXPECT_NEAR(std::stod(rmc[7]) * 1.852, fix.fSpeed, 0.6) << "knots against km/h";
            EXPECT_EQ(rmc[9].size(), 6u) << "ddmmyy";
            EXPECT_EQ(gga[0], "$GPGGA");
            EXPECT_EQ(gga[6], "1");
            EXPECT_EQ(gps[0], "$GNGSA");
            EXPECT_EQ(glonass[0], "$GNGSA");
            int used = 0;
            for (std::size_t slot = 3; slot < 15; ++slot) {
                EXPECT_TRUE(gps[slot].empty() ||
                            (std::stoi(gps[slot]) >= 1 && std::stoi(gps[slot]) <= 32));
                EXPECT_TRUE(glonass[slot].empty() ||
                            (std::stoi(glonass[slot]) >= 65 && std::stoi(glonass[slot]) <= 96));
                used += !gps[slot].empty() + !glonass[slot].empty();
            }
            EXPECT_EQ(std::stoi(gga[7]), used);
        }
        EXPECT_EQ(fixes, kSeconds);
        EXPECT_EQ(samples, kSeconds * 10);
        ASSERT_GE(records.size(), 2u);
        EXPECT_EQ(records[records.size() - 2].size(), _AVI_GPS_DATA_T::kSize)
            << "a fix arrives with the last sample of its second, so every sample is covered";
    }
}

TEST_F(SampleCard, OnlyEventRecordingsHoldAnImpact) {
    for (const fs::path& recording : recordingsIn(card())) {
        int strongest = 0;
        for (const auto& bytes : dataRecordsOf(recording)) {
            if (bytes.size() == _AVI_GSENSOR_DATA_T::kSize) {
                const auto sample = decode<_AVI_GSENSOR_DATA_T>(bytes);
                strongest = std::max({strongest, std::abs(sample.xAxis), std::abs(sample.yAxis),
                                      std::abs(sample.zAxis - 256)});
            }
        }
        const bool event = recording.filename().string().starts_with("event_");
        EXPECT_EQ(strongest > 2 * 256, event) << recording << " peaks at " << strongest;
    }
}

TEST_F(SampleCard, ConfigBinHoldsTheFactoryValuesAndTheirChecksum) {
    const auto config = readBytes(card() / "config.bin");
    ASSERT_EQ(config.size(), _FILEDATA::kSize);
    EXPECT_EQ(config[0], 0x26);
    EXPECT_EQ(config[1], 0x57);
    EXPECT_EQ(std::string(config.begin() + 256, config.begin() + 264),
              std::string("Tavu\0\0\0\0", 8));

    _FILEDATA::Bytes bytes{};
    std::copy(config.begin(), config.end(), bytes.begin());
    const _FILEDATA record = _FILEDATA::fromBytes(bytes);
    EXPECT_NE(record.checksum, 0);
    EXPECT_EQ(record.checksum, computeSettingChecksum(record));
    EXPECT_EQ(bytes, factorySettingsRecord().toBytes());
}

TEST_F(SampleCard, DriveLogAndClockFileFollowTheRecordings) {
    const auto recordings = recordingsIn(card());
    const auto firstStart = startOf(recordings.front());

    const auto log = readBytes(card() / "DrvInfo" / "tavu_000.drv");
    const auto logged = static_cast<std::uint32_t>(kMoments * kSeconds);
    ASSERT_EQ(log.size(), 12 + 40 * logged);
    EXPECT_EQ(ByteOrder::readLE32(log.data()), logged);
    EXPECT_EQ(log[12], 1) << "the first record's sequence number";
    EXPECT_EQ(log[13], 0);

    ZRVDriveRecordFile file;
    ASSERT_EQ(file.readBytes(log), std::nullopt);
    ASSERT_EQ(file.numberOfRows(), static_cast<long>(logged));
    const ZRVDriveRecord start = *file.record(0);
    EXPECT_EQ(momentOf(start.yearSince1900 + 1900, start.month, start.day, start.hour, start.minute,
                       start.second),
              firstStart);
    EXPECT_EQ(start.weekday,
              std::chrono::weekday{std::chrono::floor<std::chrono::days>(firstStart)}.c_encoding());
    EXPECT_EQ(start.gpsStatus, 1);
    EXPECT_EQ(start.latitudeWhole, 3733);
    EXPECT_LT(start.latitudeFraction, 10000);
    EXPECT_EQ(start.longitudeWhole, 12658);
    for (long row = 0; row < file.numberOfRows(); ++row) {
        const ZRVDriveRecord record = *file.record(row);
        EXPECT_EQ(record.sequenceNumber, row + 1);
        EXPECT_NEAR(record.batteryTenths, 124, 1) << "row " << row;
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
    std::map<fs::path, std::pair<std::string, ino_t>> before;
    for (const auto& entry : fs::recursive_directory_iterator(card())) {
        if (entry.is_regular_file()) {
            struct stat status {};
            stat(entry.path().c_str(), &status);
            before[entry.path()] = {readText(entry.path()), status.st_ino};
        }
    }
    const ProgramRun again = sampleCard({card().string(), "--moments", std::to_string(kMoments),
                                         "--seconds", std::to_string(kSeconds), "--seed", "7"});
    ASSERT_EQ(again.exitCode, 0) << again.err;
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(card())) {
        if (!entry.is_regular_file()) {
            continue;
        }
        ++files;
        ASSERT_TRUE(before.contains(entry.path())) << "left behind: " << entry.path();
        struct stat status {};
        stat(entry.path().c_str(), &status);
        EXPECT_NE(status.st_ino, before[entry.path()].second) << "not replaced: " << entry.path();
        EXPECT_TRUE(readText(entry.path()) == before[entry.path()].first)
            << "differs: " << entry.path();
    }
    EXPECT_EQ(files, before.size());
}

TEST(SampleCardCommand, RejectsBadUsageWithExitCodeTwo) {
    const TemporaryDirectory dir;
    const std::string target = (dir.path() / "card").string();
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{},
                                               {target, "--moments", "0"},
                                               {target, "--moments", "501"},
                                               {target, "--seconds", "ten"},
                                               {target, "--seed", "-1"},
                                               {target, "--speed", "2"},
                                               {target, "extra"}}) {
        const ProgramRun result = sampleCard(arguments);
        EXPECT_EQ(result.exitCode, 2) << (arguments.empty() ? "" : arguments.back());
        EXPECT_NE(result.err.find("usage:"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(target)) << "nothing is written on bad usage";

    const ProgramRun help = sampleCard({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--moments"), std::string::npos);
}

TEST(SampleCardCommand, ReportsAFolderItCannotWriteInOneLine) {
    const TemporaryDirectory dir;
    const fs::path file = dir.write("not-a-folder", "kept");
    const ProgramRun result =
        sampleCard({(file / "card").string(), "--moments", "1", "--seconds", "1"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_NE(result.err.find("not-a-folder"), std::string::npos) << result.err;
    EXPECT_EQ(readText(file), "kept");
    EXPECT_TRUE(result.out.empty());
}
