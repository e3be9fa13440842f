#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class ZRVAppDelegate;

// Pictures of the player window for documentation and review: the list view,
// the map panel, full screen, the settings window on each of its pages, and
// the first recording playing, each written as a PNG. FILE.png gives
// FILE.png, FILE-map.png, FILE-fullscreen.png, FILE-settings-video.png (and
// -gps, -motion, -audio), FILE-playing.png, FILE-swapped.png,
// FILE-fullscreen-playing.png, FILE-map-playing.png, FILE-zoomed.png and
// FILE-resized.png. The playing pictures are read back from the screen, as
// the video is drawn by the player outside Qt's own painting.
class ZRVScreenshot : public QObject {
    Q_OBJECT

public:
    ZRVScreenshot(ZRVAppDelegate& delegate, QString path, QObject* parent = nullptr);

    static QStringList pathsFor(const QString& path);
    // The settings window's pictures, one for each page it has.
    static QStringList settingsPathsFor(const QString& path);

    // Waits for the first list to be shown (or a few seconds when no folder
    // is scanned), takes the pictures and emits finished.
    void start(bool waitForList);

signals:
    void finished(bool ok);

private:
    void takePictures();
    void takeSettingsPictures(std::function<void(bool)> then);
    void startPlaying();
    void takePlayingPicture();
    void takeSwappedPictures();
    void takeResizedPictures();
    bool grabScreen(const QString& path);

    ZRVAppDelegate& m_delegate;
    QString m_path;
    bool m_taken = false;
    bool m_playingScheduled = false;
    bool m_playingTaken = false;
};
