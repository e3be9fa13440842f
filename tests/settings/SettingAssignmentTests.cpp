#include "settings/SettingAssignment.h"
#include "settings/SettingField.h"

#include <gtest/gtest.h>

namespace {

_FILEDATA factoryRecord() {
    _FILEDATA record;
    fillDefaultSettings(record);
    return record;
}

// The fields of the refusals, or the empty list when everything was applied.
std::vector<std::string> refusedFields(_FILEDATA& record, std::vector<std::string> pairs) {
    std::vector<std::string> fields;
    for (const auto& refusal : applySettingAssignments(record, pairs)) {
        EXPECT_FALSE(refusal.reason.empty());
        fields.push_back(refusal.field);
    }
    return fields;
}

using Fields = std::vector<std::string>;

} // namespace

TEST(SettingAssignment, AppliesValuesThePagesOffer) {
    auto record = factoryRecord();
    EXPECT_EQ(refusedFields(record, {"always_mode_timeout=600", "sd_mem_always_reserved=11500",
                                     "gsen_x_threshold=150", "motionBlock=0xFFF", "time_gmt=33",
                                     "szPlateNumber=12AB3456", "wifi_password=!~abcdefghijklm"}),
              Fields{});
    EXPECT_EQ(record.sd_mem_always_reserved, 11500u);
    EXPECT_EQ(record.motionBlock, 0xFFFu);
    EXPECT_EQ(record.time_gmt, 33);
    EXPECT_EQ(SettingField::find("szPlateNumber")->text(record), "12AB3456");
    EXPECT_EQ(SettingField::find("wifi_password")->text(record), "!~abcdefghijklm");
}

// One refusal refuses the whole set.
TEST(SettingAssignment, RefusesAndAppliesNothing) {
    const auto factory = factoryRecord();
    auto record = factory;
    EXPECT_EQ(
        refusedFields(record, {"disp_segment_mode=2", "nosuch=1", "cfg_ver=1",
                               "always_mode_timeout=15", "gsen_x_threshold=4", "aud_input_vol=-1",
                               "DayTime=1x", "time_gmt=", "wifi_channel=99999999999999999999",
                               "szPlateNumber=12 AB", "noequals"}),
        (Fields{"nosuch", "cfg_ver", "always_mode_timeout", "gsen_x_threshold", "aud_input_vol",
                "DayTime", "time_gmt", "wifi_channel", "szPlateNumber", "noequals"}));
    EXPECT_EQ(record.toBytes(), factory.toBytes());
}

// The Wi-Fi name is checked with the password, and the always-mode share of
// the card sets the motion share.
TEST(SettingAssignment, PairedFieldsAreCheckedAndSetTogether) {
    auto record = factoryRecord();
    EXPECT_EQ(refusedFields(record, {"wifi_ssid=Tavu"}), Fields{"wifi_ssid"});
    EXPECT_EQ(refusedFields(record, {"wifi_ssid=MyCam", "wifi_password=pass word"}),
              Fields{"wifi_password"});
    EXPECT_EQ(refusedFields(record, {"wifi_ssid=My Cam", "wifi_password=short"}),
              (Fields{"wifi_ssid", "wifi_password"}));
    EXPECT_EQ(SettingField::find("wifi_ssid")->text(record), "TavuD");
    EXPECT_EQ(refusedFields(record, {"sd_mem_always_ratio=90"}), Fields{"sd_mem_always_ratio"});
    EXPECT_EQ(refusedFields(record, {"sd_mem_always_ratio=45"}), Fields{"sd_mem_always_ratio"});
    EXPECT_EQ(refusedFields(record, {"wifi_ssid=MyCam", "sd_mem_always_ratio=20"}), Fields{});
    EXPECT_EQ(SettingField::find("wifi_ssid")->text(record), "MyCam");
    EXPECT_EQ(record.sd_mem_motion_ratio, 80u);
}

TEST(SettingAssignment, RearCameraSettingKeepsBitsThePageDoesNotEdit) {
    auto record = factoryRecord();
    record.external_rear_camera = 0xF0;
    EXPECT_EQ(refusedFields(record, {"external_rear_camera=5"}), Fields{});
    EXPECT_EQ(record.external_rear_camera, 0xF5u);
    EXPECT_EQ(refusedFields(record, {"external_rear_camera=8"}), Fields{"external_rear_camera"});
}
