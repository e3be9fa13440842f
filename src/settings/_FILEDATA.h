#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The camera's settings record: the byte image of config.bin, 428 bytes,
// little-endian. Field names are the firmware's. The struct mirrors the
// layout; it is filled from and written to bytes explicitly, so the host's
// byte order does not matter. A value-initialised record is all zeros.
struct _FILEDATA {
    std::uint16_t cfg_ver = 0;
    std::uint16_t checksum = 0;
    std::uint32_t disp_segment_mode = 0;
    std::uint32_t sd_mem_always_ratio = 0;
    std::uint32_t sd_mem_event_ratio = 0;
    std::uint32_t sd_mem_motion_ratio = 0;
    std::uint32_t sd_mem_always_reserved = 0;
    std::uint32_t sd_mem_event_reserved = 0;
    std::uint32_t sd_mem_motion_reserved = 0;
    std::uint32_t aud_enable = 0;
    std::uint32_t aud_codec_type = 0;
    std::uint32_t aud_sampling_freq = 0;
    std::uint32_t aud_bitrate = 0;
    std::uint32_t aud_input_vol = 0;
    std::uint32_t aud_output_vol = 0;
    std::uint32_t vid_enc_res = 0;
    std::uint32_t vid_enc_bitrate = 0;
    std::uint32_t vid_framerate = 0;
    std::uint32_t vid_brightness = 0;
    std::uint32_t vid_contrast = 0;
    std::uint32_t vid_saturation = 0;
    std::uint32_t vid_sharpness = 0;
    std::uint32_t vid_hue = 0;
    std::int32_t gsen_x_threshold = 0;
    std::int32_t gsen_y_threshold = 0;
    std::int32_t gsen_z_threshold = 0;
    std::uint32_t always_mode_timeout = 0;
    std::int32_t parkmode_x_threshold = 0;
    std::int32_t parkmode_y_threshold = 0;
    std::int32_t parkmode_z_threshold = 0;
    std::uint32_t motion1080pCValue = 0;
    std::uint32_t motion720pCValue = 0;
    std::uint32_t motionBlock = 0;
    std::int32_t high_temp_threshold = 0;
    std::uint32_t high_temp_duration = 0;
    std::int32_t safe_temp_threshold = 0;
    std::uint32_t safe_temp_duration = 0;
    std::uint32_t composite_mode = 0;
    std::uint32_t osd_option = 0;
    std::int32_t osd_speed_flag = 0;
    std::int32_t osd_plate_flag = 0;
    std::uint32_t plate_number = 0;
    std::uint32_t speed_disp_unit = 0;
    std::int32_t time_gmt = 0;
    std::uint32_t summer_time = 0;
    std::uint32_t nodriving_day = 0;
    std::uint32_t auto_drive_in_mode_on = 0;
    std::uint32_t auto_park_in_mode_on = 0;
    std::uint32_t motion_detect_mode_on = 0;
    std::uint32_t event_only_mode_on = 0;
    std::uint32_t g_sensor_enable = 0;
    std::uint32_t audio_mux_enable = 0;
    std::uint32_t safe_temp_mode_on = 0;
    std::uint32_t alarm_ontime_flag = 0;
    std::uint32_t voiceEnable = 0;
    std::uint32_t drivingSecurity = 0;
    std::uint32_t parkingSecurity = 0;
    std::uint32_t SaveDuration = 0;
    std::uint32_t MemConfig = 0;
    std::uint32_t BrightnessFixed = 0;
    std::uint32_t DayTime = 0;
    std::uint32_t NightTime = 0;
    std::uint32_t Brightness1 = 0;
    std::uint32_t ledoff = 0;
    std::uint32_t Gamma = 0;
    std::array<char, 8> szPlateNumber{};
    std::uint32_t vid_enc_bitrate_R = 0;
    std::uint32_t vid_brightness_R = 0;
    std::uint32_t vid_sharpness_R = 0;
    std::uint32_t lcd_autopoweroff = 0;
    std::uint32_t lcd_brightness = 0;
    std::uint32_t lcd_screensaver = 0;
    std::uint32_t parking_rear_off = 0;
    std::uint32_t sd2_mem_always_ratio = 0;
    std::uint32_t sd2_mem_event_ratio = 0;
    std::uint32_t sd2_mem_motion_ratio = 0;
    std::uint32_t flip_video = 0;
    std::uint32_t parking_alarm = 0;
    std::uint32_t rear_fps = 0;
    std::uint32_t motion_zone = 0;
    std::uint32_t motionBlock_Rear = 0;
    std::uint32_t ledoff_rear = 0;
    std::uint32_t always_mode_recording_time = 0;
    std::uint32_t pip_position = 0;
    std::uint32_t always_motion = 0;
    std::uint32_t lcd_brightness_night = 0;
    std::uint32_t size_rear = 0;
    std::uint32_t front_cpl_use = 0;
    std::uint32_t rear_cpl_use = 0;
    std::array<char, 16> wifi_ssid{};
    std::array<char, 16> wifi_password{};
    std::uint32_t CableVoltCorr = 0;
    std::uint32_t autoFormatAlarm = 0;
    std::uint32_t wifi_channel = 0;
    std::uint32_t flip_front_video = 0;
    std::uint32_t external_rear_camera = 0;
    std::uint32_t nightIRFilter = 0;
    std::uint32_t usePreEvent = 0;
    std::array<std::uint32_t, 2> dummy00{};
    std::uint32_t debug_mode = 0;

