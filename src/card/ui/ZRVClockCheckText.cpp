#include "card/ui/ZRVClockCheckText.h"

#include "common/ui/ZRVLocalized.h"

#include <cstdlib>

QString ZRVClockCheckText::zoneText(int utcOffsetMinutes) {
    const int minutes = std::abs(utcOffsetMinutes);
    return QStringLiteral("UTC%1%2:%3")
        .arg(utcOffsetMinutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString ZRVClockCheckText::describe(const std::optional<CameraClockCheck>& check,
                                    const CardClockZone& zone, int computerUtcOffsetMinutes) {
    QString text;
    if (!check) {
        text = localized("time.clock_no_fix");
    } else {
        const QString recording = QString::fromStdString(check->recording);
        const ClockOffsetUnits units{localized("time.unit_days").toStdString(),
                                     localized("time.unit_hours").toStdString(),
                                     localized("time.unit_minutes").toStdString(),
                                     localized("time.unit_seconds").toStdString()};
        const QString offset = QString::fromStdString(clockOffsetText(check->offsetSeconds, units));
        switch (clockAgreement(check->offsetSeconds)) {
        case ClockAgreement::agrees:
            text = localized("time.clock_agrees").arg(kClockAgreementSeconds).arg(recording);
            break;
        case ClockAgreement::ahead:
            text = localized("time.clock_ahead").arg(offset, recording);
            break;
        case ClockAgreement::behind:
            text = localized("time.clock_behind").arg(offset, recording);
            break;
        }
    }
    if (!zone.problem && zone.utcOffsetMinutes != computerUtcOffsetMinutes) {
        text += QLatin1Char('\n') +
                localized("time.zone_differs")
                    .arg(zoneText(zone.utcOffsetMinutes), zoneText(computerUtcOffsetMinutes));
    }
    return text;
}
