#include "card/PMProgressText.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(PMProgressText, RemainingTimeSteps) {
    EXPECT_EQ(PMProgressText::remainingTimeText(616), "About 11 minutes remaining");
    EXPECT_EQ(PMProgressText::remainingTimeText(615), "About ten minutes remaining");
    EXPECT_EQ(PMProgressText::remainingTimeText(5), "About five seconds remaining");
    EXPECT_EQ(PMProgressText::remainingTimeText(1e300).rfind("About 1666666666666666", 0), 0u);
}

TEST(PMProgressText, EstimatesFromASlidingReferencePoint) {
    std::chrono::steady_clock::time_point now{1h};
    PMProgressText progress([&now] { return now; });
    progress.setDisplayPercentage(true);
    progress.updateProgressText(20, 0, 100, false);
    EXPECT_EQ(progress.progressText(), "20 % completed");
    now += 10s;
    progress.updateProgressText(40, 0, 100, false);
    EXPECT_EQ(progress.progressText(), "40 % completed - Less than a minute remaining");

    // The point taken at 40 % becomes the reference 3.5 s later: from there
    // 2 % in 5 s leaves 145 s, where the old one would give under a minute.
    progress.setDisplayPercentage(false);
    now += 4s;
    progress.updateProgressText(41, 0, 100, false);
    now += 1s;
    progress.updateProgressText(42, 0, 100, false);
    EXPECT_EQ(progress.progressText(), "About three minutes remaining");

    progress.updateProgressText(0, 0, 100, true);
    EXPECT_EQ(progress.progressText(), "");
}

TEST(PMProgressText, NoEstimateWithoutProgress) {
    std::chrono::steady_clock::time_point now{1h};
    PMProgressText progress([&now] { return now; });
    progress.updateProgressText(30, 0, 100, false);
    now += 2s;
    progress.updateProgressText(30, 0, 100, false);
    EXPECT_EQ(progress.progressText(), "");
    progress.setDisplayPercentage(true);
    progress.updateProgressText(25, 0, 100, false);
    EXPECT_EQ(progress.progressText(), "25 % completed");
    progress.updateProgressText(5, 5, 5, false);
    EXPECT_EQ(progress.progressText(), "0 % completed");
}
