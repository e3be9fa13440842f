#include "ZorvaVersion.h"
#include "controls/TKSegmentedControl.h"
#include "platform/ZRVUDisks2Volumes.h"
#include "settings/SettingFile.h"
#include "settings/TimeZoneTable.h"
#include "settings/ui/ZRVSettingController.h"
#include "settings/ui/ZRVSettingForVideoViewController.h"
#include "support/EventLoopWait.h"
#include "support/TemporaryDirectory.h"
#include "support/UDisks2MockBus.h"

#include <QDialog>
#include <QJsonArray>
#include <QJsonObject>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A card's record that differs from the factory one where the pages look.
_FILEDATA cardRecord() {
    _FILEDATA record;
    fillDefaultSettings(record);
    record.vid_enc_bitrate = 2;
    record.time_gmt = 28;
    record.summer_time = 1;
    record.Brightness1 = 13;
    prepareSettingsForSaving(record);
    return record;
}

struct Alert {
    QString message;
    QString informative;
};

// The alert shown on the window, dismissed with Return as a user would.
std::optional<Alert> takeAlert(QWidget* window, int timeoutMs = 3000) {
    QMessageBox* shown = nullptr;
    waitFor(
        [&] {
            for (QMessageBox* box : window->findChildren<QMessageBox*>()) {
                if (box->isVisible()) {
                    shown = box;
                }
            }
            return shown != nullptr;
        },
        timeoutMs);
    if (shown == nullptr) {
        return std::nullopt;
    }
    Alert alert{shown->text(), shown->informativeText()};
    QTest::keyClick(shown, Qt::Key_Return);
    runEventsFor(20);
    return alert;
}

// Window keys reach only the active window, as on a desktop.
void press(QWidget* window, QKeyCombination keys) {
    window->activateWindow();
    ASSERT_TRUE(waitFor([window] { return window->isActiveWindow(); }, 2000));
    QTest::keyClick(window, keys.key(), keys.keyboardModifiers());
}

// A page that can refuse to be left.
class RefusingPage : public ZRVSettingPage {
public:
    RefusingPage() : ZRVSettingPage("setting.video") {}
    void displayFileData() override {}
    bool populate() override { return givesBack; }
    std::optional<QString> validateUserInput() override {
        return refuses ? std::optional(QStringLiteral("Enter a value between 0.05 and 1.50."))
                       : std::nullopt;
    }
    bool refuses = true;
    bool givesBack = true;
};

struct SettingWindowTest : ::testing::Test {
    TemporaryDirectory card;
    TemporaryDirectory data;
    QStringList askedIn;
    QString answer;

    ZRVSettingController::Options options() {
        ZRVSettingController::Options options;
        options.cardFolder = QString::fromStdString(card.path().string());
        options.backupFolder = QString::fromStdString((data.path() / "backups").string());
        options.diskUtility = QString();
        options.saveDialog = [this](QWidget*, const QString& folder) {
            askedIn.append(folder);
            return answer;
        };
        return options;
    }

    static std::unique_ptr<ZRVSettingController> open(ZRVSettingController::Options options) {
        auto controller = std::make_unique<ZRVSettingController>(std::move(options));
        controller->showWindow();
        // The loading sheet closes at its next tick after the read.
        const auto* sheet = controller->window()->findChild<QDialog*>("progressPanel");
        waitFor([&] { return controller->targetController() != nullptr && !sheet->isVisible(); },
                3000);
        return controller;
    }

    fs::path configPath() const { return card.path() / "config.bin"; }
    void writeCard(const _FILEDATA& record) const {
        ASSERT_EQ(writeSettingFile(record, configPath()), std::nullopt);
    }
    static ZRVSettingForVideoViewController* videoPage(const ZRVSettingController& controller) {
        return dynamic_cast<ZRVSettingForVideoViewController*>(controller.targetController());
    }
};

} // namespace

