#include "settings/_FILEDATA.h"

#include "common/ByteOrder.h"
#include "settings/SettingField.h"

_FILEDATA _FILEDATA::fromBytes(const Bytes& bytes) {
    _FILEDATA record;
    for (const auto& field : SettingField::all()) {
        field.decode(record, bytes);
    }
    return record;
}

_FILEDATA::Bytes _FILEDATA::toBytes() const {
    Bytes bytes{};
    for (const auto& field : SettingField::all()) {
        field.encode(*this, bytes);
    }
    return bytes;
}

void fillDefaultSettings(_FILEDATA& record) {
    for (const auto& field : SettingField::all()) {
        if (field.keptByFactoryReset) {
            continue;
        }
        if (field.isText()) {
            field.setText(record, field.factoryText);
        } else {
            field.setNumber(record, field.factory);
        }
    }
}

std::uint16_t computeSettingChecksum(const _FILEDATA& record) {
    const auto bytes = record.toBytes();
    std::uint32_t sum = 0;
    for (std::size_t word = 1; word < _FILEDATA::kSize / 4; ++word) {
        sum = (sum & 0xFFFF) ^ ByteOrder::readLE32(&bytes[word * 4]);
    }
    return static_cast<std::uint16_t>(sum);
}

_FILEDATA factorySettingsRecord() {
    _FILEDATA record;
    fillDefaultSettings(record);
    record.checksum = computeSettingChecksum(record);
    return record;
}

void prepareSettingsForSaving(_FILEDATA& record) {
    record.osd_plate_flag = record.szPlateNumber[0] != '\0' ? 1 : 0;
    record.checksum = 0;
    record.checksum = computeSettingChecksum(record);
}
