#include "card/ui/PMComposedIconEngine.h"

#include <QPainter>
#include <QPixmap>
#include <utility>

PMComposedIconEngine::PMComposedIconEngine(QImage image) : m_image(std::move(image)) {}

void PMComposedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) {
    painter->drawImage(rect, m_image);
}

QPixmap PMComposedIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State) {
    if (m_image.isNull() || size.isEmpty() || size == m_image.size()) {
        return QPixmap::fromImage(m_image);
    }
    return QPixmap::fromImage(m_image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QList<QSize> PMComposedIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    return m_image.isNull() ? QList<QSize>{} : QList<QSize>{m_image.size()};
}

QIconEngine* PMComposedIconEngine::clone() const {
    return new PMComposedIconEngine(m_image);
}

QString PMComposedIconEngine::key() const {
    return QStringLiteral("PMComposedIconEngine");
}
