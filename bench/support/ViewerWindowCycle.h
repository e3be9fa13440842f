#pragma once

#include "onscreen/ViewerOnScreen.h"
#include "support/XTopLevelWindow.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>
#include <cstdio>

// Opens and closes the viewer's secondary windows as a user does: the
// settings window by its keys, on its drive-record page the map window of
// the first record, the clock window by its button in the head. Each
// is closed the way a window manager's close button closes it. Windows are
// told apart by their English titles.
class ViewerWindowCycle {
public:
    explicit ViewerWindowCycle(const ViewerOnScreen& viewer) : m_viewer(viewer) {}

    enum class Window { settings, map, clock };

    // The map window opens from the settings window, which is opened and
    // closed around it.
    bool openAndClose(Window window) {
        return window == Window::clock ? openAndCloseClock()
                                       : openAndCloseSettings(window == Window::map);
    }

private:
    bool openAndCloseSettings(bool withMap) {
        const QString settings =
            open([this] { press(m_viewer.windowId(), QStringLiteral("ctrl+comma")); },
                 QStringLiteral("config\\.bin"));
        if (settings.isEmpty()) {
            return fail("the settings window did not open");
        }
        if (withMap) {
            // The last page, the card's drive records, then a double-click
            // on the first of them. The window ignores its tabs while it
            // reads the card's settings, so the click on the tab may need
            // repeating.
            const QString map = open(
                [this, settings] {
                    const QPoint corner = topLeft(settings);
                    m_viewer.click(corner + kDriveInfoTab);
                    QThread::msleep(500);
                    m_viewer.click(corner + kFirstRecord, 2);
                },
                QStringLiteral("ZORVA Map"));
            if (map.isEmpty()) {
                return fail("the map window did not open");
            }
            if (!close(map)) {
                return fail("the map window did not close");
            }
        }
        return close(settings) || fail("the settings window did not close");
    }

    bool openAndCloseClock() {
        const QString clock = open(
            [this] {
                const QRect frame = m_viewer.windowFrame();
                m_viewer.click({frame.right() - kClockButtonFromRight,
                                frame.top() + int(ZRVPlayerLayout::kHeadHeight / 2)});
            },
            QStringLiteral("^Clock"));
        if (clock.isEmpty()) {
            return fail("the clock window did not open");
        }
        return close(clock) || fail("the clock window did not close");
    }

    // The clock button is third from the right in the head, 34 pixels wide
    // with 6 between the buttons and 12 after the last.
    static constexpr int kClockButtonFromRight = 12 + 34 * 2 + 6 * 2 + 17;
    // Inside the settings window: its last tab, the drive-record page, at
    // the right end of the tabs, and the first row of that page's table,
    // below the tabs and the table's titles.
    static constexpr QPoint kDriveInfoTab{1040, 25};
    static constexpr QPoint kFirstRecord{230, 86};
    static constexpr int kWaitMs = 15000;

    static QPoint topLeft(const QString& window) {
        QPoint corner;
        const QString shell = ViewerOnScreen::runXdotool(
            {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
        for (const QString& line : shell.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("X="))) {
                corner.setX(line.mid(2).toInt());
            } else if (line.startsWith(QLatin1String("Y="))) {
                corner.setY(line.mid(2).toInt());
            }
        }
        return corner;
    }

    // Keeps the screen for whoever looks into why.
    bool fail(const char* what) const {
        const QString picture = QStringLiteral("soak-windows-failure.png");
        m_viewer.grabScreen().save(picture);
        std::fprintf(stderr, "SoakBenchmark: %s (the screen is in %s)\n", what,
                     qPrintable(picture));
        return false;
    }

    // No window manager runs here to give the window the keyboard as a
    // click or a new window would on a desktop; xdotool does.
    static void press(const QString& window, const QString& keys) {
        ViewerOnScreen::runXdotool(
            {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
        ViewerOnScreen::runXdotool(
            {QStringLiteral("key"), QStringLiteral("--window"), window, keys});
    }

    // Does what opens a window, then waits for a new visible window of the
    // viewer whose title matches; the action is repeated now and then, as
    // a user would when the first press found the window not ready.
    template <typename Action> QString open(Action action, const QString& title) {
        const QStringList before = m_viewer.visibleWindows();
        const QRegularExpression pattern(title);
        QElapsedTimer clock;
        clock.start();
        qint64 acted = -kRepeatMs;
        while (clock.elapsed() < kWaitMs) {
            if (clock.elapsed() - acted >= kRepeatMs) {
                action();
                acted = clock.elapsed();
            }
            for (const QString& window : m_viewer.visibleWindows()) {
                if (!before.contains(window) && XTopLevelWindow(window).isTopLevel() &&
                    ViewerOnScreen::runXdotool({QStringLiteral("getwindowname"), window})
                        .contains(pattern)) {
                    return window;
                }
            }
            QThread::msleep(50);
        }
        return {};
    }

    // A window blocked for a moment (by the settings window's loading
    // sheet) ignores the close, as it ignores a click on a close button; the
    // close is asked for again, as a user would.
    bool close(const QString& window) const {
        QElapsedTimer clock;
        clock.start();
        qint64 asked = -kRepeatMs;
        while (clock.elapsed() < kWaitMs) {
            if (clock.elapsed() - asked >= kRepeatMs) {
                XTopLevelWindow(window).close();
                asked = clock.elapsed();
            }
            QThread::msleep(50);
            // A look that missed the player window too saw nothing at all.
            const QStringList shown = m_viewer.visibleWindows();
            if (shown.contains(m_viewer.windowId()) && !shown.contains(window)) {
                return true;
            }
        }
        return false;
    }

    static constexpr qint64 kRepeatMs = 3000;
    const ViewerOnScreen& m_viewer;
};
