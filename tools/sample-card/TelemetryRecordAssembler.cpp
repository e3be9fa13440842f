#include "sample-card/TelemetryRecordAssembler.h"

#include "recording/AviRecords.h"
#include "sample-card/DriveSimulator.h"
#include "sample-card/NmeaComposer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr double kStandardGravity = 9.80665;
constexpr double kKnotsPerKmh = 1.0 / 1.852;
constexpr int kSensorTemperature = 38;

// A collision from the front left: a hard jolt back and to the right, the
// rebound, and the car settling, one G-sensor tick each.
constexpr std::array<TelemetryRecordAssembler::GSensorCounts, 3> kImpact = {{
    {-1100, 640, 390},
    {720, -410, 150},
    {-260, 180, 300},
}};

// Satellites the receiver could be using over Seoul: a handful of each
// system, added and dropped one at a time as the sky drifts.
void addSatellite(std::vector<int>& used, SampleRandom& random, int first, int last) {
    for (;;) {
        const int candidate = random.between(first, last);
        if (std::find(used.begin(), used.end(), candidate) == used.end()) {
            used.push_back(candidate);
            std::sort(used.begin(), used.end());
            return;
        }
    }
}

void driftSystem(std::vector<int>& used, SampleRandom& random, int first, int last,
                 std::size_t fewest, std::size_t most) {
    if (used.size() > fewest && (used.size() >= most || random.chance(0.5))) {
        used.erase(used.begin() + random.between(0, static_cast<int>(used.size()) - 1));
    } else {
        addSatellite(used, random, first, last);
    }
}

std::int32_t toCounts(double metresPerSecondSquared) {
    return static_cast<std::int32_t>(std::lround(metresPerSecondSquared / kStandardGravity *
                                                 TelemetryRecordAssembler::kCountsPerG));
}

} // namespace

TelemetryRecordAssembler::TelemetryRecordAssembler(std::uint64_t seed)
    : m_noise(seed, 2), m_sky(seed, 3) {
    for (int i = 0; i < 8; ++i) {
        addSatellite(m_gpsSatellites, m_sky, 1, 32);
    }
    for (int i = 0; i < 5; ++i) {
        addSatellite(m_glonassSatellites, m_sky, 65, 96);
    }
}

TelemetryRecordAssembler::MomentTelemetry
TelemetryRecordAssembler::assemble(const std::vector<DriveSample>& samples, const CardTime& start,
                                   bool withImpact) {
    MomentTelemetry telemetry;
    const std::size_t impactAt = samples.size() / 2;
    for (std::size_t tick = 0; tick < samples.size(); ++tick) {
        const DriveSample& sample = samples[tick];
        const auto offsetMs = static_cast<std::uint32_t>(sample.elapsedMs - samples[0].elapsedMs);
        const int ticksPerSecond = DriveSimulator::kTicksPerSecond;
        if (tick % ticksPerSecond == ticksPerSecond - 1) {
            // The receiver delivers the fix of a whole second towards its end;
            // stored with the second's last sample, it covers that second's
            // samples when the reader lines fixes up with them.
            const std::size_t epoch = tick - (ticksPerSecond - 1);
            const auto second = static_cast<std::int64_t>(epoch / ticksPerSecond);
            telemetry.records.push_back(
                {offsetMs, gpsRecord(samples[epoch], start.plusSeconds(second), stampOf(sample))});
        }

        GSensorCounts counts = countsFor(sample);
        if (withImpact && tick >= impactAt && tick - impactAt < kImpact.size()) {
            const GSensorCounts& jolt = kImpact[tick - impactAt];
            for (std::size_t axis = 0; axis < 3; ++axis) {
                counts[axis] += jolt[axis];
            }
        }
        telemetry.gSensor.push_back(counts);

        _AVI_GSENSOR_DATA_T record;
        record.header = kAviGSensorRecordTag;
        record.timestamp = stampOf(sample);
        record.xAxis = counts[0];
        record.yAxis = counts[1];
        record.zAxis = counts[2];
        record.nTemprature = kSensorTemperature;
        const auto bytes = record.toBytes();
        telemetry.records.push_back({offsetMs, {bytes.begin(), bytes.end()}});
    }
    return telemetry;
}

TelemetryRecordAssembler::GSensorCounts
TelemetryRecordAssembler::countsFor(const DriveSample& sample) {
    // The road shakes the car more the faster it goes; a waiting car only hums.
    const double shake = 0.05 + sample.speedKmh / 70.0 * 0.35;
    return {
        toCounts(sample.forwardAcceleration + m_noise.uniform(-shake, shake)),
        toCounts(sample.lateralAcceleration + m_noise.uniform(-shake, shake)),
        toCounts(kStandardGravity + m_noise.uniform(-1.5 * shake, 1.5 * shake)),
    };
}

std::uint32_t TelemetryRecordAssembler::stampOf(const DriveSample& sample) {
    return kPowerOnToDriveMs + static_cast<std::uint32_t>(sample.elapsedMs);
}

std::vector<unsigned char> TelemetryRecordAssembler::gpsRecord(const DriveSample& sample,
                                                               const CardTime& time,
                                                               std::uint32_t stamp) {
    if (m_sky.chance(1.0 / 20)) {
        driftSky();
    }
    NmeaComposer::Fix fix;
    fix.utc = time.utc();
    fix.latitude = sample.latitude;
    fix.longitude = sample.longitude;
    fix.speedKnots = sample.speedKmh * kKnotsPerKmh;
    fix.course = sample.heading;
    fix.altitude = 38.0 + 6.0 * std::sin(sample.odometer / 700.0);
    fix.gpsSatellites = m_gpsSatellites;
    fix.glonassSatellites = m_glonassSatellites;
    const double used = static_cast<double>(m_gpsSatellites.size() + m_glonassSatellites.size());
    fix.hdop = 0.5 + 6.0 / used;
    fix.pdop = fix.hdop * 1.7;
    fix.vdop = fix.hdop * 1.3;
    const std::string text = NmeaComposer::sentences(fix);

    _AVI_GPS_DATA_T record;
    record.header = kAviGpsRecordTag;
    record.nTimestamp = stamp;
    record.nLen = static_cast<std::uint32_t>(std::min(text.size(), kAviGpsRawDataSize));
    // The record holds the position exactly as the sentences state it.
    record.fLatitude = NmeaComposer::degreeMinutes(sample.latitude);
    record.fLongitude = NmeaComposer::degreeMinutes(sample.longitude);
    record.fSpeed = static_cast<std::uint32_t>(std::lround(sample.speedKmh));
    record.distance = static_cast<std::uint32_t>(sample.odometer);
    record.NS = 'N';
    record.EW = 'E';
    record.KM = '9';
    std::memcpy(record.RawData.data(), text.data(), record.nLen);
    const auto bytes = record.toBytes();
    return {bytes.begin(), bytes.end()};
}

void TelemetryRecordAssembler::driftSky() {
    if (m_sky.chance(0.5)) {
        driftSystem(m_gpsSatellites, m_sky, 1, 32, 6, 11);
    } else {
        driftSystem(m_glonassSatellites, m_sky, 65, 96, 3, 7);
    }
}
