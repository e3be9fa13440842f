#pragma once

#include "settings/_FILEDATA.h"

#include <filesystem>
#include <optional>
#include <string>

// config.bin on the camera's card: the record's 428 bytes and nothing else.

// Whether the path is a regular file of exactly 428 bytes: a settings file.
bool holdsSettingRecord(const std::filesystem::path& path);

// Replaces the record with the file's contents when the file is a regular
// file of exactly 428 bytes; otherwise leaves it as it was and returns false.
bool readSettingFile(const std::filesystem::path& path, _FILEDATA& record);

// Writes the record as it stands (the caller prepares it for saving). The
// bytes go to a temporary file beside the target, reach the device, and then
// replace the target in one rename; a link is written through to the file it
// names. Returns "msg.file_open_fail" on any failure, with the previous file
// left byte for byte as it was, and nothing on success.
std::optional<std::string> writeSettingFile(const _FILEDATA& record,
                                            const std::filesystem::path& path);

// A factory record (time_gmt, summer_time and Brightness1 zero) with its
// checksum, written as writeSettingFile does.
std::optional<std::string> writeDefaultSettingFile(const std::filesystem::path& path);
