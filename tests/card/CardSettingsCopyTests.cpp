#include "card/CardSettingsCopy.h"
#include "support/TemporaryDirectory.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(CardSettingsCopy, KeptWithTheBackupsAndPutBackByteForByte) {
    TemporaryDirectory card, backups;
    const std::string settings(428, '\x5a');
    card.write("config.bin", settings);
    const TKUSBDiskEntity disk("TAVU", card.path(), "/dev/sdb1", std::nullopt, 8ull << 30, true,
                               true, std::nullopt);
    const auto kept = keepCardSettings(disk, backups.path(), std::chrono::system_clock::now());
    ASSERT_TRUE(kept.copy);
    EXPECT_EQ(kept.copy->parent_path(), backups.path());
    EXPECT_NE(kept.copy->filename().string().find("TAVU"), std::string::npos);

    std::filesystem::remove(card.path() / "config.bin");
    EXPECT_EQ(putBackCardSettings(*kept.copy, card.path()), std::nullopt);
    EXPECT_EQ(slurp(card.path() / "config.bin"), settings);

    const auto failure = putBackCardSettings(*kept.copy, card.path() / "gone");
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find("gone"), std::string::npos) << *failure;

    const TKUSBDiskEntity unmounted(std::nullopt, std::nullopt, "/dev/sdc1", std::nullopt, 0, true,
                                    true, std::nullopt);
    EXPECT_FALSE(keepCardSettings(unmounted, backups.path(), {}).copy);
}
