#include "recording/DiagnosticLog.h"
#include "settings/SettingFile.h"
#include "support/TemporaryDirectory.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string bytesOf(const _FILEDATA& record) {
    const auto bytes = record.toBytes();
    return {bytes.begin(), bytes.end()};
}

_FILEDATA changedRecord() {
    _FILEDATA record;
    fillDefaultSettings(record);
    record.wifi_channel = 11;
    prepareSettingsForSaving(record);
    return record;
}

// Failing writes log a line; keep test output quiet.
class SettingFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        DiagnosticLog::setSink([this](std::string_view, std::string_view line) { log += line; });
    }
    void TearDown() override { DiagnosticLog::setSink({}); }

    // The old file and the folder are exactly as before: no temporary left.
    void expectUntouched(const fs::path& folder, const fs::path& file, const std::string& old) {
        EXPECT_EQ(contents(file), old);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    }

    TemporaryDirectory dir;
    std::string log;
};

} // namespace

TEST_F(SettingFileTest, WritesAndReadsTheRecordsBytes) {
    const auto path = dir.path() / "config.bin";
    const auto record = changedRecord();
    EXPECT_EQ(writeSettingFile(record, path), std::nullopt);
    EXPECT_EQ(contents(path), bytesOf(record));
    _FILEDATA read;
    EXPECT_TRUE(readSettingFile(path, read));
    EXPECT_EQ(read.toBytes(), record.toBytes());

    EXPECT_EQ(writeDefaultSettingFile(path), std::nullopt);
    EXPECT_TRUE(readSettingFile(path, read));
    EXPECT_EQ(read.wifi_channel, 0u);
    EXPECT_EQ(read.checksum, computeSettingChecksum(read));
}

TEST_F(SettingFileTest, ReadsOnlyFilesOfExactly428Bytes) {
    const auto record = changedRecord();
    for (const std::size_t size : {0, 427, 429}) {
        _FILEDATA kept = record;
        EXPECT_FALSE(
            readSettingFile(dir.write("f" + std::to_string(size), std::string(size, 'x')), kept));
        EXPECT_EQ(kept.toBytes(), record.toBytes()) << size;
    }
    _FILEDATA kept = record;
    EXPECT_FALSE(readSettingFile(dir.path() / "missing.bin", kept));
    EXPECT_FALSE(readSettingFile(dir.path(), kept));
    EXPECT_EQ(kept.toBytes(), record.toBytes());
}

TEST_F(SettingFileTest, KeepsTheModeOfTheFileItReplaces) {
    const auto path = dir.write("config.bin", "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(writeSettingFile(changedRecord(), path), std::nullopt);
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SettingFileTest, ShortWriteIsReportedAndLeavesTheOldFile) {
    const auto path = dir.write("config.bin", bytesOf(_FILEDATA{}));
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto result = writeSettingFile(changedRecord(), path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(result, "msg.file_open_fail");
    expectUntouched(dir.path(), path, bytesOf(_FILEDATA{}));
    EXPECT_FALSE(log.empty());
}

TEST_F(SettingFileTest, FolderThatCannotBeWrittenIsReported) {
    EXPECT_EQ(writeSettingFile(changedRecord(), dir.path() / "missing" / "config.bin"),
              "msg.file_open_fail");
    const auto notAFolder = dir.write("file", "x");
    EXPECT_EQ(writeSettingFile(changedRecord(), notAFolder / "config.bin"), "msg.file_open_fail");
    EXPECT_EQ(writeSettingFile(changedRecord(), dir.path()), "msg.file_open_fail");
    EXPECT_EQ(contents(notAFolder), "x");
}

TEST_F(SettingFileTest, ReadOnlyFolderIsReported) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    const auto card = dir.path() / "card";
    const auto path = dir.write("card/config.bin", "old");
    fs::permissions(card, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(writeSettingFile(changedRecord(), path), "msg.file_open_fail");
    fs::permissions(card, fs::perms::owner_all);
    expectUntouched(card, path, "old");

    fs::permissions(path, fs::perms::owner_read);
    EXPECT_EQ(writeSettingFile(changedRecord(), path), "msg.file_open_fail");
    expectUntouched(card, path, "old");
}

TEST_F(SettingFileTest, LinkIsWrittenThroughAndNeverReplaced) {
    const auto target = dir.write("real/config.bin", "old");
    const auto link = dir.path() / "config.bin";
    fs::create_symlink("real/config.bin", link);
    EXPECT_EQ(writeSettingFile(changedRecord(), link), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(target), bytesOf(changedRecord()));

    const auto full = dir.path() / "full.bin";
    fs::create_symlink("/dev/full", full);
    EXPECT_EQ(writeSettingFile(changedRecord(), full), "msg.file_open_fail");
    EXPECT_EQ(fs::read_symlink(full), "/dev/full");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}
