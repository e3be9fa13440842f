#include "controls/TKSegmentedControl.h"
#include "settings/SettingField.h"
#include "settings/SettingText.h"
#include "settings/ui/ZRVCarNumberTextField.h"
#include "settings/ui/ZRVSettingForAudioViewController.h"
#include "settings/ui/ZRVSettingForAuxViewController.h"
#include "settings/ui/ZRVSettingForBasicViewController.h"
#include "settings/ui/ZRVSettingForGpsViewController.h"
#include "settings/ui/ZRVSettingForMotionViewController.h"
#include "settings/ui/ZRVSettingForVideoViewController.h"
#include "support/AlertSheets.h"
#include "support/SettingRecords.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string_view>
#include <tuple>

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
        if (field->isText()) {
            field->setText(expected, field->text(shown));
        } else {
            field->setNumber(expected, field->number(shown));
        }
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
    videoPageAwayFromFactory(record);
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
    gpsPageAwayFromFactory(record);
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
    motionPageAwayFromFactory(record);
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
    audioPageAwayFromFactory(record);
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

TEST(ZRVSettingPages, BasicShowsAndGivesBackItsFieldsAndKeepsTheRearCameraBitsAsAUserDefault) {
    _FILEDATA record = factory();
    basicPageAwayFromFactory(record);
    expectRoundTrip<ZRVSettingForBasicViewController>(
        record,
        {"disp_segment_mode", "always_mode_timeout", "g_sensor_enable", "gsen_x_threshold",
         "gsen_y_threshold", "gsen_z_threshold", "parkmode_x_threshold", "parkmode_y_threshold",
         "parkmode_z_threshold", "ledoff", "ledoff_rear", "composite_mode", "szPlateNumber",
         "sd_mem_always_reserved", "sd_mem_event_reserved", "sd_mem_motion_reserved",
         "CableVoltCorr", "external_rear_camera", "usePreEvent"});
    const QSettings defaults(QSettings::IniFormat, QSettings::UserScope, "ZORVA", "zorva");
    EXPECT_EQ(defaults.value("Kx20externalRearCamera").toInt(), 0b101);

    ZRVSettingForBasicViewController page;
    record.external_rear_camera = 0b1010;
    page.setFileData(&record);
    EXPECT_FALSE(page.externalRearCameraUse->isChecked());
    EXPECT_TRUE(page.externalRearCameraUseEvent->isChecked());
    EXPECT_FALSE(page.externalRearCameraUseEvent->isEnabled());
    EXPECT_FALSE(page.externalRearCameraUseMotion->isEnabled());
    page.populate();
    EXPECT_EQ(record.external_rear_camera, 0b1010u) << "bits beyond the three boxes are kept";
}

