#include "card/CameraClockCheck.h"

#include <gtest/gtest.h>

TEST(CameraClockCheck, OffsetTextLeavesOutZeroPartsInTheUnitsGiven) {
    EXPECT_EQ(clockOffsetText(192), "3 min 12 s");
    EXPECT_EQ(clockOffsetText(-3600), "1 h");
    EXPECT_EQ(clockOffsetText(0), "0 s");
    EXPECT_EQ(clockOffsetText(366LL * 86400 + 7205), "366 d 2 h 5 s");
    EXPECT_EQ(clockOffsetText(75, {"%d일", "%d시간", "%d분", "%d초"}), "1분 15초");

    CameraClockCheck check{"alwa_20240305_190809_F.avi", {}, {}, -2};
    EXPECT_EQ(clockCheckSentence(check),
              "The camera's clock agrees with GPS time to within 2 s (alwa_20240305_190809_F.avi)");
    check.offsetSeconds = -3;
    EXPECT_EQ(clockCheckSentence(check),
              "The camera's clock is 3 s behind GPS time (alwa_20240305_190809_F.avi)");
}
