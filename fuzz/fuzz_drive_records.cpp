#include "records/ZRVDriveRecordFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

// The input is a whole driving-record file. The table must hold exactly the
// whole records that both the header and the data allow, every record must
// read back as its bytes (bar the unknown ones), and the export must have one
// line per row with the fifteen fields.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const unsigned char> bytes(data, size);
    ZRVDriveRecordFile file;
    const bool read = !file.readBytes(bytes);
    if (read != (size >= ZRVDriveRecordFile::kHeaderSize)) {
        std::abort();
    }
    if (!read) {
        return 0;
    }
    const auto held =
        static_cast<long>((size - ZRVDriveRecordFile::kHeaderSize) / ZRVDriveRecord::kSize);
    if (file.numberOfRows() != std::min<long>(file.headerCount(), held) ||
        file.shortfallMessage().has_value() !=
            (file.headerCount() > static_cast<std::uint64_t>(held))) {
        std::abort();
    }

    for (long row = 0; row < file.numberOfRows(); ++row) {
        const auto encoded = file.record(row)->toBytes();
        const auto* original = data + ZRVDriveRecordFile::kHeaderSize + row * ZRVDriveRecord::kSize;
        for (std::size_t i = 0; i < ZRVDriveRecord::kSize; ++i) {
            const bool unknown = (i >= 24 && i < 28) || i == 30 || i == 31;
            if (!unknown && encoded[i] != original[i]) {
                std::abort();
            }
        }
        for (long column = -1; column <= ZRVDriveRecordFile::kColumnCount; ++column) {
            const std::string text = file.stringForColumnIndex(column, row);
            if (text.empty() || text.find_first_of(",\"\r\n") != std::string::npos) {
                std::abort();
            }
        }
        if (const auto position = file.mapPositionOfRow(row)) {
            if (position->latitude == 0 || position->longitude == 0) {
                std::abort();
            }
        }
    }

    const std::string csv = file.csvText([](std::string_view key) { return std::string(key); });
    if (std::count(csv.begin(), csv.end(), '\n') != file.numberOfRows() + 1 ||
        std::count(csv.begin(), csv.end(), ',') !=
            (file.numberOfRows() + 1) * (ZRVDriveRecordFile::kColumnCount - 1)) {
        std::abort();
    }
    return 0;
}
