#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QRect>

// A borderless button drawn entirely from images: one for the enabled button,
// one for the disabled button, one while the pointer is over it and one while
// it is held down. The pointer counts as over the button within 4 points of
// its edges, so small icons are easy to hit and do not flicker at the rim.
class TKImageButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QString imageName READ imageName WRITE setImageName)
    Q_PROPERTY(qint64 numberOfCaptures READ numberOfCaptures WRITE setNumberOfCaptures)

public:
    static constexpr int trackingMargin = 4;
    static constexpr qreal inactiveOpacity = 0.35;

    explicit TKImageButton(QWidget* parent = nullptr);
    ~TKImageButton() override;

    // Takes the state images from the name: "icon_play_n" gives icon_play_f
    // for the pointer over it and icon_play_p for pressed; the disabled image
    // is the plain one faded.
    void setImageName(const QString& name);
    QString imageName() const { return m_imageName; }
    QPixmap buttonImageNameWithSuffix(const QString& suffix) const;

    void setImage(const QPixmap& image);
    QPixmap activeImage() const { return m_activeImage; }
    void setActiveImage(const QPixmap& image);
    QPixmap inactiveImage() const { return m_inactiveImage; }
    void setInactiveImage(const QPixmap& image);
    QPixmap rolloverImage() const { return m_rolloverImage; }
    void setRolloverImage(const QPixmap& image);
    QPixmap pressedImage() const { return m_pressedImage; }
    void setPressedImage(const QPixmap& image);

    // What paintEvent draws right now.
    QPixmap displayedImage() const;

    qint64 numberOfCaptures() const { return m_numberOfCaptures; }
    void setNumberOfCaptures(qint64 count);
    bool shouldDisplayRollOver() const { return m_numberOfCaptures > 0; }
    void didCaptureMousePointer();
    void didReleaseMousePointer();

    void mouseEntered();
    void mouseExited();

    void updateImage();
    void updateActiveImage();
    void updateRollOverImage();

    // In the button's own coordinates.
    QRect mouseTrackingArea() const { return m_mouseTrackingArea; }
    void updateTrackingAreas();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void configureButton();
    void trackPointer(const QPointF& globalPosition);
    void pointerLeftWindow();

    QString m_imageName;
    QPixmap m_image;
    QPixmap m_activeImage;
    QPixmap m_inactiveImage;
    QPixmap m_rolloverImage;
    QPixmap m_pressedImage;
    qint64 m_numberOfCaptures = 0;
    QRect m_mouseTrackingArea;
    bool m_pointerInTrackingArea = false;
};
