#include "card/ui/ZRVTimeSetupController.h"

#include "card/CameraClockCheck.h"
#include "card/ZRVClockFile.h"
#include "card/ui/ZRVAlertSheet.h"
#include "card/ui/ZRVClockCheckText.h"
#include "common/ui/ZRVLocalized.h"
#include "common/ui/ZRVWindowPlacement.h"
#include "platform/ZRVVolumes.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QThreadPool>
#include <QTimeEdit>
#include <QTimer>

namespace {

constexpr auto kClockFileName = "timeset.cfg";

} // namespace

ZRVTimeSetupController::ZRVTimeSetupController(Options options, QWidget* opener)
    : m_options(std::move(options)), m_opener(opener) {
    if (!m_options.executor) {
        m_options.executor = [](std::function<void()> job) {
            QThreadPool::globalInstance()->start(std::move(job));
        };
    }
    if (!m_options.saveDialog) {
        m_options.saveDialog = [](QWidget* window) {
            const QString folder =
                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            QString path = QFileDialog::getSaveFileName(window, localized("main.time_setup"),
                                                        QDir(folder).filePath(kClockFileName),
                                                        QStringLiteral("cfg (*.cfg)"));
            if (!path.isEmpty() && QFileInfo(path).suffix() != QLatin1String("cfg")) {
                path += QStringLiteral(".cfg");
            }
            return path;
        };
    }
    if (!m_options.now) {
        m_options.now = [] { return QDateTime::currentDateTime(); };
    }
}

ZRVTimeSetupController::~ZRVTimeSetupController() {
    delete m_window.data();
}

