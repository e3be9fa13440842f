#include "app/ui/CustomWindow.h"
#include "app/ui/ZRVAppDelegate.h"
#include "app/ui/ZRVMediaListController.h"
#include "app/ui/ZRVMediaListModel.h"
#include "app/ui/ZRVPlayInfo.h"
#include "app/ui/ZRVPlaybackController.h"
#include "app/ui/ZRVPlayerWindowView.h"
#include "app/ui/ZRVTelemetryDisplay.h"
#include "platform/ZRVMediaPlayer.h"
#include "platform/ZRVVlcMediaPlayer.h"
#include "recording/ui/GraphView.h"
#include "support/BusyWait.h"
#include "support/Stopwatch.h"
#include "support/TemporaryDirectory.h"
#include "support/WindowBenchmark.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

// What following the play position costs the window while a recording plays:
// one position update (the read-outs, the graph's bar drawn at once, and the
// map call) against handling one time report of the main player with the
// telemetry display detached, both measured on the UI thread of the real
// window, taking turns on the same timer, for the same stretch of playing.

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kFrameMs = 1000.0 / 30.0;
constexpr int kSamples = 600;

double milliseconds(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double p99(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, values.size() * 99 / 100)];
}

void runEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv) {
    WindowBenchmark::prepareApplication();
    QApplication application(argc, argv);
    ZRVVlcMediaPlayer::setInstanceArguments(
        {QStringLiteral("--vout=dummy"), QStringLiteral("--aout=dummy")});

    const TemporaryDirectory card;
    WindowBenchmark::writeOneMoment(card, 60);

    ZRVAppDelegate::Options options;
    options.busyScheduler = [](double, std::function<void()>) {};
    ZRVAppDelegate delegate(options);
    delegate.awakeFromNib();
    delegate.window()->show();
    delegate.mediaListController()->openDirectory(QString::fromStdString(card.path().string()));
    busyWaitFor([&] { return delegate.mediaListController()->model()->rowCount() == 2; });
    ZRVPlaybackController& playback = *delegate.playback();
    if (!playback.playAtIndex(0)) {
        std::fprintf(stderr, "benchmark: the moment could not be opened\n");
        return 1;
    }
    busyWaitFor([&] {
        return !playback.waitingForPlayStart() &&
               delegate.player1()->state() == ZRVMediaPlayer::State::Playing;
    });
    // The map page loads on its own time; start once it has.
    runEventsFor(2000);

    ZRVTelemetryDisplay& display = *delegate.telemetryDisplay();
    QObject::disconnect(delegate.playInfo(), &ZRVPlayInfo::positionChanged, &display,
                        &ZRVTelemetryDisplay::showPlayPosition);
    GraphView& graph = *delegate.view().graphView;
    std::vector<double> updates;
    std::vector<double> reports;
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(int(kFrameMs / 2));
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (updates.size() <= reports.size()) {
            const auto start = Clock::now();
            display.showPlayPosition(delegate.playInfo()->position());
            graph.repaint();
            updates.push_back(milliseconds(start));
        } else {
            const auto start = Clock::now();
            playback.mediaPlayerTimeChanged(*delegate.player1());
            reports.push_back(milliseconds(start));
        }
        if (reports.size() >= kSamples) {
            loop.quit();
        }
    });
    timer.start();
    loop.exec();
    playback.stopPlay();

    const double update = p99(updates);
    const double report = p99(reports);
    std::printf("position update (read-outs, bar drawn, map call), p99 of %d: %.3f ms\n", kSamples,
                update);
    std::printf("time report with the telemetry display detached, p99 of %d: %.3f ms\n", kSamples,
                report);
    std::printf("update / report: %.2fx\n", update / report);
    std::printf("update p99 as a fraction of a frame (%.1f ms): %.3f (target at most 0.1)\n",
                kFrameMs, update / kFrameMs);
    return 0;
}
