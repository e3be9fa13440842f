#pragma once

#include <chrono>
#include <optional>
#include <string_view>

// The UTC moment of a valid GPS fix, read from the text of an RMC sentence
// as the receiver sent it ("$GPRMC,083559.000,A,...,140723,...*hh"): the
// status field must be "A", the checksum must match and the date and time
// must be a real moment. The running parser of the player takes no notice of
// the status; a clock check must, since a receiver without a fix sends its
// own guess of the time with status "V".
using RmcFixTime = std::chrono::sys_time<std::chrono::milliseconds>;

std::optional<RmcFixTime> validRmcFixTime(std::string_view sentence);

// The first valid RMC fix of NMEA text holding several sentences, one a line.
std::optional<RmcFixTime> firstValidRmcFix(std::string_view text);
