#include "card/CameraClockCheck.h"

#include "recording/ValidRmcFix.h"
#include "recording/ZRVBlackBoxData.h"
#include "recording/ZRVMediaList.h"
#include "settings/SettingFile.h"
#include "settings/TimeZoneTable.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

using namespace std::chrono;

ZRVClockFile::DateTime dateTimeOf(sys_seconds moment) {
    const auto day = floor<days>(moment);
    const year_month_day date(day);
    const hh_mm_ss time(moment - day);
    return {int(date.year()),          int(unsigned(date.month())), int(unsigned(date.day())),
            int(time.hours().count()), int(time.minutes().count()), int(time.seconds().count())};
}

// The earliest stamp of the recording: where its own clock starts.
std::optional<std::uint32_t> firstStamp(const ZRVBlackBoxData& telemetry) {
    std::uint32_t first = std::numeric_limits<std::uint32_t>::max();
    for (const auto& sample : telemetry.gSensorData()) {
        if (const auto stamp = sample.record().timestamp; stamp != 0) {
            first = std::min(first, stamp);
        }
    }
    for (const auto& gps : telemetry.gpsRecords()) {
        if (const auto stamp = gps.record().nTimestamp; stamp != 0) {
            first = std::min(first, stamp);
        }
    }
    if (first == std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return first;
}

std::optional<CameraClockCheck> checkRecording(const ZRVMedia& media, int utcOffsetMinutes) {
    ZRVBlackBoxData telemetry;
    if (!telemetry.extractStreamInformation(media.path().c_str())) {
        return std::nullopt;
    }
    const auto first = firstStamp(telemetry);
    for (const auto& gps : telemetry.gpsRecords()) {
        const _AVI_GPS_DATA_T record = gps.record();
        const std::string_view text(record.RawData.data(),
                                    std::min<std::size_t>(record.nLen, record.RawData.size()));
        const auto fix = firstValidRmcFix(text);
        if (!fix || !first || record.nTimestamp < *first) {
            continue;
        }
        const year_month_day nameDay{year(media.year()), month(unsigned(media.month())),
                                     day(unsigned(media.day()))};
        const sys_time<milliseconds> camera = sys_days(nameDay) + hours(media.hour()) +
                                              minutes(media.minute()) + seconds(media.second()) +
                                              milliseconds(record.nTimestamp - *first);
        const sys_time<milliseconds> gpsLocal = *fix + minutes(utcOffsetMinutes);
        const auto cameraSecond = round<seconds>(camera);
        const auto gpsSecond = round<seconds>(gpsLocal);
        return CameraClockCheck{std::string(media.fileName()), dateTimeOf(cameraSecond), dateTimeOf(gpsSecond),
                                (cameraSecond - gpsSecond).count()};
    }
    return std::nullopt;
}

std::string filled(const std::string& format, long long number) {
    std::string text = format;
    const std::size_t at = text.find("%d");
    if (at != std::string::npos) {
        text.replace(at, 2, std::to_string(number));
    }
    return text;
}

} // namespace

CardClockZone cardClockZone(const std::filesystem::path& card) {
    const std::filesystem::path file = card / "config.bin";
    _FILEDATA record;
    if (!readSettingFile(file, record)) {
        return {0, "no settings file " + file.string() + ": GPS time is told in UTC"};
    }
    if (record.time_gmt < 0 || record.time_gmt >= std::int32_t(TimeZoneTable.size())) {
        return {0, "time_gmt " + std::to_string(record.time_gmt) + " in " + file.string() +
                       " lies outside 0.." + std::to_string(TimeZoneTable.size() - 1) +
                       ": GPS time is told in UTC"};
    }
    const std::int32_t zone = TimeZoneTable[std::size_t(record.time_gmt)];
    const int summer = record.summer_time != 0 ? 60 : 0;
    return {zone / 100 * 60 + zone % 100 + summer, std::nullopt};
}

std::optional<CameraClockCheck> checkCameraClock(const std::filesystem::path& card,
                                                 int utcOffsetMinutes) {
    ZRVMediaList catalogue([](std::function<void()> scan) { scan(); });
    catalogue.setDirectoryPath(card.string());
    const auto medias = catalogue.medias();
    // Moments newest first; the recordings of one moment in catalogue order.
    std::size_t end = medias.size();
    while (end > 0) {
        std::size_t begin = end - 1;
        const std::string moment = medias[begin]->yyyymmddhhmiss();
        while (begin > 0 && medias[begin - 1]->yyyymmddhhmiss() == moment) {
            --begin;
        }
        if (moment != "00000000000000") {
            for (std::size_t i = begin; i < end; ++i) {
                if (auto check = checkRecording(*medias[i], utcOffsetMinutes)) {
                    return check;
                }
            }
        }
        end = begin;
    }
    return std::nullopt;
}

std::string clockOffsetText(long long seconds, const ClockOffsetUnits& units) {
    seconds = seconds < 0 ? -seconds : seconds;
    const long long parts[] = {seconds / 86400, seconds / 3600 % 24, seconds / 60 % 60,
                               seconds % 60};
    const std::string* formats[] = {&units.days, &units.hours, &units.minutes, &units.seconds};
    std::string text;
    for (std::size_t i = 0; i < std::size(parts); ++i) {
        if (parts[i] != 0 || (i + 1 == std::size(parts) && text.empty())) {
            text += (text.empty() ? "" : " ") + filled(*formats[i], parts[i]);
        }
    }
    return text;
}

ClockAgreement clockAgreement(long long offsetSeconds) {
    if (offsetSeconds > kClockAgreementSeconds) {
        return ClockAgreement::ahead;
    }
    return offsetSeconds < -kClockAgreementSeconds ? ClockAgreement::behind
                                                   : ClockAgreement::agrees;
}

std::string clockCheckSentence(const CameraClockCheck& check) {
    const ClockAgreement agreement = clockAgreement(check.offsetSeconds);
    if (agreement == ClockAgreement::agrees) {
        return "The camera's clock agrees with GPS time to within " +
               std::to_string(kClockAgreementSeconds) + " s (" + check.recording + ")";
    }
    return "The camera's clock is " + clockOffsetText(check.offsetSeconds) +
           (agreement == ClockAgreement::ahead ? " ahead of" : " behind") + " GPS time (" +
           check.recording + ")";
}

std::string isoDateTime(const ZRVClockFile::DateTime& moment) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", moment.year, moment.month,
                  moment.day, moment.hour, moment.minute, moment.second);
    return text;
}
