#include "card/ui/ZRVFormatWindowController.h"

#include "card/ByteSizeString.h"
#include "card/FormatCommands.h"
#include "card/ui/ZRVAlertSheet.h"
#include "common/ui/ZRVLocalized.h"
#include "common/ui/ZRVWindowPlacement.h"
#include "controls/PMProgressIndicator.h"
#include "platform/ZRVVolumes.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QThreadPool>
#include <QTimer>

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

// Work for the UI thread, dropped when the controller is gone by then.
void post(const QPointer<ZRVFormatWindowController>& controller, std::function<void()> work) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [controller, work = std::move(work)] {
            if (controller) {
                work();
            }
        },
        Qt::QueuedConnection);
}

QString formatFailureText(const FormatterOutcome& outcome) {
    switch (outcome.kind) {
    case FormatterOutcome::Kind::writeProtected:
        return localized("msg.write_protected_disk");
    case FormatterOutcome::Kind::authorizationDismissed:
        return localized("msg.format_auth_dismissed");
    case FormatterOutcome::Kind::notAuthorized:
        return localized("msg.format_not_authorized");
    case FormatterOutcome::Kind::formatted:
    case FormatterOutcome::Kind::failed:
        break;
    }
    return QStringLiteral("Error:") + text(outcome.message);
}

} // namespace

ZRVFormatWindowController::ZRVFormatWindowController(Options options, QWidget* opener)
    : m_options(std::move(options)), m_opener(opener) {
    if (!m_options.executor) {
        m_options.executor = [](std::function<void()> job) {
            QThreadPool::globalInstance()->start(std::move(job));
        };
    }
    m_progressTimer.setSingleShot(true);
    m_progressTimer.setInterval(kProgressTickMs);
    connect(&m_progressTimer, &QTimer::timeout, this,
            [this] { updateProgressBar(m_expectedSeconds); });
}

ZRVFormatWindowController::~ZRVFormatWindowController() {
    delete m_window.data();
}

