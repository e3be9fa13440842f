#include "onscreen/ViewerOnScreen.h"

#include "app/ZRVWindowRules.h"

#include <QGuiApplication>
#include <QHash>
#include <QPixmap>
#include <QProcessEnvironment>
#include <QScreen>
#include <QThread>

ViewerOnScreen::~ViewerOnScreen() {
    if (m_viewer.state() != QProcess::NotRunning) {
        m_viewer.kill();
        m_viewer.waitForFinished(5000);
    }
}

QString ViewerOnScreen::runXdotool(const QStringList& arguments) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    xdotool.waitForFinished(15000);
    return QString::fromLocal8Bit(xdotool.readAllStandardOutput()).trimmed();
}

bool ViewerOnScreen::start(const QString& card) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_settings.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("ZORVA_VLC_ARGS"), QStringLiteral("--aout=dummy"));
    m_viewer.setProcessEnvironment(environment);
    m_viewer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_viewer.start(QStringLiteral(ZORVA_VIEWER_PATH), {card});
    if (!m_viewer.waitForStarted(10000)) {
        return false;
    }
    // The video areas are X windows of the same process and title; the
    // player window is the one of at least the smallest window size.
    for (int attempt = 0; attempt < 100 && m_windowId.isEmpty(); ++attempt) {
        QThread::msleep(200);
        const QStringList windows =
            runXdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                        QStringLiteral("--pid"), QString::number(m_viewer.processId())})
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& window : windows) {
            m_windowId = window;
            if (windowFrame().width() >= int(ZRVWindowRules::kMinWindowWidth)) {
                break;
            }
            m_windowId.clear();
        }
    }
    return !m_windowId.isEmpty();
}

QRect ViewerOnScreen::windowFrame() const {
    QHash<QString, int> values;
    const QString shell =
        runXdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), m_windowId});
    for (const QString& line : shell.split(QLatin1Char('\n'))) {
        values.insert(line.section(QLatin1Char('='), 0, 0),
                      line.section(QLatin1Char('='), 1).toInt());
    }
    return {values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
            values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT"))};
}

bool ViewerOnScreen::isFullScreen() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr && windowFrame() == screen->geometry();
}

QRect ViewerOnScreen::screenBox(ZRVPlayerLayout::Box ZRVPlayerLayout::*box) const {
    const QRect frame = windowFrame();
    const auto layout = ZRVPlayerLayout::compute(frame.width(), frame.height(), isFullScreen(), 0);
    const bool right = box == &ZRVPlayerLayout::sideButton || box == &ZRVPlayerLayout::mediaList ||
                       box == &ZRVPlayerLayout::subVideo;
    const ZRVRect column = right ? layout.bodyRight.frame : layout.bodyLeft.frame;
    const ZRVRect inside = (layout.*box).frame;
    const ZRVRect body = layout.body.frame;
    return QRect(int(frame.x() + body.x + column.x + inside.x),
                 int(frame.y() + body.y + column.y + inside.y), int(inside.width),
                 int(inside.height));
}

QRect ViewerOnScreen::videoBox() const {
    return screenBox(&ZRVPlayerLayout::video);
}

QRect ViewerOnScreen::subVideoBox() const {
    return screenBox(&ZRVPlayerLayout::subVideo);
}

void ViewerOnScreen::key(const QString& keys) const {
    runXdotool({QStringLiteral("key"), QStringLiteral("--window"), m_windowId, keys});
}

void ViewerOnScreen::click(const QPoint& point, int repeat) const {
    runXdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
                QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(repeat),
                QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")});
}

// Pressed, moved in two steps, released: a drag as a hand makes it.
void ViewerOnScreen::drag(const QPoint& from, const QPoint& to) const {
    const QPoint half = (from + to) / 2;
    runXdotool({QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y()),
                QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
                QString::number(half.x()), QString::number(half.y()), QStringLiteral("mousemove"),
                QString::number(to.x()), QString::number(to.y()), QStringLiteral("mouseup"),
                QStringLiteral("1")});
}

void ViewerOnScreen::setWindowSize(const QSize& size) const {
    runXdotool({QStringLiteral("windowsize"), m_windowId, QString::number(size.width()),
                QString::number(size.height())});
}

QImage ViewerOnScreen::grabScreen() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->grabWindow(0).toImage() : QImage();
}
