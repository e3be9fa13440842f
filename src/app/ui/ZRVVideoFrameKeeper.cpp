#include "app/ui/ZRVVideoFrameKeeper.h"

#include <QEvent>
#include <QWidget>

ZRVVideoFrameKeeper::ZRVVideoFrameKeeper(QWidget* frame, QWidget* box, QObject* parent)
    : QObject(parent), m_frame(frame), m_box(box) {
    QWidget* window = box->window();
    if (frame->parentWidget() != window) {
        frame->setParent(window);
    }
    frame->raise();
    watchAncestors();
    follow();
}

void ZRVVideoFrameKeeper::watchAncestors() {
    for (QWidget* widget = m_box; widget != nullptr && !widget->isWindow();
         widget = widget->parentWidget()) {
        widget->installEventFilter(this);
    }
}

void ZRVVideoFrameKeeper::follow() {
    if (!m_frame || !m_box) {
        return;
    }
    QWidget* window = m_box->window();
    m_frame->setGeometry(QRect(m_box->mapTo(window, QPoint(0, 0)), m_box->size()));
    const bool visible = m_box->isVisibleTo(window);
    if (m_frame->isVisibleTo(window) != visible) {
        m_frame->setVisible(visible);
    }
}

bool ZRVVideoFrameKeeper::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        follow();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
