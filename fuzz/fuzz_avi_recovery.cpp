#include "common/ByteOrder.h"
#include "common/DiagnosticLog.h"
#include "recording/ZRVBlackBoxData.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Reads the input as a recording three ways: as the viewer does, through the
// index alone, and by walking the 'movi' list alone. When the index is
// intact, the walk must give exactly the index's lists and the viewer's read
// must not claim a recovery; whenever it claims one, its lists are the
// walk's, and otherwise the index's.

namespace {

constexpr std::uint64_t kMoviIdentifier = 14140;
constexpr std::uint64_t kFirstChunk = 14144;

bool holds(const std::uint8_t* data, std::size_t size, std::uint64_t at, const char* code) {
    return at + 4 <= size && std::memcmp(data + at, code, 4) == 0;
}

bool isCode(const std::uint8_t* code) {
    for (int i = 0; i < 4; ++i) {
        if (code[i] < ' ' || code[i] > '~') {
            return false;
        }
    }
    return true;
}

// Intact: the file ends with an 'idx1' chunk that follows the 'movi' list
// directly, and the index's entries name, one after another, every chunk
// that stands in the list, with its identifier and size, up to the list's
// end ('rec ' list headers between them aside).
bool indexIsIntact(const std::uint8_t* data, std::size_t size) {
    if (!holds(data, size, 14132, "LIST") || !holds(data, size, kMoviIdentifier, "movi")) {
        return false;
    }
    const std::uint64_t moviEnd = kMoviIdentifier + ByteOrder::readLE32(data + 14136);
    if (!holds(data, size, moviEnd, "idx1") || moviEnd + 8 > size) {
        return false;
    }
    const std::uint64_t indexSize = ByteOrder::readLE32(data + moviEnd + 4);
    if (indexSize % 16 != 0 || moviEnd + 8 + indexSize != size ||
        std::uint64_t{ByteOrder::readLE32(data + 4)} + 8 != size) {
        return false;
    }
    std::uint64_t expected = kFirstChunk;
    for (std::uint64_t entry = moviEnd + 8; entry < size; entry += 16) {
        while (holds(data, size, expected, "LIST") && expected + 12 <= moviEnd &&
               ByteOrder::readLE32(data + expected + 4) >= 4 &&
               holds(data, size, expected + 8, "rec ")) {
            expected += 12;
        }
        const std::uint64_t chunk = ByteOrder::readLE32(data + entry + 8) + kMoviIdentifier;
        const std::uint32_t chunkSize = ByteOrder::readLE32(data + entry + 12);
        if (chunk != expected || chunk + 8 + chunkSize > moviEnd ||
            std::memcmp(data + chunk, data + entry, 4) != 0 || !isCode(data + chunk) ||
            holds(data, size, chunk, "idx1") ||
            ByteOrder::readLE32(data + chunk + 4) != chunkSize) {
            return false;
        }
        expected = chunk + 8 + chunkSize + (chunkSize & 1U);
    }
    return expected == moviEnd;
}

bool sameLists(const ZRVBlackBoxData& a, const ZRVBlackBoxData& b) {
    return a.gSensors() == b.gSensors() && a.gSensorData() == b.gSensorData() &&
           a.gpsRecords() == b.gpsRecords() && a.gpsData() == b.gpsData() &&
           a.nmeaFixes() == b.nmeaFixes() &&
           a.fixCountAfterGpsRecord() == b.fixCountAfterGpsRecord();
}

void read(ZRVBlackBoxData& reader, const std::uint8_t* data, std::size_t size,
          ZRVBlackBoxData::ChunkSource source) {
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    reader.extractStreamInformation(file, source);
    if (file != nullptr) {
        std::fclose(file);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    DiagnosticLog::setSink([](std::string_view, std::string_view) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 12) {
        return 0;
    }
    using Source = ZRVBlackBoxData::ChunkSource;
    ZRVBlackBoxData viewer;
    ZRVBlackBoxData index;
    ZRVBlackBoxData walk;
    read(viewer, data, size, Source::indexOrMoviList);
    read(index, data, size, Source::index);
    read(walk, data, size, Source::moviList);

    // Every chunk takes at least its 8-byte header.
    if (walk.recoveredRecordCount() > size / 8) {
        std::abort();
    }
    if (indexIsIntact(data, size) && (viewer.recoveredWithoutIndex() || !sameLists(index, walk))) {
        std::abort();
    }
    if (viewer.recoveredWithoutIndex()
            ? !sameLists(viewer, walk) ||
                  viewer.recoveredRecordCount() != walk.recoveredRecordCount()
            : !sameLists(viewer, index)) {
        std::abort();
    }
    return 0;
}
