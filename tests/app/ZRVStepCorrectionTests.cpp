#include "app/ZRVStepCorrection.h"

#include <gtest/gtest.h>

namespace {

TEST(ZRVStepCorrectionTest, SetsTheRateFromTheOffsetRelativeToTheMainRate) {
    for (const double mainRate : {1.0, 2.0}) {
        ZRVStepCorrection inStep;
        EXPECT_EQ(inStep.next(5000.0, 5030.0, mainRate).rate, mainRate);
        ZRVStepCorrection ahead;
        EXPECT_NEAR(ahead.next(5000.0, 5100.0, mainRate).rate, mainRate - 0.2, 1e-9);
        ZRVStepCorrection behind;
        const auto step = behind.next(5000.0, 4700.0, mainRate);
        EXPECT_NEAR(step.rate, mainRate * 1.25, 1e-9);
        EXPECT_FALSE(step.seekTo);
    }
}

TEST(ZRVStepCorrectionTest, SeeksWhenFarOffAndCorrectsUntilNearlyInStepAtTheExactMainRate) {
    ZRVStepCorrection correction;
    const auto seek = correction.next(8000.0, 6500.0, 1.5);
    EXPECT_EQ(seek.seekTo.value_or(0), 8000.0);
    EXPECT_EQ(seek.rate, 1.5);

    EXPECT_GT(correction.next(9000.0, 8980.0, 1.5).rate, 1.5);
    EXPECT_GT(correction.next(9100.0, 9090.0, 1.5).rate, 1.5);
    EXPECT_EQ(correction.next(9200.0, 9195.0, 1.5).rate, 1.5);
    EXPECT_EQ(correction.factor(), 1.0);
    EXPECT_EQ(correction.next(9300.0, 9280.0, 1.5).rate, 1.5);
}

// The speed buttons change the main rate while the second player is being
// corrected, and the players report nothing for a while after.
TEST(ZRVStepCorrectionTest, KeepsTheCorrectionAtTheNewMainRateWhileTimesAreUnknown) {
    ZRVStepCorrection correction;
    correction.next(3000.0, 2800.0, 1.0);
    const double factor = correction.factor();
    ASSERT_GT(factor, 1.0);
    EXPECT_EQ(correction.next(std::nullopt, 2900.0, 2.0).rate, 2.0 * factor);

    correction.reset();
    EXPECT_EQ(correction.next(std::nullopt, std::nullopt, 2.0).rate, 2.0);
}

} // namespace
