#include "card/ui/PMProgressIndicatorController.h"

#include "card/ui/PMComposedIconEngine.h"
#include "controls/PMProgressIndicator.h"
#include "controls/TKImage.h"
#include "platform/PMUnityLauncherEntry.h"

#include <QColor>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <cmath>
#include <utility>

namespace {

QPointer<PMProgressIndicatorController> g_instance;
// The stripe offset: process-wide, 32 at start.
double g_stripeOffset = PMProgressIndicatorController::kStripePeriod;

constexpr int kIcon = PMProgressIndicatorController::kIconSize;

// A bar image by its name, as every image of the application is found.
QImage barImage(const QString& name) {
    const QPixmap pixmap = TKImage::named(name);
    if (pixmap.isNull()) {
        return {};
    }
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Height in points (an SVG image may be rendered for a dense screen).
double heightOf(const QImage& image) {
    return image.deviceIndependentSize().height();
}

// Without a "barberProgress" image the indeterminate bar would draw nothing;
// this one has the same layout: 32-point diagonal stripes, wide enough to be
// shifted by up to 32 points, as high as the determinate bar's bands.
QImage drawnBarberImage() {
    const int width = kIcon + 2 * static_cast<int>(PMProgressIndicatorController::kStripePeriod);
    const int height = 13;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, width, height), QColor(129, 204, 255, 200));
    for (int x = -height; x < width + height; x += 32) {
        QPainterPath stripe;
        stripe.moveTo(x, height);
        stripe.lineTo(x + 16, height);
        stripe.lineTo(x + 16 + height, 0);
        stripe.lineTo(x + height, 0);
        stripe.closeSubpath();
        painter.fillPath(stripe, QColor(59, 120, 185, 220));
    }
    painter.fillRect(QRectF(0, 0, width, 1), QColor(255, 255, 255, 120));
    return image;
}

QImage iconImage(const QIcon& icon) {
    QImage image(kIcon, kIcon, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!icon.isNull()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QRect(0, 0, kIcon, kIcon), icon.pixmap(QSize(kIcon, kIcon)));
    }
    return image;
}

// Top edge in Qt's coordinates of something `height` tall whose bottom edge
// is `bottom` points above the icon's bottom edge.
double topOf(double bottom, double height) {
    return kIcon - bottom - height;
}

struct Band {
    int bottom; // above the bar's y
    int height;
    QColor done;
    QColor rest;
};

QColor band(int red, int green, int blue) {
    return QColor::fromRgbF(red / 255.0f, green / 255.0f, blue / 255.0f, 0.78f);
}

} // namespace

PMProgressIndicatorController* PMProgressIndicatorController::sharedInstance() {
    if (!g_instance) {
        g_instance = new PMProgressIndicatorController(QCoreApplication::instance());
    }
    return g_instance;
}

PMProgressIndicatorController* PMProgressIndicatorController::existingInstance() {
    return g_instance;
}

double PMProgressIndicatorController::stripeOffset() {
    return g_stripeOffset;
}

PMProgressIndicatorController::PMProgressIndicatorController(QObject* parent)
    : QObject(parent), m_clock(&std::chrono::steady_clock::now),
      m_launcherEntry(std::make_unique<PMUnityLauncherEntry>()) {
    takeDockIconFromApplication();
    m_blueBar = barImage(QStringLiteral("blueProgress.tif"));
    m_greyBar = barImage(QStringLiteral("greyProgress.tif"));
    m_barberBar = barImage(QStringLiteral("barberProgress.tif"));
    if (m_barberBar.isNull()) {
        m_barberBar = drawnBarberImage();
    }
    m_lastSpin = m_clock();
    m_redrawTimer.setSingleShot(true);
    m_redrawTimer.setInterval(kRedrawDelayMs);
    connect(&m_redrawTimer, &QTimer::timeout, this,
            &PMProgressIndicatorController::drawProgressIndicators);
}

PMProgressIndicatorController::~PMProgressIndicatorController() {
    m_redrawTimer.stop();
}

void PMProgressIndicatorController::setClock(Clock clock) {
    m_clock = clock ? std::move(clock) : Clock(&std::chrono::steady_clock::now);
    m_lastSpin = m_clock();
}

