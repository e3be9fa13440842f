#include "recording/ValidRmcFix.h"
#include "support/FixRecordings.h"

#include <gtest/gtest.h>

using namespace std::chrono;
using FixRecordings::rmc;

TEST(ValidRmcFix, OnlyAnRmcWithStatusAMatchingChecksumAndARealMomentIsAFix) {
    const sys_days day = year(2023) / July / 14;
    EXPECT_EQ(validRmcFixTime(rmc("083559.000", "A", "140723") + "\r\n"),
              day + hours(8) + minutes(35) + seconds(59));
    EXPECT_EQ(validRmcFixTime(rmc("083559.5", "A", "140723")),
              day + hours(8) + minutes(35) + milliseconds(59500));
    EXPECT_EQ(validRmcFixTime(rmc("083559", "A", "140723")),
              day + hours(8) + minutes(35) + seconds(59));
    EXPECT_FALSE(validRmcFixTime(rmc("083559.000", "V", "140723")));
    EXPECT_FALSE(validRmcFixTime(rmc("083559.000", "A", "300223")));
    EXPECT_FALSE(validRmcFixTime(rmc("0835", "A", "140723")));
    std::string damaged = rmc("083559.000", "A", "140723");
    damaged[8] = '9';
    EXPECT_FALSE(validRmcFixTime(damaged));
    EXPECT_FALSE(validRmcFixTime("$GPRMC,083559.000,A,3731.5,N,12701.2,E,0,0,140723,,,A"));

    EXPECT_EQ(firstValidRmcFix("$GNGGA,083559.00,,*00\n" + rmc("083558.000", "V", "140723") + "\n" +
                               rmc("083600.000", "A", "140723") + std::string(1, '\0')),
              day + hours(8) + minutes(36));
}
