#include "common/DiagnosticLog.h"
#include "recording/AviRecords.h"
#include "recording/ZRVAviFileWriter.h"
#include "recording/ZRVBlackBoxData.h"
#include "support/Stopwatch.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

// Times reading the telemetry of a three-minute front recording (30 fps video,
// 8 kHz sound, G-sensor at 10 Hz, GPS at 1 Hz) against ffprobe listing the
// packets of the data stream of the same file.
//
// Usage: TelemetryExtractionBenchmark [ZORVA_TOOL]. The recording comes from
// the demo-card generator of zorva-tool; without the tool an equivalent file
// is written here.

namespace {

constexpr int kRuns = 5;
constexpr int kReferenceRuns = 3;
constexpr int kSeconds = 180;
constexpr int kFramesPerSecond = 30;
constexpr int kSamplesPerSecond = 10;
constexpr std::size_t kAudioBytesPerSecond = 8000 * 2;

std::string toolPath(int argc, char** argv) {
    if (argc > 1) {
        return argv[1];
    }
#ifdef ZORVA_TOOL_PATH
    return ZORVA_TOOL_PATH;
#else
    return {};
#endif
}

std::filesystem::path findFrontRecording(const std::filesystem::path& root) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name.ends_with("_F.avi")) {
            return entry.path();
        }
    }
    return {};
}

_AVI_GPS_DATA_T::Bytes gpsRecord(int second) {
    char text[kAviGpsRawDataSize];
    const int length =
        std::snprintf(text, sizeof text,
                      "$GPRMC,0835%02d.000,A,3731.%04d,N,12703.5678,E,12.5,87.3,210116,,,A*6B\r\n"
                      "$GPGGA,0835%02d.000,3731.%04d,N,12703.5678,E,1,08,0.9,45.0,M,,,,*5C\r\n"
                      "$GNGSA,A,3,02,05,13,15,20,,,,,,,,1.6,0.9,1.3*1F\r\n"
                      "$GNGSA,A,3,67,68,77,,,,,,,,,,1.6,0.9,1.3*1A\r\n",
                      second % 60, second, second % 60, second);
    _AVI_GPS_DATA_T record;
    record.header = kAviGpsRecordTag;
    record.nTimestamp = static_cast<std::uint32_t>(second) * 1000 + 1;
    record.nLen = static_cast<std::uint32_t>(length);
    record.fLatitude = 3731.0 + second / 10000.0;
    record.fLongitude = 12703.5678;
    record.fSpeed = 23;
    record.KM = '9';
    std::copy_n(text, length, record.RawData.begin());
    return record.toBytes();
}

_AVI_GSENSOR_DATA_T::Bytes gSensorRecord(int tenth) {
    _AVI_GSENSOR_DATA_T record;
    record.header = kAviGSensorRecordTag;
    record.timestamp = static_cast<std::uint32_t>(tenth) * 100 + 1;
    record.xAxis = tenth % 40 - 20;
    record.yAxis = 10 - tenth % 20;
    record.zAxis = 256;
    return record.toBytes();
}

// The camera's interleaving: per tenth of a second three frames, a slice of
// sound and a G-sensor sample, with the GPS record at each full second.
bool writeRecording(const std::filesystem::path& path) {
    ZRVAviFileWriter writer(path, {{}, ZRVAviFileWriter::AudioFormat{}});
    std::mt19937 random(1);
    std::vector<unsigned char> frame(42000, 0xA5);
    const std::vector<unsigned char> sound(kAudioBytesPerSecond / kSamplesPerSecond, 0x10);
    for (int tenth = 0; tenth < kSeconds * kSamplesPerSecond; ++tenth) {
        for (int f = 0; f < kFramesPerSecond / kSamplesPerSecond; ++f) {
            writer.addVideoFrame({frame.data(), 38000 + random() % 4000});
        }
        writer.addAudio(sound);
        if (tenth % kSamplesPerSecond == 0) {
            writer.addDataRecord(gpsRecord(tenth / kSamplesPerSecond));
        }
        writer.addDataRecord(gSensorRecord(tenth));
    }
    const auto error = writer.finish();
    if (error) {
        std::fprintf(stderr, "benchmark: %s\n", error->c_str());
    }
    return !error;
}

bool onPath(std::string_view program) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path != nullptr ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        if (std::filesystem::exists(std::filesystem::path(folder) / program)) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    std::random_device seed;
    std::string folder = "zorva-bench-telemetry-";
    folder += std::to_string(seed());
    const auto root = std::filesystem::temp_directory_path() / folder;
    std::filesystem::create_directories(root);

    std::filesystem::path recording;
    std::string source = "zorva-tool sample-card";
    const std::string tool = toolPath(argc, argv);
    if (!tool.empty() && std::filesystem::exists(tool)) {
        Stopwatch::runProgram({tool, "sample-card", (root / "card").string(), "--moments", "1",
                               "--seconds", std::to_string(kSeconds)});
        recording = findFrontRecording(root / "card");
    }
    if (recording.empty()) {
        source = "written by the benchmark (no zorva-tool)";
        recording = root / "alwa_20160121_083500_F.avi";
        if (!writeRecording(recording)) {
            return 1;
        }
    }

    DiagnosticLog::setSink([](std::string_view, std::string_view) {});
    ZRVBlackBoxData data;
    const double oursSeconds =
        Stopwatch::bestSeconds(kRuns, [&] { data.extractStreamInformation(recording.c_str()); });
    std::printf("recording: %s, %.1f MB, %s\n", recording.filename().c_str(),
                static_cast<double>(std::filesystem::file_size(recording)) / 1e6, source.c_str());
    std::printf("telemetry: %zu G-sensor samples, %zu GPS records, %zu NMEA fixes\n",
                data.gSensors().size(), data.gpsRecords().size(), data.nmeaFixes().size());
    std::printf("extractStreamInformation:                     %.2f ms\n", oursSeconds * 1e3);

    if (onPath("ffprobe")) {
        const double ffprobeSeconds = Stopwatch::bestSeconds(kReferenceRuns, [&] {
            Stopwatch::runProgram({"ffprobe", "-v", "error", "-select_streams", "d",
                                   "-show_packets", recording.string()});
        });
        std::printf("ffprobe -select_streams d -show_packets:      %.2f ms\n",
                    ffprobeSeconds * 1e3);
        std::printf("ratio ffprobe/ours: %.1f (target: at least 50x)\n",
                    ffprobeSeconds / oursSeconds);
    } else {
        std::printf("ffprobe not found: no reference figure\n");
    }

    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return 0;
}
