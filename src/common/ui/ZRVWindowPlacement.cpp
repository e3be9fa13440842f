#include "common/ui/ZRVWindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void ZRVWindowPlacement::centreOnOpenersScreen(QWidget* window, QWidget* opener) {
    window->adjustSize();
    QScreen* screen = opener != nullptr ? opener->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect visible = screen->availableGeometry();
    const QSize size = window->size();
    window->move(visible.x() + (visible.width() - size.width()) / 2,
                 visible.y() + (visible.height() - size.height()) / 2);
}
