#include "app/ZRVPlayerLayout.h"

#include <gtest/gtest.h>

namespace {

ZRVRect rect(double x, double y, double w, double h) {
    return {x, y, w, h};
}

} // namespace

TEST(ZRVPlayerLayoutTests, NormalModeStacksHeadBodyColumnsAndBoxes) {
    const auto layout = ZRVPlayerLayout::compute(1020, 640, false, 0);
    EXPECT_EQ(layout.head.frame, rect(0, 0, 1020, 50));
    EXPECT_EQ(layout.body.frame, rect(0, 50, 1020, 590));
    // 10 left, 10 between, 10 right, 8 above the bottom.
    EXPECT_EQ(layout.bodyLeft.frame, rect(10, 0, 656, 582));
    EXPECT_EQ(layout.bodyRight.frame, rect(676, 0, 334, 582));
    EXPECT_EQ(layout.video.frame, rect(0, 0, 656, 372));
    EXPECT_EQ(layout.gsensor.frame, rect(0, 376, 656, 130));
    EXPECT_EQ(layout.mediaControl.frame, rect(0, 510, 656, 72));
    EXPECT_EQ(layout.sideButton.frame, rect(0, 0, 334, 32));
    EXPECT_EQ(layout.mediaList.frame, rect(0, 32, 334, 300));
    EXPECT_EQ(layout.subVideo.frame, rect(0, 332, 334, 250));
    EXPECT_EQ(layout.mediaListScroll.frame, rect(0, 0, 334, 300));

    EXPECT_TRUE(layout.head.visible);
    EXPECT_TRUE(layout.gsensor.visible);
    EXPECT_TRUE(layout.mediaControl.visible);
    EXPECT_TRUE(layout.bodyRight.visible);
    EXPECT_FALSE(layout.mediaControlForFullScreen.visible);
}

TEST(ZRVPlayerLayoutTests, RightColumnKeepsItsWidthWhenTheWindowGrows) {
    const auto layout = ZRVPlayerLayout::compute(1440, 900, false, 0);
    EXPECT_EQ(layout.bodyRight.frame, rect(1096, 0, 334, 842));
    EXPECT_EQ(layout.bodyLeft.frame.width, 1076);
    EXPECT_EQ(layout.video.frame.height, 842 - 210);
    EXPECT_EQ(layout.mediaList.frame.height, 842 - 282);
}

TEST(ZRVPlayerLayoutTests, FullScreenLeftColumnFillsTheBodyOverTheControlStrip) {
    const auto layout = ZRVPlayerLayout::compute(1440, 900, true, 0);
    EXPECT_EQ(layout.body.frame, rect(0, 0, 1440, 900));
    EXPECT_EQ(layout.bodyLeft.frame, rect(0, 0, 1440, 898));
    EXPECT_EQ(layout.video.frame, rect(0, 0, 1440, 862));
    EXPECT_EQ(layout.mediaControlForFullScreen.frame, rect(0, 862, 1438, 36));

    EXPECT_TRUE(layout.mediaControlForFullScreen.visible);
    EXPECT_FALSE(layout.head.visible);
    EXPECT_FALSE(layout.gsensor.visible);
    EXPECT_FALSE(layout.mediaControl.visible);
    EXPECT_FALSE(layout.bodyRight.visible);
}

TEST(ZRVPlayerLayoutTests, MapModeSplitsTheListBoxAboveA57PointStrip) {
    const auto layout = ZRVPlayerLayout::compute(1020, 640, false, 1);
    EXPECT_TRUE(layout.mapContainer.visible);
    EXPECT_FALSE(layout.mediaListScroll.visible);
    EXPECT_EQ(layout.mapContainer.frame, rect(0, 0, 334, 300));
    EXPECT_EQ(layout.mapContainerTop.frame, rect(0, 0, 334, 243));
    EXPECT_EQ(layout.mapContainerBottom.frame, rect(0, 243, 334, 57));

    const auto list = ZRVPlayerLayout::compute(1020, 640, false, 0);
    EXPECT_FALSE(list.mapContainer.visible);
    EXPECT_TRUE(list.mediaListScroll.visible);
}

TEST(ZRVPlayerLayoutTests, TooSmallWindowGivesNoNegativeSizes) {
    for (const bool fullScreen : {false, true}) {
        const auto layout = ZRVPlayerLayout::compute(100, 40, fullScreen, 1);
        for (const auto* box : {&layout.body, &layout.bodyLeft, &layout.video, &layout.mediaList,
                                &layout.mapContainerTop}) {
            EXPECT_GE(box->frame.width, 0);
            EXPECT_GE(box->frame.height, 0);
        }
    }
}
