#include "cli/samplecard/DriveRecordLog.h"

#include "cli/samplecard/NmeaComposer.h"
#include "recording/ByteOrder.h"

#include <algorithm>
#include <cmath>

namespace {

// A healthy car battery with the engine off reads about 12.4 V; the log
// shows it wandering by a tenth either way.
constexpr int kBatteryTenths = 124;

// Whole part and four fraction digits of the ddmm.mmmm value, as the log stores them.
void writeDegreeMinutes(unsigned char* at, double degrees) {
    const double value = NmeaComposer::degreeMinutes(degrees);
    const double whole = std::floor(value);
    ByteOrder::writeLE16(at, static_cast<std::uint16_t>(whole));
    ByteOrder::writeLE16(at + 2, static_cast<std::uint16_t>(std::lround((value - whole) * 10000)));
}

std::uint16_t signed16(std::int32_t value) {
    return static_cast<std::uint16_t>(static_cast<std::int16_t>(std::clamp(value, -32768, 32767)));
}

} // namespace

void DriveRecordLog::add(const CardTime& time, const DriveSample& sample,
                         const std::array<std::int32_t, 3>& gSensorCounts) {
    const std::size_t sequence = count() + 1;
    const CardTime::Fields f = time.local();
    const auto speed = static_cast<std::uint16_t>(std::lround(sample.speedKmh));
    m_maximumSpeed = std::max(m_maximumSpeed, speed);

    std::array<unsigned char, kRecordSize> record{};
    ByteOrder::writeLE16(&record[0], static_cast<std::uint16_t>(sequence));
    record[2] = static_cast<unsigned char>(f.weekday);
    record[3] = 1; // valid GPS fix
    record[4] = static_cast<unsigned char>(f.year - 1900);
    record[5] = static_cast<unsigned char>(f.month);
    record[6] = static_cast<unsigned char>(f.day);
    record[7] = static_cast<unsigned char>(f.hour);
    record[8] = static_cast<unsigned char>(f.minute);
    record[9] = static_cast<unsigned char>(f.second);
    writeDegreeMinutes(&record[10], sample.latitude);
    writeDegreeMinutes(&record[14], sample.longitude);
    ByteOrder::writeLE16(&record[18], speed);
    ByteOrder::writeLE32(&record[20], static_cast<std::uint32_t>(sample.odometer / 100.0));
    ByteOrder::writeLE16(&record[28], m_maximumSpeed);
    ByteOrder::writeLE16(&record[32], signed16(gSensorCounts[0]));
    ByteOrder::writeLE16(&record[34], signed16(gSensorCounts[1]));
    ByteOrder::writeLE16(&record[36], signed16(gSensorCounts[2]));
    ByteOrder::writeLE16(&record[38],
                         static_cast<std::uint16_t>(kBatteryTenths - 1 + (sequence * 7) % 3));
    m_records.insert(m_records.end(), record.begin(), record.end());
}

std::vector<unsigned char> DriveRecordLog::bytes() const {
    std::vector<unsigned char> file(kHeaderSize, 0);
    ByteOrder::writeLE32(file.data(), static_cast<std::uint32_t>(count()));
    file.insert(file.end(), m_records.begin(), m_records.end());
    return file;
}
