#include "app/ZRVMapScript.h"
#include "app/ZRVTelemetryReadout.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

ZRVAviGpsData gpsRecord(double latitude, double longitude, std::uint32_t speed = 0,
                        char unit = '9') {
    _AVI_GPS_DATA_T record;
    record.header = kAviGpsRecordTag;
    record.nTimestamp = 1000;
    record.fLatitude = latitude;
    record.fLongitude = longitude;
    record.fSpeed = speed;
    record.KM = unit;
    return ZRVAviGpsData(record.toBytes());
}

ZRVGpsData fix(char ns, char ew, double hdop = 0, std::uint32_t satellites = 0) {
    ZRVGpsData data;
    data.NS = ns;
    data.EW = ew;
    data.HDOP = hdop;
    data.SatelliteUsedCount = satellites;
    return data;
}

std::string markerScript(const ZRVTelemetryTexts& texts) {
    return ZRVMapScript::setLatLag(*texts.longitude, *texts.latitude);
}

} // namespace

TEST(ZRVTelemetryReadout, IndexTruncatesAndEverythingPastTheEndOrBelowZeroIsTheLast) {
    EXPECT_EQ(ZRVTelemetryReadout::indexForPosition(0.5, 41), 20u);
    EXPECT_EQ(ZRVTelemetryReadout::indexForPosition(1.0, 41), 40u);
    EXPECT_EQ(ZRVTelemetryReadout::indexForPosition(0.0, 41), 0u);
    EXPECT_EQ(ZRVTelemetryReadout::indexForPosition(0.999, 41), 40u);
    EXPECT_EQ(ZRVTelemetryReadout::indexForPosition(1e300, 41), 40u);
    EXPECT_EQ(ZRVTelemetryReadout::indexForPosition(-0.5, 41), 40u);
    // A product that truncates to zero is the first element, whatever its sign.
    EXPECT_EQ(ZRVTelemetryReadout::indexForPosition(-0.01, 41), 0u);
    EXPECT_EQ(ZRVTelemetryReadout::indexForPosition(std::nan(""), 41), 40u);
    EXPECT_EQ(ZRVTelemetryReadout::indexForPosition(-std::numeric_limits<double>::infinity(), 3),
              2u);
}

TEST(ZRVTelemetryReadout, AxisTextsSignOnlyPositiveValues) {
    ZRVHemispheres hemispheres;
    const std::vector<ZRVGSensor> samples{{0.25f, -0.5f, 0.0f}};
    const auto texts = ZRVTelemetryReadout::textsAt(samples, {}, {}, 0.3, hemispheres);
    EXPECT_EQ(texts.x, "X=+0.25");
    EXPECT_EQ(texts.y, "Y=-0.50");
    EXPECT_EQ(texts.z, "Z=0.00");

    const auto none = ZRVTelemetryReadout::textsAt({}, {}, {}, 0.3, hemispheres);
    EXPECT_FALSE(none.x || none.y || none.z) << "without samples the read-outs keep their texts";
}

TEST(ZRVTelemetryReadout, MarkerTakesTheHemispheresOfTheFixAndKeepsThemWhereThereIsNone) {
    ZRVHemispheres hemispheres;
    const std::vector<ZRVAviGpsData> records{gpsRecord(3731.5, 12658.8),
                                             gpsRecord(3731.5, 12658.8)};
    const std::vector<ZRVGpsData> north{fix('N', 'E')};
    EXPECT_EQ(markerScript(ZRVTelemetryReadout::textsAt({}, records, north, 0.0, hemispheres)),
              "setLatLag('126.980000','37.525000')");

    const std::vector<ZRVGpsData> south{fix('S', 'W')};
    EXPECT_EQ(markerScript(ZRVTelemetryReadout::textsAt({}, records, south, 0.0, hemispheres)),
              "setLatLag('-126.980000','-37.525000')");
    // Record 1 has no fix of its own: the last hemispheres hold, also for a
    // later call.
    EXPECT_EQ(markerScript(ZRVTelemetryReadout::textsAt({}, records, south, 0.9, hemispheres)),
              "setLatLag('-126.980000','-37.525000')");
    EXPECT_EQ(markerScript(ZRVTelemetryReadout::textsAt({}, records, north, 0.0, hemispheres)),
              "setLatLag('126.980000','37.525000')");
}

TEST(ZRVTelemetryReadout, SpeedUnitComesFromEachRecordAndFixesUseTheirOwnIndex) {
    ZRVHemispheres hemispheres;
    const std::vector<ZRVAviGpsData> records{gpsRecord(3731.5, 12658.8, 87, '9'),
                                             gpsRecord(3731.5, 12658.8, 87, 'M')};
    const std::vector<ZRVGpsData> fixes{fix('N', 'E', 0.94, 8), fix('N', 'E', 1.25, 11),
                                        fix('N', 'E', 2.0, 5)};
    auto texts = ZRVTelemetryReadout::textsAt({}, records, fixes, 0.2, hemispheres);
    EXPECT_EQ(texts.speed, "87 Km/h");
    EXPECT_EQ(texts.hdop, "0.9");
    EXPECT_EQ(texts.satellites, "8");
    texts = ZRVTelemetryReadout::textsAt({}, records, fixes, 0.6, hemispheres);
    EXPECT_EQ(texts.speed, "87 Mi/h");
    EXPECT_EQ(texts.hdop, "1.2") << "index 1 of three fixes";
    EXPECT_EQ(texts.satellites, "11");
}

TEST(ZRVTelemetryReadout, WithoutGpsRecordsThePageIsToldAndOnlyFixesUpdate) {
    ZRVHemispheres hemispheres;
    const std::vector<ZRVGpsData> fixes{fix('N', 'E', 0.8, 9)};
    const auto texts = ZRVTelemetryReadout::textsAt({}, {}, fixes, 0.5, hemispheres);
    EXPECT_TRUE(texts.noGpsRecords);
    EXPECT_FALSE(texts.latitude || texts.longitude || texts.speed);
    EXPECT_EQ(texts.hdop, "0.8");
    EXPECT_EQ(texts.satellites, "9");
    EXPECT_EQ(ZRVMapScript::noGpsRecords(), "ZRVDebug('GPS Data Count=Zero')");

    const auto nothing = ZRVTelemetryReadout::textsAt({}, {}, {}, 0.5, hemispheres);
    EXPECT_FALSE(nothing.hdop || nothing.satellites);
}

TEST(ZRVMapScript, TrackPointsCarryThePlayPositionOfTheirRecord) {
    ZRVTrackPoint first;
    first.latitude = 37.525;
    first.longitude = 126.98;
    first.speedKmh = 42.5;
    first.recordIndex = 0;
    ZRVTrackPoint later = first;
    later.latitude = -33.5;
    later.recordIndex = 3;
    const std::vector<ZRVTrackPoint> track{first, later};
    EXPECT_EQ(ZRVMapScript::setTrack(track, 4),
              "setTrack([{\"lat\":37.525000,\"lng\":126.980000,\"kmh\":42.5,\"p\":0.000000},"
              "{\"lat\":-33.500000,\"lng\":126.980000,\"kmh\":42.5,\"p\":0.750000}])");
    EXPECT_EQ(ZRVMapScript::setTrack({}, 0), "setTrack([])");
}
