#include "settings/SettingBackups.h"

#include "common/AtomicFileWrite.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "config-";
constexpr std::string_view kSuffix = ".bin";
// A config.bin is 428 bytes; anything far larger is not worth a copy.
constexpr std::uintmax_t kLargestCopy = 1 << 20;
constexpr std::size_t kLongestLabel = 32;

// Letters, digits, '-', '_' and '.' as they are; anything else, including
// every byte of a non-ASCII name, becomes '_' so the name is safe anywhere.
std::string fileNameLabel(std::string_view label, const fs::path& previous) {
    std::string name(label);
    if (name.empty()) {
        name = previous.parent_path().filename().string();
    }
    name.resize(std::min(name.size(), kLongestLabel));
    for (char& c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        if (!plain) {
            c = '_';
        }
    }
    return name.empty() || name.find_first_not_of('.') == std::string::npos ? "card" : name;
}

std::string utcStamp(std::chrono::system_clock::time_point now) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y%m%dT%H%M%SZ", &utc);
    return text.data();
}

bool isCopyName(const std::string& name) {
    return name.starts_with(kPrefix) && name.ends_with(kSuffix);
}

void removeOldCopies(const fs::path& folder) {
    std::vector<fs::path> copies;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error) && isCopyName(entry.path().filename().string())) {
            copies.push_back(entry.path());
        }
    }
    if (copies.size() <= SettingBackup::kKeptCopies) {
        return;
    }
    std::sort(copies.begin(), copies.end());
    for (std::size_t i = 0; i < copies.size() - SettingBackup::kKeptCopies; ++i) {
        fs::remove(copies[i], error);
    }
}

} // namespace

SettingBackup keepSettingBackup(const fs::path& previous, const fs::path& folder,
                                std::string_view cardLabel,
                                std::chrono::system_clock::time_point now) {
    std::error_code error;
    if (!fs::is_regular_file(previous, error)) {
        return {};
    }
    const std::uintmax_t size = fs::file_size(previous, error);
    if (error) {
        return {.failure = "cannot read " + previous.string()};
    }
    if (size > kLargestCopy) {
        return {.failure = previous.string() + " is too large to keep a copy of"};
    }
    std::ifstream in(previous, std::ios::binary);
    std::vector<unsigned char> bytes(size);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size))) {
        return {.failure = "cannot read " + previous.string()};
    }
    fs::create_directories(folder, error);
    const std::string stem = std::string(kPrefix) + utcStamp(now) + "-";
    const std::string label = fileNameLabel(cardLabel, previous);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    for (int counter = 0; counter < 100; ++counter) {
        // The counter orders the copies of one second, whatever their cards.
        const std::string numbered =
            stem + (counter < 10 ? "0" : "") + std::to_string(counter) + "-";
        if (std::any_of(names.begin(), names.end(),
                        [&](const std::string& name) { return name.starts_with(numbered); })) {
            continue;
        }
        const fs::path copy = folder / (numbered + label + std::string(kSuffix));
        if (auto failure = writeFileAtomically(copy, bytes)) {
            return {.failure = std::move(failure)};
        }
        removeOldCopies(folder);
        return {.copy = copy};
    }
    return {.failure = "too many copies in one second in " + folder.string()};
}