    static constexpr std::size_t kSize = 428;
    using Bytes = std::array<unsigned char, kSize>;

    static _FILEDATA fromBytes(const Bytes& bytes);
    Bytes toBytes() const;
};

// Writes the factory values; checksum, time_gmt, summer_time and Brightness1
// keep what the record held.
void fillDefaultSettings(_FILEDATA& record);

// The XOR of the low 16-bit halves of words 1..106; word 0 (cfg_ver and the
// checksum itself) takes no part.
std::uint16_t computeSettingChecksum(const _FILEDATA& record);

// config.bin of a fresh card: factory values, time_gmt, summer_time and
// Brightness1 zero, and its checksum. The plate flag keeps its factory value
// even though the factory plate text is not empty; only a save sets it.
_FILEDATA factorySettingsRecord();

// What a save does just before writing: the plate flag follows the plate
// text, and the checksum is recomputed.
void prepareSettingsForSaving(_FILEDATA& record);

static_assert(sizeof(_FILEDATA) == _FILEDATA::kSize);
static_assert(offsetof(_FILEDATA, cfg_ver) == 0);
static_assert(offsetof(_FILEDATA, checksum) == 2);
static_assert(offsetof(_FILEDATA, disp_segment_mode) == 4);
static_assert(offsetof(_FILEDATA, sd_mem_always_ratio) == 8);
static_assert(offsetof(_FILEDATA, sd_mem_event_ratio) == 12);
static_assert(offsetof(_FILEDATA, sd_mem_motion_ratio) == 16);
static_assert(offsetof(_FILEDATA, sd_mem_always_reserved) == 20);
static_assert(offsetof(_FILEDATA, sd_mem_event_reserved) == 24);
static_assert(offsetof(_FILEDATA, sd_mem_motion_reserved) == 28);
static_assert(offsetof(_FILEDATA, aud_enable) == 32);
static_assert(offsetof(_FILEDATA, aud_codec_type) == 36);
static_assert(offsetof(_FILEDATA, aud_sampling_freq) == 40);
static_assert(offsetof(_FILEDATA, aud_bitrate) == 44);
static_assert(offsetof(_FILEDATA, aud_input_vol) == 48);
static_assert(offsetof(_FILEDATA, aud_output_vol) == 52);
static_assert(offsetof(_FILEDATA, vid_enc_res) == 56);
static_assert(offsetof(_FILEDATA, vid_enc_bitrate) == 60);
static_assert(offsetof(_FILEDATA, vid_framerate) == 64);
static_assert(offsetof(_FILEDATA, vid_brightness) == 68);
static_assert(offsetof(_FILEDATA, vid_contrast) == 72);
static_assert(offsetof(_FILEDATA, vid_saturation) == 76);
static_assert(offsetof(_FILEDATA, vid_sharpness) == 80);
static_assert(offsetof(_FILEDATA, vid_hue) == 84);
static_assert(offsetof(_FILEDATA, gsen_x_threshold) == 88);
static_assert(offsetof(_FILEDATA, gsen_y_threshold) == 92);
static_assert(offsetof(_FILEDATA, gsen_z_threshold) == 96);
static_assert(offsetof(_FILEDATA, always_mode_timeout) == 100);
static_assert(offsetof(_FILEDATA, parkmode_x_threshold) == 104);
static_assert(offsetof(_FILEDATA, parkmode_y_threshold) == 108);
static_assert(offsetof(_FILEDATA, parkmode_z_threshold) == 112);
static_assert(offsetof(_FILEDATA, motion1080pCValue) == 116);
static_assert(offsetof(_FILEDATA, motion720pCValue) == 120);
static_assert(offsetof(_FILEDATA, motionBlock) == 124);
static_assert(offsetof(_FILEDATA, high_temp_threshold) == 128);
static_assert(offsetof(_FILEDATA, high_temp_duration) == 132);
static_assert(offsetof(_FILEDATA, safe_temp_threshold) == 136);
static_assert(offsetof(_FILEDATA, safe_temp_duration) == 140);
static_assert(offsetof(_FILEDATA, composite_mode) == 144);
static_assert(offsetof(_FILEDATA, osd_option) == 148);
static_assert(offsetof(_FILEDATA, osd_speed_flag) == 152);
static_assert(offsetof(_FILEDATA, osd_plate_flag) == 156);
static_assert(offsetof(_FILEDATA, plate_number) == 160);
static_assert(offsetof(_FILEDATA, speed_disp_unit) == 164);
static_assert(offsetof(_FILEDATA, time_gmt) == 168);
static_assert(offsetof(_FILEDATA, summer_time) == 172);
static_assert(offsetof(_FILEDATA, nodriving_day) == 176);
static_assert(offsetof(_FILEDATA, auto_drive_in_mode_on) == 180);
static_assert(offsetof(_FILEDATA, auto_park_in_mode_on) == 184);
static_assert(offsetof(_FILEDATA, motion_detect_mode_on) == 188);
static_assert(offsetof(_FILEDATA, event_only_mode_on) == 192);
static_assert(offsetof(_FILEDATA, g_sensor_enable) == 196);
static_assert(offsetof(_FILEDATA, audio_mux_enable) == 200);
static_assert(offsetof(_FILEDATA, safe_temp_mode_on) == 204);
static_assert(offsetof(_FILEDATA, alarm_ontime_flag) == 208);
static_assert(offsetof(_FILEDATA, voiceEnable) == 212);
static_assert(offsetof(_FILEDATA, drivingSecurity) == 216);
static_assert(offsetof(_FILEDATA, parkingSecurity) == 220);
static_assert(offsetof(_FILEDATA, SaveDuration) == 224);
static_assert(offsetof(_FILEDATA, MemConfig) == 228);
static_assert(offsetof(_FILEDATA, BrightnessFixed) == 232);
static_assert(offsetof(_FILEDATA, DayTime) == 236);
static_assert(offsetof(_FILEDATA, NightTime) == 240);
static_assert(offsetof(_FILEDATA, Brightness1) == 244);
static_assert(offsetof(_FILEDATA, ledoff) == 248);
static_assert(offsetof(_FILEDATA, Gamma) == 252);
static_assert(offsetof(_FILEDATA, szPlateNumber) == 256);
static_assert(offsetof(_FILEDATA, vid_enc_bitrate_R) == 264);
static_assert(offsetof(_FILEDATA, vid_brightness_R) == 268);
static_assert(offsetof(_FILEDATA, vid_sharpness_R) == 272);
static_assert(offsetof(_FILEDATA, lcd_autopoweroff) == 276);
static_assert(offsetof(_FILEDATA, lcd_brightness) == 280);
static_assert(offsetof(_FILEDATA, lcd_screensaver) == 284);
static_assert(offsetof(_FILEDATA, parking_rear_off) == 288);
static_assert(offsetof(_FILEDATA, sd2_mem_always_ratio) == 292);
static_assert(offsetof(_FILEDATA, sd2_mem_event_ratio) == 296);
static_assert(offsetof(_FILEDATA, sd2_mem_motion_ratio) == 300);
static_assert(offsetof(_FILEDATA, flip_video) == 304);
static_assert(offsetof(_FILEDATA, parking_alarm) == 308);
static_assert(offsetof(_FILEDATA, rear_fps) == 312);
static_assert(offsetof(_FILEDATA, motion_zone) == 316);
static_assert(offsetof(_FILEDATA, motionBlock_Rear) == 320);
static_assert(offsetof(_FILEDATA, ledoff_rear) == 324);
static_assert(offsetof(_FILEDATA, always_mode_recording_time) == 328);
static_assert(offsetof(_FILEDATA, pip_position) == 332);
static_assert(offsetof(_FILEDATA, always_motion) == 336);
static_assert(offsetof(_FILEDATA, lcd_brightness_night) == 340);
static_assert(offsetof(_FILEDATA, size_rear) == 344);
static_assert(offsetof(_FILEDATA, front_cpl_use) == 348);
static_assert(offsetof(_FILEDATA, rear_cpl_use) == 352);
static_assert(offsetof(_FILEDATA, wifi_ssid) == 356);
static_assert(offsetof(_FILEDATA, wifi_password) == 372);
static_assert(offsetof(_FILEDATA, CableVoltCorr) == 388);
static_assert(offsetof(_FILEDATA, autoFormatAlarm) == 392);
static_assert(offsetof(_FILEDATA, wifi_channel) == 396);
static_assert(offsetof(_FILEDATA, flip_front_video) == 400);
static_assert(offsetof(_FILEDATA, external_rear_camera) == 404);
static_assert(offsetof(_FILEDATA, nightIRFilter) == 408);
static_assert(offsetof(_FILEDATA, usePreEvent) == 412);
static_assert(offsetof(_FILEDATA, dummy00) == 416);
static_assert(offsetof(_FILEDATA, debug_mode) == 424);
