#include "card/PreferredUSBDisk.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

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

TEST(PreferredUSBDisk, TakesTheFirstMatchOfTheFirstPassThatHasOne) {
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
