#include "card/PreferredUSBDisk.h"

#include <filesystem>
#include <functional>
#include <string_view>

namespace {

bool isCardVolume(const TKUSBDiskEntity& disk) {
    return disk.volumeName() == kCameraVolumeName;
}

} // namespace

bool holdsSettingsFile(const TKUSBDiskEntity& disk) {
    if (!disk.mountedURL()) {
        return false;
    }
    std::error_code error;
    return std::filesystem::exists(*disk.mountedURL() / "config.bin", error);
}

std::optional<TKUSBDiskEntity> preferredUSBDisk(std::span<const TKUSBDiskEntity> disks) {
    const std::function<bool(const TKUSBDiskEntity&)> passes[] = {
        [](const TKUSBDiskEntity& d) {
            return isCardVolume(d) && d.writable() && holdsSettingsFile(d);
        },
        [](const TKUSBDiskEntity& d) { return isCardVolume(d) && d.writable(); },
        [](const TKUSBDiskEntity& d) { return isCardVolume(d); },
        [](const TKUSBDiskEntity& d) { return d.writable(); },
        [](const TKUSBDiskEntity&) { return true; },
    };
    for (const auto& pass : passes) {
        for (const auto& disk : disks) {
            if (pass(disk)) {
                return disk;
            }
        }
    }
    return std::nullopt;
}
