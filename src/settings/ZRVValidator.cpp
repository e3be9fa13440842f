#include "settings/ZRVValidator.h"

#include "settings/GsensorThreshold.h"

std::optional<LocalizedMessage> ZRVValidator::validateGsensorThreshold(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const auto value = leadingDecimalNumber(text);
    if (!value) {
        return LocalizedMessage{"msg.input_value_invalid_format", {}};
    }
    if (!(*value >= kMinimumGsensorThreshold && *value <= kMaximumGsensorThreshold)) {
        return LocalizedMessage{"msg.gsensor_outofrange_fmt",
                                {kMinimumGsensorThreshold, kMaximumGsensorThreshold}};
    }
    return std::nullopt;
}

std::optional<LocalizedMessage> ZRVValidator::validateSDCardSizeRatio(long long percent) {
    if (percent < kMinimumSDCardSizeRatio) {
        return LocalizedMessage{"msg.sdcard_ratio_too_low", {}};
    }
    return std::nullopt;
}
