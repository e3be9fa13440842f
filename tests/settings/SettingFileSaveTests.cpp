#include "common/DiagnosticLog.h"
#include "settings/SettingFile.h"
#include "settings/SettingFileSave.h"
#include "support/TemporaryDirectory.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

_FILEDATA record(std::uint32_t quality) {
    _FILEDATA settings;
    fillDefaultSettings(settings);
    settings.vid_enc_bitrate = quality;
    prepareSettingsForSaving(settings);
    return settings;
}

} // namespace

TEST(SettingFileSave, NothingIsWrittenWhenTheOldFileCannotBeKept) {
    DiagnosticLog::setSink([](std::string_view, std::string_view) {});
    TemporaryDirectory card;
    const auto path = card.path() / "config.bin";
    ASSERT_EQ(writeSettingFile(record(2), path), std::nullopt);
    const std::string before = contents(path);
    const auto blocked = card.write("blocker", "not a folder");
    const auto saved = saveSettingFile(record(0), path, record(2), blocked / "backups", "TAVU",
                                       std::chrono::system_clock::now());
    EXPECT_EQ(saved.failure, "msg.backup_failed");
    EXPECT_EQ(contents(path), before);
    DiagnosticLog::setSink({});
}
