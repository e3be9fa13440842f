#pragma once

#include "recording/AviRecords.h"

// One G-sensor record exactly as stored in the recording; its time stamp lines
// the GPS records up with the samples.
class ZRVAviGSensorData {
public:
    using Bytes = _AVI_GSENSOR_DATA_T::Bytes;

    ZRVAviGSensorData() = default;
    explicit ZRVAviGSensorData(const Bytes& bytes) : m_data(bytes) {}
    // Copies _AVI_GSENSOR_DATA_T::kSize bytes.
    static ZRVAviGSensorData aviGSensorDataWithData(const unsigned char* bytes);

    Bytes data() const { return m_data; }
    _AVI_GSENSOR_DATA_T record() const { return _AVI_GSENSOR_DATA_T::fromBytes(m_data); }

    bool operator==(const ZRVAviGSensorData&) const = default;

private:
    Bytes m_data{};
};
