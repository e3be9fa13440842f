#pragma once

#include <QPointF>
#include <QRect>
#include <QWidget>
#include <vector>

class ZRVResizeHandle;

// The borderless player window: it is dragged by its background, resized by
// handles on its edges and corners, and keeps its own full-screen mode, so
// that it looks the same on every desktop.
class CustomWindow : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool isFullScreen READ isFullScreen WRITE setIsFullScreen NOTIFY isFullScreenChanged)

public:
    explicit CustomWindow(const QRect& contentRect = {}, QWidget* parent = nullptr);

    QPointF initialLocation() const { return m_initialLocation; }
    void setInitialLocation(const QPointF& location) { m_initialLocation = location; }
    QRect initialFrame() const { return m_initialFrame; }
    void setInitialFrame(const QRect& frame) { m_initialFrame = frame; }
    bool isFullScreen() const { return m_isFullScreen; }
    void setIsFullScreen(bool fullScreen);

    void enterFullscreen();
    void leaveFullscreen();

signals:
    void isFullScreenChanged(bool isFullScreen);
    void contentResized();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void keepMinimumSize();
    void placeResizeHandles();
    void setFullscreenPresentationOptions();
    void setNonFullscreenPresentationOptions();
    QRect visibleFrameForDragging() const;

    QPointF m_initialLocation;
    QRect m_initialFrame;
    bool m_isFullScreen = false;
    bool m_dragging = false;
    std::vector<ZRVResizeHandle*> m_resizeHandles;
};
