#pragma once

#include <cstdint>
#include <string>

// The time beside the position slider, "0:12 / 0:20": what has been played
// and the whole recording, in whole seconds as a clock counts them. Both show
// hours ("0:05:00 / 1:02:03") once the recording lasts an hour, so the text
// keeps its form while it plays.
struct ZRVPlayTimeText {
    // An unknown (zero or negative) length reads "0:00 / 0:00"; the elapsed
    // time is held between the start and the length.
    static std::string elapsedAndTotal(std::int64_t elapsedMs, std::int64_t totalMs);
};
