#pragma once

#include "card/TKUSBDiskEntity.h"
#include "common/ZRVExecutor.h"
#include "settings/_FILEDATA.h"
#include "settings/ui/ZRVSettingPage.h"
#include "settings/ui/ZRVSettingWindowView.h"

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QWidget;
class ZRVMapWindowController;
class ZRVSettingLoadingSheet;
class ZRVVolumes;

// The settings window: finds the camera's card, reads its config.bin into
// the one live record, shows one page of it at a time under seven tabs, and
// saves the record back. Creating the controller already looks for the card
// and reads it; the window is built only when shown.
class ZRVSettingController : public QObject {
    Q_OBJECT

public:
    static constexpr int kTabCount = 7;
    static constexpr int kDriveInfoTab = 6;
    using PageFactory = std::function<ZRVSettingPage*(int index)>;
    using MapWindowSource = std::function<std::shared_ptr<ZRVMapWindowController>()>;

    struct Options {
        // The camera's card as a folder (zorva --card): no volume is looked
        // up or renamed, and config.bin there is written without a question.
        QString cardFolder;
        // Where the card is looked for otherwise; without it there is no card.
        std::shared_ptr<ZRVVolumes> volumes;
        // Where config.bin is read; the thread pool unless a test says.
        ZRVExecutor executor;
        // Asks the user for the file to save, starting in a folder (empty:
        // the documents folder); an empty answer cancels. A save dialog
        // unless a test answers.
        std::function<QString(QWidget* window, const QString& folder)> saveDialog;
        // Where copies of replaced files go; the user's data folder unless
        // a test says.
        QString backupFolder;
        // The disk utility; the one installed unless a test says. Empty
        // hides its button.
        std::optional<QString> diskUtility;
        // The page of a tab, or null for a tab without one; the pages of
        // createPage unless a test says.
        PageFactory pageFactory;
        // Opens the format window over the settings window, with the
        // backups folder for the card's config.bin, and hands it over to be
        // kept; without it the format button cannot be used.
        std::function<std::unique_ptr<QObject>(QWidget* window, const QString& backupFolder)>
            formatWindow;
        // The drive-record page's map window, kept by whoever opens the
        // settings window; without it the page makes one of its own.
        MapWindowSource mapWindow;
    };

    explicit ZRVSettingController(Options options, QWidget* opener = nullptr);
    ~ZRVSettingController() override;

    // Builds the window, centres it on the screen, reads the card again
    // under the loading sheet and then shows the first page.
    void showWindow();
    void onInitDIalog();

    bool findUSBVolume();
    bool loadSettingFile();
    bool loadSettingFile2();

    void changeViewController(int index);
    void clickFunctionSegmentedControl(int index);
    // The next or previous tab that has a page, round the row.
    void showNextPage(int step);
    bool populate();
    std::optional<QString> validateUserInput();

    // The sheet over the window while a file is read or written; it closes
    // at its next tick after hideLoading.
    void showLoading(const QString& text);
    void hideLoading();

    void onSave();
    void onSaveDefaultSetting();
    void onFormat();
    void onDiskUtil();
    void onCloseCmd();

    const _FILEDATA& fileData() const { return m_FileData; }
    const QString& settingFilePath() const { return m_SettingFilePath; }
    const std::optional<TKUSBDiskEntity>& selectedUSBDisk() const { return m_selectedUSBDisk; }
    int lastSelectedTabIndex() const { return m_lastSelectedTabIndex; }
    ZRVSettingPage* targetController() const { return m_targetController; }
    QDialog* window() const { return m_window; }
    const ZRVSettingWindowView& view() const { return m_view; }
    QObject* lastDialogController() const { return m_lastDialogController.get(); }

    // The page of each tab, made new.
    static ZRVSettingPage* createPage(int index, MapWindowSource mapWindow = {});
    // The drive-record page, made on its tab's first visit and kept, so its
    // records stay; it is given the card's record file.
    ZRVSettingPage* createDriveInfoController();

signals:
    // A page was put into the window.
    void pageChanged(int index);

private:
    void awakeFromNib();
    void readSettingFileInBackground(const QString& path);
    void finishLoading(const _FILEDATA& record, bool read);
    void updateTitle();
    bool tabHasPage(int index) const;
    void alert(const QString& messageText, const QString& informativeText,
               std::function<void()> didEnd = {});
    std::optional<TKUSBDiskEntity> preferredUSBDisk();
    void writeSettings(const QString& path, const std::string& cardLabel);

    Options m_options;
    QPointer<QWidget> m_opener;
    _FILEDATA m_FileData;
    // The record as the read left it: what the changes of a save are told
    // against when the target had no file of its own.
    _FILEDATA m_loadedFileData;
    QString m_strVersion;
    QString m_SettingFilePath;
    std::optional<TKUSBDiskEntity> m_selectedUSBDisk;
    int m_lastSelectedTabIndex = -1;
    QPointer<ZRVSettingPage> m_targetController;
    QPointer<ZRVSettingPage> m_driveInfoController;
    QPointer<QDialog> m_window;
    ZRVSettingWindowView m_view;
    ZRVSettingLoadingSheet* m_loadingSheet = nullptr;
    bool m_reading = false;
    std::unique_ptr<QObject> m_lastDialogController;
};
