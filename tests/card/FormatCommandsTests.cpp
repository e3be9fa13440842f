#include "card/FormatCommands.h"
#include "common/ByteOrder.h"
#include "support/ProgramRun.h"
#include "support/TemporaryDirectory.h"

#include <array>
#include <fstream>
#include <gtest/gtest.h>

namespace {

constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

TKUSBDiskEntity card(const std::string& device, std::uint64_t size) {
    return TKUSBDiskEntity("TAVU", "/media/u/TAVU", device, std::nullopt, size, true, true,
                           std::nullopt);
}

std::string programPath(const std::string& name) {
    for (const char* folder : {"/usr/sbin", "/sbin", "/usr/bin", "/bin"}) {
        if (std::filesystem::exists(std::filesystem::path(folder) / name)) {
            return std::string(folder) + "/" + name;
        }
    }
    return {};
}

// Formats an image of `size` bytes with the card's format command, run as
// it is, and checks the boot sector against the camera's layout;
// fsck.fat reads it independently.
void formatAndCheck(std::uint64_t size) {
    const std::string fsck = programPath("fsck.fat");
    if (!std::filesystem::exists("/usr/sbin/mkfs.fat") || fsck.empty()) {
        GTEST_SKIP() << "dosfstools missing";
    }
    TemporaryDirectory dir;
    const auto image = dir.write("card.img");
    std::filesystem::resize_file(image, size);
    const auto formatted = ProgramRun::run(formatCommand(card(image.string(), size)));
    ASSERT_EQ(formatted.exitCode, 0) << formatted.err;

    const long sectors = clusterSizeByVolumeSizeInKB(size);
    std::array<unsigned char, 512> boot{};
    std::ifstream(image, std::ios::binary).read(reinterpret_cast<char*>(boot.data()), boot.size());
    EXPECT_EQ(ByteOrder::readLE16(&boot[0x0B]), 512);
    EXPECT_EQ(boot[0x0D], sectors);
    EXPECT_EQ(ByteOrder::readLE16(&boot[0x0E]), 32);
    EXPECT_EQ(boot[0x10], 2);
    EXPECT_EQ(ByteOrder::readLE16(&boot[0x32]), 6);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&boot[0x47]), 19), "ZORVA      FAT32   ");

    const auto checked = ProgramRun::run({fsck, "-n", "-v", image.string()});
    EXPECT_EQ(checked.exitCode, 0) << checked.out << checked.err;
}

} // namespace

TEST(FormatCommands,
     FormatterIsAnArgumentVectorWithClustersSwitchingAtSevenGiBAndPkexecUnlessRoot) {
    EXPECT_EQ(clusterSizeByVolumeSizeInKB(7 * kGiB - 1), 32);
    const auto command = formatCommand(card("/dev/sdb1", 7 * kGiB));
    EXPECT_EQ(command,
              (std::vector<std::string>{"/usr/sbin/mkfs.fat", "-F", "32", "-n", "ZORVA", "-f", "2",
                                        "-b", "6", "-R", "32", "-a", "-s", "128", "/dev/sdb1"}));
    EXPECT_EQ(privilegedCommand(command, false).front(), "pkexec");
    EXPECT_EQ(privilegedCommand(command, false).size(), command.size() + 1);
    EXPECT_EQ(privilegedCommand(command, true), command);
}

// 64 MiB in 16 KiB clusters makes 4093 of them, fewer than FAT32 is meant to
// have: mkfs.fat warns but writes it when told -F 32.
TEST(FormatCommands, SmallImageGetsTheCameraLayout) {
    formatAndCheck(64ull << 20);
}

// A sparse 7 GiB image costs about a megabyte of disk and takes the
// 128-sector clusters, where mkfs.fat would round the reserved area up.
TEST(FormatCommands, SevenGiBImageGetsTheCameraLayout) {
    formatAndCheck(7 * kGiB);
}
