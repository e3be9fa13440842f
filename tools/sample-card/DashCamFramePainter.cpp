#include "sample-card/DashCamFramePainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace {

constexpr int kCodeGuardCells = 3;
constexpr int kCodeBandMinimumHeight = 24;
constexpr int kJpegBlockRows = 16;

constexpr double kCameraHeight = 1.3;   // metres above the road
constexpr double kNearestRoad = 4.0;    // metres ahead at the bottom of the scene
constexpr double kFarthestMark = 160.0; // metres; beyond it marks are below a pixel
constexpr double kLaneOffset = 1.8;     // metres from the centre to each lane line
constexpr double kRoadEdge = 5.6;
constexpr double kPavementEdge = 9.0;
constexpr double kMarkPeriod = 10.0; // a 3 m dash every 10 m
constexpr double kMarkLength = 3.0;
constexpr double kMarkHalfWidth = 0.08;

void drawShadowedText(QPainter& painter, const QRectF& box, int flags, const QString& text) {
    painter.setPen(QColor(0, 0, 0, 200));
    painter.drawText(box.translated(1.5, 1.5), flags, text);
    painter.setPen(Qt::white);
    painter.drawText(box, flags, text);
}

} // namespace

DashCamFramePainter::DashCamFramePainter(CameraSide side, QSize size)
    : m_side(side), m_size(size), m_horizon(codeBandTop(size.height()) * 0.42),
      m_roadBottom(codeBandTop(size.height())),
      m_focal((m_roadBottom - m_horizon) * kNearestRoad / kCameraHeight) {
    m_labelFont.setFamily(QStringLiteral("DejaVu Sans"));
    m_labelFont.setBold(true);
    m_labelFont.setPixelSize(std::max(12, size.height() / 18));
    m_clockFont = m_labelFont;
    m_clockFont.setPixelSize(std::max(11, size.height() / 22));
    m_buffer.setBuffer(&m_jpeg);
    m_writer.setDevice(&m_buffer);
    m_writer.setFormat("jpg");
    m_writer.setQuality(kJpegQuality);
    paintBackground();
}

int DashCamFramePainter::codeBandTop(int pictureHeight) {
    return (pictureHeight - kCodeBandMinimumHeight) / kJpegBlockRows * kJpegBlockRows;
}

QPointF DashCamFramePainter::project(double across, double ahead) const {
    return {m_size.width() / 2.0 + across * m_focal / ahead,
            m_horizon + kCameraHeight * m_focal / ahead};
}

// Everything that does not change from frame to frame is drawn once.
void DashCamFramePainter::paintBackground() {
    const bool front = m_side == CameraSide::front;
    const double width = m_size.width();
    m_background = QImage(m_size, QImage::Format_RGB32);
    QPainter painter(&m_background);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, m_horizon);
    sky.setColorAt(0, front ? QColor(96, 150, 210) : QColor(120, 150, 185));
    sky.setColorAt(1, front ? QColor(205, 222, 236) : QColor(200, 206, 214));
    painter.fillRect(QRectF(0, 0, width, m_horizon), sky);

    // Office blocks either side of the street, taller towards the edges as
    // nearer buildings are; a fixed pattern, the same on every card.
    unsigned pattern = front ? 17u : 29u;
    for (double x = 0; x < width;) {
        pattern = pattern * 1103515245u + 12345u;
        const double blockWidth = 14 + (pattern >> 16) % 40;
        const double nearness = std::abs(x + blockWidth / 2 - width / 2) / (width / 2);
        const double height = m_horizon * (0.15 + 0.75 * nearness * nearness) +
                              static_cast<double>((pattern >> 8) % 24);
        const int shade = 95 + static_cast<int>((pattern >> 4) % 60);
        painter.fillRect(QRectF(x, m_horizon - height, blockWidth, height + 1),
                         QColor(shade, shade + 6, shade + 14));
        x += blockWidth;
    }

    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(0, m_horizon, width, m_roadBottom - m_horizon), QColor(128, 126, 120));
    const double far = 2000;
    QLinearGradient asphalt(0, m_horizon, 0, m_roadBottom);
    asphalt.setColorAt(0, QColor(112, 112, 116));
    asphalt.setColorAt(1, QColor(62, 63, 66));
    painter.setBrush(asphalt);
    painter.drawPolygon(QPolygonF({project(-kRoadEdge, kNearestRoad), project(-kRoadEdge, far),
                                   project(kRoadEdge, far), project(kRoadEdge, kNearestRoad)}));
    painter.setBrush(QColor(150, 147, 138));
    for (const double side : {-1.0, 1.0}) {
        painter.drawPolygon(QPolygonF(
            {project(side * kRoadEdge, kNearestRoad), project(side * kRoadEdge, far),
             project(side * kPavementEdge, far), project(side * kPavementEdge, kNearestRoad)}));
    }
    painter.setPen(QPen(QColor(235, 235, 225), 2));
    for (const double side : {-1.0, 1.0}) {
        painter.drawLine(project(side * (kRoadEdge - 0.2), kNearestRoad),
                         project(side * (kRoadEdge - 0.2), far));
    }
    painter.setPen(Qt::NoPen);

    // A dark strip keeps the clock and speed legible over a bright road.
    painter.fillRect(clockStrip(), QColor(0, 0, 0, 130));
    const int bandTop = codeBandTop(m_size.height());
    painter.fillRect(QRect(0, bandTop, m_size.width(), m_size.height() - bandTop), Qt::black);
    for (const int guardStart : {0, kCodeGuardCells + kCodeBits}) {
        painter.fillRect(codeCell(guardStart), Qt::white);
        painter.fillRect(codeCell(guardStart + 2), Qt::white);
    }

    painter.setFont(m_labelFont);
    const QRectF top(10, 6, width - 20, m_labelFont.pixelSize() * 1.4);
    drawShadowedText(painter, top, Qt::AlignLeft | Qt::AlignVCenter,
                     front ? QStringLiteral("FRONT") : QStringLiteral("REAR"));
    drawShadowedText(painter, top, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("ZORVA"));
}

