#include "recording/ZRVBlackBoxData.h"

#include "common/ByteOrder.h"
#include "common/DiagnosticLog.h"
#include "recording/StdioRead.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string_view>

using StdioRead::readAt;

namespace {

constexpr std::string_view kLogCategory = "zorva.recording";

// "02sb" chunks larger than this are GPS records, the others G-sensor records.
constexpr std::uint32_t kLargestGSensorChunk = 32;

constexpr float kCountsPerG = 256.0f;

// Whether `walked` holds a chunk that `indexed` does not list.
bool findsMore(const std::vector<ZRVAviDataChunk>& walked,
               const std::vector<ZRVAviDataChunk>& indexed) {
    std::vector<std::uint64_t> listed;
    listed.reserve(indexed.size());
    for (const ZRVAviDataChunk& chunk : indexed) {
        listed.push_back(chunk.dataPosition);
    }
    std::sort(listed.begin(), listed.end());
    return std::any_of(walked.begin(), walked.end(), [&](const ZRVAviDataChunk& chunk) {
        return !std::binary_search(listed.begin(), listed.end(), chunk.dataPosition);
    });
}

} // namespace

bool ZRVBlackBoxData::extractStreamInformation(const char* path) {
    std::FILE* file = path != nullptr ? std::fopen(path, "rb") : nullptr;
    const bool read = extractStreamInformation(file);
    if (file != nullptr) {
        std::fclose(file);
    }
    return read;
}

bool ZRVBlackBoxData::extractStreamInformation(std::FILE* file, ChunkSource source) {
    DiagnosticLog::write(kLogCategory, "#############################   START");
    clear();
    // What the caller wrote through the stream is read back past its buffer.
    if (file == nullptr || std::fflush(file) != 0) {
        return false;
    }

    std::array<unsigned char, 12> riff{};
    if (readAt(file, 0, riff.data(), riff.size()) != riff.size() ||
        std::memcmp(riff.data(), "RIFF", 4) != 0 || std::memcmp(riff.data() + 8, "AVI ", 4) != 0) {
        return false;
    }
    const std::uint64_t riffEnd = std::uint64_t{ByteOrder::readLE32(riff.data() + 4)} + 8;
    const ZRVAviChunkFinder finder(file, riffEnd, StdioRead::lengthOf(file));
    const std::uint32_t moviSize = finder.moviSize();
    const std::uint64_t indexStart = finder.indexStart();
    char where[64];
    std::snprintf(where, sizeof where, "Listmovsize=0x%x IdxAddr=0x%llx", moviSize,
                  static_cast<unsigned long long>(indexStart));
    DiagnosticLog::write(kLogCategory, where);

    const std::vector<ZRVAviDataChunk> chunks = chunksToRead(finder, source);
    const auto gpsChunks = static_cast<std::size_t>(
        std::count_if(chunks.begin(), chunks.end(), [](const ZRVAviDataChunk& chunk) {
            return chunk.size > kLargestGSensorChunk;
        }));
    m_gpsRecords.reserve(gpsChunks);
    m_fixCountAfterGpsRecord.reserve(gpsChunks);
    m_vGSensorData.reserve(chunks.size() - gpsChunks);
    m_GSensors.reserve(chunks.size() - gpsChunks);
    for (const ZRVAviDataChunk& chunk : chunks) {
        readRecord(file, chunk.dataPosition, chunk.size);
    }
    if (!m_gpsRecords.empty()) {
        lineUpGpsRecords();
    }
    DiagnosticLog::write(kLogCategory, "#############################  FINISH");
    return true;
}

// The walk is only made when the index may have lost chunks, and only used
// when it found one, so a recording whose index lists every "02sb" chunk
// reads as it always has, with the index's quirks.
std::vector<ZRVAviDataChunk> ZRVBlackBoxData::chunksToRead(const ZRVAviChunkFinder& finder,
                                                           ChunkSource source) {
    if (source == ChunkSource::moviList) {
        std::vector<ZRVAviDataChunk> walked = finder.listFromMoviList();
        m_recoveredRecordCount = walked.size();
        return walked;
    }
    ZRVAviChunkFinder::IndexListing listing = finder.listFromIndex();
    if (source == ChunkSource::index || listing.coversMoviList) {
        return std::move(listing.chunks);
    }
    std::vector<ZRVAviDataChunk> walked = finder.listFromMoviList();
    if (!findsMore(walked, listing.chunks)) {
        return std::move(listing.chunks);
    }
    m_recoveredRecordCount = walked.size();
    return walked;
}

// Records are used as read, valid tag and stamp or not; a short read leaves
// the rest of the record zero.
void ZRVBlackBoxData::readRecord(std::FILE* file, std::uint64_t dataPosition,
                                 std::uint32_t chunkSize) {
    if (chunkSize > kLargestGSensorChunk) {
        ZRVAviGpsData::Bytes record{};
        readAt(file, dataPosition, record.data(), record.size());
        // nLen comes from the card and is not trusted to stay inside RawData.
        const auto textLength =
            std::min<std::size_t>(ByteOrder::readLE32(record.data() + 8), kAviGpsRawDataSize);
        parseNMEA(reinterpret_cast<char*>(record.data() + offsetof(_AVI_GPS_DATA_T, RawData)),
                  textLength);
        m_gpsRecords.emplace_back(record);
        m_fixCountAfterGpsRecord.push_back(m_NMEAs.size());
        return;
    }
    ZRVAviGSensorData::Bytes record{};
    readAt(file, dataPosition, record.data(), record.size());
    m_vGSensorData.emplace_back(record);
    parseGSensor(record.data(), record.size());
}

// Each GPS record claims the samples from the cursor up to and including the
// first whose time (in tenths of a second) reaches its own. When the samples
// run out the line-up ends, so later GPS records cannot claim the same samples
// again.
void ZRVBlackBoxData::lineUpGpsRecords() {
    m_gpsRecordOfSample.reserve(m_vGSensorData.size());
    std::size_t cursor = 0;
    for (std::uint32_t gps = 0; gps < m_gpsRecords.size(); ++gps) {
        if (cursor == m_vGSensorData.size()) {
            break;
        }
        const std::uint32_t gpsTenths = m_gpsRecords[gps].record().nTimestamp / 100;
        while (cursor < m_vGSensorData.size()) {
            m_gpsRecordOfSample.push_back(gps);
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
    m_gpsRecordOfSample.clear();
    m_gpsRecords.clear();
    m_fixCountAfterGpsRecord.clear();
    m_recoveredRecordCount = 0;
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
