#include "app/ui/ZRVSecondaryWindows.h"

#include "platform/ZRVUDisks2Volumes.h"

ZRVSecondaryWindows::ZRVSecondaryWindows(ZRVSettingController::Options settings,
                                         QWidget* playerWindow, QObject* parent)
    : QObject(parent), m_settings(std::move(settings)), m_playerWindow(playerWindow) {
    if (m_settings.cardFolder.isEmpty() && !m_settings.volumes) {
        m_settings.volumes = std::make_shared<ZRVUDisks2Volumes>();
    }
}

ZRVSecondaryWindows::~ZRVSecondaryWindows() = default;

void ZRVSecondaryWindows::lookUpCameraCard() {
    const ZRVSettingController lookUp(m_settings);
}

void ZRVSecondaryWindows::showSettingPanel() {
    auto* open = qobject_cast<ZRVSettingController*>(m_lastDialogController.get());
    if (open != nullptr && open->window() != nullptr && open->window()->isVisible()) {
        open->showWindow();
        return;
    }
    auto controller = std::make_unique<ZRVSettingController>(m_settings, m_playerWindow);
    controller->showWindow();
    m_lastDialogController = std::move(controller);
}
