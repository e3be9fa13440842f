#include "app/ui/ZRVAppDelegate.h"
#include "app/ui/ZRVMediaListController.h"
#include "app/ui/ZRVMediaListModel.h"
#include "app/ui/ZRVPlaybackController.h"
#include "platform/ZRVMediaPlayer.h"
#include "platform/ZRVVlcMediaPlayer.h"
#include "support/BusyWait.h"
#include "support/Stopwatch.h"
#include "support/TemporaryDirectory.h"
#include "support/WindowBenchmark.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>
#include <vlc/vlc.h>

// Time from asking for a moment until both of its cameras report playing,
// against opening the same front file in one bare libVLC player until it
// reports playing, in the same process with the same libVLC instance. The
// viewer's figure includes the telemetry read, the second camera and every
// rule around them.

namespace {

constexpr int kRuns = 41;

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One plain libVLC player, made once like the viewer's, told of its start by
// libVLC's own event.
class BarePlayer {
public:
    BarePlayer() : m_player(libvlc_media_player_new(ZRVVlcMediaPlayer::instance())) {
        libvlc_event_attach(
            libvlc_media_player_event_manager(m_player), libvlc_MediaPlayerPlaying,
            [](const libvlc_event_t*, void* flag) {
                static_cast<std::atomic<bool>*>(flag)->store(true);
            },
            &m_playing);
    }
    ~BarePlayer() { libvlc_media_player_release(m_player); }
    BarePlayer(const BarePlayer&) = delete;
    BarePlayer& operator=(const BarePlayer&) = delete;

    double openSeconds(const std::string& path) {
        m_playing = false;
        const auto start = Clock::now();
        libvlc_media_t* media = libvlc_media_new_path(ZRVVlcMediaPlayer::instance(), path.c_str());
        libvlc_media_player_set_media(m_player, media);
        libvlc_media_release(media);
        libvlc_media_player_play(m_player);
        while (!m_playing.load()) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        const double elapsed = seconds(start);
        libvlc_media_player_stop(m_player);
        return elapsed;
    }

private:
    libvlc_media_player_t* m_player;
    std::atomic<bool> m_playing{false};
};

// Waits on the players' own reports, so that the UI thread sleeps as the
// bare player's waiting thread does.
double viewerOpenSeconds(ZRVAppDelegate& delegate) {
    ZRVPlaybackController& playback = *delegate.playback();
    playback.stopPlay();
    QEventLoop loop;
    const auto started = [&] {
        return !playback.waitingForPlayStart() &&
               delegate.player1()->state() == ZRVMediaPlayer::State::Playing &&
               delegate.player2()->state() == ZRVMediaPlayer::State::Playing;
    };
    const auto check = [&] {
        if (started()) {
            loop.quit();
        }
    };
    const QMetaObject::Connection reports[] = {
        QObject::connect(delegate.player1(), &ZRVMediaPlayer::stateChanged, &loop, check,
                         Qt::QueuedConnection),
        QObject::connect(delegate.player2(), &ZRVMediaPlayer::stateChanged, &loop, check,
                         Qt::QueuedConnection),
    };
    const auto start = Clock::now();
    if (!playback.playAtIndex(0)) {
        std::fprintf(stderr, "benchmark: the moment could not be opened\n");
        std::exit(1);
    }
    if (!started()) {
        loop.exec();
    }
    const double elapsed = seconds(start);
    for (const auto& connection : reports) {
        QObject::disconnect(connection);
    }
    return elapsed;
}

} // namespace

int main(int argc, char** argv) {
    WindowBenchmark::prepareApplication();
    QApplication application(argc, argv);
    ZRVVlcMediaPlayer::setInstanceArguments(
        {QStringLiteral("--vout=dummy"), QStringLiteral("--aout=dummy")});

    const TemporaryDirectory card;
    WindowBenchmark::writeOneMoment(card, 20);
    std::string front;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(card.path())) {
        if (entry.path().filename().string().ends_with("_F.avi")) {
            front = entry.path().string();
        }
    }

    ZRVAppDelegate::Options options;
    options.busyScheduler = [](double, std::function<void()>) {};
    ZRVAppDelegate delegate(options);
    delegate.awakeFromNib();
    delegate.mediaListController()->openDirectory(QString::fromStdString(card.path().string()));
    busyWaitFor([&] { return delegate.mediaListController()->model()->rowCount() == 2; });

    // One of each first, so that neither side pays for loading plugins or
    // reading the files from disk.
    BarePlayer barePlayer;
    barePlayer.openSeconds(front);
    viewerOpenSeconds(delegate);
    std::vector<double> bare;
    std::vector<double> viewer;
    for (int run = 0; run < kRuns; ++run) {
        bare.push_back(barePlayer.openSeconds(front));
        viewer.push_back(viewerOpenSeconds(delegate));
    }
    delegate.playback()->stopPlay();

    const double bareMedian = median(bare);
    const double viewerMedian = median(viewer);
    std::printf("open a moment until both cameras play (median of %d): %.1f ms\n", kRuns,
                viewerMedian * 1000);
    std::printf("open its front file in a bare libVLC player:            %.1f ms\n",
                bareMedian * 1000);
    std::printf("ratio: %.2fx (target at most 1.3x)\n", viewerMedian / bareMedian);
    return 0;
}
