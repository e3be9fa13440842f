#include "settings/SettingField.h"

#include "common/ByteOrder.h"
#include "settings/BasicSettingValues.h"
#include "settings/SettingText.h"

#include <algorithm>
#include <array>
#include <type_traits>

using namespace ByteOrder;

namespace {

using Kind = SettingValues::Kind;

constexpr SettingValues range(std::int64_t minimum, std::int64_t maximum, std::int64_t step = 1) {
    return {.kind = Kind::range, .minimum = minimum, .maximum = maximum, .step = step};
}

constexpr SettingValues choices(std::span<const std::int64_t> values) {
    return {.kind = Kind::list, .list = values};
}

constexpr SettingValues textRule(SettingTextRule rule) {
    return {.kind = Kind::text, .textRule = rule};
}

constexpr SettingValues kFlag = range(0, 1);
constexpr SettingValues kFollows{.kind = Kind::follows};
// Hundredths of g: the pages accept 0.05 to 1.5.
constexpr SettingValues kThreshold = range(5, 150);
// A set bit excludes one of the twelve motion blocks.
constexpr SettingValues kBlockMask = range(0, 0xFFF);

// The row's name is the member's name, and its offset is the member's.
#define ZRV_FIELD(field)                                                                           \
    .name = #field, .member = &_FILEDATA::field, .offset = offsetof(_FILEDATA, field)

const SettingField kFields[] = {
    {ZRV_FIELD(cfg_ver), .factory = 0x5726},
    {ZRV_FIELD(checksum), .keptByFactoryReset = true},
    {ZRV_FIELD(disp_segment_mode), .allowed = range(0, 3), .factory = 1},
    {ZRV_FIELD(sd_mem_always_ratio), .allowed = range(0, 100, 10), .factory = 70},
    {ZRV_FIELD(sd_mem_event_ratio), .factory = 1},
    {ZRV_FIELD(sd_mem_motion_ratio), .allowed = kFollows, .factory = 30},
    {ZRV_FIELD(sd_mem_always_reserved), .allowed = choices(kPowerVoltageMillivolts),
     .factory = 12100},
    {ZRV_FIELD(sd_mem_event_reserved), .allowed = kFlag},
    {ZRV_FIELD(sd_mem_motion_reserved), .allowed = choices(kPowerTimeHours)},
    {ZRV_FIELD(aud_enable), .factory = 3},
    {ZRV_FIELD(aud_codec_type)},
    {ZRV_FIELD(aud_sampling_freq), .factory = 1},
    {ZRV_FIELD(aud_bitrate), .factory = 1},
    {ZRV_FIELD(aud_input_vol), .allowed = range(0, 3), .factory = 3},
    {ZRV_FIELD(aud_output_vol), .allowed = range(0, 3), .factory = 2},
    {ZRV_FIELD(vid_enc_res)},
    {ZRV_FIELD(vid_enc_bitrate), .allowed = range(0, 2), .factory = 1},
    {ZRV_FIELD(vid_framerate)},
    {ZRV_FIELD(vid_brightness), .allowed = range(0, 4), .factory = 2},
    {ZRV_FIELD(vid_contrast), .factory = 2},
    {ZRV_FIELD(vid_saturation), .factory = 128},
    {ZRV_FIELD(vid_sharpness), .factory = 2},
    {ZRV_FIELD(vid_hue), .factory = 2},
    {ZRV_FIELD(gsen_x_threshold), .allowed = kThreshold, .factory = 50},
    {ZRV_FIELD(gsen_y_threshold), .allowed = kThreshold, .factory = 45},
    {ZRV_FIELD(gsen_z_threshold), .allowed = kThreshold, .factory = 45},
    {ZRV_FIELD(always_mode_timeout), .allowed = choices(kAlwaysModeTimeoutSeconds), .factory = 10},
    {ZRV_FIELD(parkmode_x_threshold), .allowed = kThreshold, .factory = 8},
    {ZRV_FIELD(parkmode_y_threshold), .allowed = kThreshold, .factory = 8},
    {ZRV_FIELD(parkmode_z_threshold), .allowed = kThreshold, .factory = 8},
    {ZRV_FIELD(motion1080pCValue), .allowed = range(0, 5), .factory = 3},
    {ZRV_FIELD(motion720pCValue), .allowed = range(0, 5), .factory = 3},
    {ZRV_FIELD(motionBlock), .allowed = kBlockMask, .factory = 0x60},
    {ZRV_FIELD(high_temp_threshold), .factory = 97},
    {ZRV_FIELD(high_temp_duration), .factory = 3600},
    {ZRV_FIELD(safe_temp_threshold), .factory = 92},
    {ZRV_FIELD(safe_temp_duration), .factory = 60},
    {ZRV_FIELD(composite_mode), .allowed = kFlag},
    {ZRV_FIELD(osd_option), .factory = 1},
    {ZRV_FIELD(osd_speed_flag), .allowed = kFlag, .factory = 1},
    {ZRV_FIELD(osd_plate_flag)},
    {ZRV_FIELD(plate_number)},
    {ZRV_FIELD(speed_disp_unit), .allowed = kFlag},
    {ZRV_FIELD(time_gmt), .allowed = range(0, 33), .keptByFactoryReset = true},
    {ZRV_FIELD(summer_time), .allowed = kFlag, .keptByFactoryReset = true},
    {ZRV_FIELD(nodriving_day), .allowed = range(0, 7)},
    {ZRV_FIELD(auto_drive_in_mode_on), .factory = 1},
    {ZRV_FIELD(auto_park_in_mode_on), .factory = 1},
    {ZRV_FIELD(motion_detect_mode_on), .factory = 1},
    {ZRV_FIELD(event_only_mode_on)},
    {ZRV_FIELD(g_sensor_enable), .allowed = kFlag, .factory = 1},
    {ZRV_FIELD(audio_mux_enable), .factory = 1},
    {ZRV_FIELD(safe_temp_mode_on), .factory = 1},
    {ZRV_FIELD(alarm_ontime_flag), .allowed = kFlag, .factory = 1},
    {ZRV_FIELD(voiceEnable), .factory = 1},
    {ZRV_FIELD(drivingSecurity), .factory = 60},
    {ZRV_FIELD(parkingSecurity), .factory = 20},
    {ZRV_FIELD(SaveDuration), .allowed = range(0, 7), .factory = 1},
    {ZRV_FIELD(MemConfig), .factory = 176},
    {ZRV_FIELD(BrightnessFixed), .factory = 3000},
    {ZRV_FIELD(DayTime), .allowed = range(0, 2), .factory = 1},
    {ZRV_FIELD(NightTime), .allowed = kFlag},
    {ZRV_FIELD(Brightness1), .allowed = range(0, 20), .keptByFactoryReset = true},
    {ZRV_FIELD(ledoff), .allowed = kFlag},
    {ZRV_FIELD(Gamma), .allowed = kFlag},
    {ZRV_FIELD(szPlateNumber), .allowed = textRule(SettingTextRule::plate), .factoryText = "Tavu"},
    {ZRV_FIELD(vid_enc_bitrate_R), .allowed = range(0, 2), .factory = 1},
    {ZRV_FIELD(vid_brightness_R), .allowed = range(0, 4), .factory = 2},
    {ZRV_FIELD(vid_sharpness_R), .factory = 2},
    {ZRV_FIELD(lcd_autopoweroff), .allowed = range(0, 3), .factory = 2},
    {ZRV_FIELD(lcd_brightness), .allowed = range(0, 2), .factory = 1},
    {ZRV_FIELD(lcd_screensaver), .allowed = range(0, 2)},
    {ZRV_FIELD(parking_rear_off), .allowed = kFlag},
    {ZRV_FIELD(sd2_mem_always_ratio), .factory = 1},
    {ZRV_FIELD(sd2_mem_event_ratio), .factory = 98},
    {ZRV_FIELD(sd2_mem_motion_ratio), .factory = 1},
    {ZRV_FIELD(flip_video), .allowed = kFlag},
    {ZRV_FIELD(parking_alarm), .allowed = kFlag, .factory = 1},
    {ZRV_FIELD(rear_fps), .allowed = kFlag},
    {ZRV_FIELD(motion_zone)},
    {ZRV_FIELD(motionBlock_Rear), .allowed = kBlockMask, .factory = 0x60},
    {ZRV_FIELD(ledoff_rear), .allowed = kFlag},
    {ZRV_FIELD(always_mode_recording_time), .allowed = kFlag, .factory = 1},
    {ZRV_FIELD(pip_position), .allowed = range(0, 3)},
    {ZRV_FIELD(always_motion)},
    {ZRV_FIELD(lcd_brightness_night), .allowed = kFlag, .factory = 1},
    {ZRV_FIELD(size_rear)},
    {ZRV_FIELD(front_cpl_use), .allowed = range(0, 3)},
    {ZRV_FIELD(rear_cpl_use), .allowed = range(0, 2)},
    {ZRV_FIELD(wifi_ssid), .allowed = textRule(SettingTextRule::wifiName), .factoryText = "TavuD"},
    {ZRV_FIELD(wifi_password), .allowed = textRule(SettingTextRule::wifiPassword),
     .factoryText = "40736251"},
    {ZRV_FIELD(CableVoltCorr), .allowed = range(1, 7), .factory = 4},
    {ZRV_FIELD(autoFormatAlarm), .allowed = range(0, 4)},
    {ZRV_FIELD(wifi_channel), .allowed = range(0, 13)},
    {ZRV_FIELD(flip_front_video)},
    {ZRV_FIELD(external_rear_camera), .allowed = range(0, 7), .keptBits = ~0x7u},
    {ZRV_FIELD(nightIRFilter), .allowed = kFlag},
    {ZRV_FIELD(usePreEvent), .allowed = kFlag},
    {.name = "dummy00[0]", .member = &_FILEDATA::dummy00, .offset = offsetof(_FILEDATA, dummy00)},
    {.name = "dummy00[1]",
     .member = &_FILEDATA::dummy00,
     .offset = offsetof(_FILEDATA, dummy00) + 4,
     .element = 1},
    {ZRV_FIELD(debug_mode), .factory = 1},
};

#undef ZRV_FIELD

using U16 = std::uint16_t _FILEDATA::*;
using U32 = std::uint32_t _FILEDATA::*;
using I32 = std::int32_t _FILEDATA::*;
using Text8 = std::array<char, 8> _FILEDATA::*;
using Text16 = std::array<char, 16> _FILEDATA::*;
using Words = std::array<std::uint32_t, 2> _FILEDATA::*;

template <typename Record>
auto textBytes(Record& record, const SettingField::Member& member)
    -> std::span<std::conditional_t<std::is_const_v<Record>, const char, char>> {
    if (const auto* text = std::get_if<Text8>(&member)) {
        return record.**text;
    }
    if (const auto* text = std::get_if<Text16>(&member)) {
        return record.**text;
    }
    return {};
}

} // namespace

