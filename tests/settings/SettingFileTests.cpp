#include "common/DiagnosticLog.h"
#include "settings/SettingFile.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

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

    TemporaryDirectory dir;
    std::string log;
};

} // namespace

TEST_F(SettingFileTest, WritesAndReadsTheRecordsBytes) {
    const auto path = dir.path() / "config.bin";
    const auto record = changedRecord();
    EXPECT_EQ(writeSettingFile(record, path), std::nullopt);
    EXPECT_EQ(fs::file_size(path), _FILEDATA::kSize);
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
    _FILEDATA kept = record;
    for (const std::size_t size : {0, 427, 429}) {
        EXPECT_FALSE(
            readSettingFile(dir.write("f" + std::to_string(size), std::string(size, 'x')), kept));
    }
    EXPECT_FALSE(readSettingFile(dir.path() / "missing.bin", kept));
    EXPECT_FALSE(readSettingFile(dir.path(), kept));
    EXPECT_EQ(kept.toBytes(), record.toBytes());
}

TEST_F(SettingFileTest, FailedWriteIsReportedAndLogged) {
    EXPECT_EQ(writeSettingFile(changedRecord(), dir.path() / "missing" / "config.bin"),
              "msg.file_open_fail");
    EXPECT_EQ(writeSettingFile(changedRecord(), dir.path()), "msg.file_open_fail");
    EXPECT_FALSE(log.empty());
}
