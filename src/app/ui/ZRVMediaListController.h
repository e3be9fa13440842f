#pragma once

#include "recording/ZRVMediaListDelegate.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QWidget;
class ZRVMediaList;
class ZRVMediaListModel;
class ZRVMediaListView;

// The recording list panel: choosing a folder, and showing the catalogue once
// a scan of it has been published.
class ZRVMediaListController : public QObject, public ZRVMediaListDelegate {
    Q_OBJECT

public:
    // Asks the user for a folder; an empty string is a cancel.
    using FolderChooser = std::function<QString(QWidget* parent)>;

    ZRVMediaListController(ZRVMediaList& mediaList, ZRVMediaListView* tableView,
                           FolderChooser chooser = {}, QObject* parent = nullptr);
    ~ZRVMediaListController() override;

    void initMediaListTableView();
    void openMediaDirectoryDialog();
    void openDirectory(const QString& path);

    // Entered on the scan worker: the published snapshot is handed whole to
    // the interface thread and the reload queued there. The worker does not
    // wait, so a window that is closing cannot hold up the scan that calls in.
    void mediaListChanged(ZRVMediaList& list) override;

    ZRVMediaListModel* model() const { return m_model; }

signals:
    // Before the catalogue is pointed at a new folder: playback stops here.
    void directoryWillChange(const QString& path);
    // After the list shows the new rows.
    void mediaListReloaded();

private:
    ZRVMediaList& m_mediaList;
    QPointer<ZRVMediaListView> m_tableView;
    ZRVMediaListModel* m_model;
    FolderChooser m_chooser;
};