TEST_F(SettingWindowTest, OpensOnTheCardsValuesWithItsPathInTheTitleAndThePagesOfThisVersion) {
    writeCard(cardRecord());
    const auto controller = open(options());
    ASSERT_NE(videoPage(*controller), nullptr);
    EXPECT_EQ(videoPage(*controller)->videoEncodingBitrate->selectedSegment(), 2);
    EXPECT_EQ(controller->window()->windowTitle(),
              QStringLiteral("setting.window_title[Ver %1] : %2")
                  .arg(ZORVA_VERSION, QString::fromStdString(configPath().string())));
    const TKSegmentedControl* tabs = controller->view().functionSegmentedControl;
    for (int index = 0; index < ZRVSettingController::kTabCount; ++index) {
        EXPECT_EQ(tabs->isEnabledForSegment(index),
                  index == 0 || index == 2 || index == 4 || index == 5)
            << index;
    }
    EXPECT_FALSE(controller->view().sdcardFormatButton->isEnabled());
    EXPECT_TRUE(controller->view().diskUtilButton->isHidden());
    EXPECT_FALSE(takeAlert(controller->window(), 100));
}

TEST_F(SettingWindowTest, EveryPageChangeByClickOrKeyGoesThroughTheShownPagesCheck) {
    writeCard(cardRecord());
    bool refuses = true;
    auto withRefusingFirstPage = options();
    withRefusingFirstPage.pageFactory = [&refuses](int index) -> ZRVSettingPage* {
        if (index == 0) {
            auto* page = new RefusingPage;
            page->refuses = refuses;
            return page;
        }
        return ZRVSettingController::createPage(index);
    };
    const auto controller = open(withRefusingFirstPage);
    QDialog* window = controller->window();
    TKSegmentedControl* tabs = controller->view().functionSegmentedControl;

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->segmentRect(2).center());
    const auto refused = takeAlert(window);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->message, "TAVU");
    EXPECT_EQ(refused->informative, "Enter a value between 0.05 and 1.50.");
    EXPECT_EQ(controller->lastSelectedTabIndex(), 0);
    EXPECT_EQ(tabs->selectedSegment(), 0);
    press(window, Qt::CTRL | Qt::Key_PageDown);
    EXPECT_TRUE(takeAlert(window)) << "the key is checked like the click";
    EXPECT_EQ(controller->lastSelectedTabIndex(), 0);

    refuses = false;
    dynamic_cast<RefusingPage*>(controller->targetController())->refuses = false;
    press(window, Qt::CTRL | Qt::Key_PageDown);
    EXPECT_EQ(controller->lastSelectedTabIndex(), 2) << "the Basic tab has no page yet";
    ZRVSettingPage* gps = controller->targetController();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->segmentRect(2).center());
    EXPECT_EQ(controller->targetController(), gps) << "the tab shown is not made again";
    press(window, Qt::CTRL | Qt::Key_PageDown);
    EXPECT_EQ(controller->lastSelectedTabIndex(), 4);
    press(window, Qt::CTRL | Qt::Key_PageDown);
    press(window, Qt::CTRL | Qt::Key_PageDown);
    EXPECT_EQ(controller->lastSelectedTabIndex(), 0) << "round the row";
    press(window, Qt::CTRL | Qt::Key_PageUp);
    EXPECT_EQ(controller->lastSelectedTabIndex(), 5);
}

TEST_F(SettingWindowTest, APageThatCannotGiveBackItsControlsStopsTheSave) {
    writeCard(cardRecord());
    const std::string before = contents(configPath());
    auto withRefusingPage = options();
    withRefusingPage.pageFactory = [](int index) -> ZRVSettingPage* {
        if (index == 0) {
            auto* page = new RefusingPage;
            page->refuses = false;
            page->givesBack = false;
            return page;
        }
        return ZRVSettingController::createPage(index);
    };
    const auto controller = open(withRefusingPage);
    press(controller->window(), Qt::CTRL | Qt::Key_S);
    EXPECT_FALSE(takeAlert(controller->window(), 100)) << "the page told the user itself";
    EXPECT_EQ(contents(configPath()), before);
    EXPECT_TRUE(controller->window()->isVisible());
}

