#include "settings/TimeZoneTable.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>
#include <string>

TEST(TimeZoneTable, FindsOffsetsByHoursAndMinutesDefaultingToTheComputersZone) {
    EXPECT_EQ(findTimeZoneIndex(0), 14);
    EXPECT_EQ(findTimeZoneIndex(-12 * 3600), 0);
    EXPECT_EQ(findTimeZoneIndex(13 * 3600), 33);
    EXPECT_EQ(findTimeZoneIndex(5 * 3600 + 45 * 60), 23);
    EXPECT_EQ(findTimeZoneIndex(-(3 * 3600 + 30 * 60)), 10);
    EXPECT_EQ(findTimeZoneIndex(8 * 3600 + 45 * 60), -1);
    EXPECT_EQ(findTimeZoneIndex(14 * 3600), -1);

    const char* saved = std::getenv("TZ");
    const std::optional<std::string> previous =
        saved ? std::optional<std::string>(saved) : std::nullopt;
    setenv("TZ", "XST-5:30", 1);
    tzset();
    EXPECT_EQ(findTimeZoneIndex(), 22);
    if (previous) {
        setenv("TZ", previous->c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}
