#include "card/CardHelpers.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TKUSBDiskEntity disk(const char* device, std::optional<std::string> name, bool writable,
                     std::optional<std::filesystem::path> mount = std::nullopt) {
    return TKUSBDiskEntity(std::move(name), std::move(mount), device, std::nullopt, 7948206080,
                           writable, false, std::nullopt);
}

std::string chosen(const std::vector<TKUSBDiskEntity>& disks) {
    const auto disk = preferredUSBDisk(disks);
    return disk ? disk->deviceFilePath() : "none";
}

} // namespace

// A tie that is only a tie after a cut rounds up.
TEST(CardHelpers, ByteSizeStringRoundsAsTheDiskListShowsSizes) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {0, "0 B"},
        {1024, "1.0 kB"},
        {10165, "9.9 kB"},
        {10166, "10 kB"},
        {11776, "12 kB"},
        {1048064, "1.0 MB"},
        {std::numeric_limits<std::uint64_t>::max(), "16 EB"},
        {1274ull << 10, "1.2 MB"},
        {(1274ull << 10) + 1, "1.3 MB"},
        {(10752ull << 10) + 1, "11 MB"}};
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(byteSizeString(bytes), text) << bytes;
    }
}

TEST(CardHelpers, DisplayStringShowsSizeNameAndModel) {
    const TKUSBDiskEntity withModel("TAVU", "/media/u/TAVU", "/dev/sdb1", "Card Reader", 7948206080,
                                    true, false, std::nullopt);
    EXPECT_EQ(withModel.displayString(), "[7.4 GB] TAVU <Card Reader>");
    EXPECT_EQ(disk("/dev/sdb1", "TAVU", true).displayString(), "[7.4 GB] TAVU ");
    EXPECT_EQ(disk("/dev/sdb1", "", true).displayString(), "[7.4 GB] /dev/sdb1 ");
}

TEST(CardHelpers, PreferredDiskPassesInOrder) {
    TemporaryDirectory dir;
    dir.write("b/config.bin", std::string(428, '\0'));
    std::filesystem::create_directories(dir.path() / "a");
    EXPECT_EQ(chosen({disk("a", "TAVU", true, dir.path() / "a"),
                      disk("b", "TAVU", true, dir.path() / "b")}),
              "b");
    EXPECT_EQ(chosen({disk("a", "OTHER", true), disk("b", "TAVU", false), disk("c", "TAVU", true)}),
              "c");
    EXPECT_EQ(chosen({disk("a", "tavu", false), disk("b", "OTHER", true)}), "b");
    EXPECT_EQ(chosen({disk("a", "A", false), disk("b", "B", false)}), "a");
    EXPECT_EQ(chosen({}), "none");
}
