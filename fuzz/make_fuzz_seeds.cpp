#include "common/ByteOrder.h"
#include "recording/AviRecords.h"
#include "recording/ZRVAviFileWriter.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

// Writes the starting inputs of the fuzz targets: small recordings in the
// camera's layout for the AVI reader, and sentences and record texts for the
// NMEA parser. Usage: make_fuzz_seeds SEEDS_DIR

namespace {

using Bytes = std::vector<unsigned char>;

const std::string_view kSecond =
    "$GPRMC,083559.000,A,3731.1234,N,12703.5678,E,12.5,87.3,210116,,,A*6B\r\n"
    "$GPGGA,083559.000,3731.1234,N,12703.5678,E,1,08,0.9,45.0,M,,,,*5C\r\n"
    "$GNGSA,A,3,02,05,13,15,20,,,,,,,,1.6,0.9,1.3*1F\r\n"
    "$GNGSA,A,3,67,68,77,,,,,,,,,,1.6,0.9,1.3*1A\r\n";

const std::string_view kCombinedSecond =
    "$GNRMC,083600.000,A,3731.1300,N,12703.5700,E,13.1,88.0,210116,,,A*70\r\n"
    "$GNGNS,083600.00,3731.1300,N,12703.5700,E,AN,14,1.1,45.0,,,*4A\r\n"
    "$GNGGA,083600.000,3731.1300,S,12703.5700,W,1,14,1.1,45.0,M,,,,*5F\r\n"
    "$PMTK001,604,3*32\r\n";

_AVI_GPS_DATA_T::Bytes gpsRecord(std::uint32_t stamp, std::string_view text) {
    _AVI_GPS_DATA_T record;
    record.header = kAviGpsRecordTag;
    record.nTimestamp = stamp;
    record.nLen = static_cast<std::uint32_t>(std::min(text.size(), record.RawData.size()));
    record.fLatitude = 3731.1234;
    record.fLongitude = 12703.5678;
    record.fSpeed = 23;
    record.NS = 'N';
    record.EW = 'E';
    record.KM = '9';
    std::copy_n(text.begin(), record.nLen, record.RawData.begin());
    return record.toBytes();
}

_AVI_GSENSOR_DATA_T::Bytes gSensorRecord(std::uint32_t stamp, std::int32_t x) {
    _AVI_GSENSOR_DATA_T record;
    record.header = kAviGSensorRecordTag;
    record.timestamp = stamp;
    record.xAxis = x;
    record.yAxis = -x / 2;
    record.zAxis = 256;
    record.nTemprature = 31;
    return record.toBytes();
}

bool writeRecording(const std::filesystem::path& path, bool withAudio, bool oddities) {
    ZRVAviFileWriter::Layout layout;
    if (withAudio) {
        layout.audio = ZRVAviFileWriter::AudioFormat{};
    }
    ZRVAviFileWriter writer(path, layout);
    const Bytes frame(48, 0xD8);
    const Bytes sound(160, 0x80);
    for (std::uint32_t tenth = 0; tenth < 20; ++tenth) {
        writer.addVideoFrame(frame);
        if (withAudio && tenth % 5 == 0) {
            writer.addAudio(sound);
        }
        writer.addDataRecord(gSensorRecord(tenth * 100 + 7, static_cast<std::int32_t>(tenth) - 9));
        if (tenth % 10 == 0) {
            writer.addDataRecord(gpsRecord(tenth * 100, tenth == 0 ? kSecond : kCombinedSecond));
        }
    }
    if (oddities) {
        auto longText = gpsRecord(2100, kSecond);
        ByteOrder::writeLE32(&longText[8], 0xFFFF);
        writer.addDataRecord(longText);
        writer.addDataRecord(Bytes(33, '$'));
        writer.addChunk("03sb", gSensorRecord(2200, 1));
    }
    const auto error = writer.finish();
    if (error) {
        std::fprintf(stderr, "make_fuzz_seeds: %s\n", error->c_str());
    }
    return !error;
}

Bytes readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool writeBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// What a camera that loses power leaves: the recording cut inside the 'movi'
// list, right before its index or inside the index, and cut before the index
// with the sizes in the header still as they were when the file was opened.
bool writeCutRecordings(const std::filesystem::path& intactPath,
                        const std::filesystem::path& folder) {
    const Bytes intact = readBytes(intactPath);
    const std::size_t moviEnd = 14140 + ByteOrder::readLE32(&intact[14136]);
    const auto cut = [&](std::size_t length) {
        return Bytes(intact.begin(), intact.begin() + static_cast<std::ptrdiff_t>(length));
    };
    Bytes firstHeader = cut(moviEnd);
    ByteOrder::writeLE32(&firstHeader[4], 0);
    ByteOrder::writeLE32(&firstHeader[14136], 4);
    return writeBytes(folder / "intact.avi", intact) &&
           writeBytes(folder / "cut_in_movi.avi", cut((14144 + moviEnd) / 2 + 1)) &&
           writeBytes(folder / "cut_before_index.avi", cut(moviEnd)) &&
           writeBytes(folder / "cut_in_index.avi", cut((moviEnd + intact.size()) / 2)) &&
           writeBytes(folder / "first_header.avi", firstHeader);
}

bool writeText(const std::filesystem::path& path, std::string_view text) {
    return writeBytes(path, Bytes(text.begin(), text.end()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds SEEDS_DIR\n");
        return 2;
    }
    const std::filesystem::path seeds = argv[1];
    const auto avi = seeds / "fuzz_avi_reader";
    const auto recovery = seeds / "fuzz_avi_recovery";
    const auto nmea = seeds / "fuzz_nmea_parser";
    for (const auto& folder : {avi, recovery, nmea}) {
        std::filesystem::create_directories(folder);
    }

    bool written = writeRecording(avi / "with_audio.avi", true, false) &&
                   writeRecording(avi / "without_audio.avi", false, false) &&
                   writeRecording(avi / "oddities.avi", true, true) &&
                   writeCutRecordings(avi / "with_audio.avi", recovery);
    written = written && writeText(nmea / "second.txt", kSecond) &&
              writeText(nmea / "combined_second.txt", kCombinedSecond);
    std::size_t line = 0;
    for (std::string_view text : {kSecond, kCombinedSecond}) {
        while (!text.empty()) {
            const std::size_t end = text.find('\r');
            written = written && writeText(nmea / std::to_string(line++).append("_sentence.txt"),
                                           text.substr(0, end));
            text.remove_prefix(end + 2);
        }
    }
    return written ? 0 : 1;
}
