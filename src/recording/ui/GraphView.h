#pragma once

#include "recording/GraphGeometry.h"
#include "recording/ZRVGSensor.h"

#include <QPixmap>
#include <QPointF>
#include <QWidget>
#include <vector>

// The panel under the videos that draws the G-sensor samples of the playing
// recording: X in red, Y in green, Z in blue over a fixed grid from
// -2 to +2 with labels, and a white bar at the play position. The geometry is
// GraphGeometry's; this class flips it into Qt's top-left coordinates and
// strokes it. The view paints no background of its own.
class QPainter;

class GraphView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double timePosition READ timePosition WRITE setTimePosition)

public:
    explicit GraphView(QWidget* parent = nullptr);

    // Replace the samples and redraw.
    void setGraphData(std::vector<ZRVGSensor> values);
    // Set the play position (a fraction of the recording, 0 to 1) and redraw.
    void updateTimePosition(double timePosition);

    // Plain field access, without redraw.
    const std::vector<ZRVGSensor>& values() const { return m_values; }
    void setValues(std::vector<ZRVGSensor> values);
    double timePosition() const { return m_timePosition; }
    void setTimePosition(double timePosition) { m_timePosition = timePosition; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A click in the graph asks for the play position under the pointer.
    void timePositionClicked(double timePosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void paintGridAndCurves(QPainter& painter);

    std::vector<ZRVGSensor> m_values;
    double m_timePosition = 0;
    // Kept between redraws so that a redraw allocates nothing.
    std::vector<GraphGeometry::Point> m_points;
    std::vector<GraphGeometry::Point> m_reduced;
    std::vector<QPointF> m_polyline;
    // The grid, labels and curves at the current size; null when stale.
    QPixmap m_picture;
};
