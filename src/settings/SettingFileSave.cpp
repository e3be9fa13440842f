#include "settings/SettingFileSave.h"

#include "common/DiagnosticLog.h"
#include "settings/SettingBackups.h"
#include "settings/SettingChanges.h"
#include "settings/SettingFile.h"

SettingFileSave saveSettingFile(const _FILEDATA& record, const std::filesystem::path& path,
                                const _FILEDATA& before, const std::filesystem::path& backupFolder,
                                std::string_view cardLabel,
                                std::chrono::system_clock::time_point now) {
    _FILEDATA held = before;
    readSettingFile(path, held);
    auto backup = keepSettingBackup(path, backupFolder, cardLabel, now);
    if (backup.failure) {
        DiagnosticLog::write("zorva.settings", *backup.failure);
        return {.failure = "msg.backup_failed"};
    }
    if (writeSettingFile(record, path)) {
        return {.failure = "msg.write_protected_disk"};
    }
    return {.changes = describeSettingChanges(held, record), .backup = std::move(backup.copy)};
}
