#include "platform/ZRVUDisks2Volumes.h"
#include "support/TemporaryDirectory.h"
#include "support/UDisks2MockBus.h"

#include <QDBusConnection>
#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

QJsonObject volume(const QString& device, const QString& label, const TemporaryDirectory& mount) {
    return {{"device", device},
            {"label", label},
            {"mount", QString::fromStdString(mount.path().string())}};
}

QJsonObject with(QJsonObject volume, const QString& key, const QJsonValue& value) {
    volume.insert(key, value);
    return volume;
}

} // namespace

TEST(ZRVUDisks2Volumes, ListsMountedRemovableUsbVolumesInDeviceOrderForTheCardChoice) {
    TemporaryDirectory card, locked, stick, internal, fixed;
    card.write("config.bin", std::string(428, '\0'));
    UDisks2MockBus bus(QJsonArray{
        with(with(with(volume("/dev/sdd1", "TAVU", card), "model", "SD Reader"), "size",
                  qint64(7948206080)),
             "partition", false),
        with(volume("/dev/sdc1", "TAVU", locked), "readOnly", true),
        volume("/dev/sdb1", "HOLIDAY", stick),
        with(volume("/dev/mmcblk0p1", "SLOT", internal), "bus", "sdio"),
        with(volume("/dev/sde1", "BACKUP", fixed), "removable", false),
        QJsonObject{{"device", "/dev/sdf1"}, {"label", "UNMOUNTED"}},
    });
    ASSERT_TRUE(bus.ready());
    ZRVUDisks2Volumes volumes(bus.connection());

    const auto disks = volumes.usbDiskEntities();
    ASSERT_EQ(disks.size(), 3u);
    EXPECT_EQ(disks[0].deviceFilePath(), "/dev/sdb1");
    EXPECT_FALSE(disks[0].mediaWhole());
    EXPECT_FALSE(disks[0].deviceModel());
    EXPECT_FALSE(disks[1].writable());
    const TKUSBDiskEntity& camera = disks[2];
    EXPECT_EQ(camera.mountedURL(), card.path());
    EXPECT_TRUE(camera.writable());
    EXPECT_TRUE(camera.mediaWhole());
    EXPECT_EQ(camera.displayString(), "[7.4 GB] TAVU <SD Reader>");
    EXPECT_EQ(volumes.usbVolumeURLs().size(), 3);
    EXPECT_EQ(volumes.usbVolumeContainingFile("config.bin"),
              QString::fromStdString(card.path().string()));
    EXPECT_EQ(volumes.preferredUSBDisk()->deviceFilePath(), "/dev/sdd1")
        << "of two TAVU volumes, the writable one holding config.bin";
}

TEST(ZRVUDisks2Volumes, RenameAsksNobodyUnlessAllowedAndReportsARefusal) {
    TemporaryDirectory card, refusing;
    UDisks2MockBus bus(QJsonArray{volume("/dev/sdb1", "NO NAME", card),
                                  with(volume("/dev/sdc1", "CAM", refusing), "renameFails", true)});
    ASSERT_TRUE(bus.ready());
    ZRVUDisks2Volumes volumes(bus.connection());
    const auto disks = volumes.usbDiskEntities();
    ASSERT_EQ(disks.size(), 2u);

    EXPECT_EQ(volumes.renameVolume(disks[0], "TAVU", ZRVVolumes::Interaction::none), std::nullopt);
    EXPECT_TRUE(bus.calls().contains(R"(SetLabel "TAVU" {"auth.no_user_interaction": True})"));
    EXPECT_EQ(volumes.usbDiskEntities()[0].volumeName(), "TAVU");

    const auto refused = volumes.renameVolume(disks[1], "TAVU", ZRVVolumes::Interaction::allowed);
    ASSERT_TRUE(refused);
    EXPECT_TRUE(refused->contains("Not authorized")) << refused->toStdString();
    EXPECT_TRUE(bus.calls().contains(R"(SetLabel "TAVU" {})"));
    EXPECT_EQ(volumes.usbDiskEntities()[1].volumeName(), "CAM");
}

TEST(ZRVUDisks2Volumes, NoVolumesNoServiceAndNoBusAllGiveEmptyLists) {
    UDisks2MockBus empty(QJsonArray{});
    ASSERT_TRUE(empty.ready());
    ZRVUDisks2Volumes none(empty.connection());
    EXPECT_TRUE(none.usbDiskEntities().empty());
    EXPECT_FALSE(none.preferredUSBDisk());

    // A bus where no UDisks2 runs, and the test run's system bus, which
    // points nowhere.
    UDisks2MockBus bare(QJsonArray{}, UDisks2MockBus::Service::none);
    ASSERT_TRUE(bare.ready());
    EXPECT_TRUE(ZRVUDisks2Volumes(bare.connection()).usbDiskEntities().empty());
    ZRVUDisks2Volumes system;
    EXPECT_TRUE(system.usbVolumeURLs().isEmpty());
    EXPECT_TRUE(system.renameVolume(
        TKUSBDiskEntity(std::nullopt, std::nullopt, "/dev/sdb1", std::nullopt, 0, true, true, "/x"),
        "TAVU", ZRVVolumes::Interaction::none));
}
