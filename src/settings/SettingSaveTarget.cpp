#include "settings/SettingSaveTarget.h"

#include "card/PreferredUSBDisk.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSettingFileName = "config.bin";

} // namespace

SettingSaveTarget
chooseSettingSaveTarget(const std::optional<fs::path>& cardFolder,
                        const std::optional<TKUSBDiskEntity>& selectedUSBDisk,
                        const std::function<std::optional<TKUSBDiskEntity>()>& preferredUSBDisk) {
    if (cardFolder) {
        return {.file = *cardFolder / kSettingFileName};
    }
    if (selectedUSBDisk && holdsSettingsFile(*selectedUSBDisk)) {
        return {.file = *selectedUSBDisk->mountedURL() / kSettingFileName,
                .cardLabel = selectedUSBDisk->volumeName().value_or("")};
    }
    const auto preferred = preferredUSBDisk ? preferredUSBDisk() : std::nullopt;
    if (!preferred || !preferred->mountedURL()) {
        return {.ask = true};
    }
    if (preferred->volumeName() == kCameraVolumeName) {
        return {.file = *preferred->mountedURL() / kSettingFileName,
                .cardLabel = std::string(kCameraVolumeName)};
    }
    return {.ask = true,
            .folder = *preferred->mountedURL(),
            .cardLabel = preferred->volumeName().value_or("")};
}
