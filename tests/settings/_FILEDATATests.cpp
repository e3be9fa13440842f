#include "settings/SettingField.h"
#include "settings/_FILEDATA.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

_FILEDATA factoryRecord() {
    _FILEDATA record;
    fillDefaultSettings(record);
    return record;
}

} // namespace

TEST(SettingFieldTable, CoversEveryByteOnceWithUniqueNames) {
    std::size_t next = 0;
    std::set<std::string_view> names;
    for (const auto& field : SettingField::all()) {
        EXPECT_EQ(field.offset, next) << field.name;
        next = field.offset + field.size();
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        EXPECT_EQ(SettingField::find(field.name), &field);
    }
    EXPECT_EQ(next, _FILEDATA::kSize);
    EXPECT_EQ(SettingField::find("nosuchfield"), nullptr);
}

TEST(SettingFieldTable, FactoryValuesAreAmongTheChoicesOfEditedFields) {
    for (const auto& field : SettingField::all()) {
        if (field.editable() && !field.isText() && !field.keptByFactoryReset) {
            EXPECT_TRUE(field.allows(field.factory)) << field.name;
        }
    }
}

// Filling in the factory values keeps the checksum, time zone, summer time
// and voice language.
TEST(FILEDATA, FactoryRecordBytesAndTheFieldsAResetKeeps) {
    const auto bytes = factoryRecord().toBytes();
    EXPECT_EQ(std::string(bytes.begin() + 356, bytes.begin() + 380),
              std::string("TavuD") + std::string(11, '\0') + "40736251");
    EXPECT_EQ(bytes[0], 0x26);
    EXPECT_EQ(bytes[88], 50);

    _FILEDATA record;
    record.checksum = 0x1234;
    record.time_gmt = 28;
    record.summer_time = 1;
    record.Brightness1 = 20;
    fillDefaultSettings(record);
    EXPECT_EQ(record.checksum, 0x1234);
    EXPECT_EQ(record.time_gmt, 28);
    EXPECT_EQ(record.summer_time, 1u);
    EXPECT_EQ(record.Brightness1, 20u);
}

TEST(FILEDATA, BytesRoundTripAndAreLittleEndian) {
    std::mt19937 random(7);
    _FILEDATA::Bytes bytes;
    for (auto& byte : bytes) {
        byte = static_cast<unsigned char>(random());
    }
    EXPECT_EQ(_FILEDATA::fromBytes(bytes).toBytes(), bytes);

    bytes.fill(0);
    bytes[0] = 0x26;
    bytes[1] = 0x57;
    bytes[88] = 0xFE;
    bytes[89] = bytes[90] = bytes[91] = 0xFF;
    bytes[420] = 0x01;
    bytes[423] = 0x80;
    const auto record = _FILEDATA::fromBytes(bytes);
    EXPECT_EQ(record.cfg_ver, 0x5726);
    EXPECT_EQ(record.gsen_x_threshold, -2);
    EXPECT_EQ(record.dummy00[1], 0x80000001u);
}

// Saving sets the checksum and the plate flag.
TEST(FILEDATA, ChecksumIsXorOfLowHalvesOfWordsOneOnSetForSaving) {
    _FILEDATA record;
    record.cfg_ver = 0x5726;
    record.checksum = 0xFFFF;
    record.vid_saturation = 0x00010000;
    EXPECT_EQ(computeSettingChecksum(record), 0);
    record.debug_mode = 1;
    record.disp_segment_mode = 0x0001F0F0;
    EXPECT_EQ(computeSettingChecksum(record), 0xF0F1);

    record = factoryRecord();
    record.checksum = 0xBEEF;
    prepareSettingsForSaving(record);
    EXPECT_EQ(record.osd_plate_flag, 1);
    EXPECT_EQ(record.checksum, computeSettingChecksum(record));

    SettingField::find("szPlateNumber")->setText(record, "");
    prepareSettingsForSaving(record);
    EXPECT_EQ(record.osd_plate_flag, 0);
    EXPECT_EQ(record.szPlateNumber, (std::array<char, 8>{}));
}

TEST(SettingText, PackingCutsAtACharacterBoundaryAndNeverTouchesTheNextField) {
    auto record = factoryRecord();
    const auto& plate = *SettingField::find("szPlateNumber");
    plate.setText(record, "ABCDEFGHIJ");
    EXPECT_EQ(std::string(record.szPlateNumber.begin(), record.szPlateNumber.end()), "ABCDEFGH");
    EXPECT_EQ(plate.text(record), "ABCDEFGH");
    EXPECT_EQ(record.vid_enc_bitrate_R, 1u);

    const auto& password = *SettingField::find("wifi_password");
    password.setText(record, "0123456789abcdef");
    EXPECT_EQ(password.text(record), "0123456789abcdef");
    EXPECT_EQ(record.CableVoltCorr, 4u);

    plate.setText(record, "a\xC3\x84\xC3\x84\xC3\x84\xC3\x84"); // "aÄÄÄÄ", 9 bytes
    EXPECT_EQ(plate.text(record), "a\xC3\x84\xC3\x84\xC3\x84");
    EXPECT_EQ(record.szPlateNumber[7], '\0');
}