TEST(ZRVSettingPages, BasicFallsBackForValuesItsListsLackAndEnablesAsTheLevelsSay) {
    _FILEDATA record = factory();
    record.always_mode_timeout = 45;
    record.sd_mem_always_reserved = 12050;
    record.sd_mem_motion_reserved = 5;
    record.CableVoltCorr = 0;
    record.parkmode_x_threshold = 8;
    record.gsen_z_threshold = 40;
    record.g_sensor_enable = 0;
    ZRVSettingForBasicViewController page;
    page.setFileData(&record);
    page.show();
    EXPECT_EQ(record.CableVoltCorr, 4u) << "0 is read as the factory correction at once";
    EXPECT_EQ(page.cableLossCombo->currentText(), "0.3v");
    EXPECT_EQ(page.alwaysModeTimeoutSeg->selectedSegment(), 2);
    EXPECT_EQ(page.powerVoltageCombo->currentText(), "12.0v / 24.0v");
    EXPECT_EQ(page.powerTimeCombo->currentIndex(), 0);
    EXPECT_EQ(page.gsensorSensitivityParkingSeg->selectedSegment(), 4);
    EXPECT_FALSE(page.gsensorSensitivityThresholdXParkingField->isEnabled());
    EXPECT_EQ(page.gsensorSensitivityDrivingSeg->selectedSegment(), 5) << "50/45/40 is no level";
    EXPECT_EQ(page.gsensorSensitivityThresholdZDrivingField->text(), "0.40");
    EXPECT_TRUE(page.gsensorSensitivityThresholdZDrivingField->isEnabled());

    EXPECT_FALSE(page.gsensorSensitivityDrivingSeg->isEnabled());
    EXPECT_TRUE(page.gsensorSensitivityParkingSeg->isEnabled()) << "the driving level is custom";
    page.gsensorEnableChk->click();
    QTest::mouseClick(page.gsensorSensitivityDrivingSeg, Qt::LeftButton, {},
                      page.gsensorSensitivityDrivingSeg->segmentRect(0).center());
    EXPECT_EQ(page.gsensorSensitivityThresholdXDrivingField->text(), "0.70");
    EXPECT_FALSE(page.gsensorSensitivityThresholdXDrivingField->isEnabled());

    page.useExternalPowerChk->click();
    EXPECT_EQ(record.sd_mem_event_reserved, 1u) << "at once, before any save";
    EXPECT_FALSE(page.powerVoltageCombo->isEnabled());
    EXPECT_FALSE(page.powerTimeCombo->isEnabled());
    page.useExternalPowerChk->click();
    page.powerVoltageCombo->setCurrentIndex(1);
    QTest::keyClick(page.powerVoltageCombo, Qt::Key_Down);
    const auto warning = takeAlert(&page);
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->message, "Warning");
    EXPECT_EQ(warning->informative, "msg.use_external_power_10v");
    EXPECT_EQ(page.powerVoltageCombo->currentIndex(), 2) << "the choice stays";

    page.populate();
    EXPECT_EQ(record.always_mode_timeout, 30u);
    EXPECT_EQ(record.sd_mem_always_reserved, 10000u);
    EXPECT_EQ(record.sd_mem_motion_reserved, 0u);
    EXPECT_EQ(record.gsen_x_threshold, 70);
    EXPECT_EQ(record.gsen_y_threshold, 65);
    EXPECT_EQ(record.gsen_z_threshold, 65);
}

TEST(ZRVSettingPages, BasicStoresTypedThresholdsAsShownRefusesAnEmptyOneAndCleansAPlateSavedByKey) {
    _FILEDATA record = factory();
    record.parkmode_z_threshold = 9;
    ZRVSettingForBasicViewController page;
    page.setFileData(&record);
    ASSERT_EQ(page.gsensorSensitivityParkingSeg->selectedSegment(), 5);
    page.gsensorSensitivityThresholdYParkingField->setText("");
    EXPECT_EQ(page.validateUserInput(), "msg.gsensor_outofrange_fmt")
        << "an empty field would be stored as 0 g";
    page.gsensorSensitivityThresholdYParkingField->setText("abc");
    EXPECT_EQ(page.validateUserInput(), "msg.input_value_invalid_format");
    page.gsensorSensitivityThresholdYParkingField->setText("0.57");

    page.carNumberField->clear();
    QTest::keyClicks(page.carNumberField, "12 AB-3456");
    ASSERT_TRUE(page.populate());
    EXPECT_EQ(record.parkmode_y_threshold, 57) << "not 56, although 0.57 x 100 is just below 57";
    EXPECT_EQ(unpackSettingText(record.szPlateNumber), "12AB3456");
    EXPECT_EQ(page.carNumberField->text(), "12AB3456");
}

