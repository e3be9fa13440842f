#pragma once

#include "common/ZRVExecutor.h"
#include "settings/ui/ZRVSettingPage.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QLabel;
class QPushButton;
class QTableView;
class ZRVDriveRecordFile;
class ZRVDriveRecordTableModel;
class ZRVMapWindowController;

// The drive-record page of the settings window: the camera's driving records
// in a table that sorts by any column, their export as comma-separated text,
// and the position of a record on a map window beside the settings window
// when its row is double-clicked. The window makes it once and keeps it, so
// the records stay between visits.
class ZRVSettingForFlashDataViewController : public ZRVSettingPage {
    Q_OBJECT

public:
    struct Options {
        // The record file to open, or an empty text for "*.drv"; a dialog
        // unless a test answers.
        std::function<QString(QWidget* window)> openDialog;
        // Where to export, or an empty text; a dialog proposing "tavu_000"
        // of type "csv" unless a test answers.
        std::function<QString(QWidget* window)> saveDialog;
        // Where files are read and written; the thread pool unless a test says.
        ZRVExecutor executor;
        // The map window, shared with whoever keeps it for the next time:
        // a new one with our web page unless the settings window or a test
        // says.
        std::function<std::shared_ptr<ZRVMapWindowController>()> makeMapWindow;
    };

    explicit ZRVSettingForFlashDataViewController(QWidget* parent = nullptr);
    explicit ZRVSettingForFlashDataViewController(Options options, QWidget* parent = nullptr);
    ~ZRVSettingForFlashDataViewController() override;

    // The card's record file, read when the page is first shown.
    void setFlashDataFilePath(const QString& path) { m_FlashDataFilePath = path; }
    const QString& flashDataFilePath() const { return m_FlashDataFilePath; }

    // The first time the window's record arrives: reads the record file, or
    // says the card has none.
    void displayFileData() override;
    bool populate() override;
    void onHide() override;

    void openFileDialog();
    void loadFlashDataFile();
    void onSaveCSVFile();
    // The row as the table shows it.
    void doubleClickTableRow(int shownRow);

    ZRVMapWindowController* mapWindowController() const { return m_mapWindowController.get(); }
    ZRVDriveRecordTableModel* model() const { return m_model; }

    QPushButton* openButton = nullptr;
    QPushButton* exportButton = nullptr;
    QTableView* tableView = nullptr;
    // "N records, first … last" under the table.
    QLabel* statusField = nullptr;

signals:
    // A read has ended and the table shows what it gave.
    void recordsLoaded();

private:
    void finishLoading(int generation, std::shared_ptr<const ZRVDriveRecordFile> records,
                       const std::optional<std::string>& failure, const QString& path);
    void finishSaving(const std::optional<std::string>& failure);
    void updateStatus();
    void showLoading(const QString& text);
    void hideLoading();
    // Hides the map window and lets go of it.
    void releaseMapWindow();

    Options m_options;
    bool m_firstLoad = true;
    QString m_FlashDataFilePath;
    ZRVDriveRecordTableModel* m_model = nullptr;
    std::shared_ptr<ZRVMapWindowController> m_mapWindowController;
    // Of two reads in quick succession only the later one is shown.
    int m_readGeneration = 0;
};
