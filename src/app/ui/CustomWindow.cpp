#include "app/ui/CustomWindow.h"

#include "app/ZRVWindowRules.h"
#include "app/ui/ZRVResizeHandle.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

namespace {

ZRVRect toRect(const QRect& rect) {
    return {double(rect.x()), double(rect.y()), double(rect.width()), double(rect.height())};
}

} // namespace

CustomWindow::CustomWindow(const QRect& contentRect, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setFocusPolicy(Qt::StrongFocus);
    keepMinimumSize();
    using R = ZRVWindowRules;
    for (const unsigned edges : std::initializer_list<unsigned>{
             R::left | R::top, R::top, R::right | R::top, R::right, R::right | R::bottom, R::bottom,
             R::left | R::bottom, R::left}) {
        m_resizeHandles.push_back(new ZRVResizeHandle(edges, this));
    }
    if (!contentRect.isEmpty()) {
        resize(contentRect.size());
    }
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void CustomWindow::setIsFullScreen(bool fullScreen) {
    if (m_isFullScreen == fullScreen) {
        return;
    }
    m_isFullScreen = fullScreen;
    keepMinimumSize();
    placeResizeHandles();
    emit isFullScreenChanged(fullScreen);
}

void CustomWindow::enterFullscreen() {
    if (m_isFullScreen) {
        return;
    }
    setIsFullScreen(true);
    // Leaving full screen puts the window back where it was just now, not
    // where it first opened.
    m_initialFrame = geometry();
    if (QScreen* current = screen()) {
        setGeometry(current->geometry());
    }
    setFullscreenPresentationOptions();
}

void CustomWindow::leaveFullscreen() {
    if (!m_isFullScreen) {
        return;
    }
    setIsFullScreen(false);
    setNonFullscreenPresentationOptions();
    setGeometry(m_initialFrame);
}

// Panels of a Linux desktop cannot be told to hide as the Mac menu bar and
// dock can; a full-screen window state makes the window manager raise the
// window over them, which is the same for the user.
void CustomWindow::setFullscreenPresentationOptions() {
    QScreen* current = screen();
    if (current == nullptr) {
        return;
    }
    const ZRVRect full = toRect(current->geometry());
    const ZRVRect visible = toRect(current->availableGeometry());
    const bool menuBar =
        ZRVWindowRules::hasMenuBar(current == QGuiApplication::primaryScreen(), false);
    const double topPanel = visible.y - full.y;
    if (menuBar || ZRVWindowRules::hasDock(full, visible, topPanel, menuBar)) {
        setWindowState(windowState() | Qt::WindowFullScreen);
    }
}

void CustomWindow::setNonFullscreenPresentationOptions() {
    setWindowState(windowState() & ~Qt::WindowFullScreen);
}

void CustomWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && m_isFullScreen) {
        leaveFullscreen();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CustomWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_isFullScreen) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_initialLocation = event->position();
    m_dragging = true;
}

void CustomWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging || !(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const ZRVRect moved = ZRVWindowRules::dragFrame(
        toRect(geometry()), m_initialLocation.x(), m_initialLocation.y(), event->position().x(),
        event->position().y(), toRect(visibleFrameForDragging()));
    move(qRound(moved.x), qRound(moved.y));
}

QRect CustomWindow::visibleFrameForDragging() const {
    QScreen* primary = QGuiApplication::primaryScreen();
    return primary != nullptr ? primary->availableGeometry() : QRect();
}

void CustomWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeResizeHandles();
    emit contentResized();
}

void CustomWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    placeResizeHandles();
}

// Below this size controls would overlap. A full-screen window takes the
// screen's size, whatever it is.
void CustomWindow::keepMinimumSize() {
    setMinimumSize(m_isFullScreen ? QSize(0, 0)
                                  : QSize(int(ZRVWindowRules::kMinWindowWidth),
                                          int(ZRVWindowRules::kMinWindowHeight)));
}

// The handles lie over the window's border, above the boxes laid out after
// them; a full-screen window has no border to drag.
void CustomWindow::placeResizeHandles() {
    for (ZRVResizeHandle* handle : m_resizeHandles) {
        handle->setGeometry(handle->frameFor(size()));
        handle->setVisible(!m_isFullScreen);
        handle->raise();
    }
}
