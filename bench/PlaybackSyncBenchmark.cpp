#include "app/ui/ZRVAppDelegate.h"
#include "app/ui/ZRVMediaListController.h"
#include "app/ui/ZRVMediaListModel.h"
#include "app/ui/ZRVPlaybackController.h"
#include "app/ui/ZRVPresentationController.h"
#include "platform/ZRVVlcMediaPlayer.h"
#include "support/FrameNumberReader.h"
#include "support/Stopwatch.h"
#include "support/TemporaryDirectory.h"
#include "support/WindowBenchmark.h"

#include <QApplication>
#include <QEventLoop>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <mutex>
#include <vector>

// How far apart the two cameras are, in frames, over a minute of playback
// with seeks, jumps, a swap and double speed: read from the frame numbers the
// demo card draws into every picture, as each player shows them. The same
// minute is played twice in one run: with the step keeper, and as the
// reference without it, when only the seek rules put the cameras together.

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kFrameMs = 1000.0 / 30.0;
constexpr double kSettleSeconds = 1.0;
constexpr double kStallAt = 55.0;
constexpr double kStallRecoverySeconds = 4.0;

double now() {
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

// The frames one player has shown, with the moment each was shown. Filled on
// libVLC's output thread, read on the UI thread.
class ShownFrames {
public:
    void add(const QImage& picture) {
        const auto number = FrameNumberReader::read(picture);
        if (!number) {
            return;
        }
        const std::lock_guard lock(m_mutex);
        m_last = {now(), *number};
    }

    // Where the player is at `time`, in frames: the last frame shown, plus
    // the part of a frame's time since, at the given rate.
    std::optional<double> position(double time, double rate) const {
        const std::lock_guard lock(m_mutex);
        if (m_last.second < 0) {
            return std::nullopt;
        }
        const double since = (time - m_last.first) * 1000.0 / kFrameMs * rate;
        return m_last.second + std::clamp(since, 0.0, 1.0);
    }

    void reset() {
        const std::lock_guard lock(m_mutex);
        m_last = {0, -1};
    }

private:
    mutable std::mutex m_mutex;
    std::pair<double, int> m_last{0, -1};
};

struct Step {
    double at;
    const char* what;
    std::function<void(ZRVAppDelegate&)> action;
};

struct Result {
    double afterStall = -1;
    std::vector<double> steady;
    std::vector<double> afterStep;
    std::vector<const char*> stepNames;
};

double percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto index = std::min(values.size() - 1, std::size_t(fraction * double(values.size())));
    return values[index];
}

void runFor(double seconds, const std::function<void()>& sample) {
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, sample);
    tick.start(10);
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

