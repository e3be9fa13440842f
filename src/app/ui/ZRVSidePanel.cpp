#include "app/ui/ZRVSidePanel.h"

#include "controls/TKImage.h"

#include <QIcon>

ZRVSidePanel::ZRVSidePanel(QAbstractButton* recordButton, QAbstractButton* informationButton,
                           QWidget* mediaListScrollView, QWidget* mapContainerView,
                           std::function<void()> layoutMapContainer, QObject* parent)
    : QObject(parent), m_recordButton(recordButton), m_informationButton(informationButton),
      m_mediaListScrollView(mediaListScrollView), m_mapContainerView(mapContainerView),
      m_layoutMapContainer(std::move(layoutMapContainer)) {
    if (m_recordButton) {
        connect(m_recordButton, &QAbstractButton::clicked, this,
                &ZRVSidePanel::clickMediaListViewButton);
    }
    if (m_informationButton) {
        connect(m_informationButton, &QAbstractButton::clicked, this,
                &ZRVSidePanel::clickMapViewButton);
    }
}

void ZRVSidePanel::setRightViewMode(int mode) {
    const bool changed = m_rightViewMode != mode;
    m_rightViewMode = mode;
    updateSideViewButton();
    if (changed) {
        emit rightViewModeChanged(mode);
    }
}

void ZRVSidePanel::updateSideViewButton() {
    const bool list = m_rightViewMode == 0;
    m_recordImageName = list ? QStringLiteral("record_p.png") : QStringLiteral("record_n.png");
    m_informationImageName =
        list ? QStringLiteral("information_n.png") : QStringLiteral("information_p.png");
    showImage(m_recordButton, m_recordImageName);
    showImage(m_informationButton, m_informationImageName);
    if (m_mapContainerView) {
        m_mapContainerView->setVisible(m_rightViewMode == 1);
    }
    if (m_mediaListScrollView) {
        m_mediaListScrollView->setVisible(m_rightViewMode == 0);
    }
    if (m_layoutMapContainer) {
        m_layoutMapContainer();
    }
}

void ZRVSidePanel::clickMediaListViewButton() {
    if (m_rightViewMode == 0) {
        return;
    }
    setRightViewMode(0);
}

void ZRVSidePanel::clickMapViewButton() {
    if (m_rightViewMode == 1) {
        return;
    }
    setRightViewMode(1);
}

void ZRVSidePanel::showImage(QAbstractButton* button, const QString& name) {
    if (button == nullptr) {
        return;
    }
    button->setChecked(name.endsWith(QLatin1String("_p.png")));
    button->setIcon(QIcon(TKImage::named(name)));
}
