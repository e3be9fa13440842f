#pragma once

#include "settings/_FILEDATA.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a save did: the key of the message for a failure (none when the file
// was written), the fields it changed and where the replaced file was kept.
struct SettingFileSave {
    std::optional<std::string> failure{};
    std::vector<std::string> changes{};
    std::optional<std::filesystem::path> backup{};
};

// Writes the record (prepared for saving) to `path` after keeping the file
// there in `backupFolder`; when no copy can be kept nothing is written
// ("msg.backup_failed"), and a failed write is "msg.write_protected_disk".
// The changes are told against what the file held, or against `before` when
// it held no record.
SettingFileSave saveSettingFile(const _FILEDATA& record, const std::filesystem::path& path,
                                const _FILEDATA& before, const std::filesystem::path& backupFolder,
                                std::string_view cardLabel,
                                std::chrono::system_clock::time_point now);
