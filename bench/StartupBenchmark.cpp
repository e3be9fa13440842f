#include "app/ui/CustomWindow.h"
#include "app/ui/ZRVAppDelegate.h"
#include "app/ui/ZRVMediaListController.h"
#include "app/ui/ZRVMediaListModel.h"
#include "platform/ZRVWebEngineSetup.h"
#include "support/BusyWait.h"
#include "support/Stopwatch.h"
#include "support/TemporaryDirectory.h"

#include <QApplication>
#include <QEventLoop>
#include <QTableWidget>
#include <QTimer>
#include <cstdio>

// Time from start-up to the player window shown with a card's recordings
// listed, against a bare window showing a table of as many rows, in the same
// process: what the viewer adds to what any Qt window costs.

namespace {

constexpr int kRuns = 5;
constexpr int kMoments = 60;

// The list reads names only, so empty files make a card as good as real ones.
void writeCard(const TemporaryDirectory& card) {
    for (int i = 0; i < kMoments; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "DCIM/ALWAYS/alwa_20240305_17%02d%02d", i / 3,
                      (i % 3) * 20);
        card.write(std::string(name) + "_F.avi");
        card.write(std::string(name) + "_R.avi");
    }
}

double viewerSeconds(const QString& card) {
    return Stopwatch::bestSeconds(kRuns, [&] {
        ZRVAppDelegate::Options options;
        options.initialDirectory = card;
        ZRVAppDelegate delegate(options);
        delegate.awakeFromNib();
        delegate.applicationDidFinishLaunching();
        busyWaitFor([&] {
            return delegate.window()->isVisible() &&
                   delegate.mediaListController()->model()->rowCount() == 2 * kMoments;
        });
    });
}

double bareWindowSeconds() {
    return Stopwatch::bestSeconds(kRuns, [&] {
        QTableWidget table(2 * kMoments, 4);
        for (int row = 0; row < 2 * kMoments; ++row) {
            table.setItem(row, 3,
                          new QTableWidgetItem(QStringLiteral("alwa_20240305_170000_F.avi")));
        }
        table.resize(1020, 640);
        table.show();
        busyWaitFor([&] { return table.isVisible(); });
    });
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TemporaryDirectory settings;
    qputenv("XDG_CONFIG_HOME", settings.path().c_str());
    // Start-up looks for the camera's card; not among this machine's volumes.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS",
            "unix:path=/nonexistent/zorva-benchmarks-have-no-system-bus");
    prepareWebEngine();
    QApplication application(argc, argv);
    TemporaryDirectory card;
    writeCard(card);

    const double reference = bareWindowSeconds();
    const double viewer = viewerSeconds(QString::fromStdString(card.path().string()));
    std::printf("start-up to window with %d recordings listed: %.2f ms\n", 2 * kMoments,
                viewer * 1000);
    std::printf("bare Qt window with a %d-row table:            %.2f ms\n", 2 * kMoments,
                reference * 1000);
    std::printf("ratio viewer/bare window: %.1f\n", viewer / reference);
    return 0;
}
