#include "controls/TKThreePartImageView.h"

#include "controls/PartImageDrawing.h"

#include <QPainter>

TKThreePartImageView::TKThreePartImageView(QWidget* parent) : QWidget(parent) {}

void TKThreePartImageView::setImagesLeft(const QPixmap& left, const QPixmap& middle,
                                         const QPixmap& right) {
    setLeft_img(left);
    setMiddle_img(middle);
    setRight_img(right);
}

void TKThreePartImageView::setLeft_img(const QPixmap& image) {
    m_left = image;
    update();
}

void TKThreePartImageView::setMiddle_img(const QPixmap& image) {
    m_middle = image;
    update();
}

void TKThreePartImageView::setRight_img(const QPixmap& image) {
    m_right = image;
    update();
}

void TKThreePartImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawThreePartImage(painter, QRectF(rect()), m_left, m_middle, m_right);
}
