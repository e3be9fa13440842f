#pragma once

#include "sample-card/CardTime.h"
#include "sample-card/DriveSample.h"
#include "sample-card/SampleRandom.h"

#include <array>
#include <cstdint>
#include <vector>

// Turns the drive of one recorded moment into the records the camera puts in
// stream 02: a G-sensor record at every tick and, once a second, a GPS record
// with the NMEA sentences of that second's fix. Front and rear file of a moment
// carry the same records.
class TelemetryRecordAssembler {
public:
    // The camera's millisecond clock counts from power-on, a while before
    // the drive starts, so no record is stamped 0.
    static constexpr std::uint32_t kPowerOnToDriveMs = 24000;
    static constexpr int kCountsPerG = 256;

    struct TimedRecord {
        std::uint32_t offsetMs = 0; // from the start of the moment
        std::vector<unsigned char> bytes;
    };
    using GSensorCounts = std::array<std::int32_t, 3>; // x forward, y right, z up
    struct MomentTelemetry {
        std::vector<TimedRecord> records;   // in time order, GPS before G-sensor of the same tick
        std::vector<GSensorCounts> gSensor; // one per drive sample
    };

    explicit TelemetryRecordAssembler(std::uint64_t seed);

    // `samples` are the moment's ticks, the first at a whole second of `start`.
    // `withImpact` puts a collision in the middle, as in an event recording.
    MomentTelemetry assemble(const std::vector<DriveSample>& samples, const CardTime& start,
                             bool withImpact);

private:
    GSensorCounts countsFor(const DriveSample& sample);
    static std::uint32_t stampOf(const DriveSample& sample);
    std::vector<unsigned char> gpsRecord(const DriveSample& sample, const CardTime& time,
                                         std::uint32_t stamp);
    void driftSky();

    SampleRandom m_noise;
    SampleRandom m_sky;
    std::vector<int> m_gpsSatellites;
    std::vector<int> m_glonassSatellites;
};
