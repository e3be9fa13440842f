#include "settings/ui/ZRVSettingLoadingSheet.h"

#include "controls/PMProgressIndicator.h"

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

ZRVSettingLoadingSheet::ZRVSettingLoadingSheet(QWidget* window) : QObject(window) {
    m_progressPanel = new QDialog(window, Qt::Sheet | Qt::FramelessWindowHint);
    m_progressPanel->setObjectName(QStringLiteral("progressPanel"));
    m_progressPanel->setWindowModality(Qt::WindowModal);
    auto* column = new QVBoxLayout(m_progressPanel);
    column->setContentsMargins(24, 18, 24, 18);
    m_progressTitleField = new QLabel(m_progressPanel);
    m_progressTitleField->setObjectName(QStringLiteral("progressTitleField"));
    m_progressIndicator = new PMProgressIndicator(m_progressPanel);
    m_progressIndicator->setObjectName(QStringLiteral("progressIndicator"));
    m_progressIndicator->setTextVisible(false);
    m_progressIndicator->setFixedWidth(280);
    // A read of a few hundred bytes is no job for the application icon.
    m_progressIndicator->setDrawDockProgress(false);
    column->addWidget(m_progressTitleField);
    column->addWidget(m_progressIndicator);
}

ZRVSettingLoadingSheet::~ZRVSettingLoadingSheet() = default;

void ZRVSettingLoadingSheet::showLoading(const QString& text) {
    m_progressIndicator->setIndeterminate(true);
    m_stopLoadingWindow = false;
    m_progress = 0;
    m_progressIndicator->setDoubleValue(m_progressIndicator->minValue());
    m_progressIndicator->startAnimation();
    m_progressTitleField->setText(text);
    QTimer::singleShot(kTickMs, this, [this] { updateLoadingWindow(kLongestSeconds); });
    m_progressPanel->open();
}

void ZRVSettingLoadingSheet::updateLoadingWindow(double seconds) {
    m_progress += 100 / (2 * seconds);
    m_progressIndicator->setDoubleValue(m_progress);
    if (m_progress >= 100 || m_stopLoadingWindow) {
        m_progressIndicator->setDoubleValue(m_progressIndicator->minValue());
        m_progressIndicator->stopAnimation();
        m_progressPanel->close();
        m_stopLoadingWindow = true;
        return;
    }
    QTimer::singleShot(kTickMs, this, [this, seconds] { updateLoadingWindow(seconds); });
}

bool ZRVSettingLoadingSheet::isShown() const {
    return m_progressPanel != nullptr && m_progressPanel->isVisible();
}
