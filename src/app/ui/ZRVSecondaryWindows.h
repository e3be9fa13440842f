#pragma once

#include "settings/ui/ZRVSettingController.h"

#include <QObject>
#include <QPointer>
#include <memory>

class QWidget;

// The windows the player window opens beside itself. The one opened last is
// kept until the next one is opened.
class ZRVSecondaryWindows : public QObject {
    Q_OBJECT

public:
    // Without a card folder or volumes of its own, the settings window looks
    // for the card through UDisks2 on the system bus.
    ZRVSecondaryWindows(ZRVSettingController::Options settings, QWidget* playerWindow,
                        QObject* parent = nullptr);
    ~ZRVSecondaryWindows() override;

    // At start-up: a settings controller finds the camera's card as it is
    // made and gives the card the name the camera expects, so the card is
    // looked up once even when the settings are never opened.
    void lookUpCameraCard();
    // Opens the settings window, or brings forward the one still open rather
    // than dropping its unsaved changes.
    void showSettingPanel();

    QObject* lastDialogController() const { return m_lastDialogController.get(); }

private:
    ZRVSettingController::Options m_settings;
    QPointer<QWidget> m_playerWindow;
    std::unique_ptr<QObject> m_lastDialogController;
};
