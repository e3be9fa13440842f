#include "settings/SettingSaveTarget.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

TKUSBDiskEntity volume(const std::string& name, const fs::path& mount) {
    return {name, mount, "/dev/sdb1", std::nullopt, 8ull << 30, true, false, std::nullopt};
}

} // namespace

TEST(SettingSaveTarget, WritesWithoutAskingOnlyWhereTheCardIsCertainlyTheCameras) {
    TemporaryDirectory card;
    card.write("config.bin", std::string(428, '\0'));
    TemporaryDirectory stick;
    int asked = 0;
    const auto preferred = [&](std::optional<TKUSBDiskEntity> disk) {
        return [&asked, disk] {
            ++asked;
            return disk;
        };
    };

    const auto folder = chooseSettingSaveTarget(card.path(), std::nullopt, preferred(std::nullopt));
    EXPECT_FALSE(folder.ask);
    EXPECT_EQ(folder.file, card.path() / "config.bin");

    const auto read = chooseSettingSaveTarget(std::nullopt, volume("SDCARD", card.path()),
                                              preferred(std::nullopt));
    EXPECT_FALSE(read.ask);
    EXPECT_EQ(read.file, card.path() / "config.bin");
    EXPECT_EQ(read.cardLabel, "SDCARD");
    EXPECT_EQ(asked, 0) << "the card that was read decides alone";

    const auto named = chooseSettingSaveTarget(std::nullopt, std::nullopt,
                                               preferred(volume("TAVU", stick.path())));
    EXPECT_FALSE(named.ask);
    EXPECT_EQ(named.file, stick.path() / "config.bin");

    // Any other stick is somebody's own: the user picks the file, starting there.
    const auto other = chooseSettingSaveTarget(std::nullopt, std::nullopt,
                                               preferred(volume("HOLIDAY", stick.path())));
    EXPECT_TRUE(other.ask);
    EXPECT_EQ(other.folder, stick.path());

    const auto none = chooseSettingSaveTarget(std::nullopt, std::nullopt, preferred(std::nullopt));
    EXPECT_TRUE(none.ask);
    EXPECT_TRUE(none.folder.empty());
}

TEST(SettingSaveTarget, ACardWhoseSettingsFileIsGoneNoLongerCountsAsRead) {
    TemporaryDirectory emptied;
    TemporaryDirectory stick;
    const auto target =
        chooseSettingSaveTarget(std::nullopt, volume("SDCARD", emptied.path()),
                                [&] { return std::optional(volume("HOLIDAY", stick.path())); });
    EXPECT_TRUE(target.ask);
    EXPECT_EQ(target.folder, stick.path());
}
