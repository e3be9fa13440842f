#include "app/ui/ZRVScreenshot.h"

#include "app/ui/CustomWindow.h"
#include "app/ui/ZRVAppDelegate.h"
#include "app/ui/ZRVMediaListController.h"
#include "app/ui/ZRVPlayInfo.h"
#include "app/ui/ZRVPlaybackController.h"
#include "app/ui/ZRVPresentationController.h"
#include "app/ui/ZRVSecondaryWindows.h"
#include "app/ui/ZRVSidePanel.h"
#include "settings/ui/ZRVSettingController.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

ZRVScreenshot::ZRVScreenshot(ZRVAppDelegate& delegate, QString path, QObject* parent)
    : QObject(parent), m_delegate(delegate), m_path(std::move(path)) {}

QStringList ZRVScreenshot::pathsFor(const QString& path) {
    const QFileInfo info(path);
    const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName();
    return {path,
            stem + QStringLiteral("-map.png"),
            stem + QStringLiteral("-fullscreen.png"),
            stem + QStringLiteral("-playing.png"),
            stem + QStringLiteral("-swapped.png"),
            stem + QStringLiteral("-fullscreen-playing.png"),
            stem + QStringLiteral("-map-playing.png"),
            stem + QStringLiteral("-zoomed.png"),
            stem + QStringLiteral("-resized.png")};
}

namespace {

// The pages of the settings window, by tab, with their picture's name.
const std::pair<int, const char*> kSettingPages[] = {
    {0, "video"}, {2, "gps"}, {4, "motion"}, {5, "audio"}};

} // namespace

QStringList ZRVScreenshot::settingsPathsFor(const QString& path) {
    const QFileInfo info(path);
    const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName();
    QStringList paths;
    for (const auto& [tab, name] : kSettingPages) {
        paths.append(stem + QStringLiteral("-settings-") + QLatin1String(name) +
                     QStringLiteral(".png"));
    }
    return paths;
}

void ZRVScreenshot::start(bool waitForList) {
    if (waitForList) {
        connect(m_delegate.mediaListController(), &ZRVMediaListController::mediaListReloaded, this,
                [this] { QTimer::singleShot(200, this, &ZRVScreenshot::takePictures); });
    }
    // A folder that never finishes scanning must not hold the pictures up.
    QTimer::singleShot(waitForList ? 10000 : 300, this, &ZRVScreenshot::takePictures);
}

void ZRVScreenshot::takePictures() {
    if (m_taken) {
        return;
    }
    m_taken = true;
    const QStringList paths = pathsFor(m_path);
    CustomWindow* window = m_delegate.window();
    auto grab = [window](const QString& path) {
        QCoreApplication::processEvents();
        return window->grab().save(path, "PNG");
    };
    bool ok = grab(paths[0]);
    m_delegate.sidePanel()->clickMapViewButton();
    ok = grab(paths[1]) && ok;
    m_delegate.sidePanel()->clickMediaListViewButton();
    window->enterFullscreen();
    ok = grab(paths[2]) && ok;
    window->leaveFullscreen();
    if (!ok) {
        emit finished(false);
        return;
    }
    takeSettingsPictures([this](bool taken) {
        if (taken) {
            startPlaying();
        } else {
            emit finished(false);
        }
    });
}

// The window opens as the user opens it, reads the card, and is drawn on
// each page; it is closed again before the playing pictures are read from
// the screen.
void ZRVScreenshot::takeSettingsPictures(std::function<void(bool)> then) {
    m_delegate.secondaryWindows()->showSettingPanel();
    auto* settings =
        qobject_cast<ZRVSettingController*>(m_delegate.secondaryWindows()->lastDialogController());
    if (settings == nullptr) {
        then(false);
        return;
    }
    const auto shoot = [this, settings, then] {
        bool ok = true;
        const QStringList paths = settingsPathsFor(m_path);
        for (std::size_t i = 0; i < std::size(kSettingPages); ++i) {
            settings->changeViewController(kSettingPages[i].first);
            QCoreApplication::processEvents();
            ok = settings->window()->grab().save(paths[int(i)], "PNG") && ok;
        }
        settings->onCloseCmd();
        then(ok);
    };
    // After the read, and after the loading sheet's last tick.
    if (settings->targetController() != nullptr) {
        QTimer::singleShot(800, this, shoot);
    } else {
        connect(
            settings, &ZRVSettingController::pageChanged, this,
            [this, shoot] { QTimer::singleShot(800, this, shoot); }, Qt::SingleShotConnection);
    }
}

void ZRVScreenshot::startPlaying() {
    if (!m_delegate.playback()->playAtIndex(0)) {
        emit finished(true);
        return;
    }
    connect(m_delegate.playInfo(), &ZRVPlayInfo::isPlayingChanged, this, [this](bool playing) {
        if (playing && !m_playingScheduled) {
            m_playingScheduled = true;
            QTimer::singleShot(2500, this, &ZRVScreenshot::takePlayingPicture);
        }
    });
    QTimer::singleShot(15000, this, &ZRVScreenshot::takePlayingPicture);
}

// Playing, then with the map panel, then with the cameras swapped, then in
// full screen: each picture is read back from the screen a moment after the
// step, when the players and the map have drawn it.
void ZRVScreenshot::takePlayingPicture() {
    if (m_playingTaken) {
        return;
    }
    m_playingTaken = true;
    const QStringList paths = pathsFor(m_path);
    if (!grabScreen(paths[3])) {
        emit finished(false);
        return;
    }
    m_delegate.sidePanel()->clickMapViewButton();
    QTimer::singleShot(2500, this, [this, paths] {
        if (!grabScreen(paths[6])) {
            emit finished(false);
            return;
        }
        m_delegate.sidePanel()->clickMediaListViewButton();
        takeSwappedPictures();
    });
}

void ZRVScreenshot::takeSwappedPictures() {
    const QStringList paths = pathsFor(m_path);
    m_delegate.playback()->swapPlayer();
    QTimer::singleShot(2500, this, [this, paths] {
        const bool swapped = grabScreen(paths[4]);
        m_delegate.window()->enterFullscreen();
        QTimer::singleShot(1500, this, [this, paths, swapped] {
            const bool fullScreen = grabScreen(paths[5]);
            m_delegate.window()->leaveFullscreen();
            if (!swapped || !fullScreen) {
                emit finished(false);
                return;
            }
            takeResizedPictures();
        });
    });
}

bool ZRVScreenshot::grabScreen(const QString& path) {
    CustomWindow* window = m_delegate.window();
    QCoreApplication::processEvents();
    QScreen* screen = window->screen();
    const QPixmap picture = screen != nullptr ? screen->grabWindow(window->winId()) : QPixmap();
    return !picture.isNull() && picture.save(path, "PNG");
}

// Zoomed in with the zoom button, then zoomed out and made larger as a drag
// on the window's corner would: the cameras stay in their boxes.
void ZRVScreenshot::takeResizedPictures() {
    const QStringList paths = pathsFor(m_path);
    m_delegate.presentation()->sizeUp();
    QTimer::singleShot(2500, this, [this, paths] {
        const bool zoomed = grabScreen(paths[7]);
        m_delegate.presentation()->sizeDown();
        // After the zoom's own resizing has ended.
        QTimer::singleShot(1500, this, [this, paths, zoomed] {
            CustomWindow* window = m_delegate.window();
            window->setGeometry(QRect(window->geometry().topLeft(), QSize(1180, 700)));
            QTimer::singleShot(2000, this, [this, paths, zoomed] {
                emit finished(grabScreen(paths[8]) && zoomed);
            });
        });
    });
}
