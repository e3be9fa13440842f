#pragma once

#include "card/TKUSBDiskEntity.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// What finding the camera's card asks of the system's volumes.
struct CameraCardVolumes {
    std::function<std::vector<TKUSBDiskEntity>()> usbDiskEntities;
    // Gives the volume the camera's name, asking nobody; the error text, or
    // nothing on success.
    std::function<std::optional<std::string>(const TKUSBDiskEntity&)> renameToCameraName;
};

struct CameraCardLookup {
    // False when there is no USB volume at all.
    bool volumesFound = false;
    // The card and its config.bin, when the preferred volume holds a
    // settings file of exactly 428 bytes.
    std::optional<TKUSBDiskEntity> card{};
    std::filesystem::path settingFile{};
};

// The preferred USB volume, when it holds a settings file. A card not yet
// named "TAVU" is renamed; it is then described afresh, but only the card
// just checked is taken, never another volume that the second look happens
// to prefer. A failed rename is logged and the card used as it is.
CameraCardLookup findCameraCard(const CameraCardVolumes& volumes);
