#pragma once

#include "records/ZRVDriveRecordFile.h"

#include <QAbstractTableModel>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The driving records as the table shows them: one row a record, the cell
// texts of the file's columns, in the order of the column the user sorted
// by. A shown row and the record it shows are kept apart, so whatever acts on
// a row acts on that record.
class ZRVDriveRecordTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows a whole new file, in the order chosen last.
    void setRecords(std::shared_ptr<const ZRVDriveRecordFile> records);
    const std::shared_ptr<const ZRVDriveRecordFile>& records() const { return m_records; }

    // The record of a shown row, -1 outside the table.
    long recordRow(int shownRow) const;
    // The records from the top of the table down.
    const std::vector<long>& shownRows() const { return m_shownRows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // A column title's shown text.
    static std::string titleText(std::string_view key);

private:
    std::shared_ptr<const ZRVDriveRecordFile> m_records;
    std::vector<long> m_shownRows;
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
