#pragma once

#include "app/ZRVPlayerWindowView.h"
#include "recording/ZRVExecutor.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class CustomWindow;
class QSettings;
class ZRVBusyIndicator;
class ZRVMediaList;
class ZRVMediaListController;
class ZRVSidePanel;

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
    };

    explicit ZRVAppDelegate(Options options = {}, QObject* parent = nullptr);
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
    ZRVBusyIndicator* busyIndicator() const { return m_busyIndicator; }
    ZRVMediaListController* mediaListController() const { return m_mediaListController; }
    ZRVMediaList& mediaList() const { return *m_mediaList; }
    qint64 mediaIndex() const { return m_mediaIndex; }
    void setMediaIndex(qint64 index) { m_mediaIndex = index; }
    quint64 volume() const { return m_volume; }

private:
    void placeBoxes();
    void disableControlsOfLaterParts();
    void directoryWillChange(const QString& path);
    std::unique_ptr<QSettings> userDefaults() const;

    Options m_options;
    qint64 m_mediaIndex = -1;
    quint64 m_volume = 70;
    std::unique_ptr<ZRVMediaList> m_mediaList;
    std::unique_ptr<CustomWindow> m_window;
    ZRVPlayerWindowView m_view;
    ZRVSidePanel* m_sidePanel = nullptr;
    ZRVBusyIndicator* m_busyIndicator = nullptr;
    ZRVMediaListController* m_mediaListController = nullptr;
};
