#pragma once

#include "card/ZRVClockFile.h"

#include <chrono>
#include <cstdint>
#include <string>

// A second on the camera's clock. The camera keeps local time (it is set from
// timeset.cfg and names its files with it); only its GPS sentences carry UTC.
// The demo card is recorded in Seoul, nine hours ahead of UTC, no daylight saving.
class CardTime {
public:
    static constexpr int kUtcOffsetHours = 9;

    // The calendar fields the clock file holds, and the weekday the drive
    // log records.
    struct Fields : ZRVClockFile::DateTime {
        int weekday = 0; // 0 = Sunday
    };

    // A daytime start in 2024 that differs from seed to seed.
    static CardTime fromSeed(std::uint64_t seed);

    CardTime plusSeconds(std::int64_t seconds) const;

    Fields local() const;
    Fields utc() const;
    // yyyymmdd_hhmiss, as in the recording names.
    std::string fileStamp() const;
    // yyyy/MM/dd HH:mm:ss, as in timeset.cfg and on the video.
    std::string clockText() const;

private:
    explicit CardTime(std::chrono::sys_seconds local) : m_local(local) {}
    static Fields fieldsOf(std::chrono::sys_seconds moment);

    // Local wall-clock time counted as if it were UTC; the offset is applied
    // only where UTC is wanted.
    std::chrono::sys_seconds m_local;
};
