#include "recording/ZRVDriveTrack.h"

#include "common/ZeroPadded.h"
#include "recording/DegreeMinutes.h"
#include "recording/ZRVBlackBoxData.h"

#include <cmath>

namespace {

constexpr double kKilometresPerMile = 1.609344;

bool isOnTheGlobe(double latitude, double longitude) {
    return std::isfinite(latitude) && std::isfinite(longitude) && std::fabs(latitude) <= 90 &&
           std::fabs(longitude) <= 180 && !(latitude == 0 && longitude == 0);
}

} // namespace

std::vector<ZRVTrackPoint> ZRVDriveTrack::fromTelemetry(const ZRVBlackBoxData& telemetry) {
    const auto& records = telemetry.gpsRecords();
    const auto& fixCounts = telemetry.fixCountAfterGpsRecord();
    const auto& fixes = telemetry.nmeaFixes();

    std::vector<ZRVTrackPoint> track;
    track.reserve(records.size());
    bool south = false;
    bool west = false;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const _AVI_GPS_DATA_T record = records[i].record();
        const ZRVGpsData* fix = nullptr;
        if (i < fixCounts.size() && fixCounts[i] > 0 && fixCounts[i] <= fixes.size()) {
            fix = &fixes[fixCounts[i] - 1];
            south = fix->NS != 'N';
            west = fix->EW != 'E';
        }
        ZRVTrackPoint point;
        degreesFromDegreeMinutes(&point.latitude, &point.longitude,
                                 south ? -std::fabs(record.fLatitude) : std::fabs(record.fLatitude),
                                 west ? -std::fabs(record.fLongitude)
                                      : std::fabs(record.fLongitude));
        if (!isOnTheGlobe(point.latitude, point.longitude)) {
            continue;
        }
        point.speedKmh = record.KM == '9'
                             ? record.fSpeed
                             : std::round(record.fSpeed * kKilometresPerMile * 10) / 10;
        point.timestampMs = record.nTimestamp;
        point.recordIndex = i;
        if (fix != nullptr) {
            if (isCalendarTime(fix->Now)) {
                point.utc = fix->Now;
            }
            point.satellites = fix->SatelliteUsedCount;
            if (std::isfinite(fix->HDOP) && fix->HDOP > 0) {
                point.hdop = fix->HDOP;
            }
        }
        track.push_back(point);
    }
    return track;
}

bool ZRVDriveTrack::isCalendarTime(const _SYSTEMTIME& t) {
    return t.wYear != 0 && t.wMonth >= 1 && t.wMonth <= 12 && t.wDay >= 1 && t.wDay <= 31 &&
           t.wHour <= 23 && t.wMinute <= 59 && t.wSecond <= 60 && t.wMilliseconds <= 999;
}

std::optional<std::string> ZRVDriveTrack::isoTime(const _SYSTEMTIME& t) {
    if (t.wYear == 0 && t.wMonth == 0 && t.wDay == 0 && t.wHour == 0 && t.wMinute == 0 &&
        t.wSecond == 0 && t.wMilliseconds == 0) {
        return std::nullopt;
    }
    const struct {
        unsigned value;
        int width;
        char after;
    } fields[] = {{t.wYear, 4, '-'},        {t.wMonth, 2, '-'},  {t.wDay, 2, 'T'},
                  {t.wHour, 2, ':'},        {t.wMinute, 2, ':'}, {t.wSecond, 2, '.'},
                  {t.wMilliseconds, 3, 'Z'}};
    std::string text;
    text.reserve(24);
    for (const auto& field : fields) {
        appendZeroPadded(text, field.value, field.width);
        text += field.after;
    }
    return text;
}
