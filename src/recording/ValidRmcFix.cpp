#include "recording/ValidRmcFix.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace {

constexpr std::size_t kTimeField = 1;
constexpr std::size_t kStatusField = 2;
constexpr std::size_t kDateField = 9;

std::optional<int> number(std::string_view text) {
    int value = 0;
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

bool checksumMatches(std::string_view body, std::string_view given) {
    std::uint8_t sum = 0;
    for (const char c : body) {
        sum ^= static_cast<std::uint8_t>(c);
    }
    unsigned value = 0;
    const auto [end, error] = std::from_chars(given.data(), given.data() + given.size(), value, 16);
    return given.size() == 2 && error == std::errc() && end == given.data() + 2 && value == sum;
}

// The milliseconds of "hhmmss" with an optional fraction of up to three digits.
std::optional<std::chrono::milliseconds> timeOfDay(std::string_view text) {
    if (text.size() < 6 || (text.size() > 6 && (text[6] != '.' || text.size() > 10))) {
        return std::nullopt;
    }
    const auto hour = number(text.substr(0, 2));
    const auto minute = number(text.substr(2, 2));
    const auto second = number(text.substr(4, 2));
    if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    int millisecond = 0;
    if (text.size() > 7) {
        std::string digits(text.substr(7));
        digits.resize(3, '0');
        const auto fraction = number(digits);
        if (!fraction) {
            return std::nullopt;
        }
        millisecond = *fraction;
    }
    return std::chrono::hours(*hour) + std::chrono::minutes(*minute) +
           std::chrono::seconds(*second) + std::chrono::milliseconds(millisecond);
}

} // namespace

std::optional<RmcFixTime> validRmcFixTime(std::string_view sentence) {
    while (!sentence.empty() && (sentence.back() == '\r' || sentence.back() == '\n')) {
        sentence.remove_suffix(1);
    }
    const std::size_t star = sentence.rfind('*');
    if (sentence.size() < 7 || sentence[0] != '$' || sentence[1] != 'G' ||
        sentence.substr(3, 4) != "RMC," || star == std::string_view::npos ||
        !checksumMatches(sentence.substr(1, star - 1), sentence.substr(star + 1))) {
        return std::nullopt;
    }
    std::array<std::string_view, kDateField + 1> fields{};
    std::string_view rest = sentence.substr(0, star);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t comma = rest.find(',');
        if (comma == std::string_view::npos && i < kDateField) {
            return std::nullopt;
        }
        fields[i] = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    const std::string_view date = fields[kDateField];
    const auto time = timeOfDay(fields[kTimeField]);
    if (fields[kStatusField] != "A" || date.size() != 6 || !time) {
        return std::nullopt;
    }
    const auto day = number(date.substr(0, 2));
    const auto month = number(date.substr(2, 2));
    const auto year = number(date.substr(4, 2));
    if (!day || !month || !year) {
        return std::nullopt;
    }
    // Two-digit years are this century's, as the player reads them.
    const std::chrono::year_month_day calendarDay{std::chrono::year(2000 + *year),
                                                  std::chrono::month(unsigned(*month)),
                                                  std::chrono::day(unsigned(*day))};
    if (!calendarDay.ok()) {
        return std::nullopt;
    }
    return std::chrono::sys_days(calendarDay) + *time;
}

std::optional<RmcFixTime> firstValidRmcFix(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find_first_of(std::string_view("\n\r\0", 3));
        if (const auto fix = validRmcFixTime(text.substr(0, end))) {
            return fix;
        }
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return std::nullopt;
}
