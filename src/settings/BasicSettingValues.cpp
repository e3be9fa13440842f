#include "settings/BasicSettingValues.h"

#include <algorithm>

namespace {

constexpr std::array<std::int32_t, kCustomGsensorLevel> kDrivingX = {70, 60, 50, 40, 30};
constexpr std::array<std::int32_t, kCustomGsensorLevel> kDrivingYZ = {65, 55, 45, 35, 25};
constexpr std::array<std::int32_t, kCustomGsensorLevel> kParking = {25, 20, 15, 12, 8};

int indexOf(std::span<const std::int64_t> list, std::int64_t value, int fallback) {
    const auto found = std::find(list.begin(), list.end(), value);
    return found != list.end() ? static_cast<int>(found - list.begin()) : fallback;
}

int findLevel(const GsensorThresholds& thresholds, GsensorThresholds (*levelThresholds)(int)) {
    for (int level = 0; level < kCustomGsensorLevel; ++level) {
        if (levelThresholds(level) == thresholds) {
            return level;
        }
    }
    return kCustomGsensorLevel;
}

std::size_t tableRow(int level) {
    return static_cast<std::size_t>(std::clamp(level, 0, kCustomGsensorLevel - 1));
}

} // namespace

int findAlwaysModeTimeoutIndexByValue(std::int64_t value) {
    return indexOf(kAlwaysModeTimeoutSeconds, value, 2);
}

int findPowerVoltageIndexByValue(std::int64_t value) {
    return indexOf(kPowerVoltageMillivolts, value, 8);
}

int findPowerTimeIndexByValue(std::int64_t value) {
    return indexOf(kPowerTimeHours, value, 0);
}

GsensorThresholds drivingGsensorThresholds(int level) {
    const std::size_t row = tableRow(level);
    return {kDrivingX[row], kDrivingYZ[row], kDrivingYZ[row]};
}

GsensorThresholds parkingGsensorThresholds(int level) {
    const std::size_t row = tableRow(level);
    return {kParking[row], kParking[row], kParking[row]};
}

int findDrivingGsensorThresholdIndexByX(std::int32_t x, std::int32_t y, std::int32_t z) {
    return findLevel({x, y, z}, &drivingGsensorThresholds);
}

int findParkingGsensorThresholdIndexByX(std::int32_t x, std::int32_t y, std::int32_t z) {
    return findLevel({x, y, z}, &parkingGsensorThresholds);
}
