#include "sample-card/NmeaComposer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// The GSA sentence always has twelve satellite fields, empty when unused.
constexpr std::size_t kGsaSlots = 12;

std::string fixed(double value, int decimals, std::size_t width = 0) {
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    std::string written(text, result.ptr);
    if (written.size() < width) {
        written.insert(0, width - written.size(), '0');
    }
    return written;
}

std::string twoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

} // namespace

double NmeaComposer::degreeMinutes(double degrees) {
    const double magnitude = std::abs(degrees);
    const double whole = std::floor(magnitude);
    // Rounding the minutes may give 60.0000; the sum carries it into the degrees.
    const double tenThousandths = std::round((magnitude - whole) * 60.0 * 10000.0);
    return (whole * 100 * 10000 + (tenThousandths >= 600000 ? 1000000 : tenThousandths)) / 10000.0;
}

std::string NmeaComposer::sentence(std::string_view body) {
    unsigned checksum = 0;
    for (const char c : body) {
        checksum ^= static_cast<unsigned char>(c);
    }
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X\r\n", checksum);
    return "$" + std::string(body) + tail;
}

std::string NmeaComposer::sentences(const Fix& fix) {
    const CardTime::Fields& t = fix.utc;
    const std::string time = twoDigits(t.hour) + twoDigits(t.minute) + twoDigits(t.second) + ".000";
    const std::string date = twoDigits(t.day) + twoDigits(t.month) + twoDigits(t.year % 100);
    const std::string position = fixed(degreeMinutes(fix.latitude), 4, 9) + ",N," +
                                 fixed(degreeMinutes(fix.longitude), 4, 10) + ",E";
    const std::size_t used = fix.gpsSatellites.size() + fix.glonassSatellites.size();

    const std::string rmc = "GPRMC," + time + ",A," + position + "," + fixed(fix.speedKnots, 2) +
                            "," + fixed(fix.course, 2) + "," + date + ",,,A";
    const std::string gga = "GPGGA," + time + "," + position + ",1," +
                            twoDigits(static_cast<int>(used)) + "," + fixed(fix.hdop, 1) + "," +
                            fixed(fix.altitude, 1) + ",M,18.5,M,,";
    return sentence(rmc) + sentence(gga) + activeSatellites(fix.gpsSatellites, fix) +
           activeSatellites(fix.glonassSatellites, fix);
}

std::string NmeaComposer::activeSatellites(const std::vector<int>& satellites, const Fix& fix) {
    std::string body = "GNGSA,A,3";
    for (std::size_t slot = 0; slot < kGsaSlots; ++slot) {
        body += ',';
        if (slot < satellites.size()) {
            body += twoDigits(satellites[slot]);
        }
    }
    body += "," + fixed(fix.pdop, 1) + "," + fixed(fix.hdop, 1) + "," + fixed(fix.vdop, 1);
    return sentence(body);
}
