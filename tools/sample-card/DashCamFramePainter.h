#pragma once

#include "sample-card/CameraSide.h"

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QImageWriter>
#include <QString>

// Draws the pictures of one camera as a dash-cam shows them: a street scene
// whose lane marks move with the car, the camera's name, date and time and the
// speed burnt in, and a machine-readable frame number, then encodes each
// picture as a JPEG for the MJPEG stream.
//
// Frame number: a band across the bottom of the picture, from the first
// 16-pixel row boundary at least 24 pixels above the bottom edge to the bottom
// edge, is black. In it, 22 cells of 16 x band-height pixels start at x = 16:
// cells 0-2 are the start guard (white, black, white), cells 3-18 the frame's
// index within the file in 16 bits, most significant first (white = 1,
// black = 0), cells 19-21 the stop guard (white, black, white). The cells sit
// on the JPEG block grid and are pure black or white, so a reader that
// thresholds each cell's centre at mid-grey gets the number back exactly.
class DashCamFramePainter {
public:
    static constexpr int kCodeCellWidth = 16;
    static constexpr int kCodeLeft = 16;
    static constexpr int kCodeBits = 16;
    static constexpr int kJpegQuality = 70;

    struct Frame {
        int index = 0;     // within the file
        QString clockText; // yyyy/MM/dd HH:mm:ss
        int speedKmh = 0;
        double odometer = 0; // metres; moves the lane marks
    };

    DashCamFramePainter(CameraSide side, QSize size);

    QByteArray render(const Frame& frame);

    static int codeBandTop(int pictureHeight);

private:
    void paintBackground();
    void paintLaneMarks(QPainter& painter, double odometer) const;
    void paintOverlay(QPainter& painter, const Frame& frame) const;
    void paintFrameNumber(QPainter& painter, int index) const;
    QPointF project(double across, double ahead) const;
    QRect codeCell(int cell) const;
    QRectF clockStrip() const;

    CameraSide m_side;
    QSize m_size;
    double m_horizon;
    double m_roadBottom;
    double m_focal;
    QImage m_background;
    QImage m_picture;
    QFont m_labelFont;
    QFont m_clockFont;
    QByteArray m_jpeg;
    QBuffer m_buffer;
    QImageWriter m_writer;
};
