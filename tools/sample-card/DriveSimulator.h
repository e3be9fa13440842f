#pragma once

#include "sample-card/CityRoute.h"
#include "sample-card/DriveSample.h"
#include "sample-card/SampleRandom.h"

#include <cstdint>

// Drives the demo car round the city loop, ten ticks a second: it pulls away
// from the kerb, cruises at a speed it picks for each street (40 to 70 km/h),
// slows for corners, and stops at red lights for a while before pulling away
// again. The same seed gives the same drive, and one simulator drives on
// across all the moments of a card, so consecutive recordings join up.
class DriveSimulator {
public:
    static constexpr int kTicksPerSecond = 10;
    static constexpr std::uint64_t kTickMs = 1000 / kTicksPerSecond;

    explicit DriveSimulator(std::uint64_t seed);

    // The state now; then the car moves on by one tick.
    DriveSample step();

private:
    double targetSpeed();
    void considerLight(const CityRoute::Corner& corner);

    CityRoute m_route;
    SampleRandom m_random;
    std::uint64_t m_ticks = 0;
    double m_odometer = 0;
    double m_speed = 0; // m/s
    double m_cruiseSpeed = 0;
    double m_forwardAcceleration = 0;
    double m_lateralAcceleration = 0;
    double m_decidedCorner = -1; // odometer reading of the last corner whose light was decided
    double m_stopLine = -1;      // odometer reading to stop at, or negative when the way is clear
    int m_redTicks = 0;
};
