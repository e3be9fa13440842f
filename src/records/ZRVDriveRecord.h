#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// One logged moment of the camera's driving-record file, as the 40 bytes
// hold it (little-endian). Bytes 24 to 27 and 30 to 31 are not understood;
// they are skipped when reading and written as zeros.
struct ZRVDriveRecord {
    static constexpr std::size_t kSize = 40;

    std::uint16_t sequenceNumber = 0;
    std::uint8_t weekday = 0;   // 0 Sunday ... 6 Saturday
    std::uint8_t gpsStatus = 0; // 1 for a valid fix
    std::uint8_t yearSince1900 = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
    std::uint8_t second = 0;
    // NMEA ddmm.mmmm split into the whole part and four fraction digits.
    std::uint16_t latitudeWhole = 0;
    std::uint16_t latitudeFraction = 0;
    std::uint16_t longitudeWhole = 0;
    std::uint16_t longitudeFraction = 0;
    std::uint16_t currentSpeed = 0;
    std::uint32_t drivingDistanceTenths = 0;
    std::uint16_t maximumSpeed = 0;
    std::int16_t gSensorX = 0; // 1/256 g
    std::int16_t gSensorY = 0;
    std::int16_t gSensorZ = 0;
    std::int16_t batteryTenths = 0; // tenths of a volt

    // Whether the date and time could be a moment the camera logged: month
    // 1 to 12, day 1 to 31, hour below 24, minute and second below 60. The
    // table shows every record as it is; this tells a driving-record file
    // from bytes of some other kind.
    bool hasPlausibleTime() const;

    static ZRVDriveRecord fromBytes(std::span<const unsigned char, kSize> bytes);
    std::array<unsigned char, kSize> toBytes() const;
};
