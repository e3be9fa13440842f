#include "app/ui/ZRVMediaListModel.h"

#include "controls/TKImage.h"
#include "recording/ZRVMedia.h"
#include "recording/ZRVMediaListCell.h"
#include "recording/ZRVMediaListSnapshot.h"

#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <optional>
#include <utility>

namespace {

Qt::Alignment alignmentOf(ZRVMediaListCell::Alignment alignment) {
    return alignment == ZRVMediaListCell::Alignment::left ? Qt::AlignLeft | Qt::AlignVCenter
                                                          : Qt::AlignCenter;
}

QString fromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

ZRVMediaListModel::ZRVMediaListModel(QObject* parent)
    : QAbstractTableModel(parent), m_rows(std::make_shared<ZRVMediaListSnapshot>()) {
    for (const auto& column : ZRVMediaListCell::columns()) {
        m_columnNames << QCoreApplication::translate("InfoPlist",
                                                     std::string(column.titleKey).c_str());
    }
}

void ZRVMediaListModel::reload(std::shared_ptr<const ZRVMediaListSnapshot> rows) {
    beginResetModel();
    m_rows = rows ? std::move(rows) : std::make_shared<ZRVMediaListSnapshot>();
    endResetModel();
}

std::shared_ptr<const ZRVMedia> ZRVMediaListModel::mediaAtRow(int row) const {
    return row < 0 ? nullptr : m_rows->mediaAtIndex(std::size_t(row));
}

void ZRVMediaListModel::setPlayingPath(const QString& path) {
    std::string playing = QFile::encodeName(path).toStdString();
    if (playing == m_playingPath) {
        return;
    }
    const std::string previous = std::exchange(m_playingPath, std::move(playing));
    markChanged(previous);
    markChanged(m_playingPath);
}

void ZRVMediaListModel::markCutShort(const QString& path, qint64 recoveredRecords) {
    const std::string file = QFile::encodeName(path).toStdString();
    m_cutShort[file] = recoveredRecords;
    markChanged(file);
}

void ZRVMediaListModel::markChanged(const std::string& path) {
    if (const auto row = path.empty() ? std::nullopt : m_rows->indexOfPath(path)) {
        emit dataChanged(index(int(*row), 0), index(int(*row), columnCount() - 1),
                         {Qt::FontRole, Qt::DecorationRole, Qt::ForegroundRole, Qt::ToolTipRole});
    }
}

int ZRVMediaListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows->count());
}

int ZRVMediaListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(ZRVMediaListCell::columns().size());
}

QVariant ZRVMediaListModel::data(const QModelIndex& index, int role) const {
    const auto media = mediaAtRow(index.row());
    const auto& columns = ZRVMediaListCell::columns();
    if (media == nullptr || index.column() < 0 || std::size_t(index.column()) >= columns.size()) {
        return {};
    }
    const auto& column = columns[std::size_t(index.column())];
    const bool playing = !m_playingPath.empty() && media->path() == m_playingPath;
    const auto cutShort = m_cutShort.find(media->path());
    switch (role) {
    case Qt::DisplayRole: {
        const ZRVMediaListCell cell = ZRVMediaListCell::forColumn(*media, column.identifier);
        if (!cell.textKey.empty()) {
            return QCoreApplication::translate("InfoPlist", cell.textKey.c_str());
        }
        return QString::fromStdString(cell.text);
    }
    case Qt::DecorationRole: {
        const ZRVMediaListCell cell = ZRVMediaListCell::forColumn(*media, column.identifier);
        std::string imageName = cell.imageName;
        if (column.identifier == "file" && (playing || cutShort != m_cutShort.end())) {
            imageName = playing ? "list_playing" : "list_cut_short";
        }
        if (imageName.empty()) {
            return {};
        }
        const QPixmap image = TKImage::named(QString::fromStdString(imageName));
        // As an icon, so the view draws it at its icon size whatever the
        // image's own size.
        return image.isNull() ? QVariant() : QVariant(QIcon(image));
    }
    case Qt::ForegroundRole:
        // Cut short stays visible while the row plays and its play mark
        // takes the place of the warning.
        if (cutShort != m_cutShort.end() && column.identifier == "file") {
            return QColor(QStringLiteral("#f5a623"));
        }
        return {};
    case Qt::ToolTipRole:
        if (cutShort != m_cutShort.end()) {
            return QCoreApplication::translate("InfoPlist", "list.cut_short").arg(cutShort->second);
        }
        return {};
    case ImageNameRole:
        return QString::fromStdString(
            ZRVMediaListCell::forColumn(*media, column.identifier).imageName);
    case IdentifierRole:
        return fromStd(column.identifier);
    case PathRole:
        return QFile::decodeName(QByteArray::fromStdString(media->path()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(column.alignment));
    case Qt::FontRole: {
        // Eleven pixels, narrowed where the font allows it, so a full file
        // name fits the 334-point column.
        QFont font;
        font.setPixelSize(11);
        font.setStretch(QFont::Condensed);
        font.setBold(playing);
        return font;
    }
    default:
        return {};
    }
}

QVariant ZRVMediaListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columnNames.size()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const auto& column = ZRVMediaListCell::columns()[std::size_t(section)];
    switch (role) {
    case Qt::DisplayRole:
        return m_columnNames[section];
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(column.alignment));
    case IdentifierRole:
        return fromStd(column.identifier);
    default:
        return QAbstractTableModel::headerData(section, orientation, role);
    }
}
