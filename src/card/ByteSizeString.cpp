#include "card/ByteSizeString.h"

#include <cstdio>
#include <string_view>

std::string byteSizeString(std::uint64_t bytes) {
    constexpr std::string_view kUnits = "kMGTPEZY";
    char text[32];
    if (bytes < 1024) {
        std::snprintf(text, sizeof text, "%llu B", static_cast<unsigned long long>(bytes));
        return text;
    }
    unsigned long long quotient = bytes;
    unsigned long long remainder = 0;
    bool sticky = false;
    std::size_t divisions = 0;
    while (quotient >= 1024 && divisions < kUnits.size()) {
        sticky = sticky || remainder != 0;
        remainder = quotient % 1024;
        quotient /= 1024;
        ++divisions;
    }
    const char unit = kUnits[divisions - 1];
    if (quotient >= 10) {
        if (remainder > 512 || (remainder == 512 && (quotient % 2 == 1 || sticky))) {
            ++quotient;
        }
        if (quotient == 1024 && divisions < kUnits.size()) {
            std::snprintf(text, sizeof text, "1.0 %cB", kUnits[divisions]);
        } else {
            std::snprintf(text, sizeof text, "%llu %cB", quotient, unit);
        }
        return text;
    }
    if (remainder < 950) {
        unsigned long long tenth = remainder / 100;
        const unsigned long long rest = remainder % 100;
        if (rest > 50 || (rest == 50 && (tenth % 2 == 1 || sticky))) {
            ++tenth;
        }
        std::snprintf(text, sizeof text, "%llu.%llu %cB", quotient, tenth, unit);
    } else if (quotient == 9) {
        std::snprintf(text, sizeof text, "10 %cB", unit);
    } else {
        std::snprintf(text, sizeof text, "%llu.0 %cB", quotient + 1, unit);
    }
    return text;
}
