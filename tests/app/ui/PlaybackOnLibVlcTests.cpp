#include "app/ZRVMapScript.h"
#include "app/ZRVTelemetryReadout.h"
#include "app/ui/CustomWindow.h"
#include "app/ui/ZRVAppDelegate.h"
#include "app/ui/ZRVMediaListController.h"
#include "app/ui/ZRVMediaListModel.h"
#include "app/ui/ZRVPlayInfo.h"
#include "app/ui/ZRVPlaybackController.h"
#include "app/ui/ZRVPlayerWindowView.h"
#include "app/ui/ZRVPresentationController.h"
#include "platform/ZRVVlcMediaPlayer.h"
#include "recording/ui/GraphView.h"
#include "support/DemoCard.h"
#include "support/EventLoopWait.h"
#include "support/FrameLog.h"
#include "support/ZRVFakeMapView.h"

#include <QFileInfo>
#include <QLabel>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace {

using State = ZRVMediaPlayer::State;

// Video frames a recording holds whole, counted chunk by chunk from the start
// of its movi list, as a file cut short by a power loss must be read.
int completeVideoFrames(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    int frames = 0;
    for (std::size_t at = bytes.find("movi") + 4; at + 8 <= bytes.size();) {
        const auto size = std::size_t(std::uint8_t(bytes[at + 4])) |
                          std::size_t(std::uint8_t(bytes[at + 5])) << 8 |
                          std::size_t(std::uint8_t(bytes[at + 6])) << 16 |
                          std::size_t(std::uint8_t(bytes[at + 7])) << 24;
        if (bytes.compare(at, 4, "idx1") == 0 || at + 8 + size > bytes.size()) {
            break;
        }
        frames += bytes.compare(at, 4, "00dc") == 0 ? 1 : 0;
        at += 8 + size + (size & 1);
    }
    return frames;
}

// The whole window on real libVLC players with dummy outputs and real timers,
// on a demo card of three twelve-second moments. The second moment was cut
// short in the middle of both files, as a power loss leaves them; the last
// moment has lost its front file, and a damaged recording sorts after
// everything else.
class PlaybackOnLibVlc : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        card = DemoCard::make(3, 12);
        const auto fronts = card->recordings("_F.avi");
        ASSERT_EQ(fronts.size(), 3u);
        for (const auto& cut : {fronts[1], card->recordings("_R.avi")[1]}) {
            std::filesystem::resize_file(cut, std::filesystem::file_size(cut) / 2);
        }
        std::filesystem::remove(fronts.back());
        std::mt19937 random(11);
        std::string noise(300000, '\0');
        for (auto& byte : noise) {
            byte = static_cast<char>(random());
        }
        card->folder().write("DCIM/EVENT/event_20991231_235959_F.avi", noise);
    }
    static void TearDownTestSuite() { card.reset(); }

    void SetUp() override {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        ZRVAppDelegate::Options options;
        options.busyScheduler = [](double, std::function<void()>) {};
        options.systemLanguages = {QStringLiteral("en-US")};
        options.alert = [](QWidget*, const QString&) {};
        options.playerFactory = [this](QObject* parent) {
            auto* player = new ZRVVlcMediaPlayer(parent);
            player->setFrameSink(frames[madePlayers++ % 2].sink());
            return player;
        };
        options.mapViewFactory = [this](QWidget* parent) {
            map = new ZRVFakeMapView(parent);
            return map;
        };
        delegate = std::make_unique<ZRVAppDelegate>(options);
        delegate->awakeFromNib();
        delegate->mediaListController()->openDirectory(card->path());
        ASSERT_TRUE(waitFor(
            [this] { return delegate->mediaListController()->model()->rowCount() == kRows; },
            5000));
    }

    void TearDown() override { delegate.reset(); }

    ZRVPlaybackController& playback() { return *delegate->playback(); }
    ZRVMediaPlayer& player1() { return *delegate->player1(); }
    ZRVMediaPlayer& player2() { return *delegate->player2(); }

    bool bothPlaying() {
        return !playback().waitingForPlayStart() && player1().state() == State::Playing &&
               player2().state() == State::Playing;
    }

    // What each player actually showed over the last moment, compared at the
    // same instants. Two players a frame apart read one or two apart at times,
    // as their pictures change at different instants; a player out of step
    // reads several apart throughout.
    bool inStep(int lastMilliseconds = 500) {
        auto ahead = framesAhead(frames[0], frames[1], std::chrono::milliseconds(lastMilliseconds));
        for (auto& frames : ahead) {
            frames = std::abs(frames);
        }
        std::sort(ahead.begin(), ahead.end());
        return !ahead.empty() && ahead[ahead.size() / 2] <= 1 && ahead.back() <= 2;
    }

    // The read-outs, the graph's bar and the map's marker show the play
    // position the window holds now.
    void expectTelemetryAtPlayPosition() {
        const ZRVPlayerWindowView& view = delegate->view();
        const double position = delegate->playInfo()->position();
        ZRVHemispheres hemispheres;
        const ZRVTelemetryTexts texts =
            ZRVTelemetryReadout::textsAt(playback().blackBoxData(), position, hemispheres);
        EXPECT_EQ(view.gsensorXField->text().toStdString(), texts.x.value_or("?"));
        EXPECT_EQ(view.gsensorYField->text().toStdString(), texts.y.value_or("?"));
        EXPECT_EQ(view.gsensorZField->text().toStdString(), texts.z.value_or("?"));
        EXPECT_EQ(view.speedField->text().toStdString(), texts.speed.value_or("?"));
        EXPECT_EQ(view.hdopField->text().toStdString(), texts.hdop.value_or("?"));
        EXPECT_EQ(view.sateliteField->text().toStdString(), texts.satellites.value_or("?"));
        EXPECT_NEAR(view.graphView->timePosition(), position, 0.05);
        EXPECT_EQ(map->scripts.last().toStdString(),
                  ZRVMapScript::setLatLag(*texts.longitude, *texts.latitude));
    }

    static QString fileName(const ZRVMediaPlayer& player) {
        return QFileInfo(player.media()).fileName();
    }

    // Rows: three front/rear moments less one front file, then the damaged
    // recording.
    static constexpr int kRows = 6;
    static constexpr int kCutShortRow = 2;
    static constexpr int kRearAloneRow = 4;
    static constexpr int kDamagedRow = 5;

    static inline std::unique_ptr<DemoCard> card;
    QTemporaryDir settingsDir;
    std::unique_ptr<ZRVAppDelegate> delegate;
    FrameLog frames[2];
    int madePlayers = 0;
    ZRVFakeMapView* map = nullptr;
};

} // namespace

