#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <memory>
#include <vector>

class ZRVMedia;

// The rows of the recording list: a complete catalogue snapshot, replaced as
// a whole when a scan has published a new one.
class ZRVMediaListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The image name of a cell, for readers that need the name rather than
    // the picture.
    static constexpr int ImageNameRole = Qt::UserRole + 1;
    static constexpr int IdentifierRole = Qt::UserRole + 2;

    explicit ZRVMediaListModel(QObject* parent = nullptr);

    void reload(std::vector<std::shared_ptr<const ZRVMedia>> medias);
    std::shared_ptr<const ZRVMedia> mediaAtRow(int row) const;
    const QStringList& columnNames() const { return m_columnNames; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<std::shared_ptr<const ZRVMedia>> m_medias;
    QStringList m_columnNames;
};
