#include "app/ui/ZRVBusyIndicator.h"

#include "controls/PMProgressIndicator.h"

#include <QTimer>
#include <cmath>

ZRVBusyIndicator::ZRVBusyIndicator(PMProgressIndicator* indicator, QWidget* headBox,
                                   Scheduler scheduler, QObject* parent)
    : QObject(parent), m_indicator(indicator), m_headBox(headBox),
      m_scheduler(std::move(scheduler)) {
    if (!m_scheduler) {
        m_scheduler = [this](double seconds, std::function<void()> job) {
            QTimer::singleShot(int(std::lround(seconds * 1000)), this, std::move(job));
        };
    }
}

void ZRVBusyIndicator::showLoading(const QString& caption) {
    Q_UNUSED(caption);
    m_stopVideoLoadingView = false;
    m_progress = 0;
    if (m_indicator) {
        m_indicator->setIndeterminate(true);
        m_indicator->show();
        m_indicator->raise();
        m_indicator->setDoubleValue(m_indicator->minValue());
        if (m_headBox) {
            const QRect head = m_headBox->geometry();
            const int x = head.x() + (head.width() - m_indicator->width()) / 2;
            m_indicator->move(x, m_indicator->y());
        }
        if (m_indicator->isIndeterminate()) {
            m_indicator->startAnimation();
        }
    }
    schedule(kExpectedSeconds);
}

void ZRVBusyIndicator::updateLoadingWindow(double expectedSeconds) {
    m_progress += 100.0 / (expectedSeconds / kTickSeconds);
    if (m_indicator) {
        m_indicator->setDoubleValue(m_progress);
    }
    if (m_progress >= 100.0 || m_stopVideoLoadingView) {
        if (m_indicator) {
            m_indicator->setDoubleValue(m_indicator->minValue());
            m_indicator->stopAnimation();
            m_indicator->hide();
        }
        m_stopVideoLoadingView = true;
        return;
    }
    schedule(expectedSeconds);
}

void ZRVBusyIndicator::hideLoading() {
    m_stopVideoLoadingView = true;
}

void ZRVBusyIndicator::schedule(double expectedSeconds) {
    m_scheduler(kTickSeconds, [this, expectedSeconds] { updateLoadingWindow(expectedSeconds); });
}
