#include "recording/AviRecords.h"

#include "common/ByteOrder.h"

#include <algorithm>

using namespace ByteOrder;

_AVI_GPS_DATA_T _AVI_GPS_DATA_T::fromBytes(const Bytes& b) {
    _AVI_GPS_DATA_T r;
    r.header = readLEInt32(&b[0]);
    r.nTimestamp = readLE32(&b[4]);
    r.nLen = readLE32(&b[8]);
    r.sig = readLE32(&b[12]);
    r.fLatitude = readLEDouble(&b[16]);
    r.fLongitude = readLEDouble(&b[24]);
    r.fSpeed = readLE32(&b[32]);
    r.distance = readLE32(&b[36]);
    r.NS = static_cast<char>(b[40]);
    r.EW = static_cast<char>(b[41]);
    r.KM = static_cast<char>(b[42]);
    r.dummy = static_cast<char>(b[43]);
    std::transform(b.begin() + 44, b.end(), r.RawData.begin(),
                   [](unsigned char c) { return static_cast<char>(c); });
    return r;
}

_AVI_GPS_DATA_T::Bytes _AVI_GPS_DATA_T::toBytes() const {
    Bytes b{};
    writeLEInt32(&b[0], header);
    writeLE32(&b[4], nTimestamp);
    writeLE32(&b[8], nLen);
    writeLE32(&b[12], sig);
    writeLEDouble(&b[16], fLatitude);
    writeLEDouble(&b[24], fLongitude);
    writeLE32(&b[32], fSpeed);
    writeLE32(&b[36], distance);
    b[40] = static_cast<unsigned char>(NS);
    b[41] = static_cast<unsigned char>(EW);
    b[42] = static_cast<unsigned char>(KM);
    b[43] = static_cast<unsigned char>(dummy);
    std::transform(RawData.begin(), RawData.end(), b.begin() + 44,
                   [](char c) { return static_cast<unsigned char>(c); });
    return b;
}

_AVI_GSENSOR_DATA_T _AVI_GSENSOR_DATA_T::fromBytes(const Bytes& b) {
    _AVI_GSENSOR_DATA_T r;
    r.header = readLEInt32(&b[0]);
    r.timestamp = readLE32(&b[4]);
    r.xAxis = readLEInt32(&b[8]);
    r.yAxis = readLEInt32(&b[12]);
    r.zAxis = readLEInt32(&b[16]);
    r.nTemprature = readLEInt32(&b[20]);
    return r;
}

_AVI_GSENSOR_DATA_T::Bytes _AVI_GSENSOR_DATA_T::toBytes() const {
    Bytes b{};
    writeLEInt32(&b[0], header);
    writeLE32(&b[4], timestamp);
    writeLEInt32(&b[8], xAxis);
    writeLEInt32(&b[12], yAxis);
    writeLEInt32(&b[16], zAxis);
    writeLEInt32(&b[20], nTemprature);
    return b;
}