void PMProgressIndicatorController::setBarImages(const QImage& blue, const QImage& grey,
                                                 const QImage& barber) {
    m_blueBar = blue.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_greyBar = grey.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_barberBar = barber.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void PMProgressIndicatorController::takeDockIconFromApplication() {
    m_applicationIcon = QGuiApplication::windowIcon();
    m_dockIcon = iconImage(m_applicationIcon);
}

void PMProgressIndicatorController::setLauncherEntry(std::unique_ptr<PMLauncherEntry> entry) {
    m_launcherEntry = std::move(entry);
    m_published = false;
}

void PMProgressIndicatorController::scheduleDraw() {
    if (!m_redrawTimer.isActive()) {
        m_redrawTimer.start();
    }
}

void PMProgressIndicatorController::addProgressIndicator(PMProgressIndicator* bar) {
    if (bar && !m_progressIndicators.contains(bar)) {
        m_progressIndicators.append(bar);
    }
    scheduleDraw();
}

void PMProgressIndicatorController::removeProgressIndicator(PMProgressIndicator* bar) {
    m_progressIndicators.removeAll(bar);
    scheduleDraw();
}

void PMProgressIndicatorController::restoreIcon() {
    QGuiApplication::setWindowIcon(m_applicationIcon);
}

void PMProgressIndicatorController::drawBar(QPainter& painter, PMProgressIndicator* bar, int index,
                                            bool& spinning) {
    const double y = kBarSpacing * index;
    if (bar->isIndeterminate()) {
        const auto now = m_clock();
        const double t = std::abs(std::chrono::duration<double>(now - m_lastSpin).count());
        g_stripeOffset += -1.5 * kStripePeriod * (t - std::trunc(t));
        if (g_stripeOffset < 0) {
            g_stripeOffset += kStripePeriod;
        }
        if (!m_barberBar.isNull()) {
            painter.drawImage(QPointF(-g_stripeOffset, topOf(y, heightOf(m_barberBar))),
                              m_barberBar);
        }
        m_lastSpin = now;
        spinning = true;
        return;
    }

    const float w = 128.0f * static_cast<float>(bar->fraction());
    if (!m_blueBar.isNull() && !m_greyBar.isNull()) {
        painter.drawImage(QPointF(w - 128.0f, topOf(y, heightOf(m_blueBar))), m_blueBar);
        painter.drawImage(QPointF(w, topOf(y, heightOf(m_greyBar))), m_greyBar);
        return;
    }
    static const Band kBands[] = {
        {0, 11, band(129, 204, 255), band(241, 241, 241)},
        {3, 6, band(105, 183, 255), band(228, 228, 228)},
        {4, 4, band(94, 171, 254), band(210, 210, 210)},
        {5, 2, band(76, 148, 229), band(200, 200, 200)},
        {11, 1, band(94, 147, 213), band(200, 210, 210)},
        {12, 1, band(59, 120, 185), band(160, 160, 160)},
    };
    for (const Band& b : kBands) {
        painter.fillRect(QRectF(0, topOf(y + b.bottom, b.height), w, b.height), b.done);
    }
    for (const Band& b : kBands) {
        painter.fillRect(QRectF(w, topOf(y + b.bottom, b.height), 128.0f - w, b.height), b.rest);
    }
}

void PMProgressIndicatorController::drawProgressIndicators() {
    m_redrawTimer.stop();

    QImage icon = m_dockIcon.copy();
    bool spinning = false;
    if (!m_progressIndicators.isEmpty()) {
        QPainter painter(&icon);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        for (int i = 0; i < m_progressIndicators.size(); ++i) {
            drawBar(painter, m_progressIndicators[i], i, spinning);
        }
    }
    m_composedIcon = icon;
    if (m_progressIndicators.isEmpty()) {
        restoreIcon();
    } else {
        QGuiApplication::setWindowIcon(QIcon(new PMComposedIconEngine(icon)));
    }
    publishProgress();

    if (spinning) {
        m_redrawTimer.start();
    }
}

// Launchers show one progress: the first determinate bar's, hidden when
// only indeterminate bars (which the API cannot show) or none are listed.
void PMProgressIndicatorController::publishProgress() {
    if (!m_launcherEntry) {
        return;
    }
    double progress = 0;
    bool visible = false;
    for (PMProgressIndicator* bar : std::as_const(m_progressIndicators)) {
        if (!bar->isIndeterminate()) {
            progress = std::clamp(bar->fraction(), 0.0, 1.0);
            visible = true;
            break;
        }
    }
    if (m_published && visible == m_publishedVisible &&
        (!visible || std::abs(progress - m_publishedProgress) < 1e-4)) {
        return;
    }
    m_published = true;
    m_publishedProgress = progress;
    m_publishedVisible = visible;
    m_launcherEntry->update(progress, visible);
}
