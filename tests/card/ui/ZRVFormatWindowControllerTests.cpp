#include "card/ui/PMProgressIndicatorController.h"
#include "card/ui/ZRVFormatWindowController.h"
#include "common/ui/ZRVLocalized.h"
#include "common/ui/ZRVTranslator.h"
#include "platform/ZRVPkexecRunner.h"
#include "platform/ZRVUDisks2Volumes.h"
#include "settings/SettingFile.h"
#include "support/AlertSheets.h"
#include "support/ImageFileMounter.h"
#include "support/TemporaryDirectory.h"
#include "support/UDisks2MockBus.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <atomic>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace fs = std::filesystem;

namespace {

// 2 GiB: the smallest FAT32 that mtools reads, in 16 KB clusters.
constexpr std::uint64_t kCardSize = std::uint64_t{2} << 30;

// The formatter as the application runs it, minus the password prompt.
class CountingRunner final : public ZRVPrivilegedRunner {
public:
    FormatterRun run(const std::vector<std::string>& command) override {
        ++calls;
        return m_runner.run(command);
    }
    std::atomic<int> calls = 0;

private:
    ZRVPkexecRunner m_runner{ZRVPkexecRunner::Elevation::alreadyGranted};
};

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string cardSettings() {
    _FILEDATA record = factorySettingsRecord();
    record.time_gmt = 28;
    record.vid_enc_bitrate = 2;
    prepareSettingsForSaving(record);
    const auto bytes = record.toBytes();
    return {bytes.begin(), bytes.end()};
}

struct FormatWindowTest : ::testing::Test {
    TemporaryDirectory work;
    fs::path image = work.path() / "card_img";
    fs::path folder = work.path() / "media" / "OLDCARD";
    fs::path backups = work.path() / "backups";
    std::shared_ptr<ImageFileMounter> mounter;
    std::shared_ptr<CountingRunner> runner = std::make_shared<CountingRunner>();
    const TKUSBDiskEntity anyDisk{std::nullopt, std::nullopt, "",          std::nullopt, 0,
                                  true,         true,         std::nullopt};
    ZRVTranslator english;

    void SetUp() override {
        if (!fs::exists("/usr/sbin/mkfs.fat") || !fs::exists("/usr/bin/mcopy")) {
            GTEST_SKIP() << "dosfstools or mtools missing";
        }
        fs::create_directories(folder);
        mounter = std::make_shared<ImageFileMounter>(image, folder);
        english.loadLanguage(QStringLiteral("en"));
        QCoreApplication::installTranslator(&english);
    }

    void TearDown() override { QCoreApplication::removeTranslator(&english); }

    // An old card, mounted: FAT32 labelled OLDCARD with a recording and,
    // when given, config.bin.
    void makeCard(const std::optional<std::string>& settings) {
        std::ofstream(image).close();
        fs::resize_file(image, kCardSize);
        const auto made =
            ProgramRun::run({"/usr/sbin/mkfs.fat", "-F", "32", "-n", "OLDCARD", image.string()});
        ASSERT_EQ(made.exitCode, 0) << made.err;
        work.write("media/OLDCARD/DCIM/ALWAYS/alwa_20240305_190809_F.avi", "recording");
        if (settings) {
            work.write("media/OLDCARD/config.bin", *settings);
        }
        ASSERT_FALSE(mounter->unmount(anyDisk));
        mounter->mount(anyDisk);
        ASSERT_TRUE(fs::exists(folder / "DCIM"));
        mounter = std::make_shared<ImageFileMounter>(image, folder);
    }

    QJsonObject volume(const fs::path& device) const {
        return {{"device", QString::fromStdString(device.string())},
                {"label", "OLDCARD"},
                {"mount", QString::fromStdString(folder.string())},
                {"size", qint64(kCardSize)},
                {"model", "SD Reader"},
                {"partition", false}};
    }

    std::unique_ptr<ZRVFormatWindowController> open(std::shared_ptr<ZRVVolumes> volumes) {
        ZRVFormatWindowController::Options options;
        options.parts = {std::move(volumes), mounter, runner, backups};
        auto controller = std::make_unique<ZRVFormatWindowController>(options);
        bool loaded = false;
        QObject::connect(
            controller.get(), &ZRVFormatWindowController::volumesLoaded, controller.get(),
            [&loaded] { loaded = true; }, Qt::SingleShotConnection);
        controller->showWindow();
        EXPECT_TRUE(waitFor([&loaded] { return loaded; }, 5000));
        return controller;
    }

