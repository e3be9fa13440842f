#include "card/CameraCardLookup.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace {

TKUSBDiskEntity volume(const std::string& name, const TemporaryDirectory& mount,
                       const std::string& device) {
    return {name, mount.path(), device, std::nullopt, 8ull << 30, true, false, std::nullopt};
}

} // namespace

TEST(CameraCardLookup, TheRenamedCardIsTheOneCheckedNotAnotherThatAppearedMeanwhile) {
    TemporaryDirectory card;
    card.write("config.bin", std::string(428, '\0'));
    TemporaryDirectory latecomer;
    int listings = 0;
    std::vector<std::string> renamed;
    const auto found = findCameraCard(
        {.usbDiskEntities =
             [&] {
                 ++listings;
                 std::vector<TKUSBDiskEntity> disks{volume("NO NAME", card, "/dev/sdb1")};
                 if (listings > 1) {
                     disks.insert(disks.begin(), volume("TAVU", latecomer, "/dev/sdc1"));
                 }
                 return disks;
             },
         .renameToCameraName = [&](const TKUSBDiskEntity& disk) -> std::optional<std::string> {
             renamed.push_back(disk.deviceFilePath());
             return std::nullopt;
         }});
    EXPECT_EQ(renamed, std::vector<std::string>{"/dev/sdb1"});
    ASSERT_TRUE(found.card);
    EXPECT_EQ(found.card->deviceFilePath(), "/dev/sdb1");
    EXPECT_EQ(found.settingFile, card.path() / "config.bin");
}
