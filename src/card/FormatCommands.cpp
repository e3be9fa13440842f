#include "card/FormatCommands.h"

long clusterSizeByVolumeSizeInKB(std::uint64_t volumeSize) {
    return volumeSize / (std::uint64_t{1} << 30) < 7 ? 32 : 128;
}

// pkexec looks the program up in the caller's PATH, which for a desktop user
// does not hold /usr/sbin, hence the full path. mkfs.fat would otherwise
// round the reserved sectors up to a whole cluster (128 of them with
// 128-sector clusters); -a keeps the 32 the camera wants.
std::vector<std::string> formatCommand(const TKUSBDiskEntity& disk) {
    std::vector<std::string> command = {"/usr/sbin/mkfs.fat",
                                        "-F",
                                        "32",
                                        "-n",
                                        "ZORVA",
                                        "-f",
                                        "2",
                                        "-b",
                                        "6",
                                        "-R",
                                        "32",
                                        "-a",
                                        "-s"};
    command.push_back(std::to_string(clusterSizeByVolumeSizeInKB(disk.volumeSize())));
    command.push_back(disk.deviceFilePath());
    return command;
}

std::vector<std::string> privilegedCommand(std::vector<std::string> command, bool runningAsRoot) {
    if (!runningAsRoot) {
        command.insert(command.begin(), "pkexec");
    }
    return command;
}
