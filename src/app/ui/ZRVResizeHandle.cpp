#include "app/ui/ZRVResizeHandle.h"

#include "app/ZRVWindowRules.h"

#include <QMouseEvent>
#include <QWindow>

namespace {

Qt::CursorShape cursorFor(unsigned edges) {
    using R = ZRVWindowRules;
    switch (edges) {
    case R::left | R::top:
    case R::right | R::bottom:
        return Qt::SizeFDiagCursor;
    case R::right | R::top:
    case R::left | R::bottom:
        return Qt::SizeBDiagCursor;
    case R::left:
    case R::right:
        return Qt::SizeHorCursor;
    default:
        return Qt::SizeVerCursor;
    }
}

Qt::Edges qtEdges(unsigned edges) {
    using R = ZRVWindowRules;
    Qt::Edges result;
    result.setFlag(Qt::LeftEdge, (edges & R::left) != 0);
    result.setFlag(Qt::TopEdge, (edges & R::top) != 0);
    result.setFlag(Qt::RightEdge, (edges & R::right) != 0);
    result.setFlag(Qt::BottomEdge, (edges & R::bottom) != 0);
    return result;
}

} // namespace

ZRVResizeHandle::ZRVResizeHandle(unsigned edges, QWidget* window)
    : QWidget(window), m_edges(edges) {
    setObjectName(QStringLiteral("resizeHandle"));
    setCursor(cursorFor(edges));
}

QRect ZRVResizeHandle::frameFor(const QSize& windowSize) const {
    using R = ZRVWindowRules;
    const bool horizontal = (m_edges & (R::left | R::right)) != 0;
    const bool vertical = (m_edges & (R::top | R::bottom)) != 0;
    const int corner = kCornerLength;
    const int width =
        horizontal ? (vertical ? corner : kThickness) : windowSize.width() - 2 * corner;
    const int height =
        vertical ? (horizontal ? corner : kThickness) : windowSize.height() - 2 * corner;
    const int x = (m_edges & R::left) != 0    ? 0
                  : (m_edges & R::right) != 0 ? windowSize.width() - width
                                              : corner;
    const int y = (m_edges & R::top) != 0      ? 0
                  : (m_edges & R::bottom) != 0 ? windowSize.height() - height
                                               : corner;
    return {x, y, width, height};
}

void ZRVResizeHandle::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    QWindow* handle = window()->windowHandle();
    if (handle != nullptr && handle->startSystemResize(qtEdges(m_edges))) {
        return;
    }
    m_resizing = true;
    m_pressPoint = event->globalPosition();
    m_pressFrame = window()->geometry();
}

void ZRVResizeHandle::mouseMoveEvent(QMouseEvent* event) {
    if (!m_resizing) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPointF moved = event->globalPosition() - m_pressPoint;
    const ZRVRect frame =
        ZRVWindowRules::resizeFrame({double(m_pressFrame.x()), double(m_pressFrame.y()),
                                     double(m_pressFrame.width()), double(m_pressFrame.height())},
                                    m_edges, moved.x(), moved.y());
    window()->setGeometry(qRound(frame.x), qRound(frame.y), qRound(frame.width),
                          qRound(frame.height));
}

void ZRVResizeHandle::mouseReleaseEvent(QMouseEvent* event) {
    m_resizing = false;
    QWidget::mouseReleaseEvent(event);
}
