#pragma once

#include "card/TKUSBDiskEntity.h"

#include <cstdint>
#include <string>
#include <vector>

// The cluster size for a card of this many bytes, in sectors: 32 below
// 7 GiB, 128 from 7 GiB on (7,516,192,768 bytes, not 8 GB). This is the
// number the formatter takes as sectors per cluster.
long clusterSizeByVolumeSizeInKB(std::uint64_t volumeSize);

// The program and arguments of each step of formatting a card, to be run as
// they are, never joined into a shell line. Only the format step needs
// administrator rights; unmount and mount run with the user's.
std::vector<std::string> unmountCommand(const TKUSBDiskEntity& disk);
// FAT32 labelled ZORVA with two FATs, the backup boot sector at sector 6,
// 32 reserved sectors and the cluster size above: the layout the camera
// expects.
std::vector<std::string> formatCommand(const TKUSBDiskEntity& disk);
std::vector<std::string> mountCommand(const TKUSBDiskEntity& disk);
