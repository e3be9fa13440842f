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

    // Starts `zorva` on a card folder and waits for its window.
    bool start(const QString& card);

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

    static QString runXdotool(const QStringList& arguments);

private:
    QTemporaryDir m_settings;
    QProcess m_viewer;
    QString m_windowId;
};
