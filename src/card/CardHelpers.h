#pragma once

#include "card/TKUSBDiskEntity.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The short size text of disk lists, in binary units: "1023 B", "1.5 kB",
// "7.4 GB", "30 GB". Three significant places at most, halves rounded to
// even unless anything was cut off below them.
std::string byteSizeString(std::uint64_t bytes);

// True for an absent or zero-length text.
inline bool isEmptyString(const std::optional<std::string>& text) {
    return !text || text->empty();
}

// The camera's card among the given volumes, in list order, the first match
// of the first pass that has one: a writable "TAVU" volume holding
// config.bin; a writable "TAVU" volume; any "TAVU" volume; any writable
// volume; the first volume. None for an empty list.
std::optional<TKUSBDiskEntity> preferredUSBDisk(std::span<const TKUSBDiskEntity> disks);