    // The format button, then the question's answer; the alert at the end.
    static std::optional<Alert> formatAfterYes(ZRVFormatWindowController& controller) {
        controller.view().formatButton->click();
        auto* box = controller.window()->findChild<QMessageBox*>("formatQuestion");
        if (box == nullptr) {
            return std::nullopt;
        }
        box->findChild<QPushButton*>("confirmFormatButton")->click();
        return takeAlert(controller.window(), 60000);
    }

    std::string fromImage(const std::string& name) const {
        std::vector<std::string> copy = mounter->mtools("mcopy");
        copy.insert(copy.end(), {"::/" + name, "-"});
        return ProgramRun::run(copy).out;
    }

    std::vector<fs::path> kept() const {
        std::vector<fs::path> copies;
        std::error_code none;
        for (const auto& entry : fs::directory_iterator(backups, none)) {
            copies.push_back(entry.path());
        }
        return copies;
    }
};

} // namespace

TEST_F(FormatWindowTest, TheWholeJobOnARealFat32ImageGivesTheCameraLayoutAndTheSameSettingsBack) {
    const std::string settings = cardSettings();
    makeCard(settings);
    UDisks2MockBus bus(QJsonArray{volume(image)});
    ASSERT_TRUE(bus.ready());
    auto controller = open(std::make_shared<ZRVUDisks2Volumes>(bus.connection()));
    const ZRVFormatWindowView& view = controller->view();
    ASSERT_EQ(view.usbDiskCombo->count(), 1);
    EXPECT_EQ(view.pathField->text().toStdString(), image.string() + "   " + folder.string());
    EXPECT_EQ(view.allocationUnitField->text(), "16 KB");
    EXPECT_EQ(view.fileSystemField->text(), "FAT32");

    view.formatButton->click();
    auto* box = controller->window()->findChild<QMessageBox*>("formatQuestion");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text().toStdString(), "Format “OLDCARD” (2.0 GB, " + image.string() + ")?");
    EXPECT_TRUE(box->informativeText().contains("erased")) << box->informativeText().toStdString();
    box->findChild<QPushButton*>("confirmFormatButton")->click();
    EXPECT_TRUE(controller->isFormatting());
    EXPECT_FALSE(view.formatButton->isEnabled()) << "no second format of the same card";
    EXPECT_TRUE(PMProgressIndicatorController::sharedInstance()->progressIndicators().contains(
        view.progressBar))
        << "the job shows on the application icon";
    const auto alert = takeAlert(controller->window(), 60000);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->message, localized("msg.format_complete")) << alert->informative.toStdString();
    EXPECT_FALSE(controller->window()->isVisible());
    EXPECT_EQ(mounter->log(), (std::vector<std::string>{"unmount", "mount"}));
    EXPECT_EQ(runner->calls, 1);

    ASSERT_FALSE(mounter->unmount(anyDisk));
    const auto fsck = ProgramRun::run({"/usr/sbin/fsck.fat", "-n", image.string()});
    EXPECT_EQ(fsck.exitCode, 0) << fsck.out << fsck.err;
    const std::string layout = ProgramRun::run(mounter->mtools("minfo")).out;
    for (const char* line :
         {"cluster size: 32 sectors", "reserved (boot) sectors: 32", "fats: 2",
          "backup boot sector=6", "disk label=\"ZORVA      \"", "disk type=\"FAT32   \""}) {
        EXPECT_NE(layout.find(line), std::string::npos) << line << "\n" << layout;
    }
    EXPECT_EQ(fromImage("config.bin"), settings);
    EXPECT_EQ(fromImage("DCIM/ALWAYS/alwa_20240305_190809_F.avi"), "") << "recordings erased";
    ASSERT_EQ(kept().size(), 1u);
    EXPECT_EQ(slurp(kept()[0]), settings);
}

TEST_F(FormatWindowTest, ACardWithoutSettingsGetsTheFactoryFile) {
    makeCard(std::nullopt);
    UDisks2MockBus bus(QJsonArray{volume(image)});
    ASSERT_TRUE(bus.ready());
    auto controller = open(std::make_shared<ZRVUDisks2Volumes>(bus.connection()));
    const auto alert = formatAfterYes(*controller);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->message, localized("msg.format_complete"));

    ASSERT_FALSE(mounter->unmount(anyDisk));
    const auto factory = factorySettingsRecord().toBytes();
    EXPECT_EQ(fromImage("config.bin"), std::string(factory.begin(), factory.end()));
    EXPECT_TRUE(kept().empty());
}