TEST_F(SettingWindowTest, SavesIntoTheCardFolderAfterKeepingTheOldFileAndListsWhatChanged) {
    writeCard(cardRecord());
    const std::string before = contents(configPath());
    const auto controller = open(options());
    videoPage(*controller)->videoBrightness->setSelectedSegment(0);
    press(controller->window(), Qt::CTRL | Qt::Key_S);
    const auto saved = takeAlert(controller->window());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->message, QString::fromStdString(configPath().string()));
    EXPECT_TRUE(saved->informative.startsWith("msg.saved"));
    EXPECT_TRUE(saved->informative.contains(QStringLiteral("vid_brightness: 2 \u2192 0")))
        << saved->informative.toStdString();
    EXPECT_FALSE(saved->informative.contains("checksum"));
    EXPECT_TRUE(askedIn.isEmpty()) << "a card folder is written without a question";
    EXPECT_FALSE(controller->window()->isVisible()) << "the confirmation closes the window";

    _FILEDATA written;
    ASSERT_TRUE(readSettingFile(configPath(), written));
    _FILEDATA expected = cardRecord();
    expected.vid_brightness = 0;
    prepareSettingsForSaving(expected);
    EXPECT_EQ(written.toBytes(), expected.toBytes());

    const auto backups = fs::directory_iterator(data.path() / "backups");
    ASSERT_NE(backups, fs::directory_iterator());
    EXPECT_EQ(contents(backups->path()), before);
    EXPECT_TRUE(backups->path().filename().string().ends_with(
        "-" + card.path().filename().string() + ".bin"));
    EXPECT_TRUE(saved->informative.contains(QString::fromStdString(backups->path().string())));
}

TEST_F(SettingWindowTest, ResetThenCancelLeavesTheCardAloneAndResetThenSaveKeepsZoneAndLanguage) {
    writeCard(cardRecord());
    const std::string before = contents(configPath());
    {
        const auto controller = open(options());
        controller->view().resetButton->click();
        EXPECT_EQ(videoPage(*controller)->videoEncodingBitrate->selectedSegment(), 1);
        controller->view().cancelButton->click();
        EXPECT_FALSE(controller->window()->isVisible());
    }
    EXPECT_EQ(contents(configPath()), before);

    const auto controller = open(options());
    controller->view().resetButton->click();
    controller->view().saveButton->click();
    ASSERT_TRUE(takeAlert(controller->window()));
    _FILEDATA written;
    ASSERT_TRUE(readSettingFile(configPath(), written));
    EXPECT_EQ(written.vid_enc_bitrate, 1u);
    EXPECT_EQ(written.time_gmt, 28);
    EXPECT_EQ(written.summer_time, 1u);
    EXPECT_EQ(written.Brightness1, 13u);
}

TEST_F(SettingWindowTest, AFileOfAnyOtherSizeIsNotReadAndTheWindowTakesTheComputersZone) {
    const auto bytes = cardRecord().toBytes();
    for (const std::size_t size : {std::size_t{427}, std::size_t{429}}) {
        std::string file(reinterpret_cast<const char*>(bytes.data()), 427);
        file.resize(size, '\0');
        card.write("config.bin", file);
        const auto controller = open(options());
        EXPECT_EQ(controller->window()->windowTitle(),
                  QStringLiteral("setting.window_title[Ver %1]").arg(ZORVA_VERSION));
        EXPECT_EQ(videoPage(*controller)->videoEncodingBitrate->selectedSegment(), 1);
        EXPECT_EQ(controller->fileData().time_gmt, findTimeZoneIndex());
        EXPECT_FALSE(takeAlert(controller->window(), 100));
    }
}

TEST_F(SettingWindowTest, AFileFailingItsChecksumIsReadAndTheWindowSaysSoOnce) {
    _FILEDATA damaged = cardRecord();
    damaged.checksum ^= 0x0100;
    writeCard(damaged);
    const auto controller = open(options());
    EXPECT_EQ(videoPage(*controller)->videoEncodingBitrate->selectedSegment(), 2);
    const auto warning = takeAlert(controller->window());
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->message, "Warning");
    EXPECT_EQ(warning->informative, "msg.config_damaged");
    press(controller->window(), Qt::CTRL | Qt::Key_PageDown);
    press(controller->window(), Qt::CTRL | Qt::Key_PageUp);
    EXPECT_FALSE(takeAlert(controller->window(), 100));
}

