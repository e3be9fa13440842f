#include "recording/ui/GraphView.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

using namespace GraphGeometry;

const QColor kGridColor = QColor::fromRgbF(0.8f, 0.8f, 0.8f);
const QColor kCurveColors[] = {Qt::red, Qt::green, Qt::blue};
constexpr Axis kAxes[] = {Axis::X, Axis::Y, Axis::Z};

// Curves are drawn unclipped, but a damaged recording can hold values far
// beyond the grid; the rasteriser is given at most this far outside the view.
constexpr double kFarOutside = 1e5;

// Bottom-left view coordinates to Qt's top-left ones.
QRectF flipped(const Rect& rect, double viewHeight) {
    return {rect.x, viewHeight - rect.y - rect.height, rect.width, rect.height};
}

} // namespace

GraphView::GraphView(QWidget* parent) : QWidget(parent) {
    // The panel behind shows through: no background of its own.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void GraphView::setGraphData(std::vector<ZRVGSensor> values) {
    m_values = std::move(values);
    m_picture = QPixmap();
    update();
}

void GraphView::updateTimePosition(double timePosition) {
    m_timePosition = timePosition;
    update();
}

void GraphView::setValues(std::vector<ZRVGSensor> values) {
    m_values = std::move(values);
    m_picture = QPixmap();
}

void GraphView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_values.empty()) {
        QWidget::mousePressEvent(event);
        return;
    }
    emit timePositionClicked(Layout(width(), height()).timePositionAtX(event->position().x()));
}

QSize GraphView::sizeHint() const {
    return {600, 130};
}

QSize GraphView::minimumSizeHint() const {
    return {80, 40};
}

// The bar moves with every play position while the grid and the curves
// change only with the samples or the size: those are drawn once into a
// picture that each repaint puts back under the bar.
void GraphView::paintEvent(QPaintEvent*) {
    const double devicePixelRatio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * devicePixelRatio).toSize();
    if (m_picture.size() != pixels || m_picture.devicePixelRatio() != devicePixelRatio) {
        m_picture = QPixmap(pixels);
        m_picture.setDevicePixelRatio(devicePixelRatio);
        m_picture.fill(Qt::transparent);
        QPainter picturePainter(&m_picture);
        paintGridAndCurves(picturePainter);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    if (m_values.empty()) {
        return;
    }
    // 4. The play-position bar: white, opaque, 2 points wide.
    const Layout layout(width(), height());
    painter.fillRect(flipped(layout.barRect(m_timePosition), height()), Qt::white);
}

void GraphView::paintGridAndCurves(QPainter& painter) {
    const double height = this->height();
    const Layout layout(width(), height);

    // 1. Grid and labels, always. The 1-point lines are filled on whole
    // pixels so that they stay crisp where h / 4 is not a whole number.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Rect& line : layout.gridLines()) {
        painter.fillRect(flipped(line, height), kGridColor);
    }
    QFont font(QStringLiteral("Helvetica"));
    font.setPixelSize(12); // 12 points of the original at one pixel per point
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QFontMetricsF metrics(font);
    for (const Label& label : layout.labels()) {
        const QString text = QString::fromLatin1(label.text.c_str());
        const double textWidth = metrics.horizontalAdvance(text);
        const double textHeight = metrics.height();
        const Point origin = Layout::labelOrigin(label, textWidth, textHeight);
        // The origin is the text box's bottom-left corner; Qt places text by
        // its baseline.
        const double top = height - origin.y - textHeight;
        painter.drawText(QPointF(origin.x, top + metrics.ascent()), text);
    }

    // 2. Nothing more without samples.
    if (m_values.empty()) {
        return;
    }

    // 3. Curves: X, Y, Z in red, green, blue, 1 point wide, round joins.
    // Stroked through the per-pixel-column reduction of the layout's points,
    // which covers the same pixels at less than half the cost.
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double devicePixelRatio = painter.device() ? painter.device()->devicePixelRatioF() : 1;
    const double columnWidth = devicePixelRatio > 0 ? 1 / devicePixelRatio : 1;
    for (int c = 0; c < 3; ++c) {
        layout.curvePoints(m_values, kAxes[c], m_points);
        reduceToColumnExtremes(m_points, columnWidth, m_reduced);
        m_polyline.resize(m_reduced.size());
        for (std::size_t i = 0; i < m_reduced.size(); ++i) {
            double y = height - m_reduced[i].y;
            if (!(y > -kFarOutside)) { // also a value that is not a number
                y = -kFarOutside;
            } else if (y > height + kFarOutside) {
                y = height + kFarOutside;
            }
            m_polyline[i] = QPointF(m_reduced[i].x, y);
        }
        QPen pen(kCurveColors[c], 1.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
        painter.setPen(pen);
        painter.drawPolyline(m_polyline.data(), static_cast<int>(m_polyline.size()));
    }
}
