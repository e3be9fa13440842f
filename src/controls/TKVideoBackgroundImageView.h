#pragma once

#include "controls/PartImageDrawing.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

// The framed area behind a video. While no video plays, the camera's logo in
// its centre tells which camera the area belongs to.
class TKVideoBackgroundImageView : public QWidget {
    Q_OBJECT

public:
    explicit TKVideoBackgroundImageView(QWidget* parent = nullptr);

    // Loads "<base>_top_left_corner", "<base>_top_edge_fill", ... "<base>_center_fill".
    void setBackgroundNineImageName(const QString& baseName);
    void setLogoImage(const QPixmap& logo);

    QPixmap topLeftConerImage() const { return m_images.topLeftCorner; }
    void setTopLeftConerImage(const QPixmap& image);
    QPixmap topRightConerImage() const { return m_images.topRightCorner; }
    void setTopRightConerImage(const QPixmap& image);
    QPixmap bottomLeftConerImage() const { return m_images.bottomLeftCorner; }
    void setBottomLeftConerImage(const QPixmap& image);
    QPixmap bottomRightConerImage() const { return m_images.bottomRightCorner; }
    void setBottomRightConerImage(const QPixmap& image);
    QPixmap leftEdgeFillImage() const { return m_images.leftEdgeFill; }
    void setLeftEdgeFillImage(const QPixmap& image);
    QPixmap rightEdgeFillImage() const { return m_images.rightEdgeFill; }
    void setRightEdgeFillImage(const QPixmap& image);
    QPixmap topEdgeFillImage() const { return m_images.topEdgeFill; }
    void setTopEdgeFillImage(const QPixmap& image);
    QPixmap bottomEdgeFillImage() const { return m_images.bottomEdgeFill; }
    void setBottomEdgeFillImage(const QPixmap& image);
    QPixmap centerFillImage() const { return m_images.centerFill; }
    void setCenterFillImage(const QPixmap& image);
    QPixmap centerLogoImage() const { return m_centerLogoImage; }
    void setCenterLogoImage(const QPixmap& image) { setLogoImage(image); }

    // Where the logo goes: at its natural size, centred in the bounds.
    QRectF logoRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setPart(QPixmap NinePartImages::*part, const QPixmap& image);

    NinePartImages m_images;
    QPixmap m_centerLogoImage;
};
