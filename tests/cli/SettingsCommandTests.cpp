#include "settings/SettingFile.h"
#include "support/ProgramRun.h"
#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

ProgramRun settings(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {ZORVA_TOOL_PATH, "settings"});
    return ProgramRun::run(arguments);
}

std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t lines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

class SettingsCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(settings({"new", file.string(), "--timezone", "28"}).exitCode, 0);
    }

    _FILEDATA stored() const {
        _FILEDATA record;
        EXPECT_TRUE(readSettingFile(file, record));
        return record;
    }

    TemporaryDirectory dir;
    std::filesystem::path file = dir.path() / "config.bin";
};

} // namespace

TEST_F(SettingsCommand, NewWritesAFactoryFileThatShowListsAndFlagsWhenDamaged) {
    EXPECT_EQ(stored().time_gmt, 28);

    const auto json = settings({"show", file.string(), "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_NE(json.out.find("\"cfg_ver\":22310,"), std::string::npos);
    EXPECT_NE(json.out.find("\"szPlateNumber\":\"Tavu\","), std::string::npos);
    EXPECT_NE(json.out.find("\"checksum_ok\":true}"), std::string::npos);

    const auto text = settings({"show", file.string()});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_EQ(lines(text.out), 102u) << "one line per field";

    std::string damaged = contents(file);
    damaged[4] ^= 1;
    const auto damagedFile = dir.write("damaged.bin", damaged);
    EXPECT_NE(settings({"show", damagedFile.string(), "--json"}).out.find("\"checksum_ok\":false}"),
              std::string::npos);
}

TEST_F(SettingsCommand, SetChangesFieldsAndKeepsTheChecksumRight) {
    const auto run = settings({"set", file.string(), "szPlateNumber=", "wifi_ssid=MyCam",
                               "sd_mem_always_ratio=60", "gsen_z_threshold=57"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto record = stored();
    EXPECT_EQ(record.osd_plate_flag, 0);
    EXPECT_EQ(record.sd_mem_motion_ratio, 40u);
    EXPECT_EQ(record.gsen_z_threshold, 57);
    EXPECT_EQ(record.checksum, computeSettingChecksum(record));
    EXPECT_NE(settings({"show", file.string()}).out.find("wifi_ssid=MyCam\n"), std::string::npos);
}

TEST_F(SettingsCommand, RefusedPairsWriteNothing) {
    const auto before = contents(file);
    const auto run = settings({"set", file.string(), "vid_brightness=3", "wifi_ssid=My Cam",
                               "wifi_password=short", "debug_mode=0"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("wifi_ssid"), std::string::npos);
    EXPECT_NE(run.err.find("wifi_password"), std::string::npos);
    EXPECT_NE(run.err.find("debug_mode"), std::string::npos);
    EXPECT_EQ(contents(file), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

// A fresh checksum would hide the damage.
TEST_F(SettingsCommand, SetRefusesAFileWithAWrongChecksumUnlessForced) {
    std::string damaged = contents(file);
    damaged[4] ^= 1;
    const auto damagedFile = dir.write("damaged.bin", damaged);
    const auto refused = settings({"set", damagedFile.string(), "wifi_ssid=MyCam"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(lines(refused.err), 1u);
    EXPECT_NE(refused.err.find("checksum"), std::string::npos) << refused.err;
    EXPECT_EQ(contents(damagedFile), damaged);

    ASSERT_EQ(settings({"set", damagedFile.string(), "wifi_ssid=MyCam", "--force"}).exitCode, 0);
    EXPECT_NE(settings({"show", damagedFile.string()}).out.find("checksum_ok=true"),
              std::string::npos);
}

TEST_F(SettingsCommand, ResetKeepsTimeZoneSummerTimeAndVoiceLanguage) {
    ASSERT_EQ(
        settings({"set", file.string(), "summer_time=1", "Brightness1=20", "DayTime=2"}).exitCode,
        0);
    ASSERT_EQ(settings({"reset", file.string()}).exitCode, 0);
    const auto record = stored();
    EXPECT_EQ(record.time_gmt, 28);
    EXPECT_EQ(record.summer_time, 1u);
    EXPECT_EQ(record.Brightness1, 20u);
    EXPECT_EQ(record.DayTime, 1u);
    EXPECT_EQ(record.checksum, computeSettingChecksum(record));
}

TEST_F(SettingsCommand, BadInputExitsOneBadUsageTwoAndNothingIsOverwritten) {
    for (const auto& path :
         {dir.write("short.bin", std::string(427, '\0')), dir.path() / "none", dir.path()}) {
        const auto run = settings({"show", path.string()});
        EXPECT_EQ(run.exitCode, 1) << path;
        EXPECT_EQ(lines(run.err), 1u) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_EQ(settings({"reset", (dir.path() / "none.bin").string()}).exitCode, 1);
    EXPECT_EQ(settings({"set", "--help"}).exitCode, 0);
    EXPECT_EQ(settings({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(settings({"set", file.string()}).exitCode, 2);
    EXPECT_EQ(settings({"new", (dir.path() / "b.bin").string(), "--timezone", "34"}).exitCode, 2);

    const auto before = contents(file);
    EXPECT_EQ(settings({"new", file.string()}).exitCode, 1);
    EXPECT_EQ(contents(file), before);
}