SettingFieldType SettingField::type() const {
    if (std::holds_alternative<U16>(member)) {
        return SettingFieldType::u16;
    }
    if (std::holds_alternative<I32>(member)) {
        return SettingFieldType::i32;
    }
    if (std::holds_alternative<Text8>(member) || std::holds_alternative<Text16>(member)) {
        return SettingFieldType::text;
    }
    return SettingFieldType::u32;
}

std::size_t SettingField::size() const {
    if (std::holds_alternative<U16>(member)) {
        return 2;
    }
    if (std::holds_alternative<Text8>(member)) {
        return 8;
    }
    return std::holds_alternative<Text16>(member) ? 16 : 4;
}

bool SettingField::editable() const {
    return allowed.kind != Kind::readOnly && allowed.kind != Kind::follows;
}

bool SettingField::allows(std::int64_t value) const {
    switch (allowed.kind) {
    case Kind::list:
        return std::find(allowed.list.begin(), allowed.list.end(), value) != allowed.list.end();
    case Kind::range:
        return value >= allowed.minimum && value <= allowed.maximum &&
               (value - allowed.minimum) % allowed.step == 0;
    default:
        return false;
    }
}

std::string SettingField::allowedText() const {
    switch (allowed.kind) {
    case Kind::readOnly:
        return "not edited";
    case Kind::follows:
        return "follows sd_mem_always_ratio";
    case Kind::list: {
        std::string text = "one of";
        for (const auto value : allowed.list) {
            text += (value == allowed.list.front() ? " " : ", ") + std::to_string(value);
        }
        return text;
    }
    case Kind::range: {
        std::string text = std::to_string(allowed.minimum) + ".." + std::to_string(allowed.maximum);
        if (allowed.step != 1) {
            text += " in steps of " + std::to_string(allowed.step);
        }
        return text;
    }
    case Kind::text:
        break;
    }
    switch (allowed.textRule) {
    case SettingTextRule::plate:
        return "up to 8 ASCII letters and digits";
    case SettingTextRule::wifiName:
        return "5 to 16 printable ASCII characters, no blanks";
    case SettingTextRule::wifiPassword:
        return "8 to 16 printable ASCII characters, no blanks";
    case SettingTextRule::none:
        break;
    }
    return "text";
}

