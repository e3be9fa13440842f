#include "card/ui/ZRVCardFormatJob.h"

#include "card/CardSettingsCopy.h"
#include "card/FormatCommands.h"
#include "common/ui/ZRVLog.h"
#include "platform/ZRVMounter.h"
#include "platform/ZRVPrivilegedRunner.h"
#include "platform/ZRVVolumes.h"
#include "settings/SettingFile.h"

#include <chrono>

namespace {

void logFailure(const char* step, const std::optional<QString>& error) {
    if (error) {
        qCInfo(zorvaCard).noquote() << step << "failed:" << *error;
    }
}

} // namespace

ZRVCardFormatJob::Result ZRVCardFormatJob::run(const TKUSBDiskEntity& disk, const Parts& parts,
                                               const std::function<void(const QString&)>& status) {
    using Kind = Result::Kind;
    Result result;
    const auto refusal =
        formatRefusal(parts.volumes ? parts.volumes->cardDrive(disk) : std::nullopt);
    if (refusal) {
        result.kind = Kind::refused;
        result.refusal = *refusal;
        return result;
    }
    const SettingBackup kept =
        keepCardSettings(disk, parts.backupFolder, std::chrono::system_clock::now());
    if (kept.failure) {
        result.kind = Kind::settingsNotKept;
        result.failure = *kept.failure;
        return result;
    }
    result.savedSettings = kept.copy;

    status(QStringLiteral("unmount disk..."));
    logFailure("unmount", parts.mounter->unmount(disk));
    status(QStringLiteral("formatting..."));
    result.outcome = formatterOutcome(parts.runner->run(formatCommand(disk)));
    if (result.outcome.kind != FormatterOutcome::Kind::formatted) {
        logFailure("mount", parts.mounter->mount(disk));
        result.kind = Kind::formatFailed;
        return result;
    }
    status(QStringLiteral("try mount..."));
    logFailure("mount", parts.mounter->mount(disk));
    status(QStringLiteral("Format completed!"));
    putBackSettings(disk, parts, result);
    return result;
}

// The card is found again by its device, where it is mounted now.
void ZRVCardFormatJob::putBackSettings(const TKUSBDiskEntity& disk, const Parts& parts,
                                       Result& result) {
    std::optional<std::filesystem::path> root;
    for (const TKUSBDiskEntity& mounted : parts.volumes->usbDiskEntities()) {
        if (mounted.deviceFilePath() == disk.deviceFilePath() && mounted.mountedURL()) {
            root = mounted.mountedURL();
        }
    }
    result.factorySettings = !result.savedSettings;
    if (!root) {
        result.kind = Result::Kind::settingsNotPutBack;
        result.failure = disk.deviceFilePath() + " was not mounted again";
        return;
    }
    const auto failure = result.savedSettings ? putBackCardSettings(*result.savedSettings, *root)
                                              : writeDefaultSettingFile(*root / "config.bin");
    if (failure) {
        result.kind = Result::Kind::settingsNotPutBack;
        result.failure = *failure;
        result.failureIsKey = result.factorySettings;
    }
}
