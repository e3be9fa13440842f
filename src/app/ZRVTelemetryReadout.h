#pragma once

#include "recording/ZRVGSensor.h"
#include "recording/ZRVGpsData.h"
#include "recording/ZRVGpsRecordsBySample.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>

class ZRVBlackBoxData;

// The hemispheres of the last fix the read-outs saw. The viewer keeps one
// pair for the whole process: a record whose fix is missing is drawn on the
// side the previous one named.
struct ZRVHemispheres {
    bool south = false;
    bool west = false;
};

// What the window shows of the telemetry at one play position: the texts of
// the read-outs and where the map marker goes. A field left empty means the
// read-out keeps the text it has.
struct ZRVTelemetryTexts {
    std::optional<std::string> x, y, z;
    std::optional<std::string> speed;
    std::optional<std::string> hdop, satellites;
    // Signed decimal degrees for the marker; none when the recording has no
    // GPS records (the page is told so instead).
    std::optional<double> latitude, longitude;
    bool noGpsRecords = false;
};

// Turns a recording's telemetry and a play position into what the read-outs
// and the map show, the way the player window does on every position change.
class ZRVTelemetryReadout {
public:
    // The texts of the read-outs after the controls are reset.
    static constexpr const char* kResetX = "X=+0.00";
    static constexpr const char* kResetY = "Y=+0.00";
    static constexpr const char* kResetZ = "Z=+0.00";

    // The element of a list of `count` (> 0) shown at a play position:
    // position × count truncated toward zero, the last element when that is
    // count or more. A position whose product truncates below zero (or is
    // not a number) also gives the last element.
    static std::size_t indexForPosition(double position, std::size_t count);

    static ZRVTelemetryTexts textsAt(const ZRVBlackBoxData& telemetry, double position,
                                     ZRVHemispheres& hemispheres);
    static ZRVTelemetryTexts textsAt(std::span<const ZRVGSensor> samples,
                                     const ZRVGpsRecordsBySample& gpsRecords,
                                     std::span<const ZRVGpsData> fixes, double position,
                                     ZRVHemispheres& hemispheres);
    // The two halves: the X, Y and Z texts; the marker, speed, HDOP and
    // satellites.
    static void addGsensorTexts(ZRVTelemetryTexts& texts, std::span<const ZRVGSensor> samples,
                                double position);
    static void addGpsTexts(ZRVTelemetryTexts& texts, const ZRVGpsRecordsBySample& gpsRecords,
                            std::span<const ZRVGpsData> fixes, double position,
                            ZRVHemispheres& hemispheres);

    // "X=+0.25", "Y=-0.50", "Z=0.00": a plus sign only above zero.
    static std::string axisText(char axis, double value);
};
