#include "controls/TKVideoBackgroundImageView.h"

#include "controls/TKImage.h"

#include <QPainter>

TKVideoBackgroundImageView::TKVideoBackgroundImageView(QWidget* parent) : QWidget(parent) {}

void TKVideoBackgroundImageView::setBackgroundNineImageName(const QString& baseName) {
    const auto load = [&baseName](const char* part) {
        return TKImage::named(baseName + QLatin1Char('_') + QLatin1String(part));
    };
    m_images.topLeftCorner = load("top_left_corner");
    m_images.topRightCorner = load("top_right_corner");
    m_images.bottomLeftCorner = load("bottom_left_corner");
    m_images.bottomRightCorner = load("bottom_right_corner");
    m_images.leftEdgeFill = load("left_edge_fill");
    m_images.rightEdgeFill = load("right_edge_fill");
    m_images.topEdgeFill = load("top_edge_fill");
    m_images.bottomEdgeFill = load("bottom_edge_fill");
    m_images.centerFill = load("center_fill");
    update();
}

void TKVideoBackgroundImageView::setLogoImage(const QPixmap& logo) {
    m_centerLogoImage = logo;
    update();
}

void TKVideoBackgroundImageView::setPart(QPixmap NinePartImages::*part, const QPixmap& image) {
    m_images.*part = image;
    update();
}

void TKVideoBackgroundImageView::setTopLeftConerImage(const QPixmap& image) {
    setPart(&NinePartImages::topLeftCorner, image);
}

void TKVideoBackgroundImageView::setTopRightConerImage(const QPixmap& image) {
    setPart(&NinePartImages::topRightCorner, image);
}

void TKVideoBackgroundImageView::setBottomLeftConerImage(const QPixmap& image) {
    setPart(&NinePartImages::bottomLeftCorner, image);
}

void TKVideoBackgroundImageView::setBottomRightConerImage(const QPixmap& image) {
    setPart(&NinePartImages::bottomRightCorner, image);
}

void TKVideoBackgroundImageView::setLeftEdgeFillImage(const QPixmap& image) {
    setPart(&NinePartImages::leftEdgeFill, image);
}

void TKVideoBackgroundImageView::setRightEdgeFillImage(const QPixmap& image) {
    setPart(&NinePartImages::rightEdgeFill, image);
}

void TKVideoBackgroundImageView::setTopEdgeFillImage(const QPixmap& image) {
    setPart(&NinePartImages::topEdgeFill, image);
}

void TKVideoBackgroundImageView::setBottomEdgeFillImage(const QPixmap& image) {
    setPart(&NinePartImages::bottomEdgeFill, image);
}

void TKVideoBackgroundImageView::setCenterFillImage(const QPixmap& image) {
    setPart(&NinePartImages::centerFill, image);
}

QRectF TKVideoBackgroundImageView::logoRect() const {
    const QSizeF size = pointSize(m_centerLogoImage);
    const QRectF bounds(rect());
    return {bounds.topLeft() +
                QPointF((bounds.width() - size.width()) / 2, (bounds.height() - size.height()) / 2),
            size};
}

void TKVideoBackgroundImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawNinePartImage(painter, QRectF(rect()), m_images);
    if (!m_centerLogoImage.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(logoRect(), m_centerLogoImage,
                           QRectF(QPointF(0, 0), QSizeF(m_centerLogoImage.size())));
    }
}
