#include "card/FormatCommands.h"

long clusterSizeByVolumeSizeInKB(std::uint64_t volumeSize) {
    return volumeSize / (std::uint64_t{1} << 30) < 7 ? 32 : 128;
}

std::vector<std::string> unmountCommand(const TKUSBDiskEntity& disk) {
    return {"udisksctl", "unmount", "-b", disk.deviceFilePath()};
}

// pkexec looks the program up in the caller's PATH, which for a desktop user
// does not hold /usr/sbin, hence the full path. mkfs.fat would otherwise
// round the reserved sectors up to a whole cluster (128 of them with
// 128-sector clusters); -a keeps the 32 the camera wants.
std::vector<std::string> formatCommand(const TKUSBDiskEntity& disk) {
    std::vector<std::string> command = {"pkexec", "/usr/sbin/mkfs.fat",
                                        "-F",     "32",
                                        "-n",     "ZORVA",
                                        "-f",     "2",
                                        "-b",     "6",
                                        "-R",     "32",
                                        "-a",     "-s"};
    command.push_back(std::to_string(clusterSizeByVolumeSizeInKB(disk.volumeSize())));
    command.push_back(disk.deviceFilePath());
    return command;
}

std::vector<std::string> mountCommand(const TKUSBDiskEntity& disk) {
    return {"udisksctl", "mount", "-b", disk.deviceFilePath()};
}
