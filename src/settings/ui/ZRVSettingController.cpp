#include "settings/ui/ZRVSettingController.h"

#include "ZorvaVersion.h"
#include "card/CameraCardLookup.h"
#include "card/PreferredUSBDisk.h"
#include "card/ui/ZRVAlertSheet.h"
#include "common/ui/ZRVLocalized.h"
#include "common/ui/ZRVLog.h"
#include "common/ui/ZRVWindowPlacement.h"
#include "controls/TKSegmentedControl.h"
#include "platform/ZRVDiskUtility.h"
#include "platform/ZRVVolumes.h"
#include "records/ui/ZRVSettingForFlashDataViewController.h"
#include "settings/SettingFile.h"
#include "settings/SettingFileSave.h"
#include "settings/SettingSaveTarget.h"
#include "settings/TimeZoneTable.h"
#include "settings/ui/ZRVSettingForAudioViewController.h"
#include "settings/ui/ZRVSettingForAuxViewController.h"
#include "settings/ui/ZRVSettingForBasicViewController.h"
#include "settings/ui/ZRVSettingForGpsViewController.h"
#include "settings/ui/ZRVSettingForMotionViewController.h"
#include "settings/ui/ZRVSettingForVideoViewController.h"
#include "settings/ui/ZRVSettingLoadingSheet.h"
#include "settings/ui/ZRVSettingSavedText.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QThreadPool>
#include <chrono>

namespace {

constexpr auto kSettingFileName = "config.bin";

} // namespace

ZRVSettingController::ZRVSettingController(Options options, QWidget* opener)
    : m_options(std::move(options)), m_opener(opener) {
    if (!m_options.executor) {
        m_options.executor = [](std::function<void()> job) {
            QThreadPool::globalInstance()->start(std::move(job));
        };
    }
    if (!m_options.saveDialog) {
        m_options.saveDialog = [](QWidget* window, const QString& folder) {
            const QString start =
                folder.isEmpty()
                    ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                    : folder;
            return QFileDialog::getSaveFileName(window, QStringLiteral("Save Settings"),
                                                QDir(start).filePath(kSettingFileName));
        };
    }
    if (m_options.backupFolder.isEmpty()) {
        m_options.backupFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                 QStringLiteral("/backups");
    }
    if (!m_options.diskUtility) {
        m_options.diskUtility = ZRVDiskUtility::program();
    }
    if (!m_options.pageFactory) {
        m_options.pageFactory = [mapWindow = m_options.mapWindow](int index) {
            return createPage(index, mapWindow);
        };
    }
    fillDefaultSettings(m_FileData);
    m_loadedFileData = m_FileData;
    loadSettingFile2();
}

ZRVSettingController::~ZRVSettingController() {
    delete m_window.data();
}

ZRVSettingPage* ZRVSettingController::createPage(int index, MapWindowSource mapWindow) {
    switch (index) {
    case 0:
        return new ZRVSettingForVideoViewController;
    case 1:
        return new ZRVSettingForBasicViewController;
    case 2:
        return new ZRVSettingForGpsViewController;
    case 3:
        return new ZRVSettingForAuxViewController;
    case 4:
        return new ZRVSettingForMotionViewController;
    case 5:
        return new ZRVSettingForAudioViewController;
    case kDriveInfoTab: {
        ZRVSettingForFlashDataViewController::Options options;
        options.makeMapWindow = std::move(mapWindow);
        return new ZRVSettingForFlashDataViewController(std::move(options));
    }
    default:
        return nullptr;
    }
}

ZRVSettingPage* ZRVSettingController::createDriveInfoController() {
    if (m_driveInfoController == nullptr) {
        m_driveInfoController = m_options.pageFactory(kDriveInfoTab);
        auto* page = qobject_cast<ZRVSettingForFlashDataViewController*>(m_driveInfoController);
        const QString card = !m_options.cardFolder.isEmpty() ? m_options.cardFolder
                             : m_selectedUSBDisk && m_selectedUSBDisk->mountedURL()
                                 ? QString::fromStdString(m_selectedUSBDisk->mountedURL()->string())
                                 : QString();
        const QString records = QDir(card).filePath(QStringLiteral("DrvInfo/tavu_000.drv"));
        if (page != nullptr && !card.isEmpty() && QFileInfo::exists(records)) {
            page->setFlashDataFilePath(records);
        }
    }
    return m_driveInfoController;
}

bool ZRVSettingController::findUSBVolume() {
    if (!m_options.cardFolder.isEmpty()) {
        m_selectedUSBDisk.reset();
        const QString path = QDir(m_options.cardFolder).filePath(kSettingFileName);
        m_SettingFilePath = holdsSettingRecord(path.toStdString()) ? path : QString();
        return !m_SettingFilePath.isEmpty();
    }
    if (!m_options.volumes) {
        return false;
    }
    ZRVVolumes& volumes = *m_options.volumes;
    auto found = findCameraCard(
        {.usbDiskEntities = [&volumes] { return volumes.usbDiskEntities(); },
         .renameToCameraName =
             [&volumes](const TKUSBDiskEntity& disk) {
                 const auto error = volumes.renameVolume(
                     disk, QString::fromUtf8(kCameraVolumeName.data(), kCameraVolumeName.size()),
                     ZRVVolumes::Interaction::none);
                 return error ? std::optional(error->toStdString()) : std::nullopt;
             }});
    if (!found.volumesFound) {
        return false;
    }
    m_SettingFilePath = found.card ? QString::fromStdString(found.settingFile.string()) : QString();
    m_selectedUSBDisk = std::move(found.card);
    return m_selectedUSBDisk.has_value();
}

