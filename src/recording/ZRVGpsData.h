#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// A calendar date and time in the layout the camera's tools share.
struct _SYSTEMTIME {
    std::uint16_t wYear = 0;
    std::uint16_t wMonth = 0;
    std::uint16_t wDayOfWeek = 0;
    std::uint16_t wDay = 0;
    std::uint16_t wHour = 0;
    std::uint16_t wMinute = 0;
    std::uint16_t wSecond = 0;
    std::uint16_t wMilliseconds = 0;

    bool operator==(const _SYSTEMTIME&) const = default;
};

// One GPS fix as the NMEA parser has built it up so far. The fields are public
// and keep the firmware's names because the player and the exporters read
// them as plain data; a copy is stored after every sentence.
class ZRVGpsData {
public:
    static constexpr std::size_t kSatelliteSlots = 12;

    _SYSTEMTIME Now{}; // UTC of the last accepted RMC
    std::uint32_t SatelliteUsedCount = 0;
    std::array<std::uint8_t, kSatelliteSlots> SatelliteUsed{};
    double HDOP = 0;
    double Latitude = 0; // ddmm.mmmm as sent, unsigned
    char NS = 'N';
    double Longitude = 0; // dddmm.mmmm as sent, unsigned
    char EW = 'E';
    double SpeedOverGround = 0; // knots
    double CourseOverGround = 0;
    std::uint8_t Enable_GNGNS = 0;
    std::uint8_t Enable_GNGSA = 0;
    std::uint8_t Cnt_GNGSA = 0; // system of the next $GNGSA: 0 GPS, 1 GLONASS
    std::uint32_t SatelliteUsedCount_GPS = 0;
    std::uint32_t SatelliteUsedCount_GLONASS = 0;

    void clear();
    ZRVGpsData duplicate() const;
    void updateFromObject(const ZRVGpsData& other);

    // Slots past the last read as 0 and are not written.
    std::uint8_t satelliteUsedAtIndex(std::size_t index) const;
    void setSatelliteUsed(std::uint8_t satellite, std::size_t index);

    bool operator==(const ZRVGpsData&) const = default;
};
