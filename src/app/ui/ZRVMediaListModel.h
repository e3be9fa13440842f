#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <string>

class ZRVMedia;
class ZRVMediaListSnapshot;

// The rows of the recording list: a complete catalogue snapshot, replaced as
// a whole when a scan has published a new one. The row of the recording that
// plays is marked, and so is a recording found cut short once it was opened;
// both are found by file, so the marks follow them into a reload.
class ZRVMediaListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The image name of a cell, for readers that need the name rather than
    // the picture.
    static constexpr int ImageNameRole = Qt::UserRole + 1;
    static constexpr int IdentifierRole = Qt::UserRole + 2;
    // The file a row shows, whichever column.
    static constexpr int PathRole = Qt::UserRole + 3;

    explicit ZRVMediaListModel(QObject* parent = nullptr);

    void reload(std::shared_ptr<const ZRVMediaListSnapshot> rows);
    // The rows as shown; never null.
    const std::shared_ptr<const ZRVMediaListSnapshot>& rows() const { return m_rows; }
    std::shared_ptr<const ZRVMedia> mediaAtRow(int row) const;
    // Empty marks no row.
    void setPlayingPath(const QString& path);
    void markCutShort(const QString& path, qint64 recoveredRecords);
    const QStringList& columnNames() const { return m_columnNames; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void markChanged(const std::string& path);

    std::shared_ptr<const ZRVMediaListSnapshot> m_rows;
    std::string m_playingPath;
    std::map<std::string, qint64> m_cutShort;
    QStringList m_columnNames;
};
