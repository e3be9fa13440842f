#include "card/FormatRefusal.h"

#include <algorithm>
#include <array>

bool isSystemFolder(std::string_view mountPoint) {
    while (mountPoint.size() > 1 && mountPoint.back() == '/') {
        mountPoint.remove_suffix(1);
    }
    if (mountPoint == "/") {
        return true;
    }
    constexpr std::array<std::string_view, 4> kSystemFolders = {"/boot", "/home", "/usr", "/var"};
    return std::any_of(kSystemFolders.begin(), kSystemFolders.end(), [mountPoint](auto folder) {
        return mountPoint == folder ||
               (mountPoint.starts_with(folder) && mountPoint[folder.size()] == '/');
    });
}

std::optional<FormatRefusal> formatRefusal(const std::optional<CardDrive>& drive) {
    if (!drive || !drive->usb || !drive->removable) {
        return FormatRefusal::notRemovableUsb;
    }
    if (std::any_of(drive->mountPoints.begin(), drive->mountPoints.end(),
                    [](const std::string& mountPoint) { return isSystemFolder(mountPoint); })) {
        return FormatRefusal::holdsSystemFolder;
    }
    return std::nullopt;
}
