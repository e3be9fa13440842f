#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class ZRVAppDelegate;

// Pictures of the player window for documentation and review: the list view,
// the map panel and full screen, each written as a PNG. FILE.png gives
// FILE.png, FILE-map.png and FILE-fullscreen.png.
class ZRVScreenshot : public QObject {
    Q_OBJECT

public:
    ZRVScreenshot(ZRVAppDelegate& delegate, QString path, QObject* parent = nullptr);

    static QStringList pathsFor(const QString& path);

    // Waits for the first list to be shown (or a few seconds when no folder
    // is scanned), takes the pictures and emits finished.
    void start(bool waitForList);

signals:
    void finished(bool ok);

private:
    void takePictures();

    ZRVAppDelegate& m_delegate;
    QString m_path;
    bool m_taken = false;
};
