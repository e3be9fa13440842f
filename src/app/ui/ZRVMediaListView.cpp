#include "app/ui/ZRVMediaListView.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMimeData>
#include <QUrl>

ZRVMediaListView::ZRVMediaListView(QWidget* parent) : QTableView(parent) {
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideMiddle);
    setIconSize({22, 13});
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setHighlightSections(false);
}

QString ZRVMediaListView::droppedDirectory(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasUrls()) {
        return {};
    }
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isDir()) {
            return url.toLocalFile();
        }
    }
    return {};
}

void ZRVMediaListView::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedDirectory(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void ZRVMediaListView::dragMoveEvent(QDragMoveEvent* event) {
    if (droppedDirectory(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void ZRVMediaListView::dropEvent(QDropEvent* event) {
    const QString directory = droppedDirectory(event->mimeData());
    if (directory.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit directoryDropped(directory);
}
