#include "app/ui/ZRVSecondaryWindows.h"

#include "app/ui/ZRVMapWindowController.h"
#include "card/ui/ZRVFormatWindowController.h"
#include "card/ui/ZRVTimeSetupController.h"
#include "platform/ZRVMapView.h"
#include "platform/ZRVPkexecRunner.h"
#include "platform/ZRVUDisks2Mounter.h"
#include "platform/ZRVUDisks2Volumes.h"

ZRVSecondaryWindows::ZRVSecondaryWindows(ZRVSettingController::Options settings,
                                         QWidget* playerWindow, QObject* parent)
    : QObject(parent), m_settings(std::move(settings)), m_playerWindow(playerWindow) {
    if (m_settings.cardFolder.isEmpty() && !m_settings.volumes) {
        m_settings.volumes = std::make_shared<ZRVUDisks2Volumes>();
    }
    if (!m_settings.mapWindow) {
        m_settings.mapWindow = [this] {
            if (!m_mapWindow) {
                m_mapWindow = std::make_shared<ZRVMapWindowController>();
            }
            return m_mapWindow;
        };
    }
    if (!m_settings.formatWindow) {
        std::shared_ptr<ZRVVolumes> volumes = m_settings.volumes;
        if (!volumes) {
            volumes = std::make_shared<ZRVUDisks2Volumes>();
        }
        m_settings.formatWindow = [volumes](QWidget* window, const QString& backupFolder) {
            ZRVFormatWindowController::Options options;
            options.parts = {volumes, std::make_shared<ZRVUDisks2Mounter>(),
                             std::make_shared<ZRVPkexecRunner>(), backupFolder.toStdString()};
            auto controller = std::make_unique<ZRVFormatWindowController>(options, window);
            controller->showWindow();
            return std::unique_ptr<QObject>(std::move(controller));
        };
    }
}

ZRVSecondaryWindows::~ZRVSecondaryWindows() = default;

void ZRVSecondaryWindows::lookUpCameraCard() {
    const ZRVSettingController lookUp(m_settings);
}

template <typename Controller> bool ZRVSecondaryWindows::bringForward() {
    auto* open = qobject_cast<Controller*>(m_lastDialogController.get());
    if (open != nullptr && open->window() != nullptr && open->window()->isVisible()) {
        open->showWindow();
        return true;
    }
    return false;
}

void ZRVSecondaryWindows::showSettingPanel() {
    if (bringForward<ZRVSettingController>()) {
        return;
    }
    auto controller = std::make_unique<ZRVSettingController>(m_settings, m_playerWindow);
    controller->showWindow();
    m_lastDialogController = std::move(controller);
}

void ZRVSecondaryWindows::showTimeSetupPanel() {
    if (bringForward<ZRVTimeSetupController>()) {
        return;
    }
    ZRVTimeSetupController::Options options;
    options.cardFolder = m_settings.cardFolder;
    options.volumes = m_settings.volumes;
    auto controller = std::make_unique<ZRVTimeSetupController>(options, m_playerWindow);
    controller->showWindow();
    m_lastDialogController = std::move(controller);
}
