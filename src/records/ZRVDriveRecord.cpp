#include "records/ZRVDriveRecord.h"

#include "common/ByteOrder.h"

#include <bit>

namespace {

std::int16_t readSigned16(const unsigned char* p) {
    return std::bit_cast<std::int16_t>(ByteOrder::readLE16(p));
}

void writeSigned16(unsigned char* p, std::int16_t v) {
    ByteOrder::writeLE16(p, std::bit_cast<std::uint16_t>(v));
}

} // namespace

bool ZRVDriveRecord::hasPlausibleTime() const {
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour < 24 && minute < 60 &&
           second < 60;
}

ZRVDriveRecord ZRVDriveRecord::fromBytes(std::span<const unsigned char, kSize> bytes) {
    const unsigned char* p = bytes.data();
    ZRVDriveRecord record;
    record.sequenceNumber = ByteOrder::readLE16(p);
    record.weekday = p[2];
    record.gpsStatus = p[3];
    record.yearSince1900 = p[4];
    record.month = p[5];
    record.day = p[6];
    record.hour = p[7];
    record.minute = p[8];
    record.second = p[9];
    record.latitudeWhole = ByteOrder::readLE16(p + 10);
    record.latitudeFraction = ByteOrder::readLE16(p + 12);
    record.longitudeWhole = ByteOrder::readLE16(p + 14);
    record.longitudeFraction = ByteOrder::readLE16(p + 16);
    record.currentSpeed = ByteOrder::readLE16(p + 18);
    record.drivingDistanceTenths = ByteOrder::readLE32(p + 20);
    record.maximumSpeed = ByteOrder::readLE16(p + 28);
    record.gSensorX = readSigned16(p + 32);
    record.gSensorY = readSigned16(p + 34);
    record.gSensorZ = readSigned16(p + 36);
    record.batteryTenths = readSigned16(p + 38);
    return record;
}

std::array<unsigned char, ZRVDriveRecord::kSize> ZRVDriveRecord::toBytes() const {
    std::array<unsigned char, kSize> bytes{};
    unsigned char* p = bytes.data();
    ByteOrder::writeLE16(p, sequenceNumber);
    p[2] = weekday;
    p[3] = gpsStatus;
    p[4] = yearSince1900;
    p[5] = month;
    p[6] = day;
    p[7] = hour;
    p[8] = minute;
    p[9] = second;
    ByteOrder::writeLE16(p + 10, latitudeWhole);
    ByteOrder::writeLE16(p + 12, latitudeFraction);
    ByteOrder::writeLE16(p + 14, longitudeWhole);
    ByteOrder::writeLE16(p + 16, longitudeFraction);
    ByteOrder::writeLE16(p + 18, currentSpeed);
    ByteOrder::writeLE32(p + 20, drivingDistanceTenths);
    ByteOrder::writeLE16(p + 28, maximumSpeed);
    writeSigned16(p + 32, gSensorX);
    writeSigned16(p + 34, gSensorY);
    writeSigned16(p + 36, gSensorZ);
    writeSigned16(p + 38, batteryTenths);
    return bytes;
}
