#pragma once

#include "app/ui/ZRVPlayerWindowView.h"
#include "app/ui/ZRVScheduler.h"
#include "common/ZRVExecutor.h"
#include "settings/ui/ZRVSettingController.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class CustomWindow;
class QSettings;
class ZRVBusyIndicator;
class ZRVMediaList;
class ZRVMapView;
class ZRVMediaListController;
class ZRVMediaPlayer;
class ZRVPlayInfo;
class ZRVPlaybackController;
class ZRVPresentationController;
class ZRVSecondaryWindows;
class ZRVSidePanel;
class ZRVSnapshotController;
class ZRVStepKeeper;
class ZRVTelemetryDisplay;

// Owns the player window and everything in it, and wires the parts together.
// The parts themselves (layout, side panel, list, busy indicator, window
// rules) each live in a class of their own.
class ZRVAppDelegate : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kLastDirectoryKey = "lastMediaDirectory";
    static constexpr const char* kVisualizeConstraintsKey =
        "NSConstraintBasedLayoutVisualizeMutuallyExclusiveConstraints";

    struct Options {
        // Opened at launch instead of the folder remembered from last time.
        QString initialDirectory;
        ZRVExecutor executor;
        std::function<QString(QWidget*)> folderChooser;
        std::function<void(double, std::function<void()>)> busyScheduler;
        QStringList systemLanguages;
        // Makes the two players; libVLC unless a test gives fakes.
        std::function<ZRVMediaPlayer*(QObject* parent)> playerFactory;
        // Delayed actions of playback; timers unless a test moves time itself.
        ZRVScheduler playbackScheduler;
        // Keeps the second camera within a frame of the main one while both
        // play; off only for benchmarks that measure the seek rules alone.
        bool keepCamerasInStep = true;
        // Makes the map in the side panel; our web page unless a test gives
        // a recorder. It may make none: the panel then says there is no map.
        std::function<ZRVMapView*(QWidget* parent)> mapViewFactory;
        // Shows a warning on the window; a sheet-like message box by default.
        std::function<void(QWidget* window, const QString& message)> alert;
        // What the settings window works with: the card folder of --card, or
        // the volumes of UDisks2 on the system bus unless a test gives others.
        ZRVSettingController::Options settings;
    };

    explicit ZRVAppDelegate(Options options, QObject* parent = nullptr);
    ~ZRVAppDelegate() override;

    // Start-up, in this order.
    void awakeFromNib();
    void setupInitialValues();
    void applicationDidFinishLaunching();

    void layoutWindow();
    void layoutBodyBox();
    void layoutMapContainer();

    void toggleFullScreen();
    void closeWindow();

    QRect minWindowFrame() const;

    CustomWindow* window() const { return m_window.get(); }
    const ZRVPlayerWindowView& view() const { return m_view; }
    ZRVSidePanel* sidePanel() const { return m_sidePanel; }
    ZRVMediaListController* mediaListController() const { return m_mediaListController; }
    ZRVMediaList& mediaList() const { return *m_mediaList; }
    qint64 mediaIndex() const;
    void setMediaIndex(qint64 index);
    quint64 volume() const;
    ZRVMediaPlayer* player1() const { return m_player1; }
    ZRVMediaPlayer* player2() const { return m_player2; }
    ZRVPlayInfo* playInfo() const { return m_playInfo; }
    ZRVPlaybackController* playback() const { return m_playback; }
    ZRVPresentationController* presentation() const { return m_presentation; }
    ZRVTelemetryDisplay* telemetryDisplay() const { return m_telemetry; }
    ZRVMapView* mapWebView() const;
    ZRVSecondaryWindows* secondaryWindows() const { return m_secondaryWindows; }

    // Stops playback and lets go of both players, as quitting does.
    void die();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeBoxes();
    void disableControlsOfLaterParts();
    void createPlayers();
    void giveVideoWindows();
    void connectPlaybackControls();
    void showTelemetry();
    void directoryWillChange(const QString& path);
    std::unique_ptr<QSettings> userDefaults() const;

    Options m_options;
    std::unique_ptr<ZRVMediaList> m_mediaList;
    std::unique_ptr<CustomWindow> m_window;
    ZRVPlayerWindowView m_view;
    ZRVSidePanel* m_sidePanel = nullptr;
    ZRVBusyIndicator* m_busyIndicator = nullptr;
    ZRVMediaListController* m_mediaListController = nullptr;
    ZRVMediaPlayer* m_player1 = nullptr;
    ZRVMediaPlayer* m_player2 = nullptr;
    ZRVPlayInfo* m_playInfo = nullptr;
    ZRVPresentationController* m_presentation = nullptr;
    ZRVPlaybackController* m_playback = nullptr;
    ZRVSnapshotController* m_snapshot = nullptr;
    ZRVStepKeeper* m_stepKeeper = nullptr;
    ZRVTelemetryDisplay* m_telemetry = nullptr;
    ZRVSecondaryWindows* m_secondaryWindows = nullptr;
};