void ZRVTimeSetupController::showWindow() {
    if (m_window != nullptr) {
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    m_window = new QWidget(m_opener, Qt::Dialog);
    m_view.setupUi(m_window);
    connect(m_view.datePicker, &QCalendarWidget::clicked, this,
            &ZRVTimeSetupController::daySelectedFromPicker);
    connect(m_view.datePicker, &QCalendarWidget::activated, this,
            &ZRVTimeSetupController::daySelectedFromPicker);
    connect(m_view.timePicker, &QTimeEdit::timeChanged, this,
            &ZRVTimeSetupController::timeSelectedFromPicker);
    connect(m_view.clockTimePicker, &QTimeEdit::timeChanged, this,
            &ZRVTimeSetupController::timeSelectedFromClickTimePicker);
    connect(m_view.nowDaySettingChk, &QCheckBox::toggled, this,
            &ZRVTimeSetupController::nowDayChecked);
    connect(m_view.saveButton, &QPushButton::clicked, this,
            &ZRVTimeSetupController::onSaveConfigFile);
    connect(m_view.cancelButton, &QPushButton::clicked, this, &ZRVTimeSetupController::onCloseCmd);
    onInitDIalog();
    ZRVWindowPlacement::centreOnOpenersScreen(m_window, m_opener);
    m_window->show();
    checkCardClock();
}

void ZRVTimeSetupController::onInitDIalog() {
    loadSettingFile();
    const QDateTime now = m_options.now();
    m_selectedDate = now.date();
    m_selectedTime = QTime(now.time().hour(), now.time().minute(), now.time().second());
    m_view.datePicker->setSelectedDate(m_selectedDate);
    m_view.timePicker->setTime(m_selectedTime);
    m_view.clockTimePicker->setTime(m_selectedTime);
    refreshDate();
}

void ZRVTimeSetupController::loadSettingFile() {
    m_SettingFilePath.clear();
    if (!m_options.cardFolder.isEmpty()) {
        const QString path = QDir(m_options.cardFolder).filePath(kClockFileName);
        if (QFileInfo::exists(path)) {
            m_SettingFilePath = path;
        }
        return;
    }
    if (m_options.volumes) {
        if (const auto volume = m_options.volumes->usbVolumeContainingFile(kClockFileName)) {
            m_SettingFilePath = QDir(*volume).filePath(kClockFileName);
        }
    }
}

// The date in words and the "today" box's title, which carries today's date.
void ZRVTimeSetupController::refreshDate() {
    const QLocale locale;
    m_view.dateField->setText(locale.toString(m_selectedDate, QLocale::LongFormat));
    m_view.nowDaySettingChk->setText(QStringLiteral("%1(%2)").arg(
        localized("today"), locale.toString(m_options.now().date(), QLocale::ShortFormat)));
}

void ZRVTimeSetupController::daySelectedFromPicker(QDate date) {
    m_selectedDate = date;
    refreshDate();
}

void ZRVTimeSetupController::timeSelectedFromPicker(QTime time) {
    m_selectedTime = time;
    m_view.clockTimePicker->setTime(time);
}

void ZRVTimeSetupController::timeSelectedFromClickTimePicker(QTime time) {
    m_selectedTime = time;
    m_view.timePicker->setTime(time);
}

// The box works as a "today" button: it sets the date, leaves the time, and
// shows off again a moment later.
void ZRVTimeSetupController::nowDayChecked(bool checked) {
    if (!checked) {
        return;
    }
    m_selectedDate = m_options.now().date();
    refreshDate();
    m_view.datePicker->setSelectedDate(m_selectedDate);
    QTimer::singleShot(kTodayBoxResetMs, this, [this] {
        if (m_window != nullptr) {
            m_view.nowDaySettingChk->setChecked(false);
        }
    });
}

QString ZRVTimeSetupController::openSavePanel() {
    return m_options.saveDialog(m_window);
}

void ZRVTimeSetupController::onSaveConfigFile() {
    QString target = m_SettingFilePath;
    if (target.isEmpty()) {
        target = openSavePanel();
        if (target.isEmpty()) {
            return;
        }
    }
    if (const auto failure = doWriteConfigFile(target)) {
        alert(QStringLiteral("TAVU"),
              localized("msg.time_file_fail") + QLatin1Char('\n') + *failure);
        return;
    }
    alert(QStringLiteral("TAVU"), localized("time.filesave"), [this] { didEndAlert(); });
}

std::optional<QString> ZRVTimeSetupController::doWriteConfigFile(const QString& path) {
    const ZRVClockFile::DateTime moment{m_selectedDate.year(),   m_selectedDate.month(),
                                        m_selectedDate.day(),    m_selectedTime.hour(),
                                        m_selectedTime.minute(), m_selectedTime.second()};
    const auto failure = ZRVClockFile::writeFile(path.toStdString(), moment);
    if (failure) {
        return QString::fromStdString(*failure);
    }
    return std::nullopt;
}

void ZRVTimeSetupController::didEndAlert() {
    onCloseCmd();
}

void ZRVTimeSetupController::onCloseCmd() {
    if (m_window != nullptr) {
        m_window->close();
    }
}

QString ZRVTimeSetupController::cardFolder() const {
    if (!m_options.cardFolder.isEmpty()) {
        return m_options.cardFolder;
    }
    if (!m_SettingFilePath.isEmpty()) {
        return QFileInfo(m_SettingFilePath).path();
    }
    const auto card = m_options.volumes ? m_options.volumes->preferredUSBDisk() : std::nullopt;
    return card && card->mountedURL() ? QString::fromStdString(card->mountedURL()->string())
                                      : QString();
}

// Reading a card's recordings takes a moment; the window is usable at once.
void ZRVTimeSetupController::checkCardClock() {
    const QString folder = cardFolder();
    m_view.clockCheckField->setVisible(!folder.isEmpty());
    if (folder.isEmpty()) {
        return;
    }
    const int computerOffset = m_options.now().offsetFromUtc() / 60;
    const QPointer<ZRVTimeSetupController> self(this);
    m_options.executor([self, card = folder.toStdString(), computerOffset] {
        const CardClockZone zone = cardClockZone(card);
        const auto check = checkCameraClock(card, zone.utcOffsetMinutes);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, check, zone, computerOffset] {
                if (self && self->m_window != nullptr) {
                    const QString text = ZRVClockCheckText::describe(check, zone, computerOffset);
                    self->m_view.clockCheckField->setText(text);
                    emit self->clockChecked(text);
                }
            },
            Qt::QueuedConnection);
    });
}

void ZRVTimeSetupController::alert(const QString& messageText, const QString& informativeText,
                                   std::function<void()> didEnd) {
    showAlertSheet(m_window, messageText, informativeText, std::move(didEnd));
}
