#pragma once

#include <QPixmap>
#include <QRectF>

class QPainter;

// Stretchable images built from parts: caps and corners keep their natural
// size, the fills between them stretch. When the frame is smaller than the
// fixed parts, those shrink in proportion so nothing spills out of the frame.
// Null parts leave their place empty.

void drawThreePartImage(QPainter& painter, const QRectF& frame, const QPixmap& left,
                        const QPixmap& middle, const QPixmap& right);

struct NinePartImages {
    QPixmap topLeftCorner;
    QPixmap topRightCorner;
    QPixmap bottomLeftCorner;
    QPixmap bottomRightCorner;
    QPixmap leftEdgeFill;
    QPixmap rightEdgeFill;
    QPixmap topEdgeFill;
    QPixmap bottomEdgeFill;
    QPixmap centerFill;
};

void drawNinePartImage(QPainter& painter, const QRectF& frame, const NinePartImages& images);

// Size in points, independent of the pixel ratio the pixmap was rendered at.
QSizeF pointSize(const QPixmap& pixmap);
