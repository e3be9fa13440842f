#include "app/ui/CustomWindow.h"
#include "app/ui/ZRVPlayInfo.h"
#include "app/ui/ZRVPlayerWindowView.h"
#include "app/ui/ZRVPresentationController.h"
#include "app/ui/ZRVScrollableVideoContainerView.h"
#include "support/EventLoopWait.h"
#include "support/ZRVFakeMediaPlayer.h"

#include <QAbstractButton>
#include <QSlider>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kFront = QStringLiteral("/card/alwa_20160108_123456_F.avi");
const QString kRear = QStringLiteral("/card/alwa_20160108_123456_R.avi");

struct PresentationTest : ::testing::Test {
    ZRVFakeMediaPlayer player1;
    ZRVFakeMediaPlayer player2;
    ZRVPlayInfo playInfo;
    CustomWindow window;
    ZRVPlayerWindowView view;
    QRect screen{0, 0, 1440, 900};
    std::unique_ptr<ZRVPresentationController> controller;

    PresentationTest() {
        view.setupUi(&window);
        window.setGeometry(100, 50, 1020, 640);
        create(0);
    }

    void create(int animationMilliseconds) {
        ZRVPresentationController::Options options;
        options.screenGeometry = [this] { return screen; };
        options.resizeAnimationMilliseconds = animationMilliseconds;
        controller = std::make_unique<ZRVPresentationController>(player1, player2, playInfo,
                                                                 &window, view, options);
    }

    static void open(ZRVFakeMediaPlayer& player, const QString& path, int audioTracks) {
        player.setRecording(60000, audioTracks, QSize(1280, 720));
        player.setMedia(path);
        player.play();
    }
};

} // namespace

TEST_F(PresentationTest, SpeedMovesBetweenOneAndTwoOnBothPlayers) {
    controller->increaseSpeed();
    controller->increaseSpeed();
    EXPECT_DOUBLE_EQ(player1.rate(), 2.0);
    EXPECT_DOUBLE_EQ(player2.rate(), 2.0);
    EXPECT_EQ(view.speedTextButton->text(), QStringLiteral("2.0x"));

    controller->decreaseSpeed();
    controller->decreaseSpeed();
    EXPECT_DOUBLE_EQ(player1.rate(), 1.0);
    EXPECT_DOUBLE_EQ(player2.rate(), 1.0);
    EXPECT_EQ(view.speedTextButton->text(), QStringLiteral("1.0x"));
}

TEST_F(PresentationTest, VolumeStaysWithinZeroAndTwoHundred) {
    controller->volumeSliderMoved(195);
    controller->volumeUp();
    EXPECT_EQ(controller->volume(), 200u);
    EXPECT_EQ(view.volumeSlider->value(), 200);

    controller->setVolume(5);
    controller->volumeDown();
    EXPECT_EQ(controller->volume(), 0u);
    EXPECT_EQ(view.volumeSlider->value(), 0);

    controller->volumeSliderMoved(-20);
    EXPECT_EQ(controller->volume(), 0u);
}

TEST_F(PresentationTest, ZoomStepsByAFifthOfTheSmallestWindowWhilePlayingThenTurnsFullScreen) {
    controller->sizeUp();
    EXPECT_EQ(window.size(), QSize(1020, 640)) << "nothing loaded";
    open(player1, kFront, 1);
    player1.pause();
    controller->sizeUp();
    EXPECT_EQ(window.size(), QSize(1020, 640)) << "paused";
    player1.play();

    window.setGeometry(100, 50, 1100, 700);
    controller->sizeDown();
    EXPECT_EQ(window.geometry(), QRect(100, 50, 1020, 640)) << "never below the smallest";
    controller->sizeUp();
    EXPECT_EQ(window.geometry(), QRect(100, 50, 1224, 768));
    controller->sizeUp();
    EXPECT_TRUE(window.isFullScreen()) << "896 high exceeds 900 - 100";
    EXPECT_NE(window.size(), QSize(1428, 896));
    controller->sizeUp();
    EXPECT_TRUE(window.isFullScreen());
    controller->sizeDown();
    EXPECT_FALSE(window.isFullScreen());

    window.enterFullscreen();
    controller->setVideoScaleIndex(0);
    EXPECT_FALSE(window.isFullScreen()) << "a new recording leaves full screen";
}

TEST_F(PresentationTest, AnimatedZoomStepsOnFromWhereTheLastStepIsGoing) {
    screen = QRect(0, 0, 1920, 1200);
    create(50);
    open(player1, kFront, 1);
    controller->sizeUp();
    controller->sizeUp();
    waitFor([&] { return window.size() == QSize(1428, 896); }, 2000);
    EXPECT_EQ(window.geometry(), QRect(100, 50, 1428, 896));
}

TEST_F(PresentationTest, ScaleIsTheVideoAreaHeightOverThePictureHeightWhilePlaying) {
    view.videoContainerView->resize(960, 540);
    controller->updatePlayInfoScale();
    EXPECT_DOUBLE_EQ(playInfo.scale(), 0.0) << "no picture yet";

    open(player1, kFront, 1);
    controller->updatePlayInfoScale();
    EXPECT_DOUBLE_EQ(playInfo.scale(), 0.75);
    EXPECT_EQ(view.sizeTextButton->text(), QStringLiteral("0.75x"));

    player1.pause();
    view.videoContainerView->resize(960, 720);
    controller->updatePlayInfoScale();
    EXPECT_DOUBLE_EQ(playInfo.scale(), 0.75);
}

TEST_F(PresentationTest, SoundFollowsTheChosenCameraOrTheOneWithSoundAcrossAMediaExchange) {
    open(player1, kFront, 1);
    open(player2, kRear, 0);
    view.audioToggleButton->setChecked(true);
    controller->chooseAudioAuto();
    EXPECT_FALSE(view.audioToggleButton->isChecked());
    EXPECT_FALSE(player1.isMuted());
    EXPECT_TRUE(player2.isMuted());

    player1.setRecording(60000, 0, QSize(1280, 720));
    player1.setMedia(kRear);
    player2.setRecording(60000, 1, QSize(1280, 720));
    player2.setMedia(kFront);
    controller->updateAudioUI();
    EXPECT_TRUE(player1.isMuted());
    EXPECT_FALSE(player2.isMuted());
    EXPECT_EQ(player2.volume(), 70);

    open(player1, kFront, 0);
    open(player2, kRear, 2);
    controller->chooseAudioAuto();
    EXPECT_TRUE(view.audioToggleButton->isChecked());
    EXPECT_FALSE(player2.isMuted());

    open(player2, kRear, 0);
    controller->chooseAudioAuto();
    EXPECT_TRUE(view.audioToggleButton->isHidden());
    EXPECT_TRUE(player1.isMuted());
    EXPECT_TRUE(player2.isMuted());

    // Both with sound: choosing the rear camera makes it the one heard.
    open(player1, kFront, 1);
    open(player2, kRear, 1);
    controller->chooseAudioAuto();
    controller->setVolume(120);
    controller->toggleAudioChoice(true);
    EXPECT_TRUE(player1.isMuted());
    EXPECT_FALSE(player2.isMuted());
    EXPECT_EQ(player2.volume(), 120);

    controller->volumeUp();
    EXPECT_EQ(player2.volume(), 130);
    EXPECT_EQ(view.volumeSlider->value(), 130);
}
