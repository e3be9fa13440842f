#pragma once

#include "card/TKUSBDiskEntity.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The mounted volumes of removable USB media, where the camera's card is
// looked for. Every call asks the system afresh and waits for its answer, so
// a card put in or taken out since the last call is seen.
class ZRVVolumes {
public:
    // Whether the system may ask the user (for a password) while it works:
    // not for what the program does by itself, unasked.
    enum class Interaction { none, allowed };

    virtual ~ZRVVolumes() = default;

    // In a fixed order (by device), volumes without a device left out.
    virtual std::vector<TKUSBDiskEntity> usbDiskEntities() = 0;
    // Gives the volume a new file-system label. Returns the system's error
    // text, nothing on success.
    virtual std::optional<QString> renameVolume(const TKUSBDiskEntity& disk, const QString& name,
                                                Interaction interaction) = 0;

    // The mount points of usbDiskEntities, in the same order.
    QStringList usbVolumeURLs();
    // The first of usbVolumeURLs that holds an item of that name.
    std::optional<QString> usbVolumeContainingFile(const QString& name);
    // The camera's card among usbDiskEntities.
    std::optional<TKUSBDiskEntity> preferredUSBDisk();
};
