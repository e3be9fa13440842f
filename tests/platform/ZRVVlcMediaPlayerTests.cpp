#include "platform/ZRVVlcMediaPlayer.h"
#include "support/DemoCard.h"
#include "support/EventLoopWait.h"
#include "support/TemporaryDirectory.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace {

using State = ZRVMediaPlayer::State;

// One four-second demo card for the whole suite: writing it is the slow part.
class ZRVVlcMediaPlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        card = DemoCard::make(1, 4);
        front = card->first("_F.avi");
        rear = card->first("_R.avi");
    }
    static void TearDownTestSuite() { card.reset(); }

    void SetUp() override {
        ASSERT_FALSE(front.isEmpty());
        ASSERT_FALSE(rear.isEmpty());
        ASSERT_NE(ZRVVlcMediaPlayer::instance(), nullptr);
        QObject::connect(&player, &ZRVMediaPlayer::stateChanged,
                         [this](State state) { states.push_back(state); });
        QObject::connect(&player, &ZRVMediaPlayer::timeChanged,
                         [this](std::int64_t) { ++timeReports; });
    }

    bool playUntilPlaying(const QString& path) {
        player.setMedia(path);
        player.play();
        return waitFor([this] { return player.state() == State::Playing; }, 5000);
    }

    static inline std::unique_ptr<DemoCard> card;
    static inline QString front;
    static inline QString rear;
    ZRVVlcMediaPlayer player;
    std::vector<State> states;
    int timeReports = 0;
};

TEST_F(ZRVVlcMediaPlayerTest, PlaysAFourSecondRecordingAndReportsItsLengthAndTime) {
    ASSERT_TRUE(playUntilPlaying(front));
    EXPECT_TRUE(player.isPlaying());
    EXPECT_NEAR(static_cast<double>(player.length()), 4000.0, 300.0);

    ASSERT_TRUE(waitFor([this] { return player.time() >= 500; }, 3000));
    EXPECT_GT(player.position(), 0.0);
    EXPECT_LT(player.position(), 1.0);
    EXPECT_GT(timeReports, 0);
    EXPECT_NEAR(static_cast<double>(player.remainingTime()),
                static_cast<double>(player.length() - player.time()), 100.0);
    EXPECT_EQ(player.videoSize().isEmpty(), false);
}

TEST_F(ZRVVlcMediaPlayerTest, TellsWhichCameraRecordedSound) {
    ASSERT_TRUE(playUntilPlaying(front));
    EXPECT_TRUE(waitFor([this] { return player.audioTrackCount() == 1; }, 3000));

    ASSERT_TRUE(playUntilPlaying(rear));
    waitFor([this] { return player.time() > 300; }, 3000);
    EXPECT_EQ(player.audioTrackCount(), 0);
}

TEST_F(ZRVVlcMediaPlayerTest, ReachesTheEndAsAPausedPlayerAndPlaysAgainFromATimeSetThere) {
    ASSERT_TRUE(playUntilPlaying(front));
    player.setRate(2.0);
    EXPECT_DOUBLE_EQ(player.rate(), 2.0);
    player.setTime(3000);
    ASSERT_TRUE(waitFor([this] { return player.state() == State::Ended; }, 5000))
        << ::testing::PrintToString(states) << " at " << player.time();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_DOUBLE_EQ(player.position(), 1.0);
    EXPECT_EQ(player.remainingTime(), 0);

    player.setTime(2000);
    player.play();
    EXPECT_TRUE(waitFor([this] { return player.state() == State::Playing; }, 5000));
    EXPECT_TRUE(waitFor([this] { return player.time() >= 2000; }, 3000)) << player.time();
    EXPECT_LT(player.time(), 3500);
}

// Stopping ends the input without libVLC's own stop, which would close the
// outputs as well: the player keeps its recording, says it stopped, hears
// nothing more from the input that ended, and plays the recording again from
// its start.
TEST_F(ZRVVlcMediaPlayerTest, StoppedPlayerKeepsItsRecordingAndPlaysItAgainFromTheStart) {
    ASSERT_TRUE(playUntilPlaying(front));
    ASSERT_TRUE(waitFor([this] { return player.time() >= 1500; }, 4000));
    player.stop();
    EXPECT_EQ(player.state(), State::Stopped);
    EXPECT_EQ(player.media(), front);
    const auto reportsAtStop = timeReports;
    runEventsFor(400);
    EXPECT_EQ(timeReports, reportsAtStop);
    EXPECT_EQ(player.state(), State::Stopped);
    EXPECT_FALSE(player.isPlaying());

    player.play();
    ASSERT_TRUE(waitFor([this] { return player.state() == State::Playing; }, 5000))
        << ::testing::PrintToString(states);
    EXPECT_LT(player.time(), 1200);
}

TEST_F(ZRVVlcMediaPlayerTest, DamagedFileEndsOrFailsWithoutHanging) {
    TemporaryDirectory folder;
    std::mt19937 random(7);
    std::string noise(200000, '\0');
    for (auto& byte : noise) {
        byte = static_cast<char>(random());
    }
    const auto path = QString::fromStdString(folder.write("broken_F.avi", noise).string());
    player.setMedia(path);
    player.play();
    EXPECT_TRUE(waitFor(
        [this] { return player.state() == State::Error || player.state() == State::Ended; }, 5000))
        << ::testing::PrintToString(states);
    EXPECT_FALSE(player.isPlaying());

    ASSERT_TRUE(playUntilPlaying(rear));
}

TEST_F(ZRVVlcMediaPlayerTest, DestroyedWhilePlayingDropsReportsStillOnTheWay) {
    auto doomed = std::make_unique<ZRVVlcMediaPlayer>();
    int reports = 0;
    QObject::connect(doomed.get(), &ZRVMediaPlayer::timeChanged, [&](std::int64_t) { ++reports; });
    doomed->setMedia(front);
    doomed->play();
    waitFor([&] { return reports > 0; }, 3000);
    doomed.reset();
    const auto seen = reports;
    runEventsFor(200);
    EXPECT_EQ(reports, seen);
}

} // namespace
