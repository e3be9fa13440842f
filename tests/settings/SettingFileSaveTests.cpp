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

TEST(SettingFileSave, ChangesAreToldAgainstTheFileReplacedOrElseTheRecordAsRead) {
    TemporaryDirectory card;
    TemporaryDirectory data;
    const auto path = card.path() / "config.bin";
    const auto now = std::chrono::system_clock::now();

    const auto fresh = saveSettingFile(record(2), path, record(0), data.path(), "TAVU", now);
    EXPECT_FALSE(fresh.failure);
    EXPECT_FALSE(fresh.backup) << "there was no file to keep";
    EXPECT_EQ(fresh.changes, std::vector<std::string>{"vid_enc_bitrate: 0 \u2192 2"});

    const auto again = saveSettingFile(record(1), path, record(0), data.path(), "TAVU", now);
    EXPECT_EQ(again.changes, std::vector<std::string>{"vid_enc_bitrate: 2 \u2192 1"});
    ASSERT_TRUE(again.backup);
    const auto previous = record(2).toBytes();
    EXPECT_EQ(contents(*again.backup), std::string(previous.begin(), previous.end()));
}

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
