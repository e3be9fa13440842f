#include "controls/PartImageDrawing.h"

#include <QPainter>
#include <algorithm>
#include <utility>

namespace {

void drawStretched(QPainter& painter, const QRectF& target, const QPixmap& pixmap) {
    if (pixmap.isNull() || target.width() <= 0 || target.height() <= 0) {
        return;
    }
    painter.drawPixmap(target, pixmap, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
}

// Two fixed lengths that must fit into `available`: shrink both by the same
// factor when they do not.
std::pair<qreal, qreal> fitCaps(qreal first, qreal second, qreal available) {
    const qreal total = first + second;
    if (total <= available || total <= 0) {
        return {first, second};
    }
    const qreal factor = std::max<qreal>(available, 0) / total;
    return {first * factor, second * factor};
}

} // namespace

QSizeF pointSize(const QPixmap& pixmap) {
    if (pixmap.isNull()) {
        return {0, 0};
    }
    return QSizeF(pixmap.size()) / pixmap.devicePixelRatio();
}

void drawThreePartImage(QPainter& painter, const QRectF& frame, const QPixmap& left,
                        const QPixmap& middle, const QPixmap& right) {
    const auto [leftWidth, rightWidth] =
        fitCaps(pointSize(left).width(), pointSize(right).width(), frame.width());
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(1.0);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal y = frame.top();
    const qreal h = frame.height();
    drawStretched(painter, QRectF(frame.left(), y, leftWidth, h), left);
    drawStretched(painter,
                  QRectF(frame.left() + leftWidth, y, frame.width() - leftWidth - rightWidth, h),
                  middle);
    drawStretched(painter, QRectF(frame.right() - rightWidth, y, rightWidth, h), right);
    painter.restore();
}

void drawNinePartImage(QPainter& painter, const QRectF& frame, const NinePartImages& images) {
    const QSizeF topLeft = pointSize(images.topLeftCorner);
    const QSizeF topRight = pointSize(images.topRightCorner);
    const QSizeF bottomLeft = pointSize(images.bottomLeftCorner);
    const QSizeF bottomRight = pointSize(images.bottomRightCorner);

    const auto [leftWidth, rightWidth] =
        fitCaps(std::max(topLeft.width(), bottomLeft.width()),
                std::max(topRight.width(), bottomRight.width()), frame.width());
    const auto [topHeight, bottomHeight] =
        fitCaps(std::max(topLeft.height(), topRight.height()),
                std::max(bottomLeft.height(), bottomRight.height()), frame.height());

    const qreal x0 = frame.left();
    const qreal x1 = x0 + leftWidth;
    const qreal x2 = frame.right() - rightWidth;
    const qreal y0 = frame.top();
    const qreal y1 = y0 + topHeight;
    const qreal y2 = frame.bottom() - bottomHeight;
    const qreal middleWidth = x2 - x1;
    const qreal middleHeight = y2 - y1;

    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(1.0);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    drawStretched(painter, QRectF(x1, y1, middleWidth, middleHeight), images.centerFill);
    drawStretched(painter, QRectF(x1, y0, middleWidth, topHeight), images.topEdgeFill);
    drawStretched(painter, QRectF(x1, y2, middleWidth, bottomHeight), images.bottomEdgeFill);
    drawStretched(painter, QRectF(x0, y1, leftWidth, middleHeight), images.leftEdgeFill);
    drawStretched(painter, QRectF(x2, y1, rightWidth, middleHeight), images.rightEdgeFill);
    drawStretched(painter, QRectF(x0, y0, leftWidth, topHeight), images.topLeftCorner);
    drawStretched(painter, QRectF(x2, y0, rightWidth, topHeight), images.topRightCorner);
    drawStretched(painter, QRectF(x0, y2, leftWidth, bottomHeight), images.bottomLeftCorner);
    drawStretched(painter, QRectF(x2, y2, rightWidth, bottomHeight), images.bottomRightCorner);
    painter.restore();
}
