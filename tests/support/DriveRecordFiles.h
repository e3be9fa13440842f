#pragma once

#include "common/ByteOrder.h"
#include "records/ZRVDriveRecordFile.h"

#include <string>
#include <vector>

// Driving-record files for tests: a header counting `headerCount` records,
// then the given records.
inline std::string driveRecordFileBytes(std::uint32_t headerCount,
                                        const std::vector<ZRVDriveRecord>& records) {
    std::string bytes(ZRVDriveRecordFile::kHeaderSize, '\0');
    ByteOrder::writeLE32(reinterpret_cast<unsigned char*>(bytes.data()), headerCount);
    for (const auto& record : records) {
        const auto encoded = record.toBytes();
        bytes.append(encoded.begin(), encoded.end());
    }
    return bytes;
}

// Sequence 517, 2024/03/05 19:08:09, a Tuesday, valid fix at 3731.5000 N
// 12658.8000 E, 63 and 98 km/h, 1234.5 km, G-sensor -1, +0.25, 0, 12.4 V.
inline ZRVDriveRecord sampleDriveRecord() {
    return {517,  2,     1,    124, 3,     5,  19,   8,  9, 3731,
            5000, 12658, 8000, 63,  12345, 98, -256, 64, 0, 124};
}
