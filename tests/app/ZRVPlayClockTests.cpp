#include "app/ZRVPlayClock.h"

#include <gtest/gtest.h>

namespace {

TEST(ZRVPlayClockTest, TrustsAReportOnlyOnceTheNextOneContinuesIt) {
    ZRVPlayClock clock;
    clock.report(1000.0, 0.0, 2.0);
    EXPECT_FALSE(clock.playTimeAt(10.0));
    clock.report(1500.0, 250.0, 2.0);
    EXPECT_DOUBLE_EQ(clock.playTimeAt(350.0).value_or(0), 1700.0);

    clock.report(9000.0, 300.0, 2.0);
    EXPECT_FALSE(clock.playTimeAt(350.0));
    clock.report(9480.0, 550.0, 2.0);
    EXPECT_DOUBLE_EQ(clock.playTimeAt(600.0).value_or(0), 9580.0);

    clock.forget();
    clock.report(9800.0, 700.0, 2.0);
    EXPECT_FALSE(clock.playTimeAt(700.0));
}

TEST(ZRVPlayClockTest, ChangesPaceFromTheMomentTheRateChanged) {
    ZRVPlayClock clock;
    clock.report(0.0, 0.0, 1.0);
    clock.report(250.0, 250.0, 1.0);
    clock.changeRate(1.25, 350.0);
    EXPECT_DOUBLE_EQ(clock.playTimeAt(550.0).value_or(0), 350.0 + 200.0 * 1.25);
    EXPECT_DOUBLE_EQ(clock.rate(), 1.25);
}

} // namespace
