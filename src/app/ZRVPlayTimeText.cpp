#include "app/ZRVPlayTimeText.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string clock(std::int64_t milliseconds, bool withHours) {
    const std::int64_t seconds = milliseconds / 1000;
    char text[32];
    if (withHours) {
        std::snprintf(
            text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
            static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    } else {
        std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60),
                      static_cast<long long>(seconds % 60));
    }
    return text;
}

} // namespace

std::string ZRVPlayTimeText::elapsedAndTotal(std::int64_t elapsedMs, std::int64_t totalMs) {
    const std::int64_t total = std::max<std::int64_t>(totalMs, 0);
    const std::int64_t elapsed = std::clamp<std::int64_t>(elapsedMs, 0, total);
    const bool withHours = total >= 3600 * 1000;
    return clock(elapsed, withHours) + " / " + clock(total, withHours);
}
