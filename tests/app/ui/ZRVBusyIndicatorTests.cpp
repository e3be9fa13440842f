#include "app/ui/ZRVBusyIndicator.h"
#include "controls/PMProgressIndicator.h"

#include <QWidget>
#include <deque>
#include <gtest/gtest.h>

namespace {

// A clock that only moves when the test says so: each scheduled job waits in
// order until tick() runs it.
struct ManualClock {
    std::deque<std::pair<double, std::function<void()>>> jobs;

    ZRVBusyIndicator::Scheduler scheduler() {
        return [this](double seconds, std::function<void()> job) {
            jobs.emplace_back(seconds, std::move(job));
        };
    }
    // Runs the jobs due at the next tick; returns how many ran.
    std::size_t tick() {
        std::deque<std::pair<double, std::function<void()>>> due;
        due.swap(jobs);
        for (auto& job : due) {
            EXPECT_DOUBLE_EQ(job.first, 0.3);
            job.second();
        }
        return due.size();
    }
};

struct BusyIndicatorTest : ::testing::Test {
    QWidget head;
    PMProgressIndicator* bar = new PMProgressIndicator(&head);
    ManualClock clock;
    ZRVBusyIndicator indicator{bar, &head, clock.scheduler()};

    BusyIndicatorTest() {
        head.setGeometry(0, 0, 1000, 50);
        bar->setGeometry(10, 20, 200, 6);
        bar->hide();
    }
};

} // namespace

TEST_F(BusyIndicatorTest, HideRightAfterShowStopsAtTheNextTick) {
    indicator.showLoading(QStringLiteral("Loading..."));
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->x(), 400);
    EXPECT_EQ(bar->y(), 20);
    EXPECT_TRUE(bar->isIndeterminate());
    EXPECT_TRUE(bar->isAnimating());

    indicator.hideLoading();
    EXPECT_FALSE(bar->isHidden()) << "hidden by the tick, not at once";
    EXPECT_EQ(clock.tick(), 1u);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(bar->isAnimating());
    EXPECT_TRUE(indicator.stopVideoLoadingView());
    EXPECT_EQ(clock.tick(), 0u) << "no further ticks";
}

TEST_F(BusyIndicatorTest, WithoutHideItRunsFiftyTicksAndHidesItself) {
    indicator.showLoading(QStringLiteral("Loading..."));
    int ticks = 0;
    while (clock.tick() > 0) {
        ++ticks;
        if (ticks < 50) {
            EXPECT_FALSE(bar->isHidden()) << "tick " << ticks;
        }
    }
    EXPECT_EQ(ticks, 50);
    EXPECT_NEAR(indicator.progress(), 100.0, 1e-6);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_TRUE(indicator.stopVideoLoadingView());
}

TEST_F(BusyIndicatorTest, SecondShowRestartsAndBothChainsStopTogether) {
    indicator.showLoading({});
    clock.tick();
    clock.tick();
    EXPECT_NEAR(indicator.progress(), 4.0, 1e-9);
    indicator.showLoading({});
    EXPECT_DOUBLE_EQ(indicator.progress(), 0.0);
    EXPECT_EQ(clock.tick(), 2u) << "two chains advance the same progress";
    EXPECT_NEAR(indicator.progress(), 4.0, 1e-9);
    indicator.hideLoading();
    EXPECT_EQ(clock.tick(), 2u);
    EXPECT_EQ(clock.tick(), 0u);
    EXPECT_TRUE(bar->isHidden());
}
