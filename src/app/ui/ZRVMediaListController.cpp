#include "app/ui/ZRVMediaListController.h"

#include "app/ui/ZRVMediaListModel.h"
#include "app/ui/ZRVMediaListView.h"
#include "recording/ZRVMediaList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>

ZRVMediaListController::ZRVMediaListController(ZRVMediaList& mediaList, ZRVMediaListView* tableView,
                                               FolderChooser chooser, QObject* parent)
    : QObject(parent), m_mediaList(mediaList), m_tableView(tableView),
      m_model(new ZRVMediaListModel(this)), m_chooser(std::move(chooser)) {
    if (!m_chooser) {
        m_chooser = [](QWidget* parentWidget) {
            return QFileDialog::getExistingDirectory(
                parentWidget, QCoreApplication::translate("InfoPlist", "filelist.choose_folder"),
                QDir::homePath(), QFileDialog::ShowDirsOnly);
        };
    }
}

ZRVMediaListController::~ZRVMediaListController() {
    if (m_mediaList.delegate() == this) {
        m_mediaList.setDelegate(nullptr);
    }
}

void ZRVMediaListController::initMediaListTableView() {
    m_mediaList.setDelegate(this);
    if (!m_tableView) {
        return;
    }
    m_tableView->setModel(m_model);
    QHeaderView* header = m_tableView->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setStretchLastSection(true);
    header->resizeSection(0, 80);
    header->resizeSection(1, 66);
    header->resizeSection(2, 52);
    connect(m_tableView, &ZRVMediaListView::directoryDropped, this,
            &ZRVMediaListController::openDirectory);
}

void ZRVMediaListController::openMediaDirectoryDialog() {
    const QString path = m_chooser(m_tableView ? m_tableView->window() : nullptr);
    if (path.isEmpty()) {
        return;
    }
    openDirectory(path);
}

void ZRVMediaListController::openDirectory(const QString& path) {
    emit directoryWillChange(path);
    m_mediaList.setDirectoryPath(QDir(path).absolutePath().toStdString());
}

void ZRVMediaListController::mediaListChanged(ZRVMediaList& list) {
    QMetaObject::invokeMethod(
        this,
        [this, rows = list.snapshot()]() mutable {
            m_model->reload(std::move(rows));
            emit mediaListReloaded();
        },
        Qt::QueuedConnection);
}
