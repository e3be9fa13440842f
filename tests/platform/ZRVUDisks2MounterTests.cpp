#include "platform/ZRVUDisks2Mounter.h"
#include "platform/ZRVUDisks2Volumes.h"
#include "support/TemporaryDirectory.h"
#include "support/UDisks2MockBus.h"

#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

// Two partitions of one USB disk, the second mounted at /home: the drive of
// the first carries both mount points, and unmounting and mounting the first
// go to its own file system.
TEST(ZRVUDisks2Mounter, UnmountAndMountReachTheVolumesFileSystemWhoseDriveTellsAllItsMounts) {
    TemporaryDirectory card;
    const QString mount = QString::fromStdString(card.path().string());
    UDisks2MockBus bus(QJsonArray{
        QJsonObject{{"device", "/dev/sdb1"}, {"mount", mount}, {"drive", "Disk"}},
        QJsonObject{{"device", "/dev/sdb2"}, {"mount", "/home"}, {"drive", "Disk"}},
    });
    ASSERT_TRUE(bus.ready());
    ZRVUDisks2Volumes volumes(bus.connection());
    ZRVUDisks2Mounter mounter(bus.connection());
    const TKUSBDiskEntity disk = volumes.usbDiskEntities().at(0);

    const auto drive = volumes.cardDrive(disk);
    ASSERT_TRUE(drive);
    EXPECT_TRUE(drive->usb && drive->removable);
    EXPECT_EQ(drive->mountPoints, (std::vector<std::string>{card.path().string(), "/home"}));

    EXPECT_EQ(mounter.unmount(disk), std::nullopt);
    EXPECT_EQ(volumes.usbDiskEntities().size(), 1u);
    EXPECT_EQ(mounter.mount(disk), std::nullopt);
    EXPECT_EQ(volumes.usbDiskEntities().at(0).mountedURL(), card.path());
    EXPECT_TRUE(bus.calls().contains("Unmount {}")) << bus.calls().toStdString();

    const TKUSBDiskEntity unknown(std::nullopt, std::nullopt, "/dev/sdx1", std::nullopt, 0, true,
                                  true, std::nullopt);
    EXPECT_FALSE(volumes.cardDrive(unknown));
    EXPECT_TRUE(mounter.mount(unknown));
}