void ZRVFormatWindowController::showWindow() {
    if (m_window != nullptr) {
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    m_window = new QWidget(m_opener, Qt::Dialog);
    m_view.setupUi(m_window);
    m_window->installEventFilter(this);
    connect(m_view.formatButton, &QPushButton::clicked, this, &ZRVFormatWindowController::onFormat);
    connect(m_view.cancelButton, &QPushButton::clicked, this, &ZRVFormatWindowController::cancel);
    connect(m_view.usbDiskCombo, &QComboBox::currentIndexChanged, this,
            &ZRVFormatWindowController::changeDisk);
    ZRVWindowPlacement::centreOnOpenersScreen(m_window, m_opener);
    m_window->show();
    windowDidLoad();
}

void ZRVFormatWindowController::windowDidLoad() {
    m_view.fileSystemField->setText(QStringLiteral("FAT32"));
    m_view.pathField->setText(QStringLiteral("-"));
    m_view.allocationUnitField->setText(QStringLiteral("-"));
    m_stopProgressBar = true;
    m_view.progressBar->hide();
    m_view.progressMessageField->hide();
    loadUSBVolumes();
}

void ZRVFormatWindowController::loadUSBVolumes(std::function<void()> completion) {
    const bool own = m_stopProgressBar;
    if (own) {
        showProgressBar(QStringLiteral("Disk searching..."));
    } else {
        m_view.progressMessageField->setText(QStringLiteral("Disk searching..."));
    }
    const QPointer<ZRVFormatWindowController> self(this);
    m_options.executor(
        [self, volumes = m_options.parts.volumes, own, completion = std::move(completion)] {
            auto disks = volumes ? volumes->usbDiskEntities() : std::vector<TKUSBDiskEntity>();
            post(self, [self, disks = std::move(disks), own, completion] {
                self->m_usbDiskArray = disks;
                QComboBox* combo = self->m_view.usbDiskCombo;
                {
                    const QSignalBlocker quiet(combo);
                    combo->clear();
                    for (const TKUSBDiskEntity& disk : disks) {
                        combo->addItem(text(disk.displayString()));
                    }
                    combo->setCurrentIndex(disks.empty() ? -1 : 0);
                }
                self->updateSelectedDiskInfo();
                if (own) {
                    self->hideProgressBar();
                }
                if (completion) {
                    completion();
                }
                emit self->volumesLoaded();
            });
        });
}

std::optional<TKUSBDiskEntity> ZRVFormatWindowController::selectedUSBDisk() const {
    const int index = m_view.usbDiskCombo != nullptr ? m_view.usbDiskCombo->currentIndex() : -1;
    if (index < 0 || std::size_t(index) >= m_usbDiskArray.size()) {
        return std::nullopt;
    }
    return m_usbDiskArray[std::size_t(index)];
}

std::optional<TKUSBDiskEntity>
ZRVFormatWindowController::selectUSBByDevFile(const std::string& device) {
    for (std::size_t i = 0; i < m_usbDiskArray.size(); ++i) {
        if (m_usbDiskArray[i].deviceFilePath() == device) {
            m_view.usbDiskCombo->setCurrentIndex(int(i));
            return m_usbDiskArray[i];
        }
    }
    return std::nullopt;
}

// The allocation unit is told in KB of 512-byte sectors: 32 sectors are 16 KB.
void ZRVFormatWindowController::updateSelectedDiskInfo() {
    const auto disk = selectedUSBDisk();
    if (!disk) {
        m_view.pathField->setText(QStringLiteral("-"));
        m_view.allocationUnitField->setText(QStringLiteral("-"));
        return;
    }
    const QString mount = disk->mountedURL() ? text(disk->mountedURL()->string()) : QString();
    m_view.pathField->setText(QStringLiteral("%1   %2").arg(text(disk->deviceFilePath()), mount));
    m_view.allocationUnitField->setText(
        QStringLiteral("%1 KB").arg(clusterSizeByVolumeSizeInKB(disk->volumeSize()) / 2));
}

void ZRVFormatWindowController::changeDisk() {
    updateSelectedDiskInfo();
}

void ZRVFormatWindowController::onFormat() {
    if (m_formatting) {
        return;
    }
    const auto disk = selectedUSBDisk();
    if (!disk) {
        alert(QStringLiteral("TAVU"), m_usbDiskArray.empty()
                                          ? QStringLiteral("There is no USB drive.")
                                          : QStringLiteral("Please select USB drive."));
        return;
    }
    if (!disk->writable()) {
        alert(localized("msg.cannot_format"), text(disk->displayString()) + QLatin1Char('\n') +
                                                  localized("msg.write_protected_disk"));
        return;
    }
    askBeforeFormat(*disk);
}

void ZRVFormatWindowController::askBeforeFormat(const TKUSBDiskEntity& disk) {
    const QString name = disk.volumeName() ? text(*disk.volumeName()) : text(disk.deviceFilePath());
    auto* question = new QMessageBox(
        QMessageBox::Question, QGuiApplication::applicationDisplayName(),
        localized("msg.format_question")
            .arg(name, text(byteSizeString(disk.volumeSize())), text(disk.deviceFilePath())),
        QMessageBox::NoButton, m_window);
    question->setObjectName(QStringLiteral("formatQuestion"));
    question->setInformativeText(localized("msg.format_question_detail"));
    QPushButton* format =
        question->addButton(localized("setting.format.format"), QMessageBox::DestructiveRole);
    format->setObjectName(QStringLiteral("confirmFormatButton"));
    question->setDefaultButton(question->addButton(localized("cancel"), QMessageBox::RejectRole));
    question->setWindowModality(Qt::WindowModal);
    question->setAttribute(Qt::WA_DeleteOnClose);
    connect(question, &QMessageBox::buttonClicked, this, [this, format, disk](auto* clicked) {
        if (clicked == format) {
            doFormat(disk);
        }
    });
    question->open();
}

void ZRVFormatWindowController::doFormat(const std::optional<TKUSBDiskEntity>& disk) {
    if (!disk || m_formatting) {
        return;
    }
    setFormatting(true);
    showProgressBar(QStringLiteral("Formatting..."));
    const QPointer<ZRVFormatWindowController> self(this);
    m_options.executor([self, disk = *disk, parts = m_options.parts] {
        const auto result = ZRVCardFormatJob::run(disk, parts, [self](const QString& status) {
            post(self, [self, status] { self->m_view.progressMessageField->setText(status); });
        });
        post(self, [self, disk, result] {
            self->loadUSBVolumes([self, disk, result] {
                const auto found = self->selectUSBByDevFile(disk.deviceFilePath());
                self->formatDidFinished(found.value_or(disk), result);
            });
        });
    });
}

void ZRVFormatWindowController::formatDidFinished(const TKUSBDiskEntity& disk,
                                                  const ZRVCardFormatJob::Result& result) {
    using Kind = ZRVCardFormatJob::Result::Kind;
    setFormatting(false);
    hideProgressBar();
    const QString display = text(disk.displayString()) + QLatin1Char('\n');
    const QString cannotFormat = localized("msg.cannot_format");
    switch (result.kind) {
    case Kind::refused:
        alert(cannotFormat, display + localized(result.refusal == FormatRefusal::holdsSystemFolder
                                                    ? "msg.format_refused_system_disk"
                                                    : "msg.format_refused_not_removable"));
        return;
    case Kind::settingsNotKept:
        alert(cannotFormat, display + localized("msg.format_settings_not_kept") +
                                QLatin1Char('\n') + text(result.failure));
        return;
    case Kind::formatFailed:
        alert(cannotFormat, display + formatFailureText(result.outcome));
        return;
    case Kind::settingsNotPutBack: {
        QString informative =
            result.failureIsKey ? localized(result.failure.c_str()) : text(result.failure);
        if (result.savedSettings) {
            informative += QStringLiteral("\n\n") + localized("msg.format_settings_kept_at") +
                           QLatin1Char('\n') + text(result.savedSettings->string());
        }
        alert(QStringLiteral("config.bin copy fail"), informative);
        return;
    }
    case Kind::formatted:
        alert(localized("msg.format_complete"), text(disk.displayString()), [this] { cancel(); });
        return;
    }
}

void ZRVFormatWindowController::cancel() {
    if (m_window != nullptr && !m_formatting) {
        m_window->close();
    }
}

void ZRVFormatWindowController::showProgressBar(const QString& statusText) {
    PMProgressIndicator* bar = m_view.progressBar;
    bar->show();
    m_view.progressMessageField->show();
    bar->setIndeterminate(true);
    m_stopProgressBar = false;
    m_progress = 0;
    m_view.progressMessageField->setText(statusText);
    bar->setDoubleValue(bar->minValue());
    // On the application icon from the start, as every long job.
    bar->setDrawDockProgress(true);
    bar->startAnimation();
    m_expectedSeconds = kLongestSeconds;
    m_progressTimer.start();
}

void ZRVFormatWindowController::updateProgressBar(double expectedSeconds) {
    PMProgressIndicator* bar = m_view.progressBar;
    m_progress += 100.0 / (expectedSeconds / (kProgressTickMs / 1000.0));
    bar->setDoubleValue(m_progress);
    if (m_progress >= 100 || m_stopProgressBar) {
        bar->setDoubleValue(bar->minValue());
        bar->stopAnimation();
        bar->setDrawDockProgress(false);
        bar->hide();
        m_view.progressMessageField->hide();
        m_stopProgressBar = true;
        return;
    }
    bar->show();
    m_view.progressMessageField->show();
    m_expectedSeconds = expectedSeconds;
    m_progressTimer.start();
}

void ZRVFormatWindowController::hideProgressBar() {
    m_view.progressBar->hide();
    m_view.progressMessageField->hide();
    m_stopProgressBar = true;
}

void ZRVFormatWindowController::setFormatting(bool formatting) {
    m_formatting = formatting;
    for (QWidget* control :
         {static_cast<QWidget*>(m_view.formatButton), static_cast<QWidget*>(m_view.cancelButton),
          static_cast<QWidget*>(m_view.usbDiskCombo)}) {
        control->setEnabled(!formatting);
    }
}

// A window closed half-way through a format would leave nobody to tell how
// it ended.
bool ZRVFormatWindowController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::Close && m_formatting) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ZRVFormatWindowController::alert(const QString& messageText, const QString& informativeText,
                                      std::function<void()> didEnd) {
    showAlertSheet(m_window, messageText, informativeText, std::move(didEnd));
}
