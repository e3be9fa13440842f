#include "card/CameraCardLookup.h"

#include "card/PreferredUSBDisk.h"
#include "common/DiagnosticLog.h"
#include "settings/SettingFile.h"

CameraCardLookup findCameraCard(const CameraCardVolumes& volumes) {
    const auto disks = volumes.usbDiskEntities();
    if (disks.empty()) {
        DiagnosticLog::write("zorva.settings", "no removable devices");
        return {};
    }
    auto card = preferredUSBDisk(disks);
    if (!card || !card->mountedURL() || !holdsSettingRecord(*card->mountedURL() / "config.bin")) {
        return {.volumesFound = true};
    }
    if (card->volumeName() != kCameraVolumeName) {
        if (const auto error = volumes.renameToCameraName(*card)) {
            DiagnosticLog::write("zorva.settings", "error=" + *error);
        } else if (auto renamed = preferredUSBDisk(volumes.usbDiskEntities());
                   renamed && renamed->deviceFilePath() == card->deviceFilePath()) {
            card = std::move(renamed);
        }
    }
    const auto settingFile = *card->mountedURL() / "config.bin";
    return {.volumesFound = true, .card = std::move(card), .settingFile = settingFile};
}
