#include "app/ui/ZRVStepKeeper.h"
#include "platform/ZRVVlcMediaPlayer.h"
#include "support/DemoCard.h"
#include "support/EventLoopWait.h"
#include "support/FrameLog.h"
#include "support/TemporaryDirectory.h"

#include <QImage>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr double kFrameMs = 1000.0 / 30.0;

// Both cameras of one twelve-second moment on real libVLC players that hand
// their pictures to frame logs, with dummy sound.
class ZRVStepKeeperTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        card = DemoCard::make(1, 12);
        front = card->first("_F.avi");
        rear = card->first("_R.avi");
    }
    static void TearDownTestSuite() { card.reset(); }

    void SetUp() override {
        ASSERT_FALSE(front.isEmpty());
        ASSERT_FALSE(rear.isEmpty());
        ASSERT_NE(ZRVVlcMediaPlayer::instance(), nullptr);
        main.setFrameSink(mainFrames.sink());
        second.setFrameSink(secondFrames.sink());
        main.setMedia(front);
        second.setMedia(rear);
    }

    void startBoth() {
        keeper = std::make_unique<ZRVStepKeeper>(main, second);
        main.play();
        second.play();
        ASSERT_TRUE(waitFor(
            [this] { return mainFrames.latest() > 15 && secondFrames.latest() > 15; }, 5000));
    }

    // Leaves the second player this many milliseconds behind by moving the
    // main one on, as a seek without the playback rules would; waits until
    // the main player shows the new place.
    bool putSecondBehind(double milliseconds) {
        main.setTime(std::llround(mainFrames.latest() * kFrameMs + milliseconds));
        const int frames = static_cast<int>(milliseconds / kFrameMs) - 2;
        return waitFor(
            [this, frames] { return mainFrames.latest() - secondFrames.latest() >= frames; }, 1000);
    }

    // The second player's rate while time passes, lowest and highest.
    std::pair<double, double> rateRangeOver(int milliseconds) {
        double lowest = second.rate();
        double highest = lowest;
        const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
        while (Clock::now() < end) {
            runEventsFor(20);
            lowest = std::min(lowest, second.rate());
            highest = std::max(highest, second.rate());
        }
        return {lowest, highest};
    }

    void expectBackInStep(double rate) {
        const auto ahead = framesAhead(mainFrames, secondFrames, 800ms);
        EXPECT_GE(shareWithinOneFrame(ahead), 0.97) << ::testing::PrintToString(ahead);
        EXPECT_EQ(static_cast<float>(second.rate()), static_cast<float>(rate));
        EXPECT_EQ(keeper->correctionFactor(), 1.0);
    }

    static inline std::unique_ptr<DemoCard> card;
    static inline QString front;
    static inline QString rear;
    FrameLog mainFrames;
    FrameLog secondFrames;
    ZRVVlcMediaPlayer main;
    ZRVVlcMediaPlayer second;
    std::unique_ptr<ZRVStepKeeper> keeper;
};

TEST_F(ZRVStepKeeperTest, RunsASecondPlayerFarBehindFasterUntilItIsInStep) {
    startBoth();
    ASSERT_TRUE(putSecondBehind(300));

    const auto [lowest, highest] = rateRangeOver(2700);
    EXPECT_GT(highest, 1.1);
    EXPECT_GE(lowest, 1.0);
    expectBackInStep(1.0);
}

TEST_F(ZRVStepKeeperTest, MovesASecondPlayerTooFarBehindToTheMainOne) {
    startBoth();
    ASSERT_TRUE(putSecondBehind(1500));

    // Running faster would have made up a third of the gap by now.
    runEventsFor(2200);
    expectBackInStep(1.0);
}

// The speed buttons add one to each player's rate, even while the second is
// being corrected; the keeper then corrects relative to the new main rate.
TEST_F(ZRVStepKeeperTest, CatchesUpAtDoubleSpeedAfterTheSpeedButtonsAndEndsAtTheMainRate) {
    startBoth();
    ASSERT_TRUE(putSecondBehind(300));
    ASSERT_TRUE(waitFor([this] { return second.rate() > 1.0; }, 1500));
    main.setRate(main.rate() + 1.0);
    second.setRate(second.rate() + 1.0);
    EXPECT_TRUE(waitFor(
        [this] { return std::abs(second.rate() - 2.0 * keeper->correctionFactor()) < 1e-3; }, 500))
        << second.rate() << " against " << keeper->correctionFactor();

    runEventsFor(2000);
    expectBackInStep(2.0);
}

TEST_F(ZRVStepKeeperTest, LeavesTheSecondPlayerAloneWhileHeldOff) {
    startBoth();
    keeper->holdOff(1.6);
    ASSERT_TRUE(putSecondBehind(300));

    const auto [lowest, highest] = rateRangeOver(1200);
    EXPECT_EQ(lowest, 1.0);
    EXPECT_EQ(highest, 1.0);
    EXPECT_EQ(shareWithinOneFrame(framesAhead(mainFrames, secondFrames, 200ms)), 0.0);

    EXPECT_TRUE(waitFor([this] { return second.rate() > 1.0; }, 1500));
}

} // namespace
