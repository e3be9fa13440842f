#include "recording/ZRVBlackBoxData.h"

#include "common/ByteOrder.h"
#include "common/DiagnosticLog.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string_view>

namespace {

constexpr std::string_view kLogCategory = "zorva.recording";

// The camera always puts the 'movi' list at the same place, so its size field
// and, right after the list, the legacy index are found without parsing the
// headers.
constexpr std::uint64_t kMoviSizeOffset = 14136;
constexpr std::uint64_t kIndexStartAfterMoviSize = 14148;
// Index offsets count from the 'movi' identifier; the chunk data follows the
// chunk's identifier and size.
constexpr std::uint64_t kChunkDataAfterIndexOffset = 14148;

constexpr std::size_t kIndexEntrySize = 16;
// Reading the index in large blocks instead of entry by entry is what makes
// opening a recording fast; 64 KiB keeps the buffer small.
constexpr std::size_t kIndexBlockSize = 4096 * kIndexEntrySize;
// "02sb" chunks larger than this are GPS records, the others G-sensor records.
constexpr std::uint32_t kLargestGSensorChunk = 32;

constexpr float kCountsPerG = 256.0f;

// Reads up to `size` bytes at `position`; a position that cannot be reached
// reads nothing.
std::size_t readAt(std::FILE* file, std::uint64_t position, unsigned char* out, std::size_t size) {
    if (position > static_cast<std::uint64_t>(std::numeric_limits<long>::max()) ||
        std::fseek(file, static_cast<long>(position), SEEK_SET) != 0) {
        return 0;
    }
    return std::fread(out, 1, size, file);
}

std::uint64_t lengthOf(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) {
        return 0;
    }
    const long end = std::ftell(file);
    return end > 0 ? static_cast<std::uint64_t>(end) : 0;
}

} // namespace

bool ZRVBlackBoxData::extractStreamInformation(const char* path) {
    std::FILE* file = path != nullptr ? std::fopen(path, "rb") : nullptr;
    if (file != nullptr) {
        // Each read goes somewhere else in the file, so stdio's read-ahead
        // would only add copying.
        std::setvbuf(file, nullptr, _IONBF, 0);
    }
    const bool read = extractStreamInformation(file);
    if (file != nullptr) {
        std::fclose(file);
    }
    return read;
}

bool ZRVBlackBoxData::extractStreamInformation(std::FILE* file) {
    DiagnosticLog::write(kLogCategory, "#############################   START");
    clear();
    if (file == nullptr) {
        return false;
    }

    std::array<unsigned char, 12> riff{};
    if (readAt(file, 0, riff.data(), riff.size()) != riff.size() ||
        std::memcmp(riff.data(), "RIFF", 4) != 0 || std::memcmp(riff.data() + 8, "AVI ", 4) != 0) {
        return false;
    }
    const std::uint64_t riffEnd = std::uint64_t{ByteOrder::readLE32(riff.data() + 4)} + 8;
    const std::uint64_t fileLength = lengthOf(file);

    // A file too short for the size field reads it as 0 (or partly), which
    // puts the index past the end: no records.
    std::array<unsigned char, 4> moviSizeBytes{};
    readAt(file, kMoviSizeOffset, moviSizeBytes.data(), moviSizeBytes.size());
    const std::uint32_t moviSize = ByteOrder::readLE32(moviSizeBytes.data());
    const std::uint64_t indexStart = moviSize + kIndexStartAfterMoviSize;
    char where[64];
    std::snprintf(where, sizeof where, "Listmovsize=0x%x IdxAddr=0x%llx", moviSize,
                  static_cast<unsigned long long>(indexStart));
    DiagnosticLog::write(kLogCategory, where);

    walkIndex(file, indexStart, riffEnd, fileLength);
    if (!m_gpsRecords.empty()) {
        lineUpGpsRecords();
    }
    DiagnosticLog::write(kLogCategory, "#############################  FINISH");
    return true;
}

