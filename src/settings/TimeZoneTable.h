#pragma once

#include <array>
#include <cstdint>

// The UTC offsets the camera knows, as hours × 100 + minutes; time_gmt is an
// index into this table.
inline constexpr std::array<std::int32_t, 34> TimeZoneTable = {
    -1200, -1100, -1000, -900, -800, -700, -600, -500, -430, -400, -330, -300,
    -200,  -100,  0,     100,  200,  300,  330,  400,  430,  500,  530,  545,
    600,   630,   700,   800,  900,  930,  1000, 1100, 1200, 1300};

// The index of the computer's current UTC offset, or -1 when the table lacks it.
int findTimeZoneIndex();

// The index of an offset east of UTC in seconds, or -1.
int findTimeZoneIndex(long long offsetSeconds);
