#include "app/ui/ZRVSnapshotController.h"
#include "platform/ZRVVlcMediaPlayer.h"
#include "support/DemoCard.h"
#include "support/EventLoopWait.h"
#include "support/PrivateRuntimeFolder.h"
#include "support/TemporaryDirectory.h"
#include "support/ZRVFakeMediaPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QWidget>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QStringList playerLog;
void collectPlayerLog(QtMsgType, const QMessageLogContext& context, const QString& message) {
    if (context.category != nullptr && QLatin1String(context.category) == "zorva.player") {
        playerLog << message;
    }
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Stands in for the print dialog and the printer: the sheet stays up until
// the test ends it, and pages are recorded instead of printed.
class RecordingPrintSheet final : public ZRVPrintSheet {
public:
    struct Page {
        QImage picture;
        QRect target;
    };

    void beginSheet(QPrinter&, QWidget* window,
                    std::function<void(int returnCode)> didEnd) override {
        ++sheetsShown;
        sheetWindow = window;
        m_didEnd = std::move(didEnd);
    }
    bool printsToPrinter(const QPrinter& printer) const override {
        return destinationIsPrinter || ZRVPrintSheet::printsToPrinter(printer);
    }
    int printPicture(QPrinter&, const QImage& picture, const QRect& target) override {
        pages.push_back({picture, target});
        return printError;
    }
    void end(int returnCode) {
        auto didEnd = std::exchange(m_didEnd, {});
        ASSERT_TRUE(didEnd);
        didEnd(returnCode);
    }

    bool destinationIsPrinter = false;
    int printError = 0;
    int sheetsShown = 0;
    QWidget* sheetWindow = nullptr;
    std::vector<Page> pages;

private:
    std::function<void(int)> m_didEnd;
};

class ZRVSnapshotControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ZRVSnapshotController::Options options;
        options.saveChooser = [this](QWidget*) {
            ++saveDialogs;
            return savePath;
        };
        options.opener = [this](const QUrl& url) {
            opened.push_back(url);
            return true;
        };
        options.alert = [this](QWidget* parent, const QString& title, const QString& message) {
            EXPECT_EQ(parent, &window);
            alerts << title + QLatin1Char('|') + message;
        };
        auto printSheet = std::make_unique<RecordingPrintSheet>();
        sheet = printSheet.get();
        options.printSheet = std::move(printSheet);
        controller = std::make_unique<ZRVSnapshotController>(player(), &window, std::move(options));
        playerLog.clear();
        m_previousHandler = qInstallMessageHandler(collectPlayerLog);
    }
    void TearDown() override { qInstallMessageHandler(m_previousHandler); }

    virtual ZRVMediaPlayer& player() { return fake; }

    void openFake(QSize size = QSize(640, 360)) {
        fake.setRecording(4000, 1, size);
        fake.setMedia(QStringLiteral("/card/front_F.avi"));
        fake.play();
    }
    QString inDocuments(const QString& name) const {
        return QString::fromStdString((documents.path() / name.toStdString()).string());
    }

    PrivateRuntimeFolder runtime;
    TemporaryDirectory documents;
    ZRVFakeMediaPlayer fake;
    QWidget window;
    RecordingPrintSheet* sheet = nullptr;
    std::unique_ptr<ZRVSnapshotController> controller;
    QString savePath;
    int saveDialogs = 0;
    std::vector<QUrl> opened;
    QStringList alerts;

private:
    QtMessageHandler m_previousHandler = nullptr;
};

TEST_F(ZRVSnapshotControllerTest,
       CaptureWhilePlayingSavesInTheFormatTheNameSaysAndOpensTheSavedFile) {
    const QString temporary = ZRVSnapshotController::temporaryPicturePath();
    controller->captureVideo();
    openFake();
    fake.pause();
    controller->captureVideo();
    EXPECT_EQ(saveDialogs, 0);
    EXPECT_FALSE(QFileInfo::exists(temporary));

    fake.play();
    controller->captureVideo(); // the save dialog is cancelled
    EXPECT_EQ(saveDialogs, 1);
    EXPECT_TRUE(readAll(temporary).startsWith("\xFF\xD8"));
    EXPECT_TRUE(opened.empty());

    savePath = QString::fromStdString(documents.write("zorva_capture.png", "old").string());
    controller->captureVideo();
    EXPECT_TRUE(readAll(savePath).startsWith("\x89PNG")) << "a .png name gets PNG data";
    EXPECT_EQ(QImage(savePath, "PNG").size(), QSize(640, 360));
    EXPECT_EQ(opened, std::vector{QUrl::fromLocalFile(savePath)}) << "the file saved opens";

    for (const char* name : {"shot.jpg", "shot.JPEG"}) {
        savePath = inDocuments(QString::fromLatin1(name));
        controller->captureVideo();
        EXPECT_EQ(readAll(savePath), readAll(temporary)) << name;
    }
    EXPECT_EQ(opened.back(), QUrl::fromLocalFile(savePath));
    EXPECT_TRUE(alerts.isEmpty());
}

