#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The decimal number at the start of a G-sensor threshold text: leading white
// space, an optional sign, digits with an optional full stop and exponent;
// whatever follows is ignored. Nothing when the text does not start with a
// number; NaN when the number lies beyond what a double holds.
std::optional<double> leadingDecimalNumber(std::string_view text);

// The hundredths of g stored for a threshold text that validateGsensorThreshold
// accepts: the nearest hundredth, so a typed 0.57 is 57 even though 0.57 × 100
// falls just below 57 in binary; 0 for an empty text; nothing otherwise.
std::optional<std::int32_t> gsensorThresholdFromText(std::string_view text);
