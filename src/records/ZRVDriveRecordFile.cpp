#include "records/ZRVDriveRecordFile.h"

#include "common/AtomicFileWrite.h"
#include "common/ByteOrder.h"
#include "recording/DegreeMinutes.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <numeric>

namespace {

constexpr const char* kWeekdays[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};

std::string gText(std::int16_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "%+.2f", value * 0.00390625);
    return text;
}

// The whole part is padded to two places as the camera's own tools show it
// (" 0.5"). A negative value, which only a damaged record holds, carries its
// sign once instead of on both parts.
std::string batteryText(std::int16_t value) {
    const int magnitude = std::abs(static_cast<int>(value));
    const std::string whole = (value < 0 ? "-" : "") + std::to_string(magnitude / 10);
    char text[32];
    std::snprintf(text, sizeof text, "%2s.%d", whole.c_str(), magnitude % 10);
    return text;
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}

std::optional<double> parseNumber(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::uint64_t recordsHeld(std::uint32_t headerCount, std::uint64_t fileSize) {
    return std::min<std::uint64_t>(headerCount, (fileSize - ZRVDriveRecordFile::kHeaderSize) /
                                                    ZRVDriveRecord::kSize);
}

std::string tooShort(std::uint64_t size) {
    return "too short for a driving-record file (" + std::to_string(size) +
           " bytes, the header takes " + std::to_string(ZRVDriveRecordFile::kHeaderSize) + ")";
}

} // namespace

std::optional<std::string> ZRVDriveRecordFile::readFile(const std::filesystem::path& path) {
    const std::string name = path.string();
    std::error_code error;
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return "cannot open " + name + ": " + std::strerror(errno);
    }
    const std::uint64_t size = std::filesystem::file_size(path, error);
    if (error) {
        std::fclose(file);
        return "cannot read " + name + ": " + error.message();
    }
    unsigned char header[kHeaderSize];
    if (size < kHeaderSize || std::fread(header, 1, kHeaderSize, file) != kHeaderSize) {
        std::fclose(file);
        return name + " is " + tooShort(size);
    }
    const std::uint32_t announced = ByteOrder::readLE32(header);
    std::vector<unsigned char> bytes;
    try {
        bytes.resize(recordsHeld(announced, size) * ZRVDriveRecord::kSize);
    } catch (const std::bad_alloc&) {
        std::fclose(file);
        return "cannot read " + name + ": not enough memory for its records";
    }
    const std::size_t got = bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return "cannot read " + name + ": the read failed";
    }
    // The file may have shrunk since its size was taken.
    bytes.resize(got - got % ZRVDriveRecord::kSize);
    m_headerCount = announced;
    m_records = std::move(bytes);
    return std::nullopt;
}

std::optional<std::string> ZRVDriveRecordFile::readBytes(std::span<const unsigned char> bytes) {
    if (bytes.size() < kHeaderSize) {
        return "the data is " + tooShort(bytes.size());
    }
    const std::uint32_t announced = ByteOrder::readLE32(bytes.data());
    const auto count = static_cast<std::size_t>(recordsHeld(announced, bytes.size()));
    try {
        assign(announced, bytes.subspan(kHeaderSize, count * ZRVDriveRecord::kSize));
    } catch (const std::bad_alloc&) {
        return "not enough memory for the records";
    }
    return std::nullopt;
}

void ZRVDriveRecordFile::assign(std::uint32_t headerCount,
                                std::span<const unsigned char> recordBytes) {
    m_records.assign(recordBytes.begin(), recordBytes.end());
    m_headerCount = headerCount;
}

std::optional<std::string> ZRVDriveRecordFile::shortfallMessage() const {
    const auto rows = static_cast<std::uint64_t>(numberOfRows());
    if (m_headerCount <= rows) {
        return std::nullopt;
    }
    return "the header counts " + std::to_string(m_headerCount) +
           " records, but the file holds only " + std::to_string(rows);
}

std::optional<ZRVDriveRecord> ZRVDriveRecordFile::record(long row) const {
    if (row < 0 || row >= numberOfRows()) {
        return std::nullopt;
    }
    const auto at = static_cast<std::size_t>(row) * ZRVDriveRecord::kSize;
    return ZRVDriveRecord::fromBytes(std::span<const unsigned char, ZRVDriveRecord::kSize>(
        m_records.data() + at, ZRVDriveRecord::kSize));
}

