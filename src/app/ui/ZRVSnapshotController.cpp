#include "app/ui/ZRVSnapshotController.h"

#include "app/ui/ZRVSnapshotFolder.h"
#include "common/AtomicFileWrite.h"
#include "common/ui/ZRVLog.h"
#include "platform/ZRVMediaPlayer.h"
#include "platform/ZRVQtPrintSheet.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPrinter>
#include <QStandardPaths>
#include <span>

namespace {

constexpr int kJpegQuality = 90;

std::filesystem::path nativePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

std::optional<std::string> writeBytes(const QString& path, const QByteArray& bytes) {
    return writeFileAtomically(nativePath(path),
                               std::span(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                         static_cast<std::size_t>(bytes.size())));
}

bool isJpeg(const QByteArray& bytes) {
    return bytes.startsWith(QByteArray::fromRawData("\xFF\xD8\xFF", 3));
}

std::optional<QByteArray> encoded(const QByteArray& picture, const char* format, int quality) {
    const QImage image = QImage::fromData(picture);
    if (image.isNull()) {
        return std::nullopt;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality)) {
        return std::nullopt;
    }
    return bytes;
}

// libVLC writes its snapshots as PNG whatever the file is called; the
// picture is to be a JPEG, so anything else is encoded again.
std::optional<QByteArray> asJpeg(const QByteArray& picture) {
    return isJpeg(picture) ? std::optional(picture) : encoded(picture, "JPEG", kJpegQuality);
}

// The saved file holds what its name says: a picture saved as .png is a
// PNG. Any other name keeps the JPEG it was taken as.
std::optional<QByteArray> asNamed(const QByteArray& jpeg, const QString& path) {
    if (QFileInfo(path).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0) {
        return encoded(jpeg, "PNG", -1);
    }
    return jpeg;
}

// Whole picture on the page, its proportions kept, in the middle.
QRect fittedToPage(const QSize& picture, const QRect& page) {
    QRect target(QPoint(), picture.scaled(page.size(), Qt::KeepAspectRatio));
    target.moveCenter(page.center());
    return target;
}

QString chooseSavePath(QWidget* window) {
    QFileDialog dialog(window, QStringLiteral("Save Snapshot"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.selectFile(QString::fromLatin1(ZRVSnapshotController::kProposedSaveName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void showWarning(QWidget* window, const QString& title, const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Warning, title, message, QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace

ZRVSnapshotController::ZRVSnapshotController(ZRVMediaPlayer& player, QWidget* window,
                                             Options options, QObject* parent)
    : QObject(parent), m_player(player), m_window(window), m_options(std::move(options)) {
    if (!m_options.saveChooser) {
        m_options.saveChooser = chooseSavePath;
    }
    if (!m_options.opener) {
        m_options.opener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    }
    if (!m_options.alert) {
        m_options.alert = showWarning;
    }
    if (!m_options.printSheet) {
        m_options.printSheet = std::make_unique<ZRVQtPrintSheet>();
    }
}

ZRVSnapshotController::~ZRVSnapshotController() = default;

QString ZRVSnapshotController::temporaryPicturePath() {
    const QString folder = ZRVSnapshotFolder::path();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + QLatin1String(kPictureName);
}

void ZRVSnapshotController::captureVideo() {
    if (!m_player.isPlaying()) {
        return;
    }
    const auto picture = takeSnapshot();
    if (!picture) {
        return;
    }
    const QString destination = m_options.saveChooser(m_window);
    if (destination.isEmpty()) {
        return;
    }
    saveCopy(*picture, destination);
}

void ZRVSnapshotController::saveCopy(const QByteArray& picture, const QString& destination) {
    std::optional<std::string> failure =
        "cannot encode the picture for " + nativePath(destination).string();
    if (const auto bytes = asNamed(picture, destination)) {
        failure = writeBytes(destination, *bytes);
    }
    if (failure) {
        qCWarning(zorvaPlayer).noquote() << QString::fromStdString(*failure);
        m_options.alert(m_window, QStringLiteral("ZORVA"),
                        QCoreApplication::translate("InfoPlist", "msg.capture_save_fail"));
        return;
    }
    m_options.opener(QUrl::fromLocalFile(destination));
}

void ZRVSnapshotController::print() {
    if (!m_player.hasMedia() || !takeSnapshot()) {
        return;
    }
    m_options.printSheet->beginSheet(loadPrintInfo(), m_window,
                                     [self = QPointer(this)](int returnCode) {
                                         if (self) {
                                             self->printPanelDidEnd(returnCode);
                                         }
                                     });
}

QPrinter& ZRVSnapshotController::loadPrintInfo() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

void ZRVSnapshotController::printPanelDidEnd(int returnCode) {
    if (returnCode != QDialog::Accepted || m_picturePath.isEmpty()) {
        return;
    }
    QPrinter& printer = loadPrintInfo();
    if (!m_options.printSheet->printsToPrinter(printer)) {
        qCWarning(zorvaPlayer).noquote()
            << "Either got an error from PMSessionGetDestinationType or the print destination "
               "wasn't kPMDestinationPrinter";
        return;
    }
    QImage picture;
    if (!picture.load(m_picturePath, "JPEG")) {
        qCWarning(zorvaPlayer).noquote()
            << QStringLiteral("MIME type %1 isn't supported by the printer")
                   .arg(QStringLiteral("image/jpeg"));
        return;
    }
    const QRect target =
        fittedToPage(picture.size(), QRect(0, 0, printer.width(), printer.height()));
    if (const int error = m_options.printSheet->printPicture(printer, picture, target);
        error != 0) {
        qCWarning(zorvaPlayer).noquote()
            << QStringLiteral("PMPrinterPrintWithFile returned error %1").arg(error);
    }
}

// The old picture goes first, so that a frame libVLC could not grab is not
// mistaken for the last one it wrote.
std::optional<QByteArray> ZRVSnapshotController::takeSnapshot() {
    m_picturePath.clear();
    const QString path = temporaryPicturePath();
    if (path.isEmpty()) {
        qCWarning(zorvaPlayer).noquote() << "D no private folder for the snapshot";
        return std::nullopt;
    }
    QFile::remove(path);
    QByteArray written;
    if (m_player.saveSnapshot(path, 0, 0)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            written = file.readAll();
        }
    }
    auto jpeg = written.isEmpty() ? std::nullopt : asJpeg(written);
    if (!jpeg) {
        qCWarning(zorvaPlayer).noquote() << QStringLiteral("D snapshot fail:%1").arg(path);
        return std::nullopt;
    }
    if (*jpeg != written) {
        if (const auto failure = writeBytes(path, *jpeg)) {
            qCWarning(zorvaPlayer).noquote() << QString::fromStdString(*failure);
            return std::nullopt;
        }
    }
    m_picturePath = path;
    return jpeg;
}
