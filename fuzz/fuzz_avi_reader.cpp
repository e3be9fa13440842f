#include "common/ByteOrder.h"
#include "common/DiagnosticLog.h"
#include "recording/ZRVBlackBoxData.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

// Reads the input as a recording from memory, through its index, and
// compares the result with a plain walk over the bytes that takes one index
// entry at a time, so the block-wise index reading and its stopping rules are
// checked on every input. Also checks what holds for any file: the lists
// agree in length and a second read gives the same lists. Reading without
// the index is fuzz_avi_recovery's.

namespace {

using GpsBytes = ZRVAviGpsData::Bytes;
using GSensorBytes = ZRVAviGSensorData::Bytes;

struct ReferenceRecords {
    std::vector<GpsBytes> gps;
    std::vector<GSensorBytes> gSensor;
};

std::size_t copyAt(const std::uint8_t* data, std::size_t size, std::uint64_t position,
                   unsigned char* out, std::size_t count) {
    if (position >= size) {
        return 0;
    }
    const auto available =
        static_cast<std::size_t>(std::min<std::uint64_t>(count, size - position));
    std::memcpy(out, data + position, available);
    return available;
}

ReferenceRecords referenceWalk(const std::uint8_t* data, std::size_t size) {
    ReferenceRecords records;
    const std::uint64_t riffEnd = std::uint64_t{ByteOrder::readLE32(data + 4)} + 8;
    std::array<unsigned char, 4> moviSize{};
    copyAt(data, size, 14136, moviSize.data(), 4);
    std::uint64_t position = ByteOrder::readLE32(moviSize.data()) + std::uint64_t{14148};
    for (;;) {
        std::array<unsigned char, 16> entry{};
        std::size_t lastRead = copyAt(data, size, position, entry.data(), 4);
        if (std::memcmp(entry.data(), "02sb", 4) == 0) {
            copyAt(data, size, position + 8, entry.data() + 8, 8);
            const std::uint64_t chunk =
                ByteOrder::readLE32(entry.data() + 8) + std::uint64_t{14144};
            const std::uint32_t chunkSize = ByteOrder::readLE32(entry.data() + 12);
            if (chunkSize > 32) {
                GpsBytes record{};
                lastRead = copyAt(data, size, chunk + 4, record.data(), record.size());
                // The reader ends NMEA lines in place.
                const std::size_t text =
                    std::min<std::size_t>(ByteOrder::readLE32(&record[8]), 508);
                std::replace_if(
                    record.begin() + 44, record.begin() + 44 + static_cast<std::ptrdiff_t>(text),
                    [](unsigned char c) { return c == '\n' || c == '\r'; }, 0);
                records.gps.push_back(record);
            } else {
                GSensorBytes record{};
                lastRead = copyAt(data, size, chunk + 4, record.data(), record.size());
                records.gSensor.push_back(record);
            }
        }
        position += 16;
        if (position > riffEnd || lastRead == 0 || position >= size) {
            return records;
        }
    }
}

std::FILE* openInMemory(const std::uint8_t* data, std::size_t size) {
    return size == 0 ? nullptr : fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    DiagnosticLog::setSink([](std::string_view, std::string_view) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr auto kIndex = ZRVBlackBoxData::ChunkSource::index;
    ZRVBlackBoxData reader;
    std::FILE* file = openInMemory(data, size);
    const bool read = reader.extractStreamInformation(file, kIndex);
    if (file != nullptr) {
        std::fclose(file);
    }
    const bool isAvi =
        size >= 12 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "AVI ", 4) == 0;
    if (read != isAvi) {
        std::abort();
    }
    if (!read) {
        return 0;
    }

    const ReferenceRecords expected = referenceWalk(data, size);
    std::vector<GpsBytes> gps;
    for (const auto& record : reader.gpsRecords()) {
        gps.push_back(record.data());
    }
    std::vector<GSensorBytes> gSensor;
    for (const auto& record : reader.gSensorData()) {
        gSensor.push_back(record.data());
    }
    if (gps != expected.gps || gSensor != expected.gSensor ||
        reader.gSensors().size() != gSensor.size() ||
        reader.gpsData().size() > reader.gSensors().size() ||
        reader.fixCountAfterGpsRecord().size() != gps.size()) {
        std::abort();
    }

    const ZRVBlackBoxData first = reader;
    file = openInMemory(data, size);
    reader.extractStreamInformation(file, kIndex);
    std::fclose(file);
    if (!(reader.nmeaFixes() == first.nmeaFixes()) || !(reader.gpsData() == first.gpsData())) {
        std::abort();
    }
    return 0;
}