// The device the formatter is given does not exist: mkfs.fat fails with its
// own words, exit status 1, and the card is mounted again as it was.
TEST_F(FormatWindowTest, AFailingFormatterGivesItsLastErrorLineWithTheCardMountedAgain) {
    const std::string settings = cardSettings();
    makeCard(settings);
    const fs::path missing = work.path() / "sdz";
    UDisks2MockBus bus(QJsonArray{volume(missing)});
    ASSERT_TRUE(bus.ready());
    auto controller = open(std::make_shared<ZRVUDisks2Volumes>(bus.connection()));
    const auto alert = formatAfterYes(*controller);
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->message, localized("msg.cannot_format"));
    EXPECT_EQ(alert->informative.toStdString(),
              "[2.0 GB] OLDCARD <SD Reader>\nError:mkfs.fat: unable to open " + missing.string() +
                  ": No such file or directory");
    EXPECT_EQ(mounter->log(), (std::vector<std::string>{"unmount", "mount"}));
    EXPECT_EQ(slurp(folder / "config.bin"), settings);
    EXPECT_TRUE(fs::exists(folder / "DCIM/ALWAYS/alwa_20240305_190809_F.avi"));
    EXPECT_EQ(controller->view().usbDiskCombo->currentIndex(), 0) << "relisted and selected";
    EXPECT_TRUE(controller->window()->isVisible());
    EXPECT_TRUE(controller->view().formatButton->isEnabled());
}

// A USB disk that also holds /home, and a fixed drive handed over by a
// caller: both refused before anything is saved, unmounted or run.
TEST_F(FormatWindowTest, ASystemDiskOrAFixedDriveIsRefusedBeforeAnyCommandRuns) {
    work.write("media/OLDCARD/config.bin", cardSettings());
    QJsonObject home = volume("/dev/sdz2");
    home.insert("mount", "/home");
    QJsonObject fixed = volume("/dev/sdy1");
    fixed.insert("removable", false);
    fixed.insert("drive", "Fixed");
    QJsonObject card = volume("/dev/sdz1");
    for (QJsonObject* onDisk : {&home, &card}) {
        onDisk->insert("drive", "Disk");
    }
    UDisks2MockBus bus(QJsonArray{card, home, fixed});
    ASSERT_TRUE(bus.ready());
    auto volumes = std::make_shared<ZRVUDisks2Volumes>(bus.connection());
    auto controller = open(volumes);
    ASSERT_EQ(controller->selectedUSBDisk()->deviceFilePath(), "/dev/sdz1");
    const auto refused = formatAfterYes(*controller);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->message, localized("msg.cannot_format"));
    EXPECT_TRUE(refused->informative.endsWith(localized("msg.format_refused_system_disk")));

    controller->doFormat(TKUSBDiskEntity("BACKUP", folder, "/dev/sdy1", std::nullopt, kCardSize,
                                         true, false, std::nullopt));
    const auto fixedRefused = takeAlert(controller->window(), 5000);
    ASSERT_TRUE(fixedRefused);
    EXPECT_TRUE(fixedRefused->informative.endsWith(localized("msg.format_refused_not_removable")));

    EXPECT_TRUE(mounter->log().empty());
    EXPECT_EQ(runner->calls, 0);
    EXPECT_TRUE(kept().empty());
}

TEST_F(FormatWindowTest, NoDiskOrALockedCardIsRefusedWithTheirOwnAlerts) {
    auto empty = open(nullptr);
    EXPECT_EQ(empty->view().usbDiskCombo->count(), 0);
    EXPECT_EQ(empty->view().pathField->text(), "-");
    EXPECT_EQ(empty->view().fileSystemField->text(), "FAT32");
    empty->view().formatButton->click();
    const auto none = takeAlert(empty->window());
    ASSERT_TRUE(none);
    EXPECT_EQ(none->informative, "There is no USB drive.");

    QJsonObject locked = volume("/dev/sdz1");
    locked.insert("readOnly", true);
    UDisks2MockBus bus(QJsonArray{locked});
    ASSERT_TRUE(bus.ready());
    auto controller = open(std::make_shared<ZRVUDisks2Volumes>(bus.connection()));
    controller->view().formatButton->click();
    const auto refused = takeAlert(controller->window());
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->message, localized("msg.cannot_format"));
    EXPECT_EQ(refused->informative,
              "[2.0 GB] OLDCARD <SD Reader>\n" + localized("msg.write_protected_disk"));
    EXPECT_EQ(controller->window()->findChild<QMessageBox*>("formatQuestion"), nullptr);
    EXPECT_EQ(runner->calls, 0);
}
