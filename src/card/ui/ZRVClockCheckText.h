#pragma once

#include "card/CameraClockCheck.h"

#include <QString>
#include <optional>

// The clock check of a card in the user's language: the same sentence as
// zorva-tool clock-check, and a note when the card's time zone is not the
// computer's.
namespace ZRVClockCheckText {

QString describe(const std::optional<CameraClockCheck>& check, const CardClockZone& zone,
                 int computerUtcOffsetMinutes);

// "UTC+09:00", "UTC-04:30".
QString zoneText(int utcOffsetMinutes);

} // namespace ZRVClockCheckText