TEST_F(SettingWindowTest, AWriteThatFailsIsSaidAndTheWindowStaysOpen) {
    fs::create_directory(configPath());
    const auto controller = open(options());
    press(controller->window(), Qt::CTRL | Qt::Key_S);
    const auto failed = takeAlert(controller->window());
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->message, "Warn");
    EXPECT_EQ(failed->informative, "msg.write_protected_disk");
    EXPECT_TRUE(controller->window()->isVisible());
    EXPECT_TRUE(fs::is_directory(configPath()));
}

namespace {

QJsonObject volume(const QString& device, const QString& label, const TemporaryDirectory& mount,
                   bool renameFails = false) {
    return {{"device", device},
            {"label", label},
            {"mount", QString::fromStdString(mount.path().string())},
            {"renameFails", renameFails}};
}

} // namespace

TEST_F(SettingWindowTest, ACardHoldingSettingsIsRenamedUnaskedAndReadEvenWhenRenamingFails) {
    writeCard(cardRecord());
    TemporaryDirectory refusing;
    ASSERT_EQ(writeSettingFile(cardRecord(), refusing.path() / "config.bin"), std::nullopt);
    for (const bool renameFails : {false, true}) {
        const TemporaryDirectory& mount = renameFails ? refusing : card;
        UDisks2MockBus bus(QJsonArray{volume("/dev/sdb1", "NO NAME", mount, renameFails)});
        ASSERT_TRUE(bus.ready());
        auto onVolumes = options();
        onVolumes.cardFolder.clear();
        onVolumes.volumes = std::make_shared<ZRVUDisks2Volumes>(bus.connection());

        const ZRVSettingController controller(onVolumes);
        EXPECT_TRUE(bus.calls().contains(R"(SetLabel "TAVU" {"auth.no_user_interaction": True})"));
        EXPECT_EQ(controller.fileData().vid_enc_bitrate, 2u);
        EXPECT_EQ(controller.settingFilePath(),
                  QString::fromStdString((mount.path() / "config.bin").string()));
        EXPECT_EQ(controller.selectedUSBDisk()->volumeName(), renameFails ? "NO NAME" : "TAVU");
    }
}

TEST_F(SettingWindowTest, WithoutACardReadOnlyAVolumeNamedTavuIsWrittenWithoutAQuestion) {
    TemporaryDirectory stick;
    auto onVolumes = options();
    onVolumes.cardFolder.clear();
    {
        UDisks2MockBus bus(QJsonArray{volume("/dev/sdb1", "HOLIDAY", stick)});
        ASSERT_TRUE(bus.ready());
        onVolumes.volumes = std::make_shared<ZRVUDisks2Volumes>(bus.connection());
        const auto controller = open(onVolumes);
        EXPECT_FALSE(bus.calls().contains("SetLabel")) << "a stick without settings keeps its name";
        controller->view().saveButton->click();
        EXPECT_EQ(askedIn, QStringList{QString::fromStdString(stick.path().string())});
        EXPECT_FALSE(fs::exists(stick.path() / "config.bin")) << "the question was cancelled";
        EXPECT_TRUE(controller->window()->isVisible());
    }
    UDisks2MockBus bus(QJsonArray{volume("/dev/sdb1", "TAVU", stick)});
    ASSERT_TRUE(bus.ready());
    onVolumes.volumes = std::make_shared<ZRVUDisks2Volumes>(bus.connection());
    const auto controller = open(onVolumes);
    controller->view().saveButton->click();
    const auto saved = takeAlert(controller->window());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->message, QString::fromStdString((stick.path() / "config.bin").string()));
    EXPECT_EQ(askedIn.size(), 1);
    EXPECT_EQ(fs::file_size(stick.path() / "config.bin"), _FILEDATA::kSize);
}