// Gives exactly what reading the index one 16-byte entry at a time would give,
// including where the walk stops: past the RIFF end, at the file's end, or
// after a record read that found nothing. An entry cut off by the end of the
// file reads its missing bytes as 0.
void ZRVBlackBoxData::walkIndex(std::FILE* file, std::uint64_t indexStart, std::uint64_t riffEnd,
                                std::uint64_t fileLength) {
    std::vector<unsigned char> block(kIndexBlockSize);
    std::uint64_t blockStart = indexStart;
    std::size_t blockFill = 0;
    std::uint64_t position = indexStart;
    for (;;) {
        if (position + kIndexEntrySize > blockStart + blockFill) {
            blockStart = position;
            blockFill = readAt(file, position, block.data(), block.size());
        }
        const auto available = static_cast<std::size_t>(
            std::min<std::uint64_t>(kIndexEntrySize, blockStart + blockFill - position));
        std::array<unsigned char, kIndexEntrySize> entry{};
        std::copy_n(block.begin() + static_cast<std::ptrdiff_t>(position - blockStart), available,
                    entry.begin());

        std::size_t lastRead = std::min<std::size_t>(available, 4);
        if (available >= 4 && std::memcmp(entry.data(), "02sb", 4) == 0) {
            const std::uint32_t offset = ByteOrder::readLE32(entry.data() + 8);
            const std::uint32_t size = ByteOrder::readLE32(entry.data() + 12);
            lastRead = readRecord(file, offset + kChunkDataAfterIndexOffset, size);
        }

        position += kIndexEntrySize;
        if (position > riffEnd || lastRead == 0 || position >= fileLength) {
            break;
        }
    }
}

// Records are used as read, valid tag and stamp or not; a short read leaves
// the rest of the record zero. Returns the number of bytes read.
std::size_t ZRVBlackBoxData::readRecord(std::FILE* file, std::uint64_t dataPosition,
                                        std::uint32_t indexSize) {
    if (indexSize > kLargestGSensorChunk) {
        ZRVAviGpsData::Bytes record{};
        const std::size_t read = readAt(file, dataPosition, record.data(), record.size());
        // nLen comes from the card and is not trusted to stay inside RawData.
        const auto textLength =
            std::min<std::size_t>(ByteOrder::readLE32(record.data() + 8), kAviGpsRawDataSize);
        parseNMEA(reinterpret_cast<char*>(record.data() + offsetof(_AVI_GPS_DATA_T, RawData)),
                  textLength);
        m_gpsRecords.emplace_back(record);
        m_fixCountAfterGpsRecord.push_back(m_NMEAs.size());
        return read;
    }
    ZRVAviGSensorData::Bytes record{};
    const std::size_t read = readAt(file, dataPosition, record.data(), record.size());
    m_vGSensorData.emplace_back(record);
    parseGSensor(record.data(), record.size());
    return read;
}

// Each GPS record claims the samples from the cursor up to and including the
// first whose time (in tenths of a second) reaches its own. When the samples
// run out the line-up ends, so later GPS records cannot claim the same samples
// again.
void ZRVBlackBoxData::lineUpGpsRecords() {
    std::size_t cursor = 0;
    for (const ZRVAviGpsData& gps : m_gpsRecords) {
        if (cursor == m_vGSensorData.size()) {
            break;
        }
        const std::uint32_t gpsTenths = gps.record().nTimestamp / 100;
        while (cursor < m_vGSensorData.size()) {
            m_vGpsData.push_back(gps);
            const std::uint32_t sampleTenths = m_vGSensorData[cursor].record().timestamp / 100;
            ++cursor;
            if (sampleTenths >= gpsTenths) {
                break;
            }
        }
    }
}

void ZRVBlackBoxData::clear() {
    m_NMEAParser.clear();
    m_NMEAs.clear();
    m_GSensors.clear();
    m_vGSensorData.clear();
    m_vGpsData.clear();
    m_gpsRecords.clear();
    m_fixCountAfterGpsRecord.clear();
}

bool ZRVBlackBoxData::parseNMEA(char* buffer, std::size_t bufferSize) {
    if (buffer == nullptr || bufferSize == 0) {
        return false;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < bufferSize; ++i) {
        const char c = buffer[i];
        if (c == '$') {
            start = i;
            continue;
        }
        if (c != '\0' && c != '\n' && c != '\r') {
            continue;
        }
        buffer[i] = '\0';
        if (i - start >= 2 && buffer[start] == '$' && buffer[start + 1] == 'G') {
            m_NMEAParser.parse(buffer + start);
            m_NMEAs.push_back(m_NMEAParser.m_Current.duplicate());
        }
        start = i + 1;
    }
    return true;
}

bool ZRVBlackBoxData::parseGSensor(const unsigned char* buffer, std::size_t bufferSize) {
    ZRVAviGSensorData::Bytes bytes{};
    if (buffer != nullptr) {
        std::copy_n(buffer, std::min(bufferSize, bytes.size()), bytes.begin());
    }
    const _AVI_GSENSOR_DATA_T record = _AVI_GSENSOR_DATA_T::fromBytes(bytes);
    m_GSensors.emplace_back(static_cast<float>(record.xAxis) / kCountsPerG,
                            static_cast<float>(record.yAxis) / kCountsPerG,
                            static_cast<float>(record.zAxis) / kCountsPerG);
    return true;
}
