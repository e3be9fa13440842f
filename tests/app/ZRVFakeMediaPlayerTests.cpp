#include "app/ZRVFakeMediaPlayer.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

using State = ZRVMediaPlayer::State;

struct Recorder {
    std::vector<State> states;
    std::vector<std::int64_t> times;

    explicit Recorder(ZRVMediaPlayer& player) {
        QObject::connect(&player, &ZRVMediaPlayer::stateChanged,
                         [this](State state) { states.push_back(state); });
        QObject::connect(&player, &ZRVMediaPlayer::timeChanged,
                         [this](std::int64_t time) { times.push_back(time); });
    }
};

ZRVFakeMediaPlayer* openedPlayer(ZRVFakeMediaPlayer& player) {
    player.setRecording(4000, 1, QSize(640, 360));
    player.setMedia(QStringLiteral("/card/front_F.avi"));
    return &player;
}

TEST(ZRVFakeMediaPlayer, ClockMovesOnlyWhilePlayingAndByTheRate) {
    ZRVFakeMediaPlayer player;
    Recorder recorder(*openedPlayer(player));
    player.advance(500);
    EXPECT_EQ(player.time(), 0);

    player.play();
    EXPECT_EQ(recorder.states, (std::vector{State::Opening, State::Playing}));
    player.advance(500);
    player.setRate(2.0);
    player.advance(500);
    EXPECT_EQ(recorder.times, (std::vector<std::int64_t>{500, 1500}));
    EXPECT_DOUBLE_EQ(player.position(), 1500.0 / 4000.0);
    EXPECT_EQ(player.remainingTime(), 2500);

    player.pause();
    player.advance(500);
    EXPECT_EQ(player.time(), 1500);
    EXPECT_FALSE(player.isPlaying());
}

TEST(ZRVFakeMediaPlayer, StopsAtTheLengthAsEndedAndPlaysAgainFromTheStart) {
    ZRVFakeMediaPlayer player;
    Recorder recorder(*openedPlayer(player));
    player.play();
    player.advance(3900);
    player.advance(500);
    EXPECT_EQ(player.time(), 4000);
    EXPECT_EQ(player.state(), State::Ended);
    EXPECT_EQ(recorder.states.back(), State::Ended);
    EXPECT_DOUBLE_EQ(player.position(), 1.0);

    player.play();
    EXPECT_EQ(player.time(), 0);
    EXPECT_TRUE(player.isPlaying());
}

TEST(ZRVFakeMediaPlayer, SeeksAndJumpsStayWithinTheRecording) {
    ZRVFakeMediaPlayer player;
    openedPlayer(player);
    player.setTime(1000);
    EXPECT_EQ(player.time(), 0) << "nothing to seek in before playing";

    player.play();
    player.setPosition(0.5);
    EXPECT_EQ(player.time(), 2000);
    player.jumpForward(10);
    EXPECT_EQ(player.time(), 4000);
    player.jumpBackward(10);
    EXPECT_EQ(player.time(), 0);
    player.setTime(-20);
    EXPECT_EQ(player.time(), 0);
}

TEST(ZRVFakeMediaPlayer, SoundTracksVolumeAndFailure) {
    ZRVFakeMediaPlayer player;
    player.setRecording(4000, 0, QSize(640, 360));
    player.setMedia(QStringLiteral("/card/rear_R.avi"));
    EXPECT_EQ(player.audioTrackCount(), 0);
    EXPECT_EQ(player.audioTrack(), -1);
    EXPECT_FALSE(player.setAudioTrack(0));

    openedPlayer(player);
    EXPECT_EQ(player.audioTrack(), 0);
    EXPECT_TRUE(player.setAudioTrack(-1));
    player.setVolume(230);
    EXPECT_EQ(player.volume(), 200);
    player.setVolume(-1);
    EXPECT_EQ(player.volume(), 0);

    Recorder recorder(player);
    player.play();
    player.fail();
    EXPECT_EQ(recorder.states.back(), State::Error);
    EXPECT_FALSE(player.isPlaying());
}

TEST(ZRVFakeMediaPlayer, SnapshotKeepsProportionsWhenOneSideIsZero) {
    ZRVFakeMediaPlayer player;
    QTemporaryDir folder;
    const auto path = folder.filePath(QStringLiteral("frame.png"));
    EXPECT_FALSE(player.saveSnapshot(path, 320, 0));

    openedPlayer(player);
    ASSERT_TRUE(player.saveSnapshot(path, 320, 0));
    EXPECT_EQ(QImage(path).size(), QSize(320, 180));
}

} // namespace
