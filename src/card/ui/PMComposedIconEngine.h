#pragma once

#include <QIconEngine>
#include <QImage>

// An icon of one drawn picture, given at any size by scaling it. QIcon's own
// engine keeps each size it is asked for in the process-wide pixmap cache,
// under the picture's key: for an icon drawn anew ten times a second, as the
// progress bars are, that filled the cache with pictures no window showed
// any more, and pushed out what the rest of the application had kept there.
class PMComposedIconEngine final : public QIconEngine {
public:
    explicit PMComposedIconEngine(QImage image);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    QImage m_image;
};
