#include "sample-card/DriveSimulator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTick = 1.0 / DriveSimulator::kTicksPerSecond;
constexpr double kKmh = 1.0 / 3.6;
constexpr double kTopSpeed = 70 * kKmh;
constexpr double kComfortableBraking = 1.8;    // m/s², what the car plans with
constexpr double kHardestBraking = 3.5;        // m/s², what it may do when late
constexpr double kLightDecisionDistance = 150; // metres: room to stop from top speed
constexpr double kRedLightChance = 0.45;
constexpr double kStopLineBeforeCorner = 6;

double cruiseSpeedFrom(SampleRandom& random) {
    return random.uniform(40, 70) * kKmh;
}

// Slower the sharper the turn, as a driver takes a city corner.
double cornerSpeed(double turn) {
    const double sharpness = std::abs(turn);
    if (sharpness > 60) {
        return 18 * kKmh;
    }
    if (sharpness > 25) {
        return 30 * kKmh;
    }
    return kTopSpeed;
}

// The highest speed from which the car can still slow to `endSpeed` within `distance`.
double speedToSlowTo(double endSpeed, double distance) {
    return std::sqrt(endSpeed * endSpeed + 2 * kComfortableBraking * std::max(0.0, distance));
}

} // namespace

DriveSimulator::DriveSimulator(std::uint64_t seed)
    : m_random(seed, 1), m_cruiseSpeed(cruiseSpeedFrom(m_random)) {}

DriveSample DriveSimulator::step() {
    const CityRoute::Place place = m_route.placeAt(m_odometer);
    DriveSample sample;
    sample.elapsedMs = m_ticks * kTickMs;
    sample.latitude = place.latitude;
    sample.longitude = place.longitude;
    sample.heading = place.heading;
    sample.speedKmh = m_speed / kKmh;
    sample.forwardAcceleration = m_forwardAcceleration;
    sample.lateralAcceleration = m_lateralAcceleration;
    sample.odometer = m_odometer;

    const double target = targetSpeed();
    const double pullAway = std::max(0.6, 2.0 - 0.07 * m_speed);
    double acceleration = std::clamp((target - m_speed) / kTick, -kHardestBraking, pullAway);
    if (m_speed > 1) {
        acceleration += m_random.uniform(-0.25, 0.25);
    }
    const double newSpeed = std::clamp(m_speed + acceleration * kTick, 0.0, kTopSpeed);
    m_forwardAcceleration = (newSpeed - m_speed) / kTick;
    m_odometer += (m_speed + newSpeed) / 2 * kTick;
    m_speed = newSpeed;
    const double turn = CityRoute::turnBetween(place.heading, m_route.placeAt(m_odometer).heading);
    m_lateralAcceleration = m_speed * turn * std::numbers::pi / 180 / kTick;
    ++m_ticks;
    return sample;
}

double DriveSimulator::targetSpeed() {
    const CityRoute::Corner corner = m_route.nextCorner(m_odometer);
    considerLight(corner);

    double target =
        std::min(m_cruiseSpeed, speedToSlowTo(cornerSpeed(corner.turn), corner.distanceAhead));
    if (m_stopLine >= 0) {
        const double toLine = m_stopLine - m_odometer;
        if (toLine < -1) {
            // Too close to stop when the light changed: the car went through on amber.
            m_stopLine = -1;
        } else if (toLine < 1.0 && m_speed < 0.5) {
            target = 0;
            if (--m_redTicks <= 0) {
                m_stopLine = -1;
            }
        } else {
            target = std::min(target, speedToSlowTo(0, toLine - 0.5));
        }
    }
    // Traffic ahead now and then changes the pace mid-street.
    if (m_random.chance(0.003)) {
        m_cruiseSpeed = cruiseSpeedFrom(m_random);
    }
    return target;
}

void DriveSimulator::considerLight(const CityRoute::Corner& corner) {
    const double cornerAt = m_odometer + corner.distanceAhead;
    if (corner.distanceAhead > kLightDecisionDistance || std::abs(cornerAt - m_decidedCorner) < 1) {
        return;
    }
    m_decidedCorner = cornerAt;
    m_cruiseSpeed = cruiseSpeedFrom(m_random);
    if (m_random.chance(kRedLightChance)) {
        m_stopLine = cornerAt - kStopLineBeforeCorner;
        m_redTicks = m_random.between(8, 35) * DriveSimulator::kTicksPerSecond;
    }
}
