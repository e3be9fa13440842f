#include "settings/GsensorThreshold.h"

#include "settings/ZRVValidator.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::optional<double> leadingDecimalNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && isWhiteSpace(text[at])) {
        ++at;
    }
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        ++at;
    }
    // from_chars also reads "inf", "nan" and hexadecimal digits, which a
    // threshold never is.
    const std::string_view number = text.substr(at);
    const bool startsNumber =
        !number.empty() &&
        (isDigit(number[0]) || (number[0] == '.' && number.size() > 1 && isDigit(number[1])));
    if (!startsNumber) {
        return std::nullopt;
    }
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (result.ec != std::errc()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<std::int32_t> gsensorThresholdFromText(std::string_view text) {
    if (ZRVValidator::validateGsensorThreshold(text)) {
        return std::nullopt;
    }
    if (text.empty()) {
        return 0;
    }
    return static_cast<std::int32_t>(std::lround(*leadingDecimalNumber(text) * 100));
}
