#pragma once

#include "sample-card/CardTime.h"

#include <string>
#include <string_view>
#include <vector>

// Writes the sentences a GPS+GLONASS receiver sends once a second, as the
// camera stores them in a GPS record: $GPRMC, $GPGGA, then one $GNGSA for the
// GPS satellites (numbers 1 to 32) and one for the GLONASS satellites (65 to
// 96), each with its checksum and ended by CR LF. Numbers are written without
// the process locale, which may use a decimal comma.
class NmeaComposer {
public:
    struct Fix {
        CardTime::Fields utc;
        double latitude = 0;  // decimal degrees, north
        double longitude = 0; // decimal degrees, east
        double speedKnots = 0;
        double course = 0;
        double altitude = 0; // metres above mean sea level
        double pdop = 0;
        double hdop = 0;
        double vdop = 0;
        std::vector<int> gpsSatellites;
        std::vector<int> glonassSatellites;
    };

    static std::string sentences(const Fix& fix);
    // "$" + body + "*" + checksum + CR LF; the checksum is the XOR of the body's bytes.
    static std::string sentence(std::string_view body);
    // Decimal degrees in the receiver's degree-minute form (ddmm.mmmm), rounded
    // to the four decimals it sends.
    static double degreeMinutes(double degrees);

private:
    static std::string activeSatellites(const std::vector<int>& satellites, const Fix& fix);
};