QByteArray DashCamFramePainter::render(const Frame& frame) {
    m_picture = m_background;
    {
        QPainter painter(&m_picture);
        paintLaneMarks(painter, frame.odometer);
        paintOverlay(painter, frame);
        paintFrameNumber(painter, frame.index);
    }
    // The writer keeps its JPEG handler for the buffer; reopening the buffer
    // empties it without the plugin look-up a new device would cost.
    m_buffer.close();
    m_jpeg.clear();
    m_buffer.open(QIODevice::WriteOnly);
    if (!m_writer.write(m_picture)) {
        return {};
    }
    return m_jpeg;
}

void DashCamFramePainter::paintLaneMarks(QPainter& painter, double odometer) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 240, 232));
    // Ahead, the marks come towards the camera as the car drives on; behind,
    // they fall away from it.
    const double shift = std::fmod(odometer, kMarkPeriod);
    const double phase = m_side == CameraSide::front ? -shift : shift;
    for (double start = phase; start < kFarthestMark; start += kMarkPeriod) {
        const double nearEnd = std::max(start, kNearestRoad);
        const double farEnd = start + kMarkLength;
        if (farEnd <= nearEnd) {
            continue;
        }
        for (const double lane : {-kLaneOffset, kLaneOffset}) {
            painter.drawPolygon(QPolygonF(
                {project(lane - kMarkHalfWidth, nearEnd), project(lane - kMarkHalfWidth, farEnd),
                 project(lane + kMarkHalfWidth, farEnd), project(lane + kMarkHalfWidth, nearEnd)}));
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void DashCamFramePainter::paintOverlay(QPainter& painter, const Frame& frame) const {
    const QRectF strip = clockStrip().adjusted(10, 0, -10, 0);
    painter.setFont(m_clockFont);
    drawShadowedText(painter, strip, Qt::AlignLeft | Qt::AlignVCenter, frame.clockText);
    drawShadowedText(painter, strip, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("%1 km/h").arg(frame.speedKmh));
}

void DashCamFramePainter::paintFrameNumber(QPainter& painter, int index) const {
    for (int bit = 0; bit < kCodeBits; ++bit) {
        if ((index >> (kCodeBits - 1 - bit)) & 1) {
            painter.fillRect(codeCell(kCodeGuardCells + bit), Qt::white);
        }
    }
}

QRectF DashCamFramePainter::clockStrip() const {
    const double height = m_clockFont.pixelSize() * 1.6;
    return {0, m_roadBottom - height, static_cast<double>(m_size.width()), height};
}

QRect DashCamFramePainter::codeCell(int cell) const {
    const int bandTop = codeBandTop(m_size.height());
    return {kCodeLeft + cell * kCodeCellWidth, bandTop, kCodeCellWidth, m_size.height() - bandTop};
}
