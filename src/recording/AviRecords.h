#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The two record types the camera stores in the "02sb" chunks of stream 02.
// Field names are the firmware's. The structs mirror the on-card layout; they
// are filled from and written to bytes explicitly (little-endian), never by
// copying memory, so the host's byte order does not matter.

inline constexpr std::int32_t kAviGpsRecordTag = 205;
inline constexpr std::int32_t kAviGSensorRecordTag = 171;
inline constexpr std::size_t kAviGpsRawDataSize = 508;

struct _AVI_GPS_DATA_T {
    std::int32_t header = 0;      // kAviGpsRecordTag in a valid record
    std::uint32_t nTimestamp = 0; // milliseconds, not 0 in a valid record
    std::uint32_t nLen = 0;       // bytes of NMEA text in RawData
    std::uint32_t sig = 0;
    double fLatitude = 0;  // ddmm.mmmm, magnitude only
    double fLongitude = 0; // dddmm.mmmm, magnitude only
    std::uint32_t fSpeed = 0;
    std::uint32_t distance = 0;
    char NS = 0;
    char EW = 0;
    char KM = 0; // '9' km/h, anything else mph
    char dummy = 0;
    std::array<char, kAviGpsRawDataSize> RawData{};

    static constexpr std::size_t kSize = 552;
    using Bytes = std::array<unsigned char, kSize>;

    static _AVI_GPS_DATA_T fromBytes(const Bytes& bytes);
    Bytes toBytes() const;
};

struct _AVI_GSENSOR_DATA_T {
    std::int32_t header = 0; // kAviGSensorRecordTag in a valid record
    std::uint32_t timestamp = 0;
    std::int32_t xAxis = 0; // 256 counts per g
    std::int32_t yAxis = 0;
    std::int32_t zAxis = 0;
    std::int32_t nTemprature = 0;

    static constexpr std::size_t kSize = 24;
    using Bytes = std::array<unsigned char, kSize>;

    static _AVI_GSENSOR_DATA_T fromBytes(const Bytes& bytes);
    Bytes toBytes() const;
};

static_assert(sizeof(_AVI_GPS_DATA_T) == _AVI_GPS_DATA_T::kSize);
static_assert(offsetof(_AVI_GPS_DATA_T, header) == 0);
static_assert(offsetof(_AVI_GPS_DATA_T, nTimestamp) == 4);
static_assert(offsetof(_AVI_GPS_DATA_T, nLen) == 8);
static_assert(offsetof(_AVI_GPS_DATA_T, sig) == 12);
static_assert(offsetof(_AVI_GPS_DATA_T, fLatitude) == 16);
static_assert(offsetof(_AVI_GPS_DATA_T, fLongitude) == 24);
static_assert(offsetof(_AVI_GPS_DATA_T, fSpeed) == 32);
static_assert(offsetof(_AVI_GPS_DATA_T, distance) == 36);
static_assert(offsetof(_AVI_GPS_DATA_T, NS) == 40);
static_assert(offsetof(_AVI_GPS_DATA_T, EW) == 41);
static_assert(offsetof(_AVI_GPS_DATA_T, KM) == 42);
static_assert(offsetof(_AVI_GPS_DATA_T, dummy) == 43);
static_assert(offsetof(_AVI_GPS_DATA_T, RawData) == 44);

static_assert(sizeof(_AVI_GSENSOR_DATA_T) == _AVI_GSENSOR_DATA_T::kSize);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, header) == 0);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, timestamp) == 4);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, xAxis) == 8);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, yAxis) == 12);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, zAxis) == 16);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, nTemprature) == 20);
