#include "cli/samplecard/FactoryConfigFile.h"

#include "recording/ByteOrder.h"

#include <cstring>
#include <string_view>

namespace {

struct Field {
    std::string_view name;
    std::uint16_t offset;
    std::uint16_t size;
    std::uint32_t number;       // for numeric fields
    std::string_view text = {}; // for text fields, NUL-padded to `size`
};

// Every field of the record in order, so the table can be checked for gaps.
// time_gmt, summer_time and Brightness1 have no factory value; a fresh card
// has them zero.
constexpr Field kFields[] = {
    {"cfg_ver", 0, 2, 0x5726},
    {"checksum", 2, 2, 0},
    {"disp_segment_mode", 4, 4, 1},
    {"sd_mem_always_ratio", 8, 4, 70},
    {"sd_mem_event_ratio", 12, 4, 1},
    {"sd_mem_motion_ratio", 16, 4, 30},
    {"sd_mem_always_reserved", 20, 4, 12100},
    {"sd_mem_event_reserved", 24, 4, 0},
    {"sd_mem_motion_reserved", 28, 4, 0},
    {"aud_enable", 32, 4, 3},
    {"aud_codec_type", 36, 4, 0},
    {"aud_sampling_freq", 40, 4, 1},
    {"aud_bitrate", 44, 4, 1},
    {"aud_input_vol", 48, 4, 3},
    {"aud_output_vol", 52, 4, 2},
    {"vid_enc_res", 56, 4, 0},
    {"vid_enc_bitrate", 60, 4, 1},
    {"vid_framerate", 64, 4, 0},
    {"vid_brightness", 68, 4, 2},
    {"vid_contrast", 72, 4, 2},
    {"vid_saturation", 76, 4, 128},
    {"vid_sharpness", 80, 4, 2},
    {"vid_hue", 84, 4, 2},
    {"gsen_x_threshold", 88, 4, 50},
    {"gsen_y_threshold", 92, 4, 45},
    {"gsen_z_threshold", 96, 4, 45},
    {"always_mode_timeout", 100, 4, 10},
    {"parkmode_x_threshold", 104, 4, 8},
    {"parkmode_y_threshold", 108, 4, 8},
    {"parkmode_z_threshold", 112, 4, 8},
    {"motion1080pCValue", 116, 4, 3},
    {"motion720pCValue", 120, 4, 3},
    {"motionBlock", 124, 4, 0x60},
    {"high_temp_threshold", 128, 4, 97},
    {"high_temp_duration", 132, 4, 3600},
    {"safe_temp_threshold", 136, 4, 92},
    {"safe_temp_duration", 140, 4, 60},
    {"composite_mode", 144, 4, 0},
    {"osd_option", 148, 4, 1},
    {"osd_speed_flag", 152, 4, 1},
    {"osd_plate_flag", 156, 4, 0},
    {"plate_number", 160, 4, 0},
    {"speed_disp_unit", 164, 4, 0},
    {"time_gmt", 168, 4, 0},
    {"summer_time", 172, 4, 0},
    {"nodriving_day", 176, 4, 0},
    {"auto_drive_in_mode_on", 180, 4, 1},
    {"auto_park_in_mode_on", 184, 4, 1},
    {"motion_detect_mode_on", 188, 4, 1},
    {"event_only_mode_on", 192, 4, 0},
    {"g_sensor_enable", 196, 4, 1},
    {"audio_mux_enable", 200, 4, 1},
    {"safe_temp_mode_on", 204, 4, 1},
    {"alarm_ontime_flag", 208, 4, 1},
    {"voiceEnable", 212, 4, 1},
    {"drivingSecurity", 216, 4, 60},
    {"parkingSecurity", 220, 4, 20},
    {"SaveDuration", 224, 4, 1},
    {"MemConfig", 228, 4, 176},
    {"BrightnessFixed", 232, 4, 3000},
    {"DayTime", 236, 4, 1},
    {"NightTime", 240, 4, 0},
    {"Brightness1", 244, 4, 0},
    {"ledoff", 248, 4, 0},
    {"Gamma", 252, 4, 0},
    {"szPlateNumber", 256, 8, 0, "Tavu"},
    {"vid_enc_bitrate_R", 264, 4, 1},
    {"vid_brightness_R", 268, 4, 2},
    {"vid_sharpness_R", 272, 4, 2},
    {"lcd_autopoweroff", 276, 4, 2},
    {"lcd_brightness", 280, 4, 1},
    {"lcd_screensaver", 284, 4, 0},
    {"parking_rear_off", 288, 4, 0},
    {"sd2_mem_always_ratio", 292, 4, 1},
    {"sd2_mem_event_ratio", 296, 4, 98},
    {"sd2_mem_motion_ratio", 300, 4, 1},
    {"flip_video", 304, 4, 0},
    {"parking_alarm", 308, 4, 1},
    {"rear_fps", 312, 4, 0},
    {"motion_zone", 316, 4, 0},
    {"motionBlock_Rear", 320, 4, 0x60},
    {"ledoff_rear", 324, 4, 0},
    {"always_mode_recording_time", 328, 4, 1},
    {"pip_position", 332, 4, 0},
    {"always_motion", 336, 4, 0},
    {"lcd_brightness_night", 340, 4, 1},
    {"size_rear", 344, 4, 0},
    {"front_cpl_use", 348, 4, 0},
    {"rear_cpl_use", 352, 4, 0},
    {"wifi_ssid", 356, 16, 0, "TavuD"},
    {"wifi_password", 372, 16, 0, "40736251"},
    {"CableVoltCorr", 388, 4, 4},
    {"autoFormatAlarm", 392, 4, 0},
    {"wifi_channel", 396, 4, 0},
    {"flip_front_video", 400, 4, 0},
    {"external_rear_camera", 404, 4, 0},
    {"nightIRFilter", 408, 4, 0},
    {"usePreEvent", 412, 4, 0},
    {"dummy00[0]", 416, 4, 0},
    {"dummy00[1]", 420, 4, 0},
    {"debug_mode", 424, 4, 1},
};

constexpr bool fieldsTileTheRecord() {
    std::size_t next = 0;
    for (const Field& field : kFields) {
        if (field.offset != next || field.text.size() > field.size) {
            return false;
        }
        next += field.size;
    }
    return next == FactoryConfigFile::kSize;
}
static_assert(fieldsTileTheRecord(), "every byte of config.bin belongs to exactly one field");

constexpr std::size_t kChecksumOffset = 2;
constexpr std::size_t kLastChecksummedWord = 106;

} // namespace

FactoryConfigFile::Bytes FactoryConfigFile::bytes() {
    Bytes record{};
    for (const Field& field : kFields) {
        unsigned char* at = &record[field.offset];
        if (!field.text.empty()) {
            std::memcpy(at, field.text.data(), field.text.size());
        } else if (field.size == 2) {
            ByteOrder::writeLE16(at, static_cast<std::uint16_t>(field.number));
        } else {
            ByteOrder::writeLE32(at, field.number);
        }
    }
    ByteOrder::writeLE16(&record[kChecksumOffset], checksum(record));
    return record;
}

std::uint16_t FactoryConfigFile::checksum(const Bytes& record) {
    std::uint16_t sum = 0;
    for (std::size_t word = 1; word <= kLastChecksummedWord; ++word) {
        sum ^= ByteOrder::readLE16(&record[word * 4]);
    }
    return sum;
}
