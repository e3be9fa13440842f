#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Copies of config.bin as it was before each save, so that a bad save can be
// undone by hand: "config-20240305T190809Z-00-TAVU.bin" (UTC time, a
// counter for saves within one second, the card's name), so that the names
// sort in the order the copies were made.
struct SettingBackup {
    static constexpr std::size_t kKeptCopies = 20;

    // The copy made; none when there was no file to keep.
    std::optional<std::filesystem::path> copy{};
    // Why no copy could be made of a file that exists.
    std::optional<std::string> failure{};
};

// Copies the file at `previous`, when there is one, into `folder` (made when
// missing) and removes the oldest copies beyond the last kKeptCopies. An empty
// label names the copy after the folder that holds `previous`.
SettingBackup keepSettingBackup(const std::filesystem::path& previous,
                                const std::filesystem::path& folder, std::string_view cardLabel,
                                std::chrono::system_clock::time_point now);
