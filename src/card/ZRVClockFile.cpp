#include "card/ZRVClockFile.h"

#include "common/AtomicFileWrite.h"

#include <chrono>
#include <cstdio>
#include <span>

namespace {

std::optional<int> digits(std::string_view text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

bool ZRVClockFile::isValid(const DateTime& moment) {
    if (moment.year < 1 || moment.year > 9999 || moment.month < 1 || moment.month > 12 ||
        moment.day < 1 || moment.day > 31) {
        return false;
    }
    const std::chrono::year_month_day day{std::chrono::year{moment.year},
                                          std::chrono::month{static_cast<unsigned>(moment.month)},
                                          std::chrono::day{static_cast<unsigned>(moment.day)}};
    return day.ok() && moment.hour >= 0 && moment.hour <= 23 && moment.minute >= 0 &&
           moment.minute <= 59 && moment.second >= 0 && moment.second <= 59;
}

std::optional<std::string> ZRVClockFile::textOf(const DateTime& moment) {
    if (!isValid(moment)) {
        return std::nullopt;
    }
    char text[kTextSize + 1];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", moment.year, moment.month,
                  moment.day, moment.hour, moment.minute, moment.second);
    return std::string(text, kTextSize);
}

std::optional<ZRVClockFile::DateTime> ZRVClockFile::dateTimeFromText(std::string_view text) {
    if (text.size() != kTextSize || text[4] != '/' || text[7] != '/' || text[10] != ' ' ||
        text[13] != ':' || text[16] != ':') {
        return std::nullopt;
    }
    const auto year = digits(text, 0, 4);
    const auto month = digits(text, 5, 2);
    const auto day = digits(text, 8, 2);
    const auto hour = digits(text, 11, 2);
    const auto minute = digits(text, 14, 2);
    const auto second = digits(text, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second) {
        return std::nullopt;
    }
    const DateTime moment{*year, *month, *day, *hour, *minute, *second};
    if (!isValid(moment)) {
        return std::nullopt;
    }
    return moment;
}

std::optional<std::string> ZRVClockFile::writeFile(const std::filesystem::path& path,
                                                   const DateTime& moment) {
    const auto text = textOf(moment);
    if (!text) {
        return "cannot write " + path.string() + ": not a valid date and time";
    }
    return writeFileAtomically(
        path, std::span(reinterpret_cast<const unsigned char*>(text->data()), text->size()));
}