TEST(ZRVSettingPages, AuxShowsAndGivesBackItsFieldsAndMapsTheRowsThatListChoicesOutOfOrder) {
    _FILEDATA record = factory();
    auxPageAwayFromFactory(record);
    const std::initializer_list<std::string_view> fields = {"sd_mem_always_ratio",
                                                            "sd_mem_motion_ratio",
                                                            "DayTime",
                                                            "nightIRFilter",
                                                            "lcd_autopoweroff",
                                                            "Gamma",
                                                            "lcd_brightness",
                                                            "lcd_brightness_night",
                                                            "parking_rear_off",
                                                            "lcd_screensaver",
                                                            "parking_alarm",
                                                            "always_mode_recording_time",
                                                            "pip_position",
                                                            "wifi_ssid",
                                                            "wifi_password",
                                                            "wifi_channel",
                                                            "autoFormatAlarm"};
    expectRoundTrip<ZRVSettingForAuxViewController>(record, fields);
    for (const std::uint32_t screenSaver : {0u, 1u}) {
        record.lcd_screensaver = screenSaver;
        expectRoundTrip<ZRVSettingForAuxViewController>(record, fields);
    }

    ZRVSettingForAuxViewController page;
    page.setFileData(&record);
    EXPECT_EQ(page.lcdScreenSaverSeg->label(page.lcdScreenSaverSeg->selectedSegment()), "unuse");
    record.wifi_channel = 0;
    record.sd_mem_always_ratio = 75;
    record.pip_position = 2;
    page.setFileData(&record);
    EXPECT_EQ(page.wifiChannelCombo->currentText(), "   0(Auto)");
    EXPECT_EQ(page.alwaysField->text(), "75%");
    EXPECT_EQ(page.memeryRatioSlider->value(), 7);
    page.show();
    const QAbstractButton* upperLeft = page.pipPositionRadio->checkedButton();
    EXPECT_LT(upperLeft->x(), page.pipPositionRadio->button(1)->x());
    EXPECT_LT(upperLeft->y(), page.pipPositionRadio->button(3)->y());
    record.pip_position = 7;
    page.setFileData(&record);
    EXPECT_EQ(page.pipPositionRadio->checkedId(), 0) << "the lower right corner";
    EXPECT_TRUE(page.populate());
    EXPECT_EQ(record.sd_mem_always_ratio, 70u);
    EXPECT_EQ(record.sd_mem_motion_ratio, 30u);
    EXPECT_EQ(record.pip_position, 0u);
}

TEST(ZRVSettingPages, AuxKeepsEachShareAtAFifthAndTheWifiTextsAsTheCameraTakesThem) {
    _FILEDATA record = factory();
    ZRVSettingForAuxViewController page;
    page.setFileData(&record);
    page.show();
    EXPECT_FALSE(page.sdcardCapacityWarningLabel->isVisible());
    QTest::keyClick(page.memeryRatioSlider, Qt::Key_End);
    EXPECT_EQ(page.alwaysField->text(), "100%");
    EXPECT_EQ(page.motionField->text(), "0%");
    EXPECT_TRUE(page.sdcardCapacityWarningLabel->isVisible());
    for (const int step : {1, 9}) {
        page.memeryRatioSlider->setValue(step);
        EXPECT_EQ(page.validateUserInput(), "msg.sdcard_ratio_too_low") << step;
    }
    for (const int step : {2, 8}) {
        page.memeryRatioSlider->setValue(step);
        EXPECT_EQ(page.validateUserInput(), std::nullopt) << step;
    }

    const std::tuple<const char*, const char*, const char*> refused[] = {
        {"Tavu", "40736251", "setting.aux.ssid_length"},
        {"Tavu D", "40736251", "setting.aux.ssid_invalid"},
        {"TavuD", "1234567", "setting.aux.password_length"},
        {"TavuD", "pass word", "setting.aux.password_invalid"}};
    for (const auto& [name, password, key] : refused) {
        page.ssidLabel->setText(name);
        page.passwordLabel->setText(password);
        page.dayTimeAESeg->setSelectedSegment(0);
        EXPECT_FALSE(page.populate()) << key;
        const auto alert = takeAlert(&page);
        ASSERT_TRUE(alert) << key;
        EXPECT_EQ(alert->message, "Warning");
        EXPECT_EQ(alert->informative, key);
        EXPECT_EQ(record.DayTime, 0u) << "what was written before the check stays";
        EXPECT_EQ(unpackSettingText(record.wifi_ssid), "TavuD");
        record.DayTime = 1;
    }

    page.ssidLabel->setText("ABCDE");
    page.passwordLabel->clear();
    QTest::keyClicks(page.passwordLabel, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_TRUE(page.populate());
    EXPECT_EQ(unpackSettingText(record.wifi_ssid), "ABCDE");
    EXPECT_EQ(unpackSettingText(record.wifi_password), "ABCDEFGHIJKLMNOP")
        << "the field takes no more than the camera stores";
}
