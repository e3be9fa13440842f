#include "app/ui/CustomWindow.h"
#include "app/ui/ZRVAppDelegate.h"
#include "app/ui/ZRVMediaListController.h"
#include "app/ui/ZRVMediaListModel.h"
#include "app/ui/ZRVMediaListView.h"
#include "app/ui/ZRVPlayInfo.h"
#include "app/ui/ZRVPlaybackController.h"
#include "recording/ZRVMediaList.h"
#include "support/EventLoopWait.h"
#include "support/ManualScheduler.h"
#include "support/ZRVFakeMapView.h"
#include "support/ZRVFakeMediaPlayer.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLabel>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kLength = 60000;

// The whole window on fake players: the catalogue is a real folder of empty
// recordings, telemetry is read inline, and time moves only when a test
// calls tick(), for the players and the delayed actions together.
struct PlaybackTest : ::testing::Test {
    QTemporaryDir settingsDir;
    QTemporaryDir card;
    ManualScheduler scheduler;
    std::unique_ptr<ZRVAppDelegate> delegate;
    QStringList alerts;

    void SetUp() override {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        ZRVAppDelegate::Options options;
        options.executor = [](std::function<void()> job) { job(); };
        options.busyScheduler = [](double, std::function<void()>) {};
        options.systemLanguages = {QStringLiteral("en-US")};
        // The fakes move only on the test's clock, which the keeper does not read.
        options.keepCamerasInStep = false;
        options.playerFactory = [](QObject* parent) {
            auto* player = new ZRVFakeMediaPlayer(parent);
            player->setRecording(kLength, 1, QSize(640, 360));
            return player;
        };
        options.playbackScheduler = scheduler.asFunction();
        options.mapViewFactory = [](QWidget* parent) { return new ZRVFakeMapView(parent); };
        options.alert = [this](QWidget*, const QString& message) { alerts << message; };
        delegate = std::make_unique<ZRVAppDelegate>(options);
        delegate->awakeFromNib();
    }

