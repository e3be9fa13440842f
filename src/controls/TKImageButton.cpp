#include "controls/TKImageButton.h"

#include "controls/PartImageDrawing.h"
#include "controls/TKImage.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Buttons of features that are not available stay in place disabled; a faded
// image tells the user so instead of a click that silently does nothing.
QPixmap faded(const QPixmap& pixmap) {
    if (pixmap.isNull()) {
        return {};
    }
    QPixmap result(pixmap.size());
    result.setDevicePixelRatio(pixmap.devicePixelRatio());
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setOpacity(TKImageButton::inactiveOpacity);
    painter.drawPixmap(0, 0, pixmap);
    return result;
}

} // namespace

TKImageButton::TKImageButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::TabFocus);
    configureButton();
    updateTrackingAreas();
    // The 4-point rim lies over the parent or over neighbours, which need not
    // track the mouse; pointer moves without mouse tracking reach only the
    // application's event filters, so the button watches from there.
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installEventFilter(this);
    }
}

TKImageButton::~TKImageButton() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

void TKImageButton::configureButton() {
    setText(QString());
    setCheckable(false);
    m_rolloverImage = buttonImageNameWithSuffix(QStringLiteral("_f"));
    m_pressedImage = buttonImageNameWithSuffix(QStringLiteral("_p"));
    m_activeImage = m_image;
    m_inactiveImage = faded(m_image);
}

void TKImageButton::setImageName(const QString& name) {
    m_imageName = name;
    m_image = TKImage::named(name);
    configureButton();
    // A play button swaps its image name while the pointer rests on it; keep
    // the hover look instead of falling back to the plain image until the
    // pointer moves out and in again.
    updateRollOverImage();
    updateGeometry();
}

QPixmap TKImageButton::buttonImageNameWithSuffix(const QString& suffix) const {
    const QString base = TKImage::baseName(m_imageName);
    if (base.size() < 2) {
        return {};
    }
    return TKImage::named(base.left(base.size() - 2) + suffix);
}

void TKImageButton::setImage(const QPixmap& image) {
    m_image = image;
    update();
}

void TKImageButton::setActiveImage(const QPixmap& image) {
    m_activeImage = image;
}

void TKImageButton::setInactiveImage(const QPixmap& image) {
    m_inactiveImage = image;
}

void TKImageButton::setRolloverImage(const QPixmap& image) {
    m_rolloverImage = image;
}

void TKImageButton::setPressedImage(const QPixmap& image) {
    m_pressedImage = image;
    update();
}

QPixmap TKImageButton::displayedImage() const {
    if (isDown() && isEnabled() && !m_pressedImage.isNull()) {
        return m_pressedImage;
    }
    return m_image;
}

void TKImageButton::setNumberOfCaptures(qint64 count) {
    if (count < 0) {
        return;
    }
    m_numberOfCaptures = count;
}

void TKImageButton::didCaptureMousePointer() {
    setNumberOfCaptures(m_numberOfCaptures + 1);
}

void TKImageButton::didReleaseMousePointer() {
    setNumberOfCaptures(m_numberOfCaptures - 1);
}

void TKImageButton::mouseEntered() {
    didCaptureMousePointer();
    updateRollOverImage();
}

void TKImageButton::mouseExited() {
    didReleaseMousePointer();
    updateRollOverImage();
}

void TKImageButton::updateImage() {
    setImage(isEnabled() ? m_activeImage : m_inactiveImage);
}

void TKImageButton::updateActiveImage() {
    updateImage();
}

void TKImageButton::updateRollOverImage() {
    if (shouldDisplayRollOver() && isEnabled()) {
        setImage(m_rolloverImage);
    } else {
        updateImage();
    }
}

void TKImageButton::updateTrackingAreas() {
    m_mouseTrackingArea =
        rect().adjusted(-trackingMargin, -trackingMargin, trackingMargin, trackingMargin);
}

QSize TKImageButton::sizeHint() const {
    const QSizeF size = pointSize(m_activeImage.isNull() ? m_image : m_activeImage);
    if (size.isEmpty()) {
        return {24, 24};
    }
    return size.toSize();
}

void TKImageButton::paintEvent(QPaintEvent*) {
    const QPixmap pixmap = displayedImage();
    if (pixmap.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QSizeF size = pointSize(pixmap);
    if (size.width() > width() || size.height() > height()) {
        size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    }
    const QPointF origin((width() - size.width()) / 2, (height() - size.height()) / 2);
    painter.drawPixmap(QRectF(origin, size), pixmap, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
}

void TKImageButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        updateImage();
    }
    QAbstractButton::changeEvent(event);
}

void TKImageButton::resizeEvent(QResizeEvent* event) {
    updateTrackingAreas();
    QAbstractButton::resizeEvent(event);
}

bool TKImageButton::event(QEvent* event) {
    if (event->type() == QEvent::Hide) {
        pointerLeftWindow();
    }
    return QAbstractButton::event(event);
}

bool TKImageButton::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::Enter && type != QEvent::Leave) {
        return false;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window()) {
        return false;
    }
    if (type == QEvent::MouseMove) {
        trackPointer(static_cast<QMouseEvent*>(event)->globalPosition());
    } else if (type == QEvent::Enter) {
        trackPointer(static_cast<QEnterEvent*>(event)->globalPosition());
    } else if (widget == window()) {
        pointerLeftWindow();
    }
    return false;
}

void TKImageButton::trackPointer(const QPointF& globalPosition) {
    const bool inside =
        isVisible() && m_mouseTrackingArea.contains(mapFromGlobal(globalPosition.toPoint()));
    if (inside == m_pointerInTrackingArea) {
        return;
    }
    m_pointerInTrackingArea = inside;
    if (inside) {
        mouseEntered();
    } else {
        mouseExited();
    }
}

void TKImageButton::pointerLeftWindow() {
    if (!m_pointerInTrackingArea) {
        return;
    }
    m_pointerInTrackingArea = false;
    mouseExited();
}
