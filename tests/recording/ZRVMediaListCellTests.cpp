#include "recording/ZRVMediaListCell.h"

#include <gtest/gtest.h>
#include <string>

namespace {

ZRVMediaListCell cell(const char* path, const char* column) {
    return ZRVMediaListCell::forColumn(ZRVMedia(path), column);
}

} // namespace

TEST(ZRVMediaListCellTests, RearEventRowShowsItsModeImageDateTimeAndFile) {
    const char* path = "/card/event_20160108_123456_R.avi";
    const auto mode = cell(path, "saveMode");
    EXPECT_EQ(mode.textKey, "media.event");
    EXPECT_EQ(mode.imageName, "car_rear_event");
    EXPECT_EQ(cell(path, "date").text, "2016-01-08");
    EXPECT_EQ(cell(path, "time").text, "12:34:56");
    EXPECT_EQ(cell(path, "file").text, "event_20160108_123456_R.avi");
    EXPECT_EQ(cell(path, "other").text, "");
    EXPECT_EQ(cell(path, "other").textKey, "");
}

TEST(ZRVMediaListCellTests, ImageNamesJoinSideAndModeWords) {
    EXPECT_EQ(cell("/c/alwa_20160108_123456_F.avi", "saveMode").imageName, "car_front_alwa");
    EXPECT_EQ(cell("/c/motion_20160108_123456_R.avi", "saveMode").imageName, "car_rear_motion");
    EXPECT_EQ(cell("/c/motion_20160108_123456_R.avi", "saveMode").textKey, "media.motion");
}

TEST(ZRVMediaListCellTests, UnknownTimeLeavesDateAndTimeEmpty) {
    // Unknown prefix: always mode with time zero, front side.
    const char* path = "/card/abcd_20160108_123456_F.avi";
    EXPECT_EQ(cell(path, "date").text, "");
    EXPECT_EQ(cell(path, "time").text, "");
    EXPECT_EQ(cell(path, "saveMode").textKey, "media.always");
    EXPECT_EQ(cell(path, "saveMode").imageName, "car_front_alwa");
}

TEST(ZRVMediaListCellTests, UnknownSideShowsModeTextWithoutImage) {
    // Month 13 gives an unknown time and an unknown side.
    const char* path = "/card/event_20161308_123456_F.avi";
    EXPECT_EQ(cell(path, "saveMode").textKey, "media.event");
    EXPECT_EQ(cell(path, "saveMode").imageName, "");
    EXPECT_EQ(cell(path, "date").text, "");
}

TEST(ZRVMediaListCellTests, ModeOutsideTheThreeReadsAsUnknown) {
    EXPECT_EQ(ZRVMediaListCell::modeKey(static_cast<ZRVMediaDivision>(7)), "media.unknown");
    EXPECT_EQ(ZRVMediaListCell::modeWord(static_cast<ZRVMediaDivision>(7)), "");
    EXPECT_EQ(ZRVMediaListCell::sideWord(ZRVMediaDirection::unknown), "");
}

TEST(ZRVMediaListCellTests, ColumnsInOrderWithTitlesAndAlignment) {
    const auto& columns = ZRVMediaListCell::columns();
    const char* identifiers[] = {"saveMode", "date", "time", "file"};
    const char* titles[] = {"filelist.mode", "filelist.date", "filelist.time", "filelist.file"};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(columns[i].identifier, identifiers[i]);
        EXPECT_EQ(columns[i].titleKey, titles[i]);
        EXPECT_EQ(columns[i].alignment,
                  i == 3 ? ZRVMediaListCell::Alignment::left : ZRVMediaListCell::Alignment::centre);
    }
}
