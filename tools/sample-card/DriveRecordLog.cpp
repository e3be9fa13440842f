#include "sample-card/DriveRecordLog.h"

#include "common/ByteOrder.h"
#include "records/ZRVDriveRecordFile.h"
#include "sample-card/NmeaComposer.h"

#include <algorithm>
#include <cmath>

namespace {

// A healthy car battery with the engine off reads about 12.4 V; the log
// shows it wandering by a tenth either way.
constexpr int kBatteryTenths = 124;

void setDegreeMinutes(std::uint16_t& whole, std::uint16_t& fraction, double degrees) {
    const double value = NmeaComposer::degreeMinutes(degrees);
    const double wholePart = std::floor(value);
    whole = static_cast<std::uint16_t>(wholePart);
    fraction = static_cast<std::uint16_t>(std::lround((value - wholePart) * 10000));
}

std::int16_t signed16(std::int32_t value) {
    return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
}

} // namespace

void DriveRecordLog::add(const CardTime& time, const DriveSample& sample,
                         const std::array<std::int32_t, 3>& gSensorCounts) {
    const std::size_t sequence = count() + 1;
    const CardTime::Fields f = time.local();
    const auto speed = static_cast<std::uint16_t>(std::lround(sample.speedKmh));
    m_maximumSpeed = std::max(m_maximumSpeed, speed);

    ZRVDriveRecord record;
    record.sequenceNumber = static_cast<std::uint16_t>(sequence);
    record.weekday = static_cast<std::uint8_t>(f.weekday);
    record.gpsStatus = 1;
    record.yearSince1900 = static_cast<std::uint8_t>(f.year - 1900);
    record.month = static_cast<std::uint8_t>(f.month);
    record.day = static_cast<std::uint8_t>(f.day);
    record.hour = static_cast<std::uint8_t>(f.hour);
    record.minute = static_cast<std::uint8_t>(f.minute);
    record.second = static_cast<std::uint8_t>(f.second);
    setDegreeMinutes(record.latitudeWhole, record.latitudeFraction, sample.latitude);
    setDegreeMinutes(record.longitudeWhole, record.longitudeFraction, sample.longitude);
    record.currentSpeed = speed;
    record.drivingDistanceTenths = static_cast<std::uint32_t>(sample.odometer / 100.0);
    record.maximumSpeed = m_maximumSpeed;
    record.gSensorX = signed16(gSensorCounts[0]);
    record.gSensorY = signed16(gSensorCounts[1]);
    record.gSensorZ = signed16(gSensorCounts[2]);
    record.batteryTenths = static_cast<std::int16_t>(kBatteryTenths - 1 + (sequence * 7) % 3);
    m_records.push_back(record);
}

std::vector<unsigned char> DriveRecordLog::bytes() const {
    std::vector<unsigned char> file(ZRVDriveRecordFile::kHeaderSize, 0);
    ByteOrder::writeLE32(file.data(), static_cast<std::uint32_t>(count()));
    file.reserve(file.size() + count() * ZRVDriveRecord::kSize);
    for (const ZRVDriveRecord& record : m_records) {
        const auto encoded = record.toBytes();
        file.insert(file.end(), encoded.begin(), encoded.end());
    }
    return file;
}
