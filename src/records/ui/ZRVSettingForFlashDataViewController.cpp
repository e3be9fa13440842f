#include "records/ui/ZRVSettingForFlashDataViewController.h"

#include "app/ui/ZRVMapWindowController.h"
#include "card/ui/ZRVAlertSheet.h"
#include "common/ui/ZRVLocalized.h"
#include "common/ui/ZRVLog.h"
#include "platform/ZRVMapView.h"
#include "records/ZRVDriveRecordFile.h"
#include "records/ui/ZRVDriveRecordTableModel.h"
#include "settings/ui/ZRVSettingController.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableView>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>
#include <map>

namespace {

constexpr int kSavedAlertDelayMs = 500;
// The camera's tools draw the table in an 11-point system font.
constexpr int kTableFontPixels = 11;

QPushButton* pageButton(QWidget* parent, const char* name, const char* key) {
    auto* button = new QPushButton(localized(key), parent);
    button->setObjectName(QLatin1String(name));
    // Return belongs to the alerts and to the table's rows.
    button->setAutoDefault(false);
    return button;
}

QString dateAndTime(const ZRVDriveRecordFile& records, long row) {
    return QString::fromStdString(records.stringForColumnIndex(2, row) + " " +
                                  records.stringForColumnIndex(3, row));
}

QString documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

ZRVSettingForFlashDataViewController::Options
withDefaults(ZRVSettingForFlashDataViewController::Options options) {
    if (!options.openDialog) {
        options.openDialog = [](QWidget* window) {
            return QFileDialog::getOpenFileName(window, QString(), documentsFolder(),
                                                QStringLiteral("*.drv"));
        };
    }
    if (!options.saveDialog) {
        options.saveDialog = [](QWidget* window) {
            QFileDialog dialog(window);
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setNameFilter(QStringLiteral("*.csv"));
            dialog.setDefaultSuffix(QStringLiteral("csv"));
            dialog.setDirectory(documentsFolder());
            dialog.selectFile(QStringLiteral("tavu_000"));
            return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
        };
    }
    if (!options.executor) {
        options.executor = [](std::function<void()> job) {
            QThreadPool::globalInstance()->start(std::move(job));
        };
    }
    if (!options.makeMapWindow) {
        options.makeMapWindow = [] { return std::make_shared<ZRVMapWindowController>(); };
    }
    return options;
}

// Runs on the user-interface thread, unless the page has gone by then.
template <typename Page, typename Action>
void onMainThread(const QPointer<Page>& page, Action action) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [page, action = std::move(action)]() mutable {
            if (page) {
                action(*page);
            }
        },
        Qt::QueuedConnection);
}

} // namespace

ZRVSettingForFlashDataViewController::ZRVSettingForFlashDataViewController(QWidget* parent)
    : ZRVSettingForFlashDataViewController(Options{}, parent) {}

ZRVSettingForFlashDataViewController::ZRVSettingForFlashDataViewController(Options options,
                                                                           QWidget* parent)
    : ZRVSettingPage("setting.information", parent), m_options(withDefaults(std::move(options))) {
    m_model = new ZRVDriveRecordTableModel(this);
    tableView = new QTableView(this);
    tableView->setObjectName(QStringLiteral("tableView"));
    QFont font = tableView->font();
    font.setPixelSize(kTableFontPixels);
    tableView->setFont(font);
    tableView->horizontalHeader()->setFont(font);
    tableView->setModel(m_model);
    tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView->setAlternatingRowColors(true);
    tableView->verticalHeader()->hide();
    tableView->verticalHeader()->setDefaultSectionSize(tableView->fontMetrics().height() + 6);
    QHeaderView* header = tableView->horizontalHeader();
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    // A title longer than its column widens it rather than being cut; the
    // sort mark needs room beside it.
    const int markRoom = 26;
    int width = 0;
    for (std::size_t column = 0; column < kDriveRecordColumns.size(); ++column) {
        const QString title = m_model->headerData(int(column), Qt::Horizontal).toString();
        const int columnWidth = std::max(kDriveRecordColumns[column].width,
                                         header->fontMetrics().horizontalAdvance(title) + markRoom);
        header->resizeSection(int(column), columnWidth);
        width += columnWidth;
    }
    tableView->setMinimumWidth(width + tableView->frameWidth() * 2 +
                               tableView->verticalScrollBar()->sizeHint().width());
    header->setSortIndicator(0, Qt::AscendingOrder);
    tableView->setSortingEnabled(true);
    connect(tableView, &QTableView::activated, this,
            [this](const QModelIndex& index) { doubleClickTableRow(index.row()); });

    openButton = pageButton(this, "openButton", "open");
    exportButton = pageButton(this, "exportButton", "export");
    connect(openButton, &QPushButton::clicked, this,
            &ZRVSettingForFlashDataViewController::openFileDialog);
    connect(exportButton, &QPushButton::clicked, this,
            &ZRVSettingForFlashDataViewController::onSaveCSVFile);
    statusField = new QLabel(this);
    statusField->setObjectName(QStringLiteral("statusField"));

    auto* commands = new QHBoxLayout;
    commands->setSpacing(8);
    commands->addWidget(statusField, 1);
    commands->addWidget(openButton);
    commands->addWidget(exportButton);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    column->addWidget(tableView, 1);
    column->addLayout(commands);
    updateStatus();
}

ZRVSettingForFlashDataViewController::~ZRVSettingForFlashDataViewController() = default;

void ZRVSettingForFlashDataViewController::displayFileData() {
    if (fileData() == nullptr || !m_firstLoad) {
        return;
    }
    m_firstLoad = false;
    if (!m_FlashDataFilePath.isEmpty() && QFileInfo::exists(m_FlashDataFilePath)) {
        loadFlashDataFile();
    } else {
        showAlertSheet(window(), QStringLiteral("Alarm"), localized("setting.flashdata.warning"));
    }
}

