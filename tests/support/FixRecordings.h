#pragma once

#include "recording/AviRecords.h"
#include "recording/ZRVAviFileWriter.h"
#include "settings/SettingFile.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Recordings whose telemetry holds chosen RMC sentences at chosen stamps,
// for checks of the camera's clock against GPS time.
namespace FixRecordings {

// "$GPRMC,<time>,<status>,...,<date>,,,A*hh" with its checksum.
inline std::string rmc(const std::string& time, const std::string& status,
                       const std::string& date) {
    const std::string body =
        "GPRMC," + time + "," + status + ",3731.5000,N,12701.2000,E,12.5,90.0," + date + ",,,A";
    unsigned char sum = 0;
    for (const char c : body) {
        sum ^= static_cast<unsigned char>(c);
    }
    char checksum[4];
    std::snprintf(checksum, sizeof checksum, "%02X", sum);
    return "$" + body + "*" + checksum;
}

struct Fix {
    std::uint32_t stampMs = 0;
    std::string sentences; // one a line
};

// A recording whose own clock starts at `firstStampMs` (a G-sensor sample
// there and one a second after), with a GPS record for each fix.
inline void write(const std::filesystem::path& file, std::uint32_t firstStampMs,
                  const std::vector<Fix>& fixes) {
    std::filesystem::create_directories(file.parent_path());
    ZRVAviFileWriter writer(file, {});
    for (const std::uint32_t stamp : {firstStampMs, firstStampMs + 1000}) {
        _AVI_GSENSOR_DATA_T sample;
        sample.header = kAviGSensorRecordTag;
        sample.timestamp = stamp;
        sample.zAxis = 256;
        writer.addDataRecord(sample.toBytes());
    }
    for (const Fix& fix : fixes) {
        _AVI_GPS_DATA_T record;
        record.header = kAviGpsRecordTag;
        record.nTimestamp = fix.stampMs;
        record.nLen = static_cast<std::uint32_t>(fix.sentences.size());
        std::memcpy(record.RawData.data(), fix.sentences.data(), fix.sentences.size());
        writer.addDataRecord(record.toBytes());
    }
    ASSERT_FALSE(writer.finish());
}

// The card's config.bin with a time zone (an index of the zone table).
inline void writeZone(const std::filesystem::path& card, int timeGmt, bool summerTime) {
    _FILEDATA record = factorySettingsRecord();
    record.time_gmt = timeGmt;
    record.summer_time = summerTime ? 1 : 0;
    prepareSettingsForSaving(record);
    ASSERT_FALSE(writeSettingFile(record, card / "config.bin"));
}

} // namespace FixRecordings