Result playTheMinute(const QString& card, bool keepInStep) {
    ShownFrames shown[2];
    int made = 0;
    ZRVAppDelegate::Options options;
    options.busyScheduler = [](double, std::function<void()>) {};
    options.keepCamerasInStep = keepInStep;
    options.playerFactory = [&shown, &made](QObject* parent) {
        auto* player = new ZRVVlcMediaPlayer(parent);
        ShownFrames* frames = &shown[made++ % 2];
        player->setFrameSink([frames](const QImage& picture) { frames->add(picture); });
        return player;
    };
    ZRVAppDelegate delegate(options);
    delegate.awakeFromNib();
    delegate.mediaListController()->openDirectory(card);
    runFor(0.5, [] {});
    if (delegate.mediaListController()->model()->rowCount() != 2 ||
        !delegate.playback()->playAtIndex(0)) {
        std::fprintf(stderr, "benchmark: the demo moment could not be opened\n");
        std::exit(1);
    }

    const auto seekTo = [](double position) {
        return [position](ZRVAppDelegate& app) {
            app.view().videoPositionSlider->setValue(
                int(position * ZRVPlaybackController::kSliderSteps));
        };
    };
    const std::vector<Step> steps = {
        {5, "seek to the middle", seekTo(0.5)},
        {12, "jump forward", [](ZRVAppDelegate& app) { app.playback()->jumpForward(); }},
        {18, "jump backward", [](ZRVAppDelegate& app) { app.playback()->jumpBackward(); }},
        {24, "swap", [](ZRVAppDelegate& app) { app.playback()->swapPlayer(); }},
        {32, "2x", [](ZRVAppDelegate& app) { app.presentation()->increaseSpeed(); }},
        {40, "1x", [](ZRVAppDelegate& app) { app.presentation()->decreaseSpeed(); }},
        {44, "seek back", seekTo(0.2)},
        {50, "jump forward", [](ZRVAppDelegate& app) { app.playback()->jumpForward(); }},
        // A card reader that stalls on one file for a moment: nothing the
        // seek rules see.
        {kStallAt, "second camera stalls",
         [](ZRVAppDelegate& app) {
             ZRVMediaPlayer* second = app.player2();
             second->pause();
             QTimer::singleShot(300, second, [second] { second->play(); });
         }},
    };

    Result result;
    const double start = now();
    std::size_t next = 0;
    double lastStep = -100;
    double stepDue = -1;
    runFor(60, [&] {
        const double t = now() - start;
        if (next < steps.size() && t >= steps[next].at) {
            steps[next].action(delegate);
            result.stepNames.push_back(steps[next].what);
            lastStep = t;
            stepDue = t + kSettleSeconds;
            ++next;
        }
        if (delegate.playback()->waitingForPlayStart() ||
            delegate.player1()->state() != ZRVMediaPlayer::State::Playing ||
            delegate.player2()->state() != ZRVMediaPlayer::State::Playing) {
            return;
        }
        const double rate = delegate.player1()->rate();
        const double at = now();
        const auto first = shown[0].position(at, rate);
        const auto second = shown[1].position(at, rate);
        if (!first || !second) {
            return;
        }
        const double offset = std::abs(*first - *second);
        if (stepDue > 0 && t >= stepDue) {
            result.afterStep.push_back(offset);
            stepDue = -1;
        }
        if (t >= kStallAt + kStallRecoverySeconds && result.afterStall < 0) {
            result.afterStall = offset;
        }
        if (t - lastStep >= kSettleSeconds && t >= 2.0 && t < kStallAt) {
            result.steady.push_back(offset);
        }
    });
    delegate.playback()->stopPlay();
    return result;
}

void report(const char* title, const Result& result) {
    std::printf("%s\n", title);
    std::printf("  steady playing, offset in frames: p50 %.2f  p99 %.2f  max %.2f  (%zu samples)\n",
                percentile(result.steady, 0.5), percentile(result.steady, 0.99),
                percentile(result.steady, 1.0), result.steady.size());
    for (std::size_t i = 0; i + 1 < result.afterStep.size(); ++i) {
        std::printf("  %.0f s after %-18s %.2f frames\n", kSettleSeconds, result.stepNames[i],
                    result.afterStep[i]);
    }
    std::printf("  %.0f s after the second camera stalled for 0.3 s: %.2f frames\n",
                kStallRecoverySeconds, result.afterStall);
}

} // namespace

int main(int argc, char** argv) {
    WindowBenchmark::prepareApplication();
    QApplication application(argc, argv);
    ZRVVlcMediaPlayer::setInstanceArguments({QStringLiteral("--aout=dummy")});

    const TemporaryDirectory card;
    WindowBenchmark::writeOneMoment(card, 120);
    const QString folder = QString::fromStdString(card.path().string());

    const Result kept = playTheMinute(folder, true);
    const Result reference = playTheMinute(folder, false);
    report("with the step keeper:", kept);
    report("reference, seek rules only:", reference);
    // The stall is not a step of the seek rules; it is the last of the list.
    const double worstAfterStep =
        kept.afterStep.size() < 2
            ? 0
            : *std::max_element(kept.afterStep.begin(), kept.afterStep.end() - 1);
    std::printf("steady p99 %.2f frames (target at most 1); worst 1 s after a seek, jump, swap or "
                "speed change %.2f frames (target at most 1)\n",
                percentile(kept.steady, 0.99), worstAfterStep);
    std::printf("after a stall: %.2f frames with the keeper, %.2f without (ratio %.1fx)\n",
                kept.afterStall, reference.afterStall,
                reference.afterStall / std::max(kept.afterStall, 0.01));
    return 0;
}
