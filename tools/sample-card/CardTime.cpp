#include "sample-card/CardTime.h"

#include <cstdio>

using namespace std::chrono;

CardTime CardTime::fromSeed(std::uint64_t seed) {
    const sys_days firstDay = year{2024} / March / 4;
    const auto dayOffset = days{static_cast<int>(seed % 240)};
    // Between 08:00 and 17:59, so every demo drive happens in daylight.
    const auto minuteOffset = minutes{static_cast<int>((seed * 577) % 600)};
    const auto secondOffset = seconds{static_cast<int>((seed * 13) % 60)};
    return CardTime(firstDay + dayOffset + hours{8} + minuteOffset + secondOffset);
}

CardTime CardTime::plusSeconds(std::int64_t count) const {
    return CardTime(m_local + seconds{count});
}

CardTime::Fields CardTime::local() const {
    return fieldsOf(m_local);
}

CardTime::Fields CardTime::utc() const {
    return fieldsOf(m_local - hours{kUtcOffsetHours});
}

CardTime::Fields CardTime::fieldsOf(sys_seconds moment) {
    const sys_days date = floor<days>(moment);
    const year_month_day ymd{date};
    const hh_mm_ss time{moment - date};
    Fields fields;
    fields.year = static_cast<int>(ymd.year());
    fields.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    fields.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    fields.hour = static_cast<int>(time.hours().count());
    fields.minute = static_cast<int>(time.minutes().count());
    fields.second = static_cast<int>(time.seconds().count());
    fields.weekday = static_cast<int>(weekday{date}.c_encoding());
    return fields;
}

std::string CardTime::fileStamp() const {
    const Fields f = local();
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d_%02d%02d%02d", f.year, f.month, f.day, f.hour,
                  f.minute, f.second);
    return text;
}

std::string CardTime::clockText() const {
    // Every moment of a demo card lies in 2024, which the clock file can always say.
    return ZRVClockFile::textOf(local()).value();
}
