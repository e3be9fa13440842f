#include "recording/ZRVDriveTrack.h"

#include <gtest/gtest.h>

TEST(ZRVDriveTrack, IsoTimeWritesEachFieldAtLeastAtItsWidthAndNoTimeAsNothing) {
    _SYSTEMTIME time;
    EXPECT_EQ(ZRVDriveTrack::isoTime(time), std::nullopt);
    time.wYear = 2024;
    time.wMonth = 3;
    time.wDay = 5;
    time.wHour = 8;
    time.wMinute = 37;
    time.wSecond = 0;
    time.wMilliseconds = 7;
    EXPECT_EQ(ZRVDriveTrack::isoTime(time), "2024-03-05T08:37:00.007Z");
    // A damaged fix keeps its digits rather than losing them to the width.
    time.wYear = 12345;
    time.wMonth = 99;
    time.wMilliseconds = 1000;
    EXPECT_EQ(ZRVDriveTrack::isoTime(time), "12345-99-05T08:37:00.1000Z");
}
