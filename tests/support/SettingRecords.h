#pragma once

#include "settings/SettingText.h"
#include "settings/_FILEDATA.h"

// Every field one settings page edits, away from its factory value and at a
// value the page shows as it is: what a page drops or changes on its way
// through shows in the bytes it gives back.

inline void videoPageAwayFromFactory(_FILEDATA& r) {
    r.vid_enc_bitrate = 2;
    r.vid_brightness = 4;
    r.vid_enc_bitrate_R = 0;
    r.vid_brightness_R = 1;
    r.flip_video = 1;
    r.rear_fps = 1;
    r.front_cpl_use = 3;
    r.rear_cpl_use = 2;
}

// The driving thresholds are no level, so they are shown as typed numbers.
inline void basicPageAwayFromFactory(_FILEDATA& r) {
    r.disp_segment_mode = 3;
    r.always_mode_timeout = 420;
    r.g_sensor_enable = 0;
    r.gsen_x_threshold = 33;
    r.gsen_y_threshold = 27;
    r.gsen_z_threshold = 150;
    r.parkmode_x_threshold = 12;
    r.parkmode_y_threshold = 12;
    r.parkmode_z_threshold = 12;
    r.ledoff = 1;
    r.ledoff_rear = 1;
    r.composite_mode = 1;
    packSettingText(r.szPlateNumber, "12AB3456");
    r.sd_mem_always_reserved = 11800;
    r.sd_mem_event_reserved = 1;
    r.sd_mem_motion_reserved = 36;
    r.CableVoltCorr = 7;
    r.external_rear_camera = 0b101;
    r.usePreEvent = 1;
}

inline void gpsPageAwayFromFactory(_FILEDATA& r) {
    r.nodriving_day = 7;
    r.speed_disp_unit = 1;
    r.osd_speed_flag = 0;
    r.time_gmt = 33;
    r.summer_time = 1;
    r.SaveDuration = 7;
    r.NightTime = 1;
}

inline void auxPageAwayFromFactory(_FILEDATA& r) {
    r.sd_mem_always_ratio = 40;
    r.sd_mem_motion_ratio = 60;
    r.DayTime = 2;
    r.nightIRFilter = 1;
    r.lcd_autopoweroff = 3;
    r.Gamma = 1;
    r.lcd_brightness = 2;
    r.lcd_brightness_night = 0;
    r.parking_rear_off = 1;
    r.lcd_screensaver = 2;
    r.parking_alarm = 0;
    r.always_mode_recording_time = 0;
    r.pip_position = 3;
    packSettingText(r.wifi_ssid, "Dash_Cam-7");
    packSettingText(r.wifi_password, "p@ss~W0rd!");
    r.wifi_channel = 11;
    r.autoFormatAlarm = 4;
}

inline void motionPageAwayFromFactory(_FILEDATA& r) {
    r.motion720pCValue = 0;
    r.motion1080pCValue = 5;
    r.motionBlock = 0x0A5C;
    r.motionBlock_Rear = 0x0FFF;
}

inline void audioPageAwayFromFactory(_FILEDATA& r) {
    r.aud_input_vol = 0;
    r.aud_output_vol = 3;
    r.alarm_ontime_flag = 0;
    r.Brightness1 = 19;
}
