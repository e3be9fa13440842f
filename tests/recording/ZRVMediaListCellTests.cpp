#include "recording/ZRVMediaListCell.h"

#include <gtest/gtest.h>

namespace {

ZRVMediaListCell cell(const char* path, const char* column) {
    return ZRVMediaListCell::forColumn(ZRVMedia(path), column);
}

} // namespace

// An unknown prefix reads as always mode at time zero on the front side;
// month 13 gives an unknown time and an unknown side.
TEST(ZRVMediaListCellTests, RowShowsModeImageDateTimeAndFileLeavingUnknownsEmpty) {
    const char* path = "/card/event_20160108_123456_R.avi";
    EXPECT_EQ(cell(path, "saveMode").textKey, "media.event");
    EXPECT_EQ(cell(path, "saveMode").imageName, "car_rear_event");
    EXPECT_EQ(cell(path, "date").text, "2016-01-08");
    EXPECT_EQ(cell(path, "time").text, "12:34:56");
    EXPECT_EQ(cell(path, "file").text, "event_20160108_123456_R.avi");
    EXPECT_EQ(cell(path, "other").text, "");

    const char* unknownTime = "/card/abcd_20160108_123456_F.avi";
    EXPECT_EQ(cell(unknownTime, "date").text, "");
    EXPECT_EQ(cell(unknownTime, "time").text, "");
    EXPECT_EQ(cell(unknownTime, "saveMode").imageName, "car_front_alwa");
    const char* unknownSide = "/card/motion_20161308_123456_F.avi";
    EXPECT_EQ(cell(unknownSide, "saveMode").textKey, "media.motion");
    EXPECT_EQ(cell(unknownSide, "saveMode").imageName, "");
    EXPECT_EQ(ZRVMediaListCell::modeKey(static_cast<ZRVMediaDivision>(7)), "media.unknown");
}
