#pragma once

#include "card/TKUSBDiskEntity.h"

#include <QString>
#include <optional>

// Unmounts and mounts the file system of a volume, with the user's rights,
// around a format of its medium. Each call waits for the system's answer.
class ZRVMounter {
public:
    virtual ~ZRVMounter() = default;
    // The system's error text, nothing on success.
    virtual std::optional<QString> unmount(const TKUSBDiskEntity& disk) = 0;
    virtual std::optional<QString> mount(const TKUSBDiskEntity& disk) = 0;
};
