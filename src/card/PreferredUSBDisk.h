#pragma once

#include "card/TKUSBDiskEntity.h"

#include <optional>
#include <span>
#include <string_view>

// The volume name the camera gives its card.
inline constexpr std::string_view kCameraVolumeName = "TAVU";

// Whether the volume is mounted and holds a config.bin.
bool holdsSettingsFile(const TKUSBDiskEntity& disk);

// The camera's card among the given volumes, in list order, the first match
// of the first pass that has one: a writable "TAVU" volume holding
// config.bin; a writable "TAVU" volume; any "TAVU" volume; any writable
// volume; the first volume. None for an empty list.
std::optional<TKUSBDiskEntity> preferredUSBDisk(std::span<const TKUSBDiskEntity> disks);
