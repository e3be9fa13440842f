#pragma once

#include <QTableView>

// The recording list's table. A folder dropped on it is offered for opening;
// other drops are refused.
class ZRVMediaListView : public QTableView {
    Q_OBJECT

public:
    explicit ZRVMediaListView(QWidget* parent = nullptr);

    // The first local folder among dropped URLs, or an empty string.
    static QString droppedDirectory(const QMimeData* mime);

signals:
    void directoryDropped(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
