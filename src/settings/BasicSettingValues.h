#pragma once

#include <array>
#include <cstdint>
#include <span>

// The choices of the Basic settings page and how a stored value finds its
// choice. A value a list lacks falls back to a fixed choice rather than to
// none, as the camera's own tools show it.

// always_mode_timeout, seconds; a value not listed shows 30 s.
inline constexpr std::array<std::int64_t, 9> kAlwaysModeTimeoutSeconds = {0,   10,  30,  60, 120,
                                                                          180, 300, 420, 600};
// sd_mem_always_reserved: 0 off, 1 automatic, 10000 an external battery,
// else the cut-off in millivolts; a value not listed shows 12.0 V.
inline constexpr std::array<std::int64_t, 13> kPowerVoltageMillivolts = {
    0, 1, 10000, 11500, 11600, 11700, 11800, 11900, 12000, 12100, 12200, 12300, 12400};
// sd_mem_motion_reserved, hours; a value not listed shows "off".
inline constexpr std::array<std::int64_t, 8> kPowerTimeHours = {0, 3, 6, 9, 12, 24, 36, 48};

int findAlwaysModeTimeoutIndexByValue(std::int64_t value);
int findPowerVoltageIndexByValue(std::int64_t value);
int findPowerTimeIndexByValue(std::int64_t value);

// The impact sensitivity levels 0 (least sensitive) to 4, as thresholds in
// hundredths of g; level 5 is the user's own three numbers.
inline constexpr int kCustomGsensorLevel = 5;

struct GsensorThresholds {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t z = 0;

    bool operator==(const GsensorThresholds&) const = default;
};

// Level 0 to 4; driving thresholds share Y and Z, parking ones all three.
GsensorThresholds drivingGsensorThresholds(int level);
GsensorThresholds parkingGsensorThresholds(int level);
// The first level whose thresholds are these, else the custom level.
int findDrivingGsensorThresholdIndexByX(std::int32_t x, std::int32_t y, std::int32_t z);
int findParkingGsensorThresholdIndexByX(std::int32_t x, std::int32_t y, std::int32_t z);
