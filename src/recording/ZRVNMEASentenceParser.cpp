#include "recording/ZRVNMEASentenceParser.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <system_error>

namespace {

// The rules read fields 0 to 14; later fields are never looked at.
constexpr std::size_t kFieldsRead = 15;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;  // overlong
            high = lead == 0xED ? 0x9F : 0xBF; // UTF-16 surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;  // overlong
            high = lead == 0xF4 ? 0x8F : 0xBF; // above U+10FFFF
        } else {
            return false;
        }
        if (text.size() - i < length) {
            return false;
        }
        const auto second = static_cast<unsigned char>(text[i + 1]);
        if (second < low || second > high) {
            return false;
        }
        for (std::size_t k = 2; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if (next < 0x80 || next > 0xBF) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

// Real numbers go through a 32-bit float on purpose: fixes keep the precision
// (about seven significant digits) that recordings have always been shown
// with. A value beyond the float range reads as 0 rather than infinity, which
// would poison positions and the HDOP shown.
double readReal(std::string_view field) {
    const std::size_t start = skipBlanks(field, 0);
    std::size_t pos = start;
    if (pos < field.size() && (field[pos] == '+' || field[pos] == '-')) {
        ++pos;
    }
    // Keeps from_chars off "inf" and "nan", which are not decimal numbers.
    const bool startsNumber =
        pos < field.size() &&
        (isDigit(field[pos]) ||
         (field[pos] == '.' && pos + 1 < field.size() && isDigit(field[pos + 1])));
    if (!startsNumber) {
        return 0;
    }
    // from_chars takes a '-' but no '+'.
    const std::size_t first = field[start] == '+' ? start + 1 : start;
    float value = 0;
    const auto result = std::from_chars(field.data() + first, field.data() + field.size(), value,
                                        std::chars_format::general);
    return result.ec == std::errc{} ? static_cast<double>(value) : 0.0;
}

// Blanks, an optional sign and the longest run of digits; a value past the
// 32-bit range saturates.
std::int32_t readInteger(std::string_view field) {
    std::size_t pos = skipBlanks(field, 0);
    bool negative = false;
    if (pos < field.size() && (field[pos] == '+' || field[pos] == '-')) {
        negative = field[pos] == '-';
        ++pos;
    }
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; pos < field.size() && isDigit(field[pos]); ++pos) {
        magnitude = std::min(magnitude * 10 + (field[pos] - '0'), kLimit);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// One "%0Nd" conversion of sscanf: blanks skipped, then at most `width`
// characters of sign and digits. False where sscanf would stop matching.
bool scanInt(std::string_view text, std::size_t& pos, int width, int& out) {
    pos = skipBlanks(text, pos);
    std::size_t end = pos + static_cast<std::size_t>(width);
    end = std::min(end, text.size());
    bool negative = false;
    std::size_t at = pos;
    if (at < end && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    int value = 0;
    const std::size_t digitsStart = at;
    for (; at < end && isDigit(text[at]); ++at) {
        value = value * 10 + (text[at] - '0');
    }
    if (at == digitsStart) {
        return false;
    }
    out = negative ? -value : value;
    pos = at;
    return true;
}

bool scanLiteral(std::string_view text, std::size_t& pos, char c) {
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

std::optional<std::string_view> fieldAt(std::span<const std::string_view> fields,
                                        std::size_t index) {
    if (index < fields.size()) {
        return fields[index];
    }
    return std::nullopt;
}

std::optional<std::string_view> nonEmptyFieldAt(std::span<const std::string_view> fields,
                                                std::size_t index) {
    auto field = fieldAt(fields, index);
    if (field && field->empty()) {
        return std::nullopt;
    }
    return field;
}

} // namespace

void ZRVNMEASentenceParser::clear() {
    m_Current.clear();
}

bool ZRVNMEASentenceParser::parse(const char* sentence) {
    if (sentence == nullptr) {
        return false;
    }
    const std::string_view text(sentence);
    if (!isValidUtf8(text)) {
        return false;
    }
    const std::size_t star = text.find('*');
    if (star == std::string_view::npos || text.find('*', star + 1) != std::string_view::npos) {
        return false;
    }

    std::array<std::string_view, kFieldsRead> storage;
    std::size_t count = 0;
    std::string_view rest = text.substr(0, star);
    for (;;) {
        const std::size_t comma = rest.find(',');
        storage[count++] = rest.substr(0, comma);
        if (comma == std::string_view::npos || count == storage.size()) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    const Fields fields(storage.data(), count);

    const std::string_view name = fields[0];
    if (name == "$GPRMC" || name == "$GNRMC") {
        applyRmc(fields);
    } else if (name == "$GPGGA" || name == "$GNGGA") {
        applyGga(fields, name == "$GPGGA");
    } else if (name == "$GNGSA") {
        applyGsa(fields);
    } else if (name == "$GNGNS") {
        applyGns(fields);
    } else {
        return false;
    }
    return true;
}

void ZRVNMEASentenceParser::applyRmc(Fields fields) {
    if (const auto speed = fieldAt(fields, 7)) {
        m_Current.SpeedOverGround = readReal(*speed);
    }
    if (const auto course = fieldAt(fields, 8)) {
        m_Current.CourseOverGround = readReal(*course);
    }
    const auto time = fieldAt(fields, 1);
    const auto date = fieldAt(fields, 9);
    // Only hhmmss.sss is trusted; receivers that send fewer decimals would
    // be misread by the fixed pattern.
    if (time && date && characterCount(*date) == 6 && characterCount(*time) == 10) {
        setNowFrom(*time, *date);
    }
    m_Current.Cnt_GNGSA = 0;
}

void ZRVNMEASentenceParser::setNowFrom(std::string_view time, std::string_view date) {
    // As with sscanf, reading stops at the first mismatch and the values not
    // reached stay 0.
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    std::size_t pos = 0;
    (void)(scanInt(time, pos, 2, hour) && scanInt(time, pos, 2, minute) &&
           scanInt(time, pos, 2, second) && scanLiteral(time, pos, '.') &&
           scanInt(time, pos, 3, millisecond));

    int day = 0;
    int month = 0;
    int year = 0;
    pos = 0;
    (void)(scanInt(date, pos, 2, day) && scanInt(date, pos, 2, month) &&
           scanInt(date, pos, 2, year));

    _SYSTEMTIME& now = m_Current.Now;
    now.wYear = static_cast<std::uint16_t>(2000 + year);
    now.wMonth = static_cast<std::uint16_t>(month);
    now.wDayOfWeek = 0;
    now.wDay = static_cast<std::uint16_t>(day);
    now.wHour = static_cast<std::uint16_t>(hour);
    now.wMinute = static_cast<std::uint16_t>(minute);
    now.wSecond = static_cast<std::uint16_t>(second);
    now.wMilliseconds = static_cast<std::uint16_t>(millisecond);
}

void ZRVNMEASentenceParser::applyGga(Fields fields, bool gpsOnly) {
    if (const auto latitude = nonEmptyFieldAt(fields, 2)) {
        m_Current.Latitude = readReal(*latitude);
    }
    if (const auto ns = nonEmptyFieldAt(fields, 3)) {
        m_Current.NS = ns->front();
    }
    if (const auto longitude = nonEmptyFieldAt(fields, 4)) {
        m_Current.Longitude = readReal(*longitude);
    }
    if (const auto ew = nonEmptyFieldAt(fields, 5)) {
        m_Current.EW = ew->front();
    }
    // A combined-system receiver reports GPS satellites alone here; the
    // GSA and GNS sentences give the full count once they have been seen.
    if (gpsOnly && m_Current.Enable_GNGNS == 0 && m_Current.Enable_GNGSA == 0) {
        if (const auto used = fieldAt(fields, 7)) {
            m_Current.SatelliteUsedCount = static_cast<std::uint32_t>(readInteger(*used));
        }
    }
    if (m_Current.Enable_GNGNS == 0) {
        if (const auto hdop = nonEmptyFieldAt(fields, 8)) {
            m_Current.HDOP = readReal(*hdop);
        }
    }
    m_Current.Cnt_GNGSA = 0;
}

void ZRVNMEASentenceParser::applyGsa(Fields fields) {
    m_Current.Enable_GNGSA = 1;
    if (m_Current.Enable_GNGNS != 0) {
        return;
    }
    std::uint32_t used = 0;
    for (std::size_t slot = 0; slot < ZRVGpsData::kSatelliteSlots; ++slot) {
        const auto field = fieldAt(fields, slot + 3);
        const auto satellite = static_cast<std::uint8_t>(field ? readInteger(*field) : 0);
        m_Current.setSatelliteUsed(satellite, slot);
        if (satellite != 0) {
            ++used;
        }
    }

    // The receiver sends one GSA per system, GPS first; the first slot tells
    // them apart when it is filled, and the order decides when it is not.
    const std::uint8_t first = m_Current.satelliteUsedAtIndex(0);
    if (first >= 1 && first <= 64) {
        m_Current.Cnt_GNGSA = 0;
    } else if (first >= 65) {
        m_Current.Cnt_GNGSA = 1;
    }
    if (m_Current.Cnt_GNGSA == 1) {
        m_Current.SatelliteUsedCount_GLONASS = used;
        m_Current.Cnt_GNGSA = 0;
        m_Current.SatelliteUsedCount =
            m_Current.SatelliteUsedCount_GPS + m_Current.SatelliteUsedCount_GLONASS;
    } else {
        m_Current.SatelliteUsedCount_GPS = used;
        m_Current.Cnt_GNGSA = 1;
    }
}

void ZRVNMEASentenceParser::applyGns(Fields fields) {
    m_Current.Enable_GNGNS = 1;
    if (const auto used = fieldAt(fields, 7)) {
        m_Current.SatelliteUsedCount = static_cast<std::uint32_t>(readInteger(*used));
    }
    if (const auto hdop = nonEmptyFieldAt(fields, 8)) {
        m_Current.HDOP = readReal(*hdop);
    }
}