    void openCard(const QStringList& names) {
        QDir(card.path()).mkpath(QStringLiteral("DCIM/ALWAYS"));
        for (const auto& name : names) {
            QFile file(card.filePath(QStringLiteral("DCIM/ALWAYS/") + name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        delegate->mediaListController()->openDirectory(card.path());
        waitFor(
            [&] { return delegate->mediaListController()->model()->rowCount() == names.size(); },
            3000);
    }

    void openTwoMoments() {
        openCard({QStringLiteral("alwa_20240101_120000_F.avi"),
                  QStringLiteral("alwa_20240101_120000_R.avi"),
                  QStringLiteral("alwa_20240101_120100_F.avi"),
                  QStringLiteral("alwa_20240101_120100_R.avi")});
    }

    ZRVPlaybackController& playback() { return *delegate->playback(); }
    ZRVFakeMediaPlayer& player1() { return static_cast<ZRVFakeMediaPlayer&>(*delegate->player1()); }
    ZRVFakeMediaPlayer& player2() { return static_cast<ZRVFakeMediaPlayer&>(*delegate->player2()); }
    ZRVPlayInfo& playInfo() { return *delegate->playInfo(); }
    const ZRVPlayerWindowView& view() { return delegate->view(); }

    void tick(double seconds) {
        QCoreApplication::processEvents();
        scheduler.advance(seconds, [this](double step) {
            const auto ms = std::int64_t(std::llround(step * 1000));
            player1().advance(ms);
            player2().advance(ms);
        });
        QCoreApplication::processEvents();
    }

    // Opens the recording at the index and lets the queued telemetry
    // hand-over start the players.
    void playStarted(qint64 index) {
        ASSERT_TRUE(playback().playAtIndex(index));
        QCoreApplication::processEvents();
        ASSERT_FALSE(playback().waitingForPlayStart());
    }

    QString fileName(const ZRVMediaPlayer& player) const {
        return QFileInfo(player.media()).fileName();
    }

    // The window shown and active with the list focused, as a user has it
    // after a double-click, so that window-wide keys reach it.
    void playFirstRowWithKeysAtHand() {
        delegate->applicationDidFinishLaunching();
        delegate->window()->activateWindow();
        view().mediaListTableView->setFocus();
        openTwoMoments();
        playStarted(0);
    }

    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(view().mediaListTableView, key, modifiers);
    }
};

} // namespace

TEST_F(PlaybackTest, OpeningClampsTheIndexAndStartsBothCamerasAfterTheTelemetryRead) {
    EXPECT_FALSE(playback().playAtIndex(0)) << "an empty catalogue plays nothing";
    openTwoMoments();

    ASSERT_TRUE(playback().playAtIndex(-5));
    EXPECT_EQ(playback().mediaIndex(), 0);
    EXPECT_TRUE(playback().waitingForPlayStart());
    EXPECT_FALSE(playback().playAtIndex(7)) << "a pending start refuses other requests";
    EXPECT_FALSE(player1().isPlaying()) << "the players wait for the telemetry";
    EXPECT_EQ(fileName(player1()), QStringLiteral("alwa_20240101_120000_F.avi"));
    EXPECT_EQ(fileName(player2()), QStringLiteral("alwa_20240101_120000_R.avi"));
    EXPECT_EQ(view().mediaListTableView->currentIndex().row(), 0);

    QCoreApplication::processEvents();
    EXPECT_FALSE(playback().waitingForPlayStart());
    EXPECT_TRUE(player1().isPlaying());
    EXPECT_TRUE(player2().isPlaying());
    EXPECT_FALSE(view().video2View->isHidden());
    EXPECT_FALSE(view().audioToggleButton->isHidden());

    ASSERT_TRUE(playback().playAtIndex(9));
    EXPECT_EQ(playback().mediaIndex(), 3) << "beyond the end plays the last";
}

TEST_F(PlaybackTest, SeeksFromTheSliderAndShowsEveryThirdReportOfTheMainPlayer) {
    openTwoMoments();
    playStarted(0);
    std::vector<double> shown;
    QObject::connect(&playInfo(), &ZRVPlayInfo::positionChanged,
                     [&shown](double position) { shown.push_back(position); });

    view().videoPositionSlider->setValue(ZRVPlaybackController::kSliderSteps / 2);
    EXPECT_TRUE(playback().moving());
    EXPECT_NEAR(player1().position(), 0.5, 1e-6);
    EXPECT_NEAR(player2().position(), 0.5, 1e-6);
    EXPECT_EQ(view().playTimeField->text(), QStringLiteral("0:30 / 1:00"));
    EXPECT_EQ(view().playTimeFieldForFullScreen->text(), QStringLiteral("0:30 / 1:00"));
    tick(0.3);
    EXPECT_FALSE(playback().moving());
    shown.clear();

    for (int report = 1; report <= 7; ++report) {
        player1().advance(100);
    }
    ASSERT_EQ(shown.size(), 3u) << "reports 1, 4 and 7";
    EXPECT_NEAR(shown[0], 30400.0 / kLength, 1e-3);
    EXPECT_NEAR(shown[2], 31000.0 / kLength, 1e-3);
    player2().advance(100);
    EXPECT_EQ(shown.size(), 3u) << "the second player's reports do not move it";

    QSlider* slider = view().videoPositionSlider;
    slider->resize(400, 20);
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(300, 10));
    EXPECT_NEAR(player1().position(), 0.75, 0.03) << "a click seeks to the place clicked";
    EXPECT_NEAR(playInfo().position(), 0.75, 0.03);
}

TEST_F(PlaybackTest, KeysPlayPauseAndJumpAndJumpsMoveByTenSecondsAndStopAtTheEnds) {
    playFirstRowWithKeysAtHand();
    pressKey(Qt::Key_Space);
    EXPECT_FALSE(player1().isPlaying());
    pressKey(Qt::Key_Space);
    EXPECT_TRUE(player1().isPlaying());
    pressKey(Qt::Key_Up);
    EXPECT_EQ(delegate->volume(), 80u);
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Down);
    EXPECT_EQ(delegate->volume(), 60u);

    player1().setTime(15000);
    pressKey(Qt::Key_Right);
    EXPECT_EQ(player1().time(), 25000);
    playback().jumpForward();
    EXPECT_EQ(player1().time(), 25000) << "ignored until the second player is in step";
    tick(0.3);
    EXPECT_EQ(player2().time(), player1().time());

    pressKey(Qt::Key_Left);
    EXPECT_EQ(player1().time(), 15300);
    tick(0.3);

    player1().setTime(9500);
    player2().setTime(9500);
    playback().jumpBackward();
    EXPECT_EQ(player1().time(), 0);
    EXPECT_EQ(player2().time(), 0);

    player1().setTime(kLength - 8000);
    playback().jumpForward();
    EXPECT_EQ(player1().time(), kLength) << "with under ten seconds left both go to the end";
    EXPECT_EQ(player2().time(), kLength);
}

