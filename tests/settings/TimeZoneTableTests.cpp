#include "settings/TimeZoneTable.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>
#include <string>

TEST(TimeZoneTable, FindsOffsetsByHoursAndMinutes) {
    EXPECT_EQ(findTimeZoneIndex(0), 14);
    EXPECT_EQ(findTimeZoneIndex(-12 * 3600), 0);
    EXPECT_EQ(findTimeZoneIndex(13 * 3600), 33);
    EXPECT_EQ(findTimeZoneIndex(5 * 3600 + 45 * 60), 23);
    EXPECT_EQ(findTimeZoneIndex(5 * 3600 + 30 * 60), 22);
    EXPECT_EQ(findTimeZoneIndex(-(3 * 3600 + 30 * 60)), 10);
    EXPECT_EQ(findTimeZoneIndex(-(4 * 3600 + 30 * 60)), 8);
    EXPECT_EQ(findTimeZoneIndex(8 * 3600 + 45 * 60), -1);
    EXPECT_EQ(findTimeZoneIndex(14 * 3600), -1);
}

TEST(TimeZoneTable, UsesTheComputersZone) {
    const char* saved = std::getenv("TZ");
    const std::optional<std::string> previous =
        saved ? std::optional<std::string>(saved) : std::nullopt;
    auto zoneIndexIn = [](const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
        return findTimeZoneIndex();
    };
    EXPECT_EQ(zoneIndexIn("UTC0"), 14);
    EXPECT_EQ(zoneIndexIn("XST-5:30"), 22);
    EXPECT_EQ(zoneIndexIn("XST-14"), -1);
    if (previous) {
        setenv("TZ", previous->c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}
