#pragma once

#include "app/ZRVPlayerLayout.h"

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>

// The real viewer on the X server the test runs on, driven as a user would,
// through xdotool: pointer, keys, and the window's place and size as the X
// server reports them. Where a box of the window lies follows from that frame
// and the layout rule; the screen itself is read back from the X server.
class ViewerOnScreen {
public:
    ~ViewerOnScreen();

    // Starts `zorva` on a folder of recordings, with the options given before
    // it, and waits for its window.
    bool start(const QString& folder, const QStringList& options = {});
    // The process's visible windows, as xdotool names them.
    QStringList visibleWindows() const;
    // Where the viewer keeps its user data (backups of replaced files).
    QString dataFolder() const { return m_settings.filePath(QStringLiteral("data")); }

    QRect windowFrame() const;
    bool isFullScreen() const;
    // A box of the player window in screen coordinates.
    QRect screenBox(ZRVPlayerLayout::Box ZRVPlayerLayout::*box) const;
    QRect videoBox() const;
    QRect subVideoBox() const;

    void key(const QString& keys) const;
    void click(const QPoint& point, int repeat = 1) const;
    void drag(const QPoint& from, const QPoint& to) const;
    void setWindowSize(const QSize& size) const;
    QImage grabScreen() const;
    QString windowId() const { return m_windowId; }
    qint64 processId() const { return m_viewer.processId(); }

    static QString runXdotool(const QStringList& arguments);

private:
    QTemporaryDir m_settings;
    QProcess m_viewer;
    QString m_windowId;
};
