#pragma once

#include "card/ZRVClockFile.h"

#include <filesystem>
#include <optional>
#include <string>

// Whether the camera's clock is right: a recording's name carries the
// camera's clock, and its GPS fixes carry UTC.
struct CameraClockCheck {
    // The file name of the recording the fix came from.
    std::string recording;
    // Both to the nearest second, the GPS time in the camera's zone.
    ZRVClockFile::DateTime cameraTime;
    ZRVClockFile::DateTime gpsTime;
    // Camera minus GPS; positive when the camera's clock is ahead.
    long long offsetSeconds = 0;
};

// The zone the camera keeps its clock in, by the card's config.bin:
// time_gmt through the time-zone table, one hour more with summer time.
struct CardClockZone {
    // East of UTC, summer time included.
    int utcOffsetMinutes = 0;
    // Why UTC stands in for the card's zone (no settings file, time_gmt
    // outside the table); none when the zone is the card's.
    std::optional<std::string> problem;
};

CardClockZone cardClockZone(const std::filesystem::path& card);

// The newest recording of the card's catalogue that holds a valid fix; of
// the recordings of one moment, the first in catalogue order. The camera's
// time is the time in its name plus how far into the recording that fix was
// stored, by the telemetry's own time stamps. None when no recording has a
// valid fix.
std::optional<CameraClockCheck> checkCameraClock(const std::filesystem::path& card,
                                                 int utcOffsetMinutes);

// "3 min 12 s", "1 d 2 h 5 s", with the unit formats given ("%d" stands for
// the number); the parts that are zero are left out.
struct ClockOffsetUnits {
    std::string days = "%d d";
    std::string hours = "%d h";
    std::string minutes = "%d min";
    std::string seconds = "%d s";
};
std::string clockOffsetText(long long seconds, const ClockOffsetUnits& units = {});

// An offset this small is within what the check can tell: the receiver
// delivers a fix some time after the moment it describes.
inline constexpr long long kClockAgreementSeconds = 2;

enum class ClockAgreement { agrees, ahead, behind };
ClockAgreement clockAgreement(long long offsetSeconds);

// "The camera's clock is 3 min 12 s ahead of GPS time (NAME)", "... behind
// ...", or that it agrees with GPS time to within kClockAgreementSeconds.
std::string clockCheckSentence(const CameraClockCheck& check);

// "YYYY-MM-DDThh:mm:ss".
std::string isoDateTime(const ZRVClockFile::DateTime& moment);
