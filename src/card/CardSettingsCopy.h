#pragma once

#include "card/TKUSBDiskEntity.h"
#include "settings/SettingBackups.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

// config.bin across a format of the card. The copy is kept with the settings
// window's backups, where a reboot does not empty it and the user can find it.

// Keeps the config.bin of the mounted card in `backupFolder`; no copy when
// the card is not mounted or has none.
SettingBackup keepCardSettings(const TKUSBDiskEntity& disk,
                               const std::filesystem::path& backupFolder,
                               std::chrono::system_clock::time_point now);

// Writes the kept copy as the card's config.bin and reads it back: the file
// must hold the same bytes. Returns what went wrong, nothing on success.
std::optional<std::string> putBackCardSettings(const std::filesystem::path& copy,
                                               const std::filesystem::path& cardRoot);
