#include "records/ui/ZRVDriveRecordTableModel.h"

#include "common/ui/ZRVLocalized.h"

// Rows go and come rather than the model being reset, so the columns keep
// the widths the table gave them.
void ZRVDriveRecordTableModel::setRecords(std::shared_ptr<const ZRVDriveRecordFile> records) {
    if (!m_shownRows.empty()) {
        beginRemoveRows({}, 0, int(m_shownRows.size()) - 1);
        m_shownRows.clear();
        endRemoveRows();
    }
    m_records = std::move(records);
    auto shown = m_records
                     ? m_records->rowsSortedBy(m_sortColumn, m_sortOrder == Qt::AscendingOrder)
                     : std::vector<long>{};
    if (!shown.empty()) {
        beginInsertRows({}, 0, int(shown.size()) - 1);
        m_shownRows = std::move(shown);
        endInsertRows();
    }
}

long ZRVDriveRecordTableModel::recordRow(int shownRow) const {
    return shownRow >= 0 && std::size_t(shownRow) < m_shownRows.size()
               ? m_shownRows[std::size_t(shownRow)]
               : -1;
}

int ZRVDriveRecordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_shownRows.size());
}

int ZRVDriveRecordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(ZRVDriveRecordFile::kColumnCount);
}

QVariant ZRVDriveRecordTableModel::data(const QModelIndex& index, int role) const {
    const long row = recordRow(index.row());
    if (row < 0) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(m_records->stringForColumnIndex(index.column(), row));
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant ZRVDriveRecordTableModel::headerData(int section, Qt::Orientation orientation,
                                              int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= int(kDriveRecordColumns.size())) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        const ZRVDriveRecordColumn& column = kDriveRecordColumns[std::size_t(section)];
        return QString::fromStdString(column.titleText(&ZRVDriveRecordTableModel::titleText));
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignCenter);
    }
    return {};
}

void ZRVDriveRecordTableModel::sort(int column, Qt::SortOrder order) {
    m_sortColumn = column;
    m_sortOrder = order;
    if (!m_records) {
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The selection and the current row stay on their records.
    const QModelIndexList before = persistentIndexList();
    std::vector<long> records;
    for (const QModelIndex& index : before) {
        records.push_back(recordRow(index.row()));
    }
    m_shownRows = m_records->rowsSortedBy(column, order == Qt::AscendingOrder);
    std::vector<int> shownRowOf(m_shownRows.size());
    for (std::size_t shown = 0; shown < m_shownRows.size(); ++shown) {
        shownRowOf[std::size_t(m_shownRows[shown])] = int(shown);
    }
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const long record = records[std::size_t(i)];
        after.append(record >= 0 ? index(shownRowOf[std::size_t(record)], before[i].column())
                                 : QModelIndex());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::string ZRVDriveRecordTableModel::titleText(std::string_view key) {
    return localized(std::string(key).c_str()).toStdString();
}