TEST_F(PlaybackTest, CtrlPlusAndMinusZoomAsTheButtonsDoAndSSwapsTheCameras) {
    playFirstRowWithKeysAtHand();
    // The offscreen screen is smaller than a zoomed window, so zooming in
    // takes the window to full screen and zooming out brings it back.
    pressKey(Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_TRUE(delegate->window()->isFullScreen());
    pressKey(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_FALSE(delegate->window()->isFullScreen());
    pressKey(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_TRUE(delegate->window()->isFullScreen());

    pressKey(Qt::Key_S);
    EXPECT_EQ(fileName(player1()), QStringLiteral("alwa_20240101_120000_R.avi"));
}

TEST_F(PlaybackTest, SwapExchangesTheCamerasOnceAndKeepsThePosition) {
    openTwoMoments();
    playStarted(0);
    tick(2.0);
    const double before = player1().position();

    player1().pause();
    playback().swapPlayer();
    EXPECT_EQ(fileName(player1()), QStringLiteral("alwa_20240101_120000_F.avi"))
        << "no swap while paused";
    player1().play();

    playback().swapPlayer();
    EXPECT_EQ(fileName(player1()), QStringLiteral("alwa_20240101_120000_R.avi"));
    EXPECT_EQ(fileName(player2()), QStringLiteral("alwa_20240101_120000_F.avi"));
    EXPECT_TRUE(player1().isMuted());
    EXPECT_TRUE(player2().isMuted());
    playback().swapPlayer();
    EXPECT_EQ(fileName(player1()), QStringLiteral("alwa_20240101_120000_R.avi"))
        << "a second swap within 1.7 s is ignored";

    tick(0.8);
    EXPECT_FALSE(playback().moving());
    EXPECT_NEAR(player1().position(), before, 0.01);
    EXPECT_NEAR(player2().position(), before, 0.01);
    tick(0.9);
    EXPECT_FALSE(playback().swapping());
    EXPECT_FALSE(player2().isMuted()) << "the front camera is still the one heard";
    EXPECT_TRUE(player1().isMuted());
}

TEST_F(PlaybackTest, TheNextMomentOpensOneSecondAfterTheEndAndTheLastReplaysFromTheSlider) {
    openTwoMoments();
    playStarted(1);
    tick(kLength / 1000.0);
    EXPECT_EQ(player1().state(), ZRVMediaPlayer::State::Ended);
    EXPECT_EQ(playback().mediaIndex(), 1);
    tick(2.1);
    EXPECT_EQ(playback().mediaIndex(), 2) << "the front row of the next moment, not the other "
                                             "camera of the moment just played";
    EXPECT_EQ(fileName(player1()), QStringLiteral("alwa_20240101_120100_F.avi"));
    EXPECT_EQ(fileName(player2()), QStringLiteral("alwa_20240101_120100_R.avi"));
    EXPECT_TRUE(player1().isPlaying());

    tick(kLength / 1000.0 + 3);
    ASSERT_EQ(player1().state(), ZRVMediaPlayer::State::Ended);
    EXPECT_EQ(playback().mediaIndex(), 2) << "the last moment stays at its end";
    EXPECT_FALSE(playback().playNext());

    view().videoPositionSlider->setValue(ZRVPlaybackController::kSliderSteps / 2);
    tick(0.3);
    view().playButton->click();
    tick(0.1);
    EXPECT_TRUE(player1().isPlaying()) << "play after the end starts where the slider went";
    EXPECT_EQ(player1().time(), kLength / 2);
    EXPECT_EQ(player2().time(), kLength / 2);
}

TEST_F(PlaybackTest, AFrontFileAlonePlaysWithoutSecondAreaAndMovesOnAtItsEnd) {
    openCard({QStringLiteral("alwa_20240101_120000_F.avi"),
              QStringLiteral("alwa_20240101_120100_R.avi")});
    playStarted(0);
    EXPECT_TRUE(player2().media().isEmpty());
    EXPECT_TRUE(view().video2View->isHidden());
    EXPECT_TRUE(view().audioToggleButton->isHidden());

    tick(kLength * 0.99 / 1000.0);
    player1().pause();
    tick(2.1);
    EXPECT_EQ(playback().mediaIndex(), 1) << "alone, paused at 0.99 counts as the end";
    EXPECT_EQ(fileName(player1()), QStringLiteral("alwa_20240101_120100_R.avi"))
        << "a rear file without its front plays in the main area";
    EXPECT_TRUE(playback().blackBoxData().gSensors().empty());
}

TEST_F(PlaybackTest, APendingStartIsGivenUpOnAnErrorASilenceOrAnotherFolder) {
    openTwoMoments();
    player1().setNextStart(ZRVFakeMediaPlayer::Start::Fails);
    ASSERT_TRUE(playback().playAtIndex(0));
    QCoreApplication::processEvents();
    EXPECT_FALSE(playback().waitingForPlayStart()) << "a player error ends the wait at once";
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_FALSE(alerts.front().isEmpty());

    // A player that stays silent is given up after ten seconds.
    player2().setNextStart(ZRVFakeMediaPlayer::Start::Hangs);
    ASSERT_TRUE(playback().playAtIndex(2));
    QCoreApplication::processEvents();
    EXPECT_TRUE(playback().waitingForPlayStart());
    tick(9.9);
    EXPECT_TRUE(playback().waitingForPlayStart());
    tick(0.2);
    EXPECT_FALSE(playback().waitingForPlayStart());
    EXPECT_EQ(alerts.size(), 2);

    ASSERT_TRUE(playback().playAtIndex(1)) << "later requests are accepted again";
    QTemporaryDir other;
    delegate->mediaListController()->openDirectory(other.path());
    QCoreApplication::processEvents();
    EXPECT_FALSE(playback().waitingForPlayStart()) << "another folder drops the pending start";
    EXPECT_TRUE(player1().media().isEmpty());
    EXPECT_FALSE(player1().isPlaying());
    EXPECT_EQ(delegate->mediaIndex(), -1);
}

TEST_F(PlaybackTest, DoubleClickPlaysARowAndRestartsThePausedOneFromTheStart) {
    delegate->applicationDidFinishLaunching();
    openTwoMoments();
    ZRVMediaListView* list = view().mediaListTableView;
    const QRect row = list->visualRect(list->model()->index(2, 0));
    // A double-click arrives as a press and release, then a double-click event.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(playback().mediaIndex(), 2);
    EXPECT_EQ(fileName(player1()), QStringLiteral("alwa_20240101_120100_F.avi"));

    QCoreApplication::processEvents();
    tick(5.0);
    view().playButton->click();
    playback().changeAndPlay(player1().media());
    EXPECT_TRUE(player1().isPlaying());
    EXPECT_EQ(player1().time(), 0);
    EXPECT_EQ(player2().time(), 0);
}

// A rescan publishes its rows to the catalogue before the list shows them; a
// double-click in between still opens the file of the row clicked.
TEST_F(PlaybackTest, ADoubleClickOpensTheFileItsRowShowsAndThatRowStaysMarkedThroughAReload) {
    openTwoMoments();
    playStarted(2);
    ZRVMediaListModel& model = *delegate->mediaListController()->model();
    const auto marked = [&model](int row) {
        return model.data(model.index(row, 3), Qt::FontRole).value<QFont>().bold() &&
               !model.data(model.index(row, 3), Qt::DecorationRole).isNull();
    };
    EXPECT_TRUE(marked(2));
    EXPECT_FALSE(marked(3));
    EXPECT_EQ(view().mediaListTableView->currentIndex().row(), 2);

    QFile earlier(card.filePath(QStringLiteral("DCIM/ALWAYS/alwa_20240101_115900_F.avi")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    delegate->mediaList().setDirectoryPath(QDir(card.path()).absolutePath().toStdString());
    ASSERT_EQ(delegate->mediaList().count(), 5u) << "published, not yet shown";
    emit view().mediaListTableView->doubleClicked(model.index(0, 1));
    EXPECT_EQ(fileName(player1()), QStringLiteral("alwa_20240101_120000_F.avi"));

    QCoreApplication::processEvents();
    ASSERT_EQ(model.rowCount(), 5);
    EXPECT_EQ(playback().mediaIndex(), 1) << "the same file, one row further down";
    EXPECT_TRUE(marked(1));
    EXPECT_FALSE(marked(0));
    EXPECT_FALSE(marked(3)) << "only the row that plays";
}

TEST_F(PlaybackTest, ARecordingWithoutGpsTellsTheMapOnEveryPositionAndKeepsTheSpeedText) {
    openTwoMoments();
    auto* map = static_cast<ZRVFakeMapView*>(delegate->mapWebView());
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->loads, 1) << "the page loads at start-up";
    view().speedField->setText(QStringLiteral("stale"));
    playStarted(0);
    EXPECT_TRUE(map->scripts.contains(QStringLiteral("setTrack([])"))) << "no track to draw";
    EXPECT_EQ(view().gsensorXField->text(), QStringLiteral("X=+0.00"));
    EXPECT_TRUE(view().speedField->text().isEmpty()) << "the control reset clears it";

    const auto told = map->scripts.count(QStringLiteral("ZRVDebug('GPS Data Count=Zero')"));
    int updates = 0;
    QObject::connect(&playInfo(), &ZRVPlayInfo::positionChanged, [&updates] { ++updates; });
    view().speedField->setText(QStringLiteral("kept"));
    playback().seekTo(0.5);
    EXPECT_GT(updates, 0);
    EXPECT_EQ(map->scripts.count(QStringLiteral("ZRVDebug('GPS Data Count=Zero')")),
              told + updates);
    EXPECT_EQ(view().speedField->text(), QStringLiteral("kept"));
}
