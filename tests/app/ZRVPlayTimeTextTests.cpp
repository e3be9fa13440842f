#include "app/ZRVPlayTimeText.h"

#include <gtest/gtest.h>

TEST(ZRVPlayTimeTextTests, MinutesAndSecondsUntilAnHourThenHoursForBoth) {
    EXPECT_EQ(ZRVPlayTimeText::elapsedAndTotal(12999, 20000), "0:12 / 0:20");
    EXPECT_EQ(ZRVPlayTimeText::elapsedAndTotal(0, 3599999), "0:00 / 59:59");
    EXPECT_EQ(ZRVPlayTimeText::elapsedAndTotal(300000, 3723000), "0:05:00 / 1:02:03");
}

TEST(ZRVPlayTimeTextTests, UnknownLengthAndTimesOutsideTheRecordingAreHeldToIt) {
    EXPECT_EQ(ZRVPlayTimeText::elapsedAndTotal(5000, 0), "0:00 / 0:00");
    EXPECT_EQ(ZRVPlayTimeText::elapsedAndTotal(-400, 20000), "0:00 / 0:20");
    EXPECT_EQ(ZRVPlayTimeText::elapsedAndTotal(25000, 20000), "0:20 / 0:20");
}