TEST_F(PlaybackOnLibVlc, AMomentOpensWithBothCamerasShowingTheSameFrame) {
    ASSERT_TRUE(playback().playAtIndex(0));
    ASSERT_TRUE(waitFor([this] { return bothPlaying(); }, 5000));
    EXPECT_TRUE(fileName(player1()).endsWith(QStringLiteral("_F.avi")));
    EXPECT_TRUE(fileName(player2()).endsWith(QStringLiteral("_R.avi")));
    EXPECT_TRUE(delegate->playInfo()->isPlaying());
    EXPECT_EQ(delegate->playInfo()->audioMediaDirection(), 0) << "the front file has sound";
    EXPECT_EQ(playback().blackBoxData().gSensors().size(), 120u) << "ten samples a second";
    runEventsFor(1500);
    EXPECT_GT(player1().time(), 1000);
    EXPECT_TRUE(inStep(1000));
}

TEST_F(PlaybackOnLibVlc, SeekJumpSwapDoubleSpeedPauseAndResumeKeepBothCamerasTogether) {
    ASSERT_TRUE(playback().playAtIndex(0));
    ASSERT_TRUE(waitFor([this] { return bothPlaying(); }, 5000));

    delegate->view().videoPositionSlider->setValue(ZRVPlaybackController::kSliderSteps / 2);
    // Within a frame of each other a second after the seek.
    ASSERT_TRUE(waitFor([this] { return !playback().moving(); }, 2000));
    runEventsFor(700);
    EXPECT_NEAR(player1().time(), 6700, 600);
    EXPECT_TRUE(inStep(300));

    playback().jumpBackward();
    ASSERT_TRUE(waitFor([this] { return !playback().moving(); }, 2000));
    EXPECT_LT(player1().time(), 1500) << "under ten seconds played: back to the start";

    runEventsFor(300);
    playback().jumpForward();
    ASSERT_TRUE(waitFor([this] { return !playback().moving(); }, 2000));
    runEventsFor(700);
    EXPECT_GT(player1().time(), 10000);
    EXPECT_TRUE(inStep(300));

    delegate->view().videoPositionSlider->setValue(ZRVPlaybackController::kSliderSteps / 10);
    ASSERT_TRUE(waitFor([this] { return !playback().moving(); }, 2000));
    runEventsFor(300);
    playback().swapPlayer();
    EXPECT_TRUE(fileName(player1()).endsWith(QStringLiteral("_R.avi")));
    ASSERT_TRUE(waitFor([this] { return !playback().swapping(); }, 3000));
    EXPECT_TRUE(bothPlaying());
    EXPECT_GT(player1().time(), 1000) << "the swap keeps the play position";
    EXPECT_TRUE(inStep());

    delegate->presentation()->increaseSpeed();
    EXPECT_DOUBLE_EQ(player1().rate(), 2.0);
    const auto before = player1().time();
    runEventsFor(1000);
    EXPECT_GT(player1().time() - before, 1500) << "double speed";
    EXPECT_TRUE(inStep());

    playback().clickPlayButton();
    ASSERT_TRUE(waitFor(
        [this] { return player1().state() == State::Paused && player2().state() == State::Paused; },
        2000));
    EXPECT_FALSE(delegate->playInfo()->isPlaying());
    const auto stoppedAt = player1().time();
    runEventsFor(500);
    EXPECT_EQ(player1().time(), stoppedAt);
    playback().clickPlayButton();
    ASSERT_TRUE(waitFor([this] { return bothPlaying(); }, 2000));
}

