#pragma once

#include "recording/ZRVGpsData.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class ZRVBlackBoxData;

// One position of the drive, ready for a map or a track file.
struct ZRVTrackPoint {
    double latitude = 0;  // signed decimal degrees, south negative
    double longitude = 0; // signed decimal degrees, west negative
    double speedKmh = 0;
    std::uint32_t timestampMs = 0;  // the camera's running clock
    std::optional<_SYSTEMTIME> utc; // from the fixes decoded so far; none until an RMC set it
    // Satellites used and HDOP of the fix decoded up to this record; none
    // before the first sentence, and no HDOP while no sentence has given one.
    std::optional<std::uint32_t> satellites;
    std::optional<double> hdop;
    std::size_t recordIndex = 0; // of the GPS record in file order
};

// The drive of one recording as a track: one point per GPS record, in file
// order. The records carry only the magnitude of the position; the
// hemispheres come from the fix decoded up to that record, carried over from
// the previous record when a record brought no sentence, the way the player
// shows positions. Records without a usable position (not a number, outside
// the globe, or 0/0, which the camera writes before its first fix) are left
// out.
class ZRVDriveTrack {
public:
    static std::vector<ZRVTrackPoint> fromTelemetry(const ZRVBlackBoxData& telemetry);

    // "YYYY-MM-DDThh:mm:ss.sssZ" of the fields as they are, or nothing for a
    // time that was never set (all fields 0).
    static std::optional<std::string> isoTime(const _SYSTEMTIME& time);
    static bool isCalendarTime(const _SYSTEMTIME& time);
};
