#pragma once

#include "settings/ui/ZRVSettingController.h"

#include <QObject>
#include <QPointer>
#include <memory>

class QWidget;
class ZRVMapWindowController;
class ZRVVolumes;

// The windows the player window opens beside itself. The one opened last is
// kept until the next one is opened. The drive records' map window is made
// once and shown again by every settings window: each new one was a new web
// view with a graphics context of its own, and about 0.4 MB that the process
// kept after it closed.
class ZRVSecondaryWindows : public QObject {
    Q_OBJECT

public:
    // Without a card folder or volumes of its own, the settings window looks
    // for the card through UDisks2 on the system bus. The format window
    // always lists the USB volumes of UDisks2: a card folder is never
    // offered for formatting.
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
    // Opens the clock window, or brings forward the one still open.
    void showTimeSetupPanel();

    QObject* lastDialogController() const { return m_lastDialogController.get(); }

private:
    template <typename Controller> bool bringForward();

    ZRVSettingController::Options m_settings;
    QPointer<QWidget> m_playerWindow;
    std::shared_ptr<ZRVMapWindowController> m_mapWindow;
    std::unique_ptr<QObject> m_lastDialogController;
};
