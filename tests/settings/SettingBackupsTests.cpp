#include "settings/SettingBackups.h"
#include "support/TemporaryDirectory.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// 2024-03-05 19:08:09 UTC.
const auto kMoment = std::chrono::system_clock::from_time_t(1709665689);

} // namespace

TEST(SettingBackups, KeepsAByteCopyNamedByTimeAndCardAndOnlyTheLastTwenty) {
    TemporaryDirectory card;
    TemporaryDirectory data;
    const fs::path folder = data.path() / "backups";
    const auto previous = card.write("config.bin", std::string("\x26\x57\0\x01", 4));

    const auto first = keepSettingBackup(previous, folder, "TAVU", kMoment);
    ASSERT_TRUE(first.copy) << first.failure.value_or("");
    EXPECT_EQ(first.copy->filename(), "config-20240305T190809Z-00-TAVU.bin");
    EXPECT_EQ(contents(*first.copy), contents(previous));
    const auto sameSecond = keepSettingBackup(previous, folder, "TAVU", kMoment);
    EXPECT_EQ(sameSecond.copy->filename(), "config-20240305T190809Z-01-TAVU.bin");

    data.write("backups/notes.txt", "mine");
    for (int i = 1; i <= 20; ++i) {
        keepSettingBackup(previous, folder, "TAVU", kMoment + std::chrono::hours(i));
    }
    int copies = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        copies += entry.path().extension() == ".bin" ? 1 : 0;
    }
    EXPECT_EQ(copies, 20);
    EXPECT_FALSE(fs::exists(*first.copy));
    EXPECT_FALSE(fs::exists(*sameSecond.copy));
    EXPECT_TRUE(fs::exists(folder / "notes.txt")) << "only the copies are pruned";
}

TEST(SettingBackups, NothingToKeepWithoutAFileAndNamesAreSafeForAnyLabel) {
    TemporaryDirectory card;
    TemporaryDirectory data;
    const auto none = keepSettingBackup(card.path() / "config.bin", data.path(), "TAVU", kMoment);
    EXPECT_FALSE(none.copy);
    EXPECT_FALSE(none.failure);

    const auto previous = card.write("config.bin", "x");
    EXPECT_EQ(keepSettingBackup(previous, data.path(), "../Kim's card", kMoment).copy->filename(),
              "config-20240305T190809Z-00-.._Kim_s_card.bin");
    EXPECT_EQ(keepSettingBackup(previous, data.path(), "", kMoment).copy->filename(),
              "config-20240305T190809Z-01-" + card.path().filename().string() + ".bin");
}
