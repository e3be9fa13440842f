#include "app/ui/ZRVMapWindowController.h"
#include "records/ui/ZRVDriveRecordTableModel.h"
#include "records/ui/ZRVSettingForFlashDataViewController.h"
#include "settings/_FILEDATA.h"
#include "support/AlertSheets.h"
#include "support/DriveRecordFiles.h"
#include "support/EventLoopWait.h"
#include "support/TemporaryDirectory.h"
#include "support/ZRVFakeMapView.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

struct FlashDataPageTest : ::testing::Test {
    TemporaryDirectory folder;
    _FILEDATA record;
    QString openAnswer;
    QString saveAnswer;
    ZRVFakeMapView* map = nullptr;
    // Kept as the settings window's opener keeps it, for every page made.
    std::shared_ptr<ZRVMapWindowController> keptMapWindow;

    std::unique_ptr<ZRVSettingForFlashDataViewController> makePage() {
        ZRVSettingForFlashDataViewController::Options options;
        options.openDialog = [this](QWidget*) { return openAnswer; };
        options.saveDialog = [this](QWidget*) { return saveAnswer; };
        options.executor = [](std::function<void()> job) { job(); };
        options.makeMapWindow = [this] {
            if (!keptMapWindow) {
                keptMapWindow = std::make_shared<ZRVMapWindowController>([this](QWidget* parent) {
                    map = new ZRVFakeMapView(parent);
                    return map;
                });
            }
            return keptMapWindow;
        };
        auto page = std::make_unique<ZRVSettingForFlashDataViewController>(std::move(options));
        page->resize(1000, 400);
        page->show();
        return page;
    }

    QString path(const char* name) const {
        return QString::fromStdString((folder.path() / name).string());
    }

    static bool rowsBecome(const ZRVSettingForFlashDataViewController& page, int rows) {
        return waitFor([&] { return page.model()->rowCount() == rows; }, 3000);
    }

    static void clickHeader(ZRVSettingForFlashDataViewController& page, int column) {
        QHeaderView* header = page.tableView->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 10, 5));
    }
};

std::string contents(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST_F(FlashDataPageTest, ASortedTableExportsAndMapsTheRecordsInTheOrderItShowsThem) {
    std::vector<ZRVDriveRecord> records(3, sampleDriveRecord());
    records[0].currentSpeed = 10;
    records[1].currentSpeed = 9;
    records[1].latitudeWhole = 3500;
    records[2].currentSpeed = 100;
    records[2].latitudeWhole = 3630;
    records[2].hour = 20;
    folder.write("tavu_000.drv", driveRecordFileBytes(3, records));
    const auto page = makePage();
    page->setFlashDataFilePath(path("tavu_000.drv"));
    page->setFileData(&record);
    ASSERT_TRUE(rowsBecome(*page, 3));
    EXPECT_TRUE(
        page->statusField->text().endsWith("2024/03/05 19:08:09 \u2026 2024/03/05 20:08:09"))
        << page->statusField->text().toStdString();

    clickHeader(*page, 8);
    clickHeader(*page, 8);
    ASSERT_EQ(page->tableView->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(page->model()->index(0, 8).data().toString(), "100");
    EXPECT_EQ(page->model()->index(1, 8).data().toString(), "10") << "by value, not by text";

    const QRect first = page->tableView->visualRect(page->model()->index(0, 1));
    // A double click as the system delivers it: a click, then the second press.
    QTest::mouseClick(page->tableView->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(page->tableView->viewport(), Qt::LeftButton, {}, first.center());
    ASSERT_NE(page->mapWindowController(), nullptr);
    EXPECT_EQ(map->scripts.last(), "setLatLag('126.980000','36.508333')") << "3630.5000 N";
    const QRect frame = page->frameGeometry();
    EXPECT_EQ(page->mapWindowController()->window()->pos(),
              QPoint(frame.x() + frame.width(), frame.y()));

    saveAnswer = path("export.csv");
    page->exportButton->click();
    EXPECT_EQ(page->mapWindowController(), nullptr) << "an export drops the map window";
    EXPECT_FALSE(keptMapWindow->window()->isVisible()) << "and hides it";
    const auto saved = takeAlert(page.get());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->message, "ZORVA");
    EXPECT_EQ(saved->informative, "msg.saved");
    std::string csv = contents(saveAnswer);
    csv.erase(0, csv.find('\n') + 1);
    EXPECT_EQ(csv.substr(0, 6), "3,517,");
    EXPECT_EQ(csv.substr(csv.find('\n') + 1, 6), "1,517,");
}

TEST_F(FlashDataPageTest, WithoutARecordFileItWarnsOnceAndAFileThatFailsIsSaidAsSuch) {
    const auto page = makePage();
    page->setFileData(&record);
    const auto warning = takeAlert(page.get());
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->message, "Alarm");
    EXPECT_EQ(warning->informative, "setting.flashdata.warning");
    page->setFileData(&record);
    EXPECT_FALSE(takeAlert(page.get(), 100)) << "later visits do not warn again";
    saveAnswer = path("never.csv");
    page->exportButton->click();
    EXPECT_FALSE(takeAlert(page.get(), 700)) << "nothing to export";

    openAnswer = QString::fromStdString(
        folder.write("other.drv", driveRecordFileBytes(1, {sampleDriveRecord()})).string());
    page->openButton->click();
    ASSERT_TRUE(rowsBecome(*page, 1));
    openAnswer = path("missing.drv");
    page->openButton->click();
    const auto failed = takeAlert(page.get());
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->informative, "msg.file_open_fail");
    EXPECT_EQ(page->model()->rowCount(), 1) << "the records shown before stay";

    saveAnswer = path("gone/x.csv");
    page->exportButton->click();
    const auto refused = takeAlert(page.get());
    ASSERT_TRUE(refused);
    EXPECT_TRUE(refused->informative.startsWith("msg.export_fail"))
        << refused->informative.toStdString();
}

// A settings window opened again shows the map window of the one before,
// its page loaded once, rather than a new web view each time.
TEST_F(FlashDataPageTest, MapWindowKeptByTheOpenerIsShownAgainByTheNextPage) {
    folder.write("tavu_000.drv",
                 driveRecordFileBytes(3, std::vector<ZRVDriveRecord>(3, sampleDriveRecord())));
    const auto showFirstRecord = [this](ZRVSettingForFlashDataViewController& page) {
        page.setFlashDataFilePath(path("tavu_000.drv"));
        page.setFileData(&record);
        ASSERT_TRUE(rowsBecome(page, 3));
        page.doubleClickTableRow(0);
    };
    auto first = makePage();
    showFirstRecord(*first);
    ASSERT_NE(keptMapWindow, nullptr);
    ZRVFakeMapView* const firstMap = map;
    EXPECT_TRUE(keptMapWindow->window()->isVisible());
    first->onHide();
    EXPECT_FALSE(keptMapWindow->window()->isVisible());
    first.reset();

    auto second = makePage();
    showFirstRecord(*second);
    EXPECT_EQ(second->mapWindowController(), keptMapWindow.get());
    EXPECT_EQ(map, firstMap);
    EXPECT_TRUE(keptMapWindow->window()->isVisible());
    EXPECT_EQ(firstMap->loads, 1);
    second->onHide();
}
