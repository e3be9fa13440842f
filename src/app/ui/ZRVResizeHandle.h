#pragma once

#include <QPointF>
#include <QRect>
#include <QWidget>

// An invisible strip on an edge or corner of a borderless window that
// resizes it when dragged. Where a window manager offers to do it, the
// manager resizes the window (it then also snaps and keeps to the screen);
// without one the handle moves the edges itself.
class ZRVResizeHandle : public QWidget {
    Q_OBJECT

public:
    static constexpr int kThickness = 6;
    static constexpr int kCornerLength = 16;

    // edges: a combination of ZRVWindowRules::Edge.
    ZRVResizeHandle(unsigned edges, QWidget* window);

    unsigned edges() const { return m_edges; }
    // Its place along the window's border for a window of this size.
    QRect frameFor(const QSize& windowSize) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    unsigned m_edges;
    bool m_resizing = false;
    QPointF m_pressPoint;
    QRect m_pressFrame;
};