// Nothing on this page goes into the settings record.
bool ZRVSettingForFlashDataViewController::populate() {
    return true;
}

void ZRVSettingForFlashDataViewController::onHide() {
    releaseMapWindow();
}

void ZRVSettingForFlashDataViewController::releaseMapWindow() {
    if (m_mapWindowController) {
        m_mapWindowController->hideWindow();
        m_mapWindowController.reset();
    }
}

void ZRVSettingForFlashDataViewController::showLoading(const QString& text) {
    if (ZRVSettingController* main = mainController()) {
        main->showLoading(text);
    }
}

void ZRVSettingForFlashDataViewController::hideLoading() {
    if (ZRVSettingController* main = mainController()) {
        main->hideLoading();
    }
}

void ZRVSettingForFlashDataViewController::openFileDialog() {
    releaseMapWindow();
    const QString path = m_options.openDialog(window());
    if (path.isEmpty()) {
        return;
    }
    m_FlashDataFilePath = path;
    loadFlashDataFile();
}

void ZRVSettingForFlashDataViewController::loadFlashDataFile() {
    if (m_FlashDataFilePath.isEmpty()) {
        return;
    }
    showLoading(QStringLiteral("Loading..."));
    const int generation = ++m_readGeneration;
    m_options.executor([page = QPointer(this), generation, path = m_FlashDataFilePath] {
        auto records = std::make_shared<ZRVDriveRecordFile>();
        const auto failure = records->readFile(path.toStdString());
        onMainThread(page,
                     [generation, records = std::shared_ptr<const ZRVDriveRecordFile>(records),
                      failure, path](ZRVSettingForFlashDataViewController& shown) {
                         shown.finishLoading(generation, records, failure, path);
                     });
    });
}

void ZRVSettingForFlashDataViewController::finishLoading(
    int generation, std::shared_ptr<const ZRVDriveRecordFile> records,
    const std::optional<std::string>& failure, const QString& path) {
    if (generation != m_readGeneration) {
        return;
    }
    hideLoading();
    if (failure) {
        qCWarning(zorvaSettings).noquote() << QStringLiteral("fopen fail:%1").arg(path);
        qCInfo(zorvaSettings).noquote() << QString::fromStdString(*failure);
        // The records shown before stay; the user is told why nothing changed.
        showAlertSheet(window(), QStringLiteral("ZORVA"), localized("msg.file_open_fail"));
    } else {
        if (const auto shortfall = records->shortfallMessage()) {
            qCWarning(zorvaSettings).noquote()
                << QStringLiteral("%1: %2").arg(path, QString::fromStdString(*shortfall));
        }
        m_model->setRecords(std::move(records));
        updateStatus();
    }
    emit recordsLoaded();
}

void ZRVSettingForFlashDataViewController::updateStatus() {
    const auto& records = m_model->records();
    const long count = records ? records->numberOfRows() : 0;
    if (count == 0) {
        statusField->setText(records ? localizedNumber("setting.flashdata.record_count_fmt", 0)
                                     : QString());
        return;
    }
    const QString counted = count == 1
                                ? localized("setting.flashdata.record_count_one")
                                : localizedNumber("setting.flashdata.record_count_fmt", int(count));
    statusField->setText(
        QStringLiteral("%1, %2 \u2026 %3")
            .arg(counted, dateAndTime(*records, 0), dateAndTime(*records, count - 1)));
}

void ZRVSettingForFlashDataViewController::onSaveCSVFile() {
    releaseMapWindow();
    if (m_model->rowCount() == 0) {
        return;
    }
    const QString path = m_options.saveDialog(window());
    if (path.isEmpty()) {
        return;
    }
    showLoading(QStringLiteral("Saving..."));
    // The titles as shown, looked up here rather than on the worker.
    std::map<std::string, std::string, std::less<>> titles;
    for (const ZRVDriveRecordColumn& column : kDriveRecordColumns) {
        titles.emplace(column.title, ZRVDriveRecordTableModel::titleText(column.title));
    }
    m_options.executor([page = QPointer(this), records = m_model->records(),
                        rows = m_model->shownRows(), titles = std::move(titles),
                        path = path.toStdString()] {
        const auto failure = records->writeCSVFile(
            path, [&titles](std::string_view key) { return titles.find(key)->second; }, rows);
        onMainThread(page, [failure](ZRVSettingForFlashDataViewController& shown) {
            shown.finishSaving(failure);
        });
    });
}

void ZRVSettingForFlashDataViewController::finishSaving(const std::optional<std::string>& failure) {
    hideLoading();
    // A failed export is said as such rather than as saved.
    const QString text = failure ? localized("msg.export_fail") + QStringLiteral("\n\n") +
                                       QString::fromStdString(*failure)
                                 : localized("msg.saved");
    QTimer::singleShot(kSavedAlertDelayMs, this,
                       [this, text] { showAlertSheet(window(), QStringLiteral("ZORVA"), text); });
}

void ZRVSettingForFlashDataViewController::doubleClickTableRow(int shownRow) {
    qCInfo(zorvaSettings).noquote() << QStringLiteral("rowNum=%1").arg(shownRow);
    const long row = m_model->recordRow(shownRow);
    if (row < 0) {
        return;
    }
    const auto position = m_model->records()->mapPositionOfRow(row);
    if (m_mapWindowController) {
        m_mapWindowController->showWindow();
    } else {
        m_mapWindowController = m_options.makeMapWindow();
        m_mapWindowController->showWindow();
        m_mapWindowController->moveWindowRightBy(window()->frameGeometry());
    }
    if (position) {
        m_mapWindowController->updateMapLat(position->latitude, position->longitude);
    }
}
