#include "controls/TKSegmentedControl.h"
#include "settings/SettingField.h"
#include "settings/ui/ZRVSettingForAudioViewController.h"
#include "settings/ui/ZRVSettingForGpsViewController.h"
#include "settings/ui/ZRVSettingForMotionViewController.h"
#include "settings/ui/ZRVSettingForVideoViewController.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string_view>

namespace {

// Shows `shown` on the page, then lets the page write its controls into an
// all-zero record: what comes back must be exactly the page's own fields,
// byte for byte, and nothing else.
template <typename Page>
void expectRoundTrip(const _FILEDATA& shown, std::initializer_list<std::string_view> fields) {
    Page page;
    _FILEDATA live = shown;
    page.setFileData(&live);
    live = _FILEDATA{};
    ASSERT_TRUE(page.populate());
    _FILEDATA expected;
    for (const std::string_view name : fields) {
        const SettingField* field = SettingField::find(name);
        ASSERT_NE(field, nullptr) << name;
        field->setNumber(expected, field->number(shown));
    }
    EXPECT_EQ(live.toBytes(), expected.toBytes());
}

_FILEDATA factory() {
    _FILEDATA record;
    fillDefaultSettings(record);
    return record;
}

} // namespace

TEST(ZRVSettingPages, VideoShowsAndGivesBackItsFieldsAndTheRearRateFollowsTheMainsFrequency) {
    _FILEDATA record = factory();
    record.vid_enc_bitrate = 2;
    record.vid_brightness = 4;
    record.vid_enc_bitrate_R = 0;
    record.vid_brightness_R = 1;
    record.flip_video = 1;
    record.rear_fps = 1;
    record.front_cpl_use = 3;
    record.rear_cpl_use = 2;
    expectRoundTrip<ZRVSettingForVideoViewController>(
        record, {"vid_enc_bitrate", "vid_brightness", "vid_enc_bitrate_R", "vid_brightness_R",
                 "flip_video", "rear_fps", "front_cpl_use", "rear_cpl_use"});

    ZRVSettingForVideoViewController page;
    record.Gamma = 1;
    record.flip_video = 2;
    record.vid_enc_bitrate = 7;
    page.setFileData(&record);
    EXPECT_EQ(page.rearfpsSeg->label(0), "25fps");
    EXPECT_EQ(page.flipVideoRealSeg->selectedSegment(), 0);
    EXPECT_EQ(page.videoEncodingBitrate->selectedSegment(), -1);
    page.populate();
    EXPECT_EQ(record.flip_video, 0u) << "any value but 1 is shown and stored as off";
    EXPECT_EQ(record.vid_enc_bitrate, 7u) << "a quality the row lacks is kept, not overwritten";
    record.Gamma = 0;
    page.setFileData(&record);
    EXPECT_EQ(page.rearfpsSeg->label(0), "30fps");
}

TEST(ZRVSettingPages, GpsShowsAndGivesBackItsFieldsAndAZoneOutsideTheListBecomesMinusOne) {
    _FILEDATA record = factory();
    record.nodriving_day = 7;
    record.speed_disp_unit = 1;
    record.osd_speed_flag = 0;
    record.time_gmt = 33;
    record.summer_time = 1;
    record.SaveDuration = 7;
    record.NightTime = 1;
    expectRoundTrip<ZRVSettingForGpsViewController>(
        record, {"nodriving_day", "speed_disp_unit", "osd_speed_flag", "time_gmt", "summer_time",
                 "SaveDuration", "NightTime"});

    ZRVSettingForGpsViewController page;
    page.setFileData(&record);
    EXPECT_EQ(page.timeGmtCombo->currentText(), "+13:00");
    EXPECT_EQ(page.timeGmtCombo->count(), 34);
    EXPECT_EQ(page.timeGmtCombo->itemText(8), "-04:30");
    EXPECT_EQ(page.timeGmtCombo->itemText(14), "00:00");
    record.time_gmt = 34;
    record.summer_time = 5;
    page.setFileData(&record);
    EXPECT_EQ(page.timeGmtCombo->currentIndex(), -1);
    page.populate();
    EXPECT_EQ(record.time_gmt, -1);
    EXPECT_EQ(record.summer_time, 1u);
}

TEST(ZRVSettingPages, MotionMasksAreRebuiltFromTheTwelveBoxes) {
    _FILEDATA record = factory();
    record.motion720pCValue = 0;
    record.motion1080pCValue = 5;
    record.motionBlock = 0x0A5C;
    record.motionBlock_Rear = 0x0FFF;
    expectRoundTrip<ZRVSettingForMotionViewController>(
        record, {"motion720pCValue", "motion1080pCValue", "motionBlock", "motionBlock_Rear"});

    ZRVSettingForMotionViewController page;
    record.motionBlock = 0xFFFFF000u;
    record.motionBlock_Rear = 0;
    page.setFileData(&record);
    for (QCheckBox* box : page.frontMotionBlockChk) {
        EXPECT_TRUE(box->isChecked());
    }
    page.rearMotionBlockChk[0]->setChecked(false);
    page.populate();
    EXPECT_EQ(record.motionBlock, 0u) << "bits 12 to 31 are not blocks";
    EXPECT_EQ(record.motionBlock_Rear, 0x100u) << "block 01 is bit 8";
}

TEST(ZRVSettingPages, AudioKeepsMalayOutsideTheGridAndTheLastChoiceWins) {
    _FILEDATA record = factory();
    record.aud_input_vol = 0;
    record.aud_output_vol = 3;
    record.alarm_ontime_flag = 0;
    record.Brightness1 = 19;
    expectRoundTrip<ZRVSettingForAudioViewController>(
        record, {"aud_input_vol", "aud_output_vol", "alarm_ontime_flag", "Brightness1"});
    record.Brightness1 = 20;
    expectRoundTrip<ZRVSettingForAudioViewController>(
        record, {"aud_input_vol", "aud_output_vol", "alarm_ontime_flag", "Brightness1"});

    ZRVSettingForAudioViewController page;
    page.setFileData(&record);
    EXPECT_TRUE(page.malaysiaRadio->isChecked());
    EXPECT_EQ(page.voiceLangRadio->checkedId(), -1);
    page.voiceLangRadio->button(13)->click();
    EXPECT_FALSE(page.malaysiaRadio->isChecked());
    page.populate();
    EXPECT_EQ(record.Brightness1, 13u) << "German";
    page.malaysiaRadio->click();
    EXPECT_EQ(record.Brightness1, 20u) << "Malay is stored the moment it is chosen";
    EXPECT_EQ(page.voiceLangRadio->checkedId(), -1);
    page.populate();
    EXPECT_EQ(record.Brightness1, 20u);
}
