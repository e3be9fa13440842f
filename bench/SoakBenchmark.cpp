#include "onscreen/ViewerOnScreen.h"
#include "support/LeastSquares.h"
#include "support/ProcessFigures.h"
#include "support/Stopwatch.h"
#include "support/TemporaryDirectory.h"
#include "support/ViewerWindowCycle.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QSet>
#include <QThread>
#include <cstdio>
#include <vector>

// Memory of the real viewer over a long play, on a private X server: it
// opens a generated card, plays the first moment with the map panel shown
// and goes on to the next moment by itself, as a user leaving it to play
// would see it. After each recording opens, the resident memory of the
// viewer and of the web view's processes is read from /proc; the growth per
// recording is the slope of the line through the samples from the 20th
// recording on, past what the first recordings load once. Then a fresh
// viewer opens and closes its settings, clock and map windows, each twenty
// times.

namespace {

constexpr int kSettledRecording = 20;
constexpr double kTargetMBPerRecording = 0.1;
constexpr double kTargetWindowsMB = 2.0;

struct Sample {
    ProcessFigures viewer;
    ProcessFigures web;
};

// A recording is open when libVLC holds its file open: the files of one
// moment share a name up to the camera's letter. The telemetry read opens
// the file for a moment too; a name must stay open over a few looks.
QStringList openMoments(qint64 pid) {
    QStringList moments;
    for (const QString& path : ProcessFigures::openPaths(pid)) {
        if (path.endsWith(QLatin1String("_F.avi")) || path.endsWith(QLatin1String("_R.avi"))) {
            moments.append(path.chopped(6));
        }
    }
    return moments;
}

Sample sample(qint64 pid) {
    return {ProcessFigures::of(pid), ProcessFigures::ofDescendants(pid)};
}

void printSeries(const char* name, const std::vector<Sample>& samples,
                 ProcessFigures Sample::*part) {
    std::vector<double> x;
    std::vector<double> y;
    for (std::size_t i = kSettledRecording - 1; i < samples.size(); ++i) {
        x.push_back(double(i + 1));
        y.push_back((samples[i].*part).residentMB);
    }
    const ProcessFigures& first = samples.front().*part;
    const ProcessFigures& settled = samples[kSettledRecording - 1].*part;
    const ProcessFigures& last = samples.back().*part;
    std::printf("%s (%d process%s):\n", name, last.processes, last.processes == 1 ? "" : "es");
    std::printf("  resident %.1f MB at recording 1, %.1f MB at %d, %.1f MB at %zu\n",
                first.residentMB, settled.residentMB, kSettledRecording, last.residentMB,
                samples.size());
    std::printf("  growth from recording %d on: %.3f MB/recording (target %.1f)\n",
                kSettledRecording, leastSquaresSlope(x, y), kTargetMBPerRecording);
    std::printf("  threads %d -> %d, open files %d -> %d\n", first.threads, last.threads,
                first.openFiles, last.openFiles);
}

// Plays until the given number of recordings have opened, sampling each a
// second after it opened; empty when playback stops on the way.
std::vector<Sample> soak(ViewerOnScreen& viewer, int recordings) {
    std::vector<Sample> samples;
    const qint64 pid = viewer.processId();
    QSet<QString> seen;
    QMap<QString, int> looks;
    QElapsedTimer sinceLastOpen;
    sinceLastOpen.start();
    while (int(samples.size()) < recordings && sinceLastOpen.elapsed() < 30000) {
        if (samples.empty() && seen.isEmpty() && sinceLastOpen.elapsed() % 3000 < 100) {
            // The catalogue is read in the background: the first double-click
            // may come before the row is there.
            const QRect list = viewer.screenBox(&ZRVPlayerLayout::mediaList);
            viewer.click({list.center().x(), list.top() + 38}, 2);
        }
        QMap<QString, int> now;
        for (const QString& moment : openMoments(pid)) {
            now[moment] = looks.value(moment) + 1;
        }
        looks = now;
        for (auto it = looks.cbegin(); it != looks.cend(); ++it) {
            if (it.value() >= 3 && !seen.contains(it.key())) {
                seen.insert(it.key());
                if (samples.empty()) {
                    const QRect tabs = viewer.screenBox(&ZRVPlayerLayout::sideButton);
                    viewer.click({tabs.left() + tabs.width() * 3 / 4, tabs.center().y()});
                }
                QThread::msleep(1000);
                samples.push_back(sample(pid));
                sinceLastOpen.restart();
                std::fprintf(stderr, "\rrecording %zu: %.1f MB", samples.size(),
                             samples.back().viewer.residentMB);
            }
        }
        QThread::msleep(100);
    }
    std::fprintf(stderr, "\n");
    if (int(samples.size()) < recordings) {
        std::fprintf(stderr, "SoakBenchmark: playback stopped after %zu recordings\n",
                     samples.size());
        return {};
    }
    return samples;
}

bool playAndReport(const QString& folder, int recordings, int seconds) {
    QElapsedTimer clock;
    clock.start();
    std::vector<Sample> samples;
    {
        ViewerOnScreen viewer;
        if (!viewer.start(folder, {QStringLiteral("--card"), folder})) {
            std::fprintf(stderr, "SoakBenchmark: the viewer did not show its window\n");
            return false;
        }
        samples = soak(viewer, recordings);
    }
    if (samples.empty()) {
        return false;
    }
    std::printf("Soak: %d recordings of %d s played on by themselves, map panel shown, in %.0f s\n",
                recordings, seconds, double(clock.elapsed()) / 1000.0);
    printSeries("viewer", samples, &Sample::viewer);
    printSeries("web view", samples, &Sample::web);
    return true;
}

// A first round loads what each window loads once (fonts, pages, the map
// page's engine); the rounds after it must give back what they take.
bool openWindowsAndReport(const QString& folder, int cycles) {
    std::printf("Windows: each opened and closed %d times, resident memory of the viewer "
                "(target within %.0f MB) and of its web view\n",
                cycles, kTargetWindowsMB);
    const struct {
        ViewerWindowCycle::Window window;
        const char* name;
    } kinds[] = {{ViewerWindowCycle::Window::settings, "settings"},
                 {ViewerWindowCycle::Window::clock, "clock"},
                 {ViewerWindowCycle::Window::map, "settings with map"}};
    ViewerOnScreen viewer;
    if (!viewer.start(folder, {QStringLiteral("--card"), folder})) {
        std::fprintf(stderr, "SoakBenchmark: the viewer did not show its window\n");
        return false;
    }
    ViewerWindowCycle windows(viewer);
    for (const auto& kind : kinds) {
        QElapsedTimer clock;
        clock.start();
        if (!windows.openAndClose(kind.window)) {
            return false;
        }
        const Sample before = sample(viewer.processId());
        for (int i = 0; i < cycles; ++i) {
            if (!windows.openAndClose(kind.window)) {
                return false;
            }
        }
        const Sample after = sample(viewer.processId());
        std::printf("  %-17s viewer %.1f -> %.1f MB (%+.1f), web view %.1f -> %.1f MB (%+.1f), "
                    "threads %d -> %d, open files %d -> %d, %.0f s\n",
                    kind.name, before.viewer.residentMB, after.viewer.residentMB,
                    after.viewer.residentMB - before.viewer.residentMB, before.web.residentMB,
                    after.web.residentMB, after.web.residentMB - before.web.residentMB,
                    before.viewer.threads, after.viewer.threads, before.viewer.openFiles,
                    after.viewer.openFiles, double(clock.elapsed()) / 1000.0);
    }
    return true;
}

// Runs this program again on a private X server of a common desktop size.
int rerunOnPrivateServer(const QStringList& arguments) {
    return QProcess::execute(QStringLiteral("xvfb-run"),
                             QStringList{QStringLiteral("-a"), QStringLiteral("-s"),
                                         QStringLiteral("-screen 0 1600x1000x24")} +
                                 arguments);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        QStringList arguments;
        for (int i = 0; i < argc; ++i) {
            arguments.append(QString::fromLocal8Bit(argv[i]));
        }
        return rerunOnPrivateServer(arguments);
    }
    // Start-up looks for the camera's card; no benchmark may look up, let
    // alone rename, this machine's own USB volumes.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS",
            "unix:path=/nonexistent/zorva-benchmarks-have-no-system-bus");
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("LANGUAGE", "en");
    QGuiApplication application(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption recordingsOption(QStringLiteral("recordings"),
                                              QStringLiteral("Recordings to play."),
                                              QStringLiteral("N"), QStringLiteral("22"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"),
                                           QStringLiteral("Length of each recording."),
                                           QStringLiteral("S"), QStringLiteral("2"));
    const QCommandLineOption cyclesOption(QStringLiteral("cycles"),
                                          QStringLiteral("Times the windows open and close."),
                                          QStringLiteral("K"), QStringLiteral("3"));
    parser.addOptions({recordingsOption, secondsOption, cyclesOption});
    parser.addHelpOption();
    parser.process(application);
    // None leaves the play out, for a look at the windows alone.
    const int asked = parser.value(recordingsOption).toInt();
    const int recordings = asked <= 0 ? 0 : std::clamp(asked, kSettledRecording + 2, 499);
    const int seconds = std::clamp(parser.value(secondsOption).toInt(), 2, 600);
    const int cycles = std::clamp(parser.value(cyclesOption).toInt(), 0, 1000);

    TemporaryDirectory card;
    Stopwatch::runProgram({ZORVA_TOOL_PATH, "sample-card", card.path().string(), "--moments",
                           std::to_string(recordings + 1), "--seconds", std::to_string(seconds)});
    const QString folder = QString::fromStdString(card.path().string());

    if (recordings > 0 && !playAndReport(folder, recordings, seconds)) {
        return 1;
    }
    if (cycles > 0 && !openWindowsAndReport(folder, cycles)) {
        return 1;
    }
    return 0;
}