TEST_F(PlaybackOnLibVlc, TheNextMomentStartsAtTheEnd) {
    ASSERT_TRUE(playback().playAtIndex(1));
    ASSERT_TRUE(waitFor([this] { return bothPlaying(); }, 5000));
    delegate->view().videoPositionSlider->setValue(int(ZRVPlaybackController::kSliderSteps * 0.9));
    ASSERT_TRUE(waitFor([this] { return playback().mediaIndex() == 2 && bothPlaying(); }, 8000));
    EXPECT_LT(player1().time(), 3000);
}

TEST_F(PlaybackOnLibVlc, ARecordingCutShortPlaysToItsLastFrameIsMarkedAndTheNextMomentFollows) {
    ASSERT_TRUE(playback().playAtIndex(kCutShortRow));
    ASSERT_TRUE(waitFor([this] { return bothPlaying(); }, 5000));
    EXPECT_GT(playback().blackBoxData().gSensors().size(), 50u) << "the drive up to the cut";
    const auto* model = delegate->mediaListController()->model();
    const QModelIndex file = model->index(kCutShortRow, model->columnCount() - 1);
    EXPECT_FALSE(model->data(file, Qt::ToolTipRole).toString().isEmpty());
    EXPECT_FALSE(model->data(model->index(0, 0), Qt::ToolTipRole).isValid());

    // Played through to the cut, as it would be in the car's last minutes.
    const int lastFrame = completeVideoFrames(card->recordings("_F.avi")[1]) - 1;
    ASSERT_TRUE(waitFor([this] { return playback().mediaIndex() == kRearAloneRow; }, 15000));
    const auto shown = frames[0].numbers();
    ASSERT_FALSE(shown.empty());
    EXPECT_GE(*std::max_element(shown.begin(), shown.end()), lastFrame - 2);
}

TEST_F(PlaybackOnLibVlc, ARearFileWithoutItsFrontPlaysAlone) {
    ASSERT_TRUE(playback().playAtIndex(kRearAloneRow));
    ASSERT_TRUE(waitFor(
        [this] { return !playback().waitingForPlayStart() && player1().state() == State::Playing; },
        5000));
    EXPECT_TRUE(fileName(player1()).endsWith(QStringLiteral("_R.avi")));
    EXPECT_TRUE(player2().media().isEmpty());
    EXPECT_TRUE(delegate->view().video2View->isHidden());
    EXPECT_TRUE(playback().blackBoxData().gSensors().empty()) << "telemetry is the front file's";
    EXPECT_EQ(delegate->playInfo()->audioMediaDirection(), 2) << "the rear camera has no sound";
}

TEST_F(PlaybackOnLibVlc, ADamagedFileDoesNotBlockTheNextPlay) {
    ASSERT_TRUE(playback().playAtIndex(kDamagedRow));
    // libVLC either fails on it or plays nothing and ends; both end the wait.
    ASSERT_TRUE(waitFor([this] { return !playback().waitingForPlayStart(); }, 12000));
    ASSERT_TRUE(playback().playAtIndex(0));
    EXPECT_TRUE(waitFor([this] { return bothPlaying(); }, 5000));
}

TEST_F(PlaybackOnLibVlc, ReadOutsGraphBarAndMarkerFollowPlaybackSeeksAndClicks) {
    ASSERT_TRUE(playback().playAtIndex(0));
    ASSERT_TRUE(waitFor([this] { return bothPlaying(); }, 5000));
    EXPECT_EQ(map->scripts.filter(QStringLiteral("setTrack([{")).size(), 1)
        << "the whole track once, when the recording opens";
    runEventsFor(1500);
    EXPECT_GT(delegate->view().graphView->timePosition(), 0.05);
    // The demo car stands on the road: about one g downwards.
    EXPECT_TRUE(delegate->view().gsensorZField->text().startsWith(QStringLiteral("Z=+")))
        << delegate->view().gsensorZField->text().toStdString();
    expectTelemetryAtPlayPosition();

    delegate->view().videoPositionSlider->setValue(ZRVPlaybackController::kSliderSteps / 2);
    ASSERT_TRUE(waitFor([this] { return !playback().moving(); }, 2000));
    EXPECT_NEAR(delegate->view().graphView->timePosition(), 0.5, 0.05);
    expectTelemetryAtPlayPosition();

    map->clickTrack(0.75);
    ASSERT_TRUE(waitFor([this] { return !playback().moving(); }, 2000));
    EXPECT_NEAR(player1().time(), 9000, 700) << "a click on the track seeks both cameras";
    expectTelemetryAtPlayPosition();

    GraphView* graph = delegate->view().graphView;
    const int quarter = 20 + (graph->width() - 40) / 4;
    QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(quarter, graph->height() / 2));
    ASSERT_TRUE(waitFor([this] { return !playback().moving(); }, 2000));
    EXPECT_NEAR(player1().time(), 3000, 700) << "so does a click in the graph";
    runEventsFor(300);
    EXPECT_TRUE(inStep(300));

    playback().clickPlayButton();
    ASSERT_TRUE(waitFor([this] { return player1().state() == State::Paused; }, 2000));
    runEventsFor(300);
    expectTelemetryAtPlayPosition();
}
