#pragma once

#include <QPixmap>
#include <QWidget>

// A strip drawn from three images: the ends at their natural width, the
// middle stretched between them. The full-screen control bar is one.
class TKThreePartImageView : public QWidget {
    Q_OBJECT

public:
    explicit TKThreePartImageView(QWidget* parent = nullptr);

    void setImagesLeft(const QPixmap& left, const QPixmap& middle, const QPixmap& right);

    QPixmap left_img() const { return m_left; }
    void setLeft_img(const QPixmap& image);
    QPixmap middle_img() const { return m_middle; }
    void setMiddle_img(const QPixmap& image);
    QPixmap right_img() const { return m_right; }
    void setRight_img(const QPixmap& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_left;
    QPixmap m_middle;
    QPixmap m_right;
};
