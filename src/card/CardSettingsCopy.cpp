#include "card/CardSettingsCopy.h"

#include "common/AtomicFileWrite.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr auto kSettingFileName = "config.bin";

std::optional<std::vector<unsigned char>> readWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

SettingBackup keepCardSettings(const TKUSBDiskEntity& disk,
                               const std::filesystem::path& backupFolder,
                               std::chrono::system_clock::time_point now) {
    if (!disk.mountedURL()) {
        return {};
    }
    return keepSettingBackup(*disk.mountedURL() / kSettingFileName, backupFolder,
                             disk.volumeName().value_or(""), now);
}

std::optional<std::string> putBackCardSettings(const std::filesystem::path& copy,
                                               const std::filesystem::path& cardRoot) {
    const auto bytes = readWhole(copy);
    if (!bytes) {
        return "cannot read " + copy.string();
    }
    const std::filesystem::path target = cardRoot / kSettingFileName;
    if (auto failure = writeFileAtomically(target, *bytes)) {
        return failure;
    }
    if (readWhole(target) != bytes) {
        return target.string() + " does not hold the same bytes as " + copy.string();
    }
    return std::nullopt;
}
