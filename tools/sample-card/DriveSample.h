#pragma once

#include <cstdint>

// The state of the demo car at one tick of the G-sensor clock.
struct DriveSample {
    std::uint64_t elapsedMs = 0; // since the drive started
    double latitude = 0;         // decimal degrees, north
    double longitude = 0;        // decimal degrees, east
    double heading = 0;          // degrees clockwise from north
    double speedKmh = 0;
    double forwardAcceleration = 0; // m/s², positive when speeding up
    double lateralAcceleration = 0; // m/s², positive when turning right
    double odometer = 0;            // metres since the drive started
};