bool ZRVSettingController::loadSettingFile2() {
    findUSBVolume();
    if (m_SettingFilePath.isEmpty() ||
        !readSettingFile(m_SettingFilePath.toStdString(), m_FileData)) {
        return false;
    }
    m_loadedFileData = m_FileData;
    return true;
}

bool ZRVSettingController::loadSettingFile() {
    findUSBVolume();
    if (m_SettingFilePath.isEmpty() || !QFileInfo::exists(m_SettingFilePath)) {
        return false;
    }
    showLoading(QStringLiteral("Loading..."));
    readSettingFileInBackground(m_SettingFilePath);
    return true;
}

// The record is read into a copy and handed over whole: no page sees it
// half-read, and none is shown before it arrives.
void ZRVSettingController::readSettingFileInBackground(const QString& path) {
    m_reading = true;
    QPointer<ZRVSettingController> self(this);
    m_options.executor([self, path = path.toStdString(), record = m_FileData]() mutable {
        const bool read = readSettingFile(path, record);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, record, read] {
                if (self) {
                    self->finishLoading(record, read);
                }
            },
            Qt::QueuedConnection);
    });
}

void ZRVSettingController::finishLoading(const _FILEDATA& record, bool read) {
    m_reading = false;
    hideLoading();
    if (read) {
        m_FileData = record;
        m_loadedFileData = record;
    } else {
        m_SettingFilePath.clear();
        m_selectedUSBDisk.reset();
        updateTitle();
        alert(QStringLiteral("TAVU"), localized("msg.file_open_fail"));
    }
    changeViewController(0);
    if (read && record.checksum != computeSettingChecksum(record)) {
        alert(QStringLiteral("Warning"), localized("msg.config_damaged"));
    }
}