std::int64_t SettingField::number(const _FILEDATA& record) const {
    if (const auto* field = std::get_if<U16>(&member)) {
        return record.**field;
    }
    if (const auto* field = std::get_if<U32>(&member)) {
        return record.**field;
    }
    if (const auto* field = std::get_if<I32>(&member)) {
        return record.**field;
    }
    if (const auto* field = std::get_if<Words>(&member)) {
        return (record.**field)[element];
    }
    return 0;
}

void SettingField::setNumber(_FILEDATA& record, std::int64_t value) const {
    if (const auto* field = std::get_if<U16>(&member)) {
        record.** field = static_cast<std::uint16_t>(value);
    } else if (const auto* field = std::get_if<U32>(&member)) {
        record.** field = static_cast<std::uint32_t>(value);
    } else if (const auto* field = std::get_if<I32>(&member)) {
        record.** field = static_cast<std::int32_t>(value);
    } else if (const auto* field = std::get_if<Words>(&member)) {
        (record.**field)[element] = static_cast<std::uint32_t>(value);
    }
}

std::string SettingField::text(const _FILEDATA& record) const {
    return unpackSettingText(textBytes(record, member));
}

void SettingField::setText(_FILEDATA& record, std::string_view value) const {
    packSettingText(textBytes(record, member), value);
}

