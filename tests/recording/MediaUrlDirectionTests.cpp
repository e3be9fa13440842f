#include "recording/MediaUrlDirection.h"

#include <gtest/gtest.h>

TEST(MediaUrlDirectionTests, JudgesTheSideFromTheUrlPathIgnoringCase) {
    using D = ZRVMediaDirection;
    EXPECT_EQ(mediaDirectionOfUrl("file:///media/card/alwa_20160108_123456_r.AVI"), D::rear);
    EXPECT_EQ(mediaDirectionOfUrl("file:///media/my%20card/x%5FR.avi?t=1#end"), D::rear);
    EXPECT_EQ(mediaDirectionOfUrl("file://host/x_F.avi"), D::front);
    EXPECT_EQ(mediaDirectionOfUrl("/media/100%25/x_F.Avi"), D::front);
    EXPECT_EQ(mediaDirectionOfUrl("R.avi"), D::unknown);
    EXPECT_EQ(mediaDirectionOfUrl("file:///media/card/x_R.mp4"), D::unknown);
    EXPECT_EQ(mediaDirectionOfUrl("file://x_R.avi"), D::unknown);
    EXPECT_TRUE(isRearMediaUrl("file:///a/b/x_r.AVI"));
    EXPECT_FALSE(isFrontMediaUrl("file:///a/b/x_r.AVI"));
}
