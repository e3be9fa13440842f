#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

// Replaces the file at `path` with `bytes` as a whole. The bytes go to a new
// file in the same folder, reach the device, and then take the old file's
// place in one rename: a failure half-way leaves the old file byte for byte
// as it was, and a longer old file leaves no tail behind. A link is followed,
// so the file it names is replaced and the link stays. A target that exists
// but is not a regular file (a folder, a device) or that the user may not
// write is refused rather than replaced. Returns a message naming the path
// and the cause when the file was not replaced, nothing on success.
std::optional<std::string> writeFileAtomically(const std::filesystem::path& path,
                                               std::span<const unsigned char> bytes);
