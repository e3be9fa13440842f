#pragma once

#include "recording/ZRVGpsData.h"

#include <cstddef>
#include <span>
#include <string_view>

// Reads NMEA-0183 sentences one at a time into one running fix. Six sentence
// names are understood ($GPRMC, $GNRMC, $GPGGA, $GNGGA, $GNGSA, $GNGNS), and
// of each only the fields the player shows. Nothing is reset between
// sentences: every field keeps the value the last sentence gave it.
class ZRVNMEASentenceParser {
public:
    ZRVGpsData m_Current;

    void clear();

    // One sentence without its line end. False, with the fix untouched, for a
    // name not understood, a sentence without exactly one '*' (the checksum
    // behind it is not checked), or text that is not UTF-8. A sentence cut
    // short applies the fields it has.
    bool parse(const char* sentence);

private:
    using Fields = std::span<const std::string_view>;

    void applyRmc(Fields fields);
    void applyGga(Fields fields, bool gpsOnly);
    void applyGsa(Fields fields);
    void applyGns(Fields fields);
    void setNowFrom(std::string_view time, std::string_view date);
};
