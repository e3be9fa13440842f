#pragma once

#include <QPixmap>
#include <QRectF>

class QPainter;

// The bezel of the information buttons: a three-part image whose left and
// right caps keep their width while the centre stretches with the title.
// The "on" state uses the plain images; "off" and a held-down button use the
// "_pressed" ones.
class TKImageButtonCell {
public:
    TKImageButtonCell();

    void drawBezelWithFrame(QPainter& painter, const QRectF& frame, bool on) const;
    // Draws the pressed bezel over the frame while highlighted; un-highlighting
    // draws nothing, the next bezel drawing restores the plain look.
    void highlight(QPainter& painter, bool flag, const QRectF& frame) const;

private:
    QPixmap m_left;
    QPixmap m_center;
    QPixmap m_right;
    QPixmap m_leftPressed;
    QPixmap m_centerPressed;
    QPixmap m_rightPressed;
};