void ZRVSettingController::showWindow() {
    if (m_window != nullptr) {
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    awakeFromNib();
    ZRVWindowPlacement::centreOnOpenersScreen(m_window, m_opener);
    m_window->show();
    onInitDIalog();
}

void ZRVSettingController::awakeFromNib() {
    m_lastSelectedTabIndex = -1;
    m_window = new QDialog(m_opener);
    m_view.setupUi(m_window);
    m_loadingSheet = new ZRVSettingLoadingSheet(m_window);

    m_view.fitPages([this](int index) -> QWidget* { return m_options.pageFactory(index); });

    connect(m_view.functionSegmentedControl, &TKSegmentedControl::activated, this,
            &ZRVSettingController::clickFunctionSegmentedControl);
    connect(m_view.saveButton, &QPushButton::clicked, this, &ZRVSettingController::onSave);
    connect(m_view.resetButton, &QPushButton::clicked, this,
            &ZRVSettingController::onSaveDefaultSetting);
    connect(m_view.cancelButton, &QPushButton::clicked, this, &ZRVSettingController::onCloseCmd);
    connect(m_view.diskUtilButton, &QPushButton::clicked, this, &ZRVSettingController::onDiskUtil);
    connect(m_view.sdcardFormatButton, &QPushButton::clicked, this,
            &ZRVSettingController::onFormat);
    m_view.sdcardFormatButton->setEnabled(bool(m_options.formatWindow));
    m_view.diskUtilButton->setVisible(!m_options.diskUtility->isEmpty());

    const auto onKeys = [this](QKeySequence keys, std::function<void()> action) {
        auto* shortcut = new QShortcut(keys, m_window);
        connect(shortcut, &QShortcut::activated, this, std::move(action));
    };
    onKeys(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { showNextPage(1); });
    onKeys(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { showNextPage(-1); });
    onKeys(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { onSave(); });
}

void ZRVSettingController::onInitDIalog() {
    fillDefaultSettings(m_FileData);
    m_loadedFileData = m_FileData;
    const bool reading = loadSettingFile();
    m_strVersion = QStringLiteral(ZORVA_VERSION);
    updateTitle();
    if (m_SettingFilePath.isEmpty()) {
        // Without a card the computer's own zone is the best guess.
        m_FileData.time_gmt = findTimeZoneIndex();
        m_loadedFileData.time_gmt = m_FileData.time_gmt;
    }
    if (!reading) {
        changeViewController(0);
    }
}

void ZRVSettingController::updateTitle() {
    const QString title = localized("setting.window_title");
    m_window->setWindowTitle(
        m_SettingFilePath.isEmpty()
            ? QStringLiteral("%1[Ver %2]").arg(title, m_strVersion)
            : QStringLiteral("%1[Ver %2] : %3").arg(title, m_strVersion, m_SettingFilePath));
}

bool ZRVSettingController::tabHasPage(int index) const {
    return m_view.functionSegmentedControl != nullptr &&
           m_view.functionSegmentedControl->isEnabledForSegment(index);
}

void ZRVSettingController::clickFunctionSegmentedControl(int index) {
    changeViewController(index);
}

void ZRVSettingController::showNextPage(int step) {
    for (int i = 1; i < kTabCount; ++i) {
        const int index = ((m_lastSelectedTabIndex + step * i) % kTabCount + kTabCount) % kTabCount;
        if (tabHasPage(index)) {
            changeViewController(index);
            return;
        }
    }
}

void ZRVSettingController::changeViewController(int index) {
    TKSegmentedControl* tabs = m_view.functionSegmentedControl;
    if (tabs == nullptr || index == m_lastSelectedTabIndex || m_reading) {
        return;
    }
    if (!tabHasPage(index)) {
        tabs->setSelectedSegment(m_lastSelectedTabIndex);
        return;
    }
    if (m_targetController != nullptr) {
        if (const auto message = m_targetController->validateUserInput()) {
            tabs->setSelectedSegment(m_lastSelectedTabIndex);
            alert(QStringLiteral("TAVU"), *message);
            return;
        }
        if (!m_targetController->populate()) {
            tabs->setSelectedSegment(m_lastSelectedTabIndex);
            return;
        }
        m_targetController->onHide();
        m_view.targetView->layout()->removeWidget(m_targetController);
        m_targetController->hide();
        if (m_targetController != m_driveInfoController) {
            m_targetController->deleteLater();
        }
    }
    ZRVSettingPage* page =
        index == kDriveInfoTab ? createDriveInfoController() : m_options.pageFactory(index);
    m_targetController = page;
    m_view.showPage(page);
    // The window first: a page may use its loading sheet as it shows the record.
    page->setMainController(this);
    page->setFileData(&m_FileData);
    m_lastSelectedTabIndex = index;
    tabs->setSelectedSegment(index);
    emit pageChanged(index);
}

bool ZRVSettingController::populate() {
    return m_targetController == nullptr || m_targetController->populate();
}

std::optional<QString> ZRVSettingController::validateUserInput() {
    return m_targetController != nullptr ? m_targetController->validateUserInput() : std::nullopt;
}

std::optional<TKUSBDiskEntity> ZRVSettingController::preferredUSBDisk() {
    return m_options.volumes ? m_options.volumes->preferredUSBDisk() : std::nullopt;
}

void ZRVSettingController::showLoading(const QString& text) {
    m_loadingSheet->showLoading(text);
}

void ZRVSettingController::hideLoading() {
    m_loadingSheet->hideLoading();
}

void ZRVSettingController::onSave() {
    if (m_reading) {
        return;
    }
    if (const auto message = validateUserInput()) {
        alert(QStringLiteral("TAVU"), *message);
        return;
    }
    // A page that could not take its controls back has said why; saving
    // without them would write what the user did not see.
    if (!populate()) {
        return;
    }
    prepareSettingsForSaving(m_FileData);
    const auto cardFolder =
        m_options.cardFolder.isEmpty()
            ? std::nullopt
            : std::optional(std::filesystem::path(m_options.cardFolder.toStdString()));
    const auto target = chooseSettingSaveTarget(cardFolder, m_selectedUSBDisk,
                                                [this] { return preferredUSBDisk(); });
    QString path = QString::fromStdString(target.file.string());
    if (target.ask) {
        path = m_options.saveDialog(m_window, QString::fromStdString(target.folder.string()));
        if (path.isEmpty()) {
            return;
        }
    }
    writeSettings(path, target.cardLabel);
}

void ZRVSettingController::writeSettings(const QString& path, const std::string& cardLabel) {
    const auto saved = saveSettingFile(m_FileData, path.toStdString(), m_loadedFileData,
                                       m_options.backupFolder.toStdString(), cardLabel,
                                       std::chrono::system_clock::now());
    if (saved.failure) {
        alert(QStringLiteral("Warn"), localized(saved.failure->c_str()));
        return;
    }
    alert(path, settingSavedText(saved), [this] { onCloseCmd(); });
}

void ZRVSettingController::onSaveDefaultSetting() {
    fillDefaultSettings(m_FileData);
    if (m_targetController != nullptr) {
        m_targetController->setFileData(&m_FileData);
    }
}

void ZRVSettingController::onFormat() {
    if (m_options.formatWindow) {
        m_lastDialogController = m_options.formatWindow(m_window, m_options.backupFolder);
    }
}

void ZRVSettingController::onDiskUtil() {
    if (!ZRVDiskUtility::start(*m_options.diskUtility)) {
        qCWarning(zorvaSettings).noquote()
            << QStringLiteral("cannot start %1").arg(*m_options.diskUtility);
    }
}

void ZRVSettingController::onCloseCmd() {
    if (m_window != nullptr) {
        m_window->close();
    }
}

void ZRVSettingController::alert(const QString& messageText, const QString& informativeText,
                                 std::function<void()> didEnd) {
    showAlertSheet(m_window, messageText, informativeText, std::move(didEnd));
}