TEST_F(ZRVSnapshotControllerTest, FailedSaveWarnsAndLeavesWhatWasThere) {
    openFake();
    savePath = inDocuments(QStringLiteral("missing/zorva_capture.png"));
    controller->captureVideo();
    EXPECT_EQ(alerts,
              QStringList{QStringLiteral("ZORVA|") +
                          QCoreApplication::translate("InfoPlist", "msg.capture_save_fail")});
    EXPECT_FALSE(QFileInfo::exists(savePath));

    savePath = inDocuments(QStringLiteral("a folder"));
    ASSERT_TRUE(QDir().mkdir(savePath));
    controller->captureVideo();
    EXPECT_EQ(alerts.size(), 2);
    EXPECT_TRUE(QFileInfo(savePath).isDir());

    // The superuser writes into read-only folders, so only others see this.
    if (::geteuid() != 0) {
        savePath = QString::fromStdString(documents.write("locked/old.png", "old").string());
        std::filesystem::permissions(documents.path() / "locked",
                                     std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_exec);
        controller->captureVideo();
        EXPECT_EQ(alerts.size(), 3);
        EXPECT_EQ(readAll(savePath), QByteArray("old"));
    }
    EXPECT_TRUE(opened.empty());
}

TEST_F(ZRVSnapshotControllerTest, NoPictureFromThePlayerStopsBothCaptureAndPrint) {
    openFake(QSize());
    controller->captureVideo();
    controller->print();
    EXPECT_EQ(saveDialogs, 0);
    EXPECT_EQ(sheet->sheetsShown, 0);
    EXPECT_EQ(playerLog.size(), 2);
}

TEST_F(ZRVSnapshotControllerTest, PrintsOnePageFittedAndCentredAndLogsRefusalsInTheirOwnWords) {
    controller->print();
    EXPECT_EQ(sheet->sheetsShown, 0) << "no media item";

    openFake();
    fake.pause();
    sheet->destinationIsPrinter = true;
    controller->print();
    EXPECT_EQ(sheet->sheetWindow, &window);
    sheet->end(0);
    EXPECT_TRUE(sheet->pages.empty()) << "cancelled";

    QPrinter& printer = controller->loadPrintInfo();
    printer.setPageOrientation(QPageLayout::Portrait);
    controller->print();
    sheet->end(1);
    ASSERT_EQ(sheet->pages.size(), 1u);
    const QRect target = sheet->pages.front().target;
    EXPECT_EQ(sheet->pages.front().picture.size(), QSize(640, 360));
    const QRect paper(0, 0, printer.width(), printer.height());
    EXPECT_TRUE(paper.contains(target));
    EXPECT_NEAR(target.width(), paper.width(), 1);
    EXPECT_NEAR(target.height(), paper.width() * 360.0 / 640.0, 2);
    EXPECT_NEAR(target.center().y(), paper.center().y(), 1);
    EXPECT_TRUE(playerLog.isEmpty());

    sheet->destinationIsPrinter = false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    controller->print();
    sheet->end(1);
    EXPECT_EQ(sheet->pages.size(), 1u);
    EXPECT_EQ(playerLog, QStringList{"Either got an error from PMSessionGetDestinationType or the "
                                     "print destination wasn't kPMDestinationPrinter"});

    sheet->destinationIsPrinter = true;
    sheet->printError = 5;
    controller->print();
    sheet->end(1);
    EXPECT_EQ(playerLog.last(), QStringLiteral("PMPrinterPrintWithFile returned error 5"));

    controller->print();
    QFile picture(ZRVSnapshotController::temporaryPicturePath());
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QImage(8, 8, QImage::Format_RGB32).save(&picture, "PNG");
    picture.close();
    sheet->end(1);
    EXPECT_EQ(playerLog.last(),
              QStringLiteral("MIME type image/jpeg isn't supported by the printer"));
    EXPECT_EQ(sheet->pages.size(), 2u);
}

// libVLC writes every snapshot as PNG, whatever the name; these check that
// what reaches the user is what the name says all the same.
class ZRVSnapshotControllerVlcTest : public ZRVSnapshotControllerTest {
protected:
    static void SetUpTestSuite() {
        card = DemoCard::make(1, 4);
        front = card->first("_F.avi");
    }
    static void TearDownTestSuite() { card.reset(); }

    ZRVMediaPlayer& player() override { return vlc; }

    static inline std::unique_ptr<DemoCard> card;
    static inline QString front;
    ZRVVlcMediaPlayer vlc;
};

TEST_F(ZRVSnapshotControllerVlcTest, TheTemporaryPictureIsAJpegAndTheProposedNameGetsAPngFrame) {
    ASSERT_FALSE(front.isEmpty());
    vlc.setMedia(front);
    vlc.play();
    ASSERT_TRUE(waitFor([this] { return vlc.isPlaying() && vlc.time() > 500; }, 5000));
    savePath = inDocuments(QString::fromLatin1(ZRVSnapshotController::kProposedSaveName));
    controller->captureVideo();
    const QByteArray taken = readAll(ZRVSnapshotController::temporaryPicturePath());
    ASSERT_TRUE(taken.startsWith("\xFF\xD8")) << taken.left(8).toHex().toStdString();
    const QByteArray saved = readAll(savePath);
    ASSERT_TRUE(saved.startsWith("\x89PNG")) << saved.left(8).toHex().toStdString();
    EXPECT_EQ(QImage::fromData(saved, "PNG").size(), QSize(640, 360));
}

} // namespace