void SettingField::decode(_FILEDATA& record, const _FILEDATA::Bytes& bytes) const {
    const unsigned char* at = bytes.data() + offset;
    switch (type()) {
    case SettingFieldType::u16:
        setNumber(record, readLE16(at));
        break;
    case SettingFieldType::u32:
        setNumber(record, readLE32(at));
        break;
    case SettingFieldType::i32:
        setNumber(record, readLEInt32(at));
        break;
    case SettingFieldType::text: {
        const auto field = textBytes(record, member);
        std::transform(at, at + field.size(), field.begin(),
                       [](unsigned char c) { return static_cast<char>(c); });
        break;
    }
    }
}

void SettingField::encode(const _FILEDATA& record, _FILEDATA::Bytes& bytes) const {
    unsigned char* at = bytes.data() + offset;
    switch (type()) {
    case SettingFieldType::u16:
        writeLE16(at, static_cast<std::uint16_t>(number(record)));
        break;
    case SettingFieldType::u32:
        writeLE32(at, static_cast<std::uint32_t>(number(record)));
        break;
    case SettingFieldType::i32:
        writeLEInt32(at, static_cast<std::int32_t>(number(record)));
        break;
    case SettingFieldType::text: {
        const auto field = textBytes(record, member);
        std::transform(field.begin(), field.end(), at,
                       [](char c) { return static_cast<unsigned char>(c); });
        break;
    }
    }
}

std::span<const SettingField> SettingField::all() {
    return kFields;
}

const SettingField* SettingField::find(std::string_view name) {
    const auto found = std::find_if(std::begin(kFields), std::end(kFields),
                                    [&](const SettingField& field) { return field.name == name; });
    return found == std::end(kFields) ? nullptr : &*found;
}
