#include "controls/TKImageButtonCell.h"

#include "controls/PartImageDrawing.h"
#include "controls/TKImage.h"

TKImageButtonCell::TKImageButtonCell()
    : m_left(TKImage::named(QStringLiteral("bg_bt_info_left.png"))),
      m_center(TKImage::named(QStringLiteral("bg_bt_info_center.png"))),
      m_right(TKImage::named(QStringLiteral("bg_bt_info_right.png"))),
      m_leftPressed(TKImage::named(QStringLiteral("bg_bt_info_left_pressed.png"))),
      m_centerPressed(TKImage::named(QStringLiteral("bg_bt_info_center_pressed.png"))),
      m_rightPressed(TKImage::named(QStringLiteral("bg_bt_info_right_pressed.png"))) {}

void TKImageButtonCell::drawBezelWithFrame(QPainter& painter, const QRectF& frame, bool on) const {
    if (on) {
        drawThreePartImage(painter, frame, m_left, m_center, m_right);
    } else {
        drawThreePartImage(painter, frame, m_leftPressed, m_centerPressed, m_rightPressed);
    }
}

void TKImageButtonCell::highlight(QPainter& painter, bool flag, const QRectF& frame) const {
    if (flag) {
        drawThreePartImage(painter, frame, m_leftPressed, m_centerPressed, m_rightPressed);
    }
}
