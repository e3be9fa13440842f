#pragma once

#include "settings/LocalizedMessage.h"

#include <optional>
#include <string_view>

// Checks of typed settings; each returns the message to show, or nothing
// when the input is acceptable.
class ZRVValidator {
public:
    static constexpr double kMinimumGsensorThreshold = 0.05;
    static constexpr double kMaximumGsensorThreshold = 1.5;
    static constexpr long long kMinimumSDCardSizeRatio = 20;

    // A G-sensor threshold field's text, in g; an empty text is acceptable.
    static std::optional<LocalizedMessage> validateGsensorThreshold(std::string_view text);
    // A share of the card in per cent.
    static std::optional<LocalizedMessage> validateSDCardSizeRatio(long long percent);
};
