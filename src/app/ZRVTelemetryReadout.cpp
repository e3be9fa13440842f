#include "app/ZRVTelemetryReadout.h"

#include "recording/DegreeMinutes.h"
#include "recording/ZRVBlackBoxData.h"

#include <cmath>
#include <cstdio>

namespace {

std::string formatted(const char* format, auto value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

std::size_t ZRVTelemetryReadout::indexForPosition(double position, std::size_t count) {
    const double product = std::trunc(position * static_cast<double>(count));
    // Compared as doubles: converting a negative, huge or NaN product to an
    // index would be undefined.
    if (!(product >= 0) || product >= static_cast<double>(count)) {
        return count - 1;
    }
    return static_cast<std::size_t>(product);
}

std::string ZRVTelemetryReadout::axisText(char axis, double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%c=%s%.2lf", axis, value > 0 ? "+" : "", value);
    return text;
}

ZRVTelemetryTexts ZRVTelemetryReadout::textsAt(const ZRVBlackBoxData& telemetry, double position,
                                               ZRVHemispheres& hemispheres) {
    return textsAt(telemetry.gSensors(), telemetry.gpsData(), telemetry.nmeaFixes(), position,
                   hemispheres);
}

ZRVTelemetryTexts ZRVTelemetryReadout::textsAt(std::span<const ZRVGSensor> samples,
                                               const ZRVGpsRecordsBySample& gpsRecords,
                                               std::span<const ZRVGpsData> fixes, double position,
                                               ZRVHemispheres& hemispheres) {
    ZRVTelemetryTexts texts;
    addGsensorTexts(texts, samples, position);
    addGpsTexts(texts, gpsRecords, fixes, position, hemispheres);
    return texts;
}

void ZRVTelemetryReadout::addGsensorTexts(ZRVTelemetryTexts& texts,
                                          std::span<const ZRVGSensor> samples, double position) {
    if (samples.empty()) {
        return;
    }
    const ZRVGSensor& sample = samples[indexForPosition(position, samples.size())];
    texts.x = axisText('X', sample.x);
    texts.y = axisText('Y', sample.y);
    texts.z = axisText('Z', sample.z);
}

void ZRVTelemetryReadout::addGpsTexts(ZRVTelemetryTexts& texts,
                                      const ZRVGpsRecordsBySample& gpsRecords,
                                      std::span<const ZRVGpsData> fixes, double position,
                                      ZRVHemispheres& hemispheres) {
    if (gpsRecords.empty()) {
        texts.noGpsRecords = true;
    } else {
        const std::size_t i = indexForPosition(position, gpsRecords.size());
        const _AVI_GPS_DATA_T record = gpsRecords[i].record();
        // The fix of the same index, when there is one, names the hemispheres.
        if (i < fixes.size()) {
            hemispheres.south = fixes[i].NS != 'N';
            hemispheres.west = fixes[i].EW != 'E';
        }
        const double latitude = std::fabs(record.fLatitude);
        const double longitude = std::fabs(record.fLongitude);
        texts.latitude = degreesFromDegreeMinutes(hemispheres.south ? -latitude : latitude);
        texts.longitude = degreesFromDegreeMinutes(hemispheres.west ? -longitude : longitude);
        texts.speed = formatted(record.KM == '9' ? "%u Km/h" : "%u Mi/h", record.fSpeed);
    }

    if (!fixes.empty()) {
        const ZRVGpsData& fix = fixes[indexForPosition(position, fixes.size())];
        texts.hdop = formatted("%.1f", fix.HDOP);
        texts.satellites = formatted("%d", static_cast<int>(fix.SatelliteUsedCount));
    }
}
