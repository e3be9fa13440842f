#pragma once

#include <QRect>
#include <QWidget>

// The main video area's container. It follows the pointer over the area and a
// small margin around it, whether or not the window is active, so that
// controls drawn over the video can later appear when the pointer comes near.
class ZRVScrollableVideoContainerView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTrackingMargin = 4;

    explicit ZRVScrollableVideoContainerView(QWidget* parent = nullptr);

    void updateTrackingAreas();
    QRect mouseTrackingArea() const { return m_mouseTrackingArea; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect m_mouseTrackingArea;
};
