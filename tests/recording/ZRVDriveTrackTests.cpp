#include "recording/ZRVDriveTrack.h"

#include <gtest/gtest.h>

TEST(ZRVDriveTrack, IsoTimeWritesEachFieldAtLeastAtItsWidthAndNoTimeAsNothing) {
    EXPECT_EQ(ZRVDriveTrack::isoTime(_SYSTEMTIME{}), std::nullopt);
    EXPECT_EQ(
        ZRVDriveTrack::isoTime(
            {.wYear = 2024, .wMonth = 3, .wDay = 5, .wHour = 8, .wMinute = 37, .wMilliseconds = 7}),
        "2024-03-05T08:37:00.007Z");
    // A damaged fix keeps its digits rather than losing them to the width.
    EXPECT_EQ(
        ZRVDriveTrack::isoTime({.wYear = 12345, .wMonth = 99, .wDay = 5, .wMilliseconds = 1000}),
        "12345-99-05T00:00:00.1000Z");
}
