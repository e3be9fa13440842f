#pragma once

#include "card/TKUSBDiskEntity.h"

#include <cstdint>
#include <string>
#include <vector>

// The cluster size for a card of this many bytes, in sectors: 32 below
// 7 GiB, 128 from 7 GiB on (7,516,192,768 bytes, not 8 GB). This is the
// number the formatter takes as sectors per cluster.
long clusterSizeByVolumeSizeInKB(std::uint64_t volumeSize);

// The formatter's program and arguments, to be run as they are, never joined
// into a shell line: FAT32 labelled ZORVA with two FATs, the backup boot
// sector at sector 6, 32 reserved sectors and the cluster size above, the
// layout the camera expects.
std::vector<std::string> formatCommand(const TKUSBDiskEntity& disk);

// A command that needs administrator rights: through pkexec, which asks for
// them, or as it is when the program already runs as root.
std::vector<std::string> privilegedCommand(std::vector<std::string> command, bool runningAsRoot);
