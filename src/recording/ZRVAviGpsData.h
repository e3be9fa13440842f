#pragma once

#include "recording/AviRecords.h"

// One GPS record exactly as stored in the recording; decoded on demand so the
// stored bytes stay the reference.
class ZRVAviGpsData {
public:
    using Bytes = _AVI_GPS_DATA_T::Bytes;

    ZRVAviGpsData() = default;
    explicit ZRVAviGpsData(const Bytes& bytes) : m_data(bytes) {}
    // Copies _AVI_GPS_DATA_T::kSize bytes.
    static ZRVAviGpsData aviGpsDataWithData(const unsigned char* bytes);

    Bytes data() const { return m_data; }
    _AVI_GPS_DATA_T record() const { return _AVI_GPS_DATA_T::fromBytes(m_data); }

    bool operator==(const ZRVAviGpsData&) const = default;

private:
    Bytes m_data{};
};