std::string ZRVDriveRecordFile::stringForColumnIndex(long column, long row) const {
    if (column < 0 || column >= kColumnCount) {
        return "X";
    }
    const auto found = record(row);
    if (!found) {
        return {};
    }
    const ZRVDriveRecord& r = *found;
    char text[64];
    switch (column) {
    case 0:
        std::snprintf(text, sizeof text, "%ld", row + 1);
        return text;
    case 1:
        return std::to_string(r.sequenceNumber);
    case 2:
        std::snprintf(text, sizeof text, "%4d/%02d/%02d", r.yearSince1900 + 1900, r.month, r.day);
        return text;
    case 3:
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", r.hour, r.minute, r.second);
        return text;
    case 4:
        return r.weekday < std::size(kWeekdays) ? kWeekdays[r.weekday] : "-";
    case 5:
        std::snprintf(text, sizeof text, "%04d.%04d", r.latitudeWhole, r.latitudeFraction);
        return text;
    case 6:
        std::snprintf(text, sizeof text, "%05d.%04d", r.longitudeWhole, r.longitudeFraction);
        return text;
    case 7:
        std::snprintf(text, sizeof text, "%.1f", r.drivingDistanceTenths / 10.0);
        return text;
    case 8:
        return std::to_string(r.currentSpeed);
    case 9:
        return std::to_string(r.maximumSpeed);
    case 10:
        return r.gpsStatus == 1 ? "A" : "V";
    case 11:
        return gText(r.gSensorX);
    case 12:
        return gText(r.gSensorY);
    case 13:
        return gText(r.gSensorZ);
    default:
        return batteryText(r.batteryTenths);
    }
}

std::optional<ZRVDriveRecordFile::Position> ZRVDriveRecordFile::mapPositionOfRow(long row) const {
    const auto latitude = parseNumber(stringForColumnIndex(5, row));
    const auto longitude = parseNumber(stringForColumnIndex(6, row));
    if (!latitude || !longitude) {
        return std::nullopt;
    }
    Position position;
    degreesFromDegreeMinutes(&position.latitude, &position.longitude, *latitude, *longitude);
    if (position.latitude == 0 || position.longitude == 0) {
        return std::nullopt;
    }
    return position;
}

double ZRVDriveRecordFile::sortKey(long column, long row) const {
    const ZRVDriveRecord r = *record(row);
    const auto dayOf = [&r] { return (r.yearSince1900 * 100.0 + r.month) * 100 + r.day; };
    const auto timeOf = [&r] { return (r.hour * 100.0 + r.minute) * 100 + r.second; };
    switch (column) {
    case 1:
        return r.sequenceNumber;
    case 2:
        return dayOf() * 1e6 + timeOf();
    case 3:
        return timeOf();
    case 4:
        return std::min<int>(r.weekday, static_cast<int>(std::size(kWeekdays)));
    case 5:
    case 6:
        // As the cell shows it, which is also where the map goes.
        return parseNumber(stringForColumnIndex(column, row)).value_or(0);
    case 7:
        return r.drivingDistanceTenths;
    case 8:
        return r.currentSpeed;
    case 9:
        return r.maximumSpeed;
    case 10:
        return r.gpsStatus == 1 ? 0 : 1;
    case 11:
        return r.gSensorX;
    case 12:
        return r.gSensorY;
    case 13:
        return r.gSensorZ;
    case 14:
        return r.batteryTenths;
    default:
        return static_cast<double>(row);
    }
}

std::vector<long> ZRVDriveRecordFile::rowsSortedBy(long column, bool ascending) const {
    std::vector<long> rows(static_cast<std::size_t>(numberOfRows()));
    std::iota(rows.begin(), rows.end(), 0L);
    std::vector<double> keys(rows.size());
    for (const long row : rows) {
        keys[static_cast<std::size_t>(row)] = sortKey(column, row);
    }
    std::stable_sort(rows.begin(), rows.end(), [&keys, ascending](long a, long b) {
        const double left = keys[static_cast<std::size_t>(a)];
        const double right = keys[static_cast<std::size_t>(b)];
        return ascending ? left < right : right < left;
    });
    return rows;
}

std::string ZRVDriveRecordFile::csvText(const ZRVDriveRecordColumn::TitleLookup& titleForKey,
                                        std::span<const long> rows) const {
    std::string text;
    for (long column = 0; column < kColumnCount; ++column) {
        text +=
            (column == 0 ? "" : ",") +
            csvField(kDriveRecordColumns[static_cast<std::size_t>(column)].titleText(titleForKey));
    }
    text += '\n';
    const auto line = [this, &text](long row) {
        for (long column = 0; column < kColumnCount; ++column) {
            text += (column == 0 ? "" : ",") + csvField(stringForColumnIndex(column, row));
        }
        text += '\n';
    };
    if (rows.empty()) {
        for (long row = 0; row < numberOfRows(); ++row) {
            line(row);
        }
    }
    for (const long row : rows) {
        if (record(row)) {
            line(row);
        }
    }
    return text;
}

std::optional<std::string>
ZRVDriveRecordFile::writeCSVFile(const std::filesystem::path& path,
                                 const ZRVDriveRecordColumn::TitleLookup& titleForKey,
                                 std::span<const long> rows) const {
    std::string text;
    try {
        text = csvText(titleForKey, rows);
    } catch (const std::bad_alloc&) {
        return "cannot write " + path.string() + ": not enough memory for the text";
    }
    return writeFileAtomically(
        path, std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
}
