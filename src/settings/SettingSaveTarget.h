#pragma once

#include "card/TKUSBDiskEntity.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Where a save puts config.bin. A file is written without a question only
// where it is certainly the camera's card: a card folder the user named, the
// card whose config.bin was read, or a volume that carries the camera's name
// "TAVU". Any other USB volume may be someone's own stick: the user is asked
// for the file, starting in that volume.
struct SettingSaveTarget {
    // Ask the user for the file, starting in `folder` (empty: the user's
    // documents folder); otherwise write `file`.
    bool ask = false;
    std::filesystem::path file{};
    std::filesystem::path folder{};
    // The card's volume name, for the backup of the file replaced; empty when
    // not known.
    std::string cardLabel{};
};

// `preferredUSBDisk` is asked only when neither a card folder nor the card
// that was read decides.
SettingSaveTarget
chooseSettingSaveTarget(const std::optional<std::filesystem::path>& cardFolder,
                        const std::optional<TKUSBDiskEntity>& selectedUSBDisk,
                        const std::function<std::optional<TKUSBDiskEntity>()>& preferredUSBDisk);
