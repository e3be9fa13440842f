#include "settings/ui/ZRVSettingForGpsViewController.h"

#include "common/ui/ZRVLocalized.h"
#include "controls/TKSegmentedControl.h"
#include "settings/TimeZoneTable.h"
#include "settings/_FILEDATA.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <cstdlib>

namespace {

// The route intervals in seconds, after "none".
constexpr int kSaveIntervals[] = {1, 3, 5, 10, 15, 30, 60};

QStringList offOn() {
    return {localized("off"), localized("on")};
}

} // namespace

QStringList ZRVSettingForGpsViewController::timeZoneTexts() {
    QStringList texts;
    for (const std::int32_t offset : TimeZoneTable) {
        const QString sign = offset < 0   ? QStringLiteral("-")
                             : offset > 0 ? QStringLiteral("+")
                                          : QString();
        texts.append(QStringLiteral("%1%2:%3")
                         .arg(sign)
                         .arg(std::abs(offset) / 100, 2, 10, QLatin1Char('0'))
                         .arg(std::abs(offset) % 100, 2, 10, QLatin1Char('0')));
    }
    return texts;
}

ZRVSettingForGpsViewController::ZRVSettingForGpsViewController(QWidget* parent)
    : ZRVSettingPage("setting.gps", parent) {
    QStringList days = {localized("none")};
    for (const char* day : {"mon", "tue", "wed", "thu", "fri", "sat", "sun"}) {
        days.append(localized(day));
    }
    drivingDaySeg = segments("drivingDaySeg", days);
    speedDisplayUnitSeg =
        segments("speedDisplayUnitSeg", {QStringLiteral("Km/h"), QStringLiteral("Mi/h")});
    osdSpeedDisplaySeg = segments("osdSpeedDisplaySeg", offOn());
    QStringList intervals = {localized("none")};
    for (const int seconds : kSaveIntervals) {
        intervals.append(localizedNumber("nSecond_fmt", seconds));
    }
    saveDurationSeg = segments("saveDurationSeg", intervals);
    nightTimeSeg = segments("nightTimeSeg", offOn());

    timeGmtCombo = new QComboBox(this);
    timeGmtCombo->setObjectName(QStringLiteral("timeGmtCombo"));
    timeGmtCombo->clear();
    timeGmtCombo->addItems(timeZoneTexts());
    timeGmtCombo->setMaxVisibleItems(12);
    summerTimeChk = new QCheckBox(localized("summerTime"), this);
    summerTimeChk->setObjectName(QStringLiteral("summerTimeChk"));
    auto* timeRow = new QWidget(this);
    auto* timeLine = new QHBoxLayout(timeRow);
    timeLine->setContentsMargins(0, 0, 0, 0);
    timeLine->setSpacing(16);
    timeLine->addWidget(timeGmtCombo);
    timeLine->addWidget(summerTimeChk);
    timeLine->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(box("boxOfDay", "setting.gps.weekly_alarm",
                        {drivingDaySeg, guide("gpsGuide1Field", "setting.gps.gps_guide1")}),
                    0, 0, 1, 2);
    grid->addWidget(box("boxOfTime", "setting.gps.timezone_setting",
                        {timeRow, guide("timeGuide1Field", "setting.gps.gps_time_guide1")}),
                    1, 0);
    grid->addWidget(
        box("boxOfSpeedDisplayUnit", "setting.gps.speed_display", {speedDisplayUnitSeg}), 1, 1);
    grid->addWidget(
        box("boxOfGpsSpeedDisplay", "setting.gps.osd_speed_display",
            {osdSpeedDisplaySeg, guide("speedGuide1Field", "setting.gps.gps_speed_guide1")}),
        2, 0);
    grid->addWidget(box("boxOfNightTime", "setting.gps.gps_on_parking_mode",
                        {nightTimeSeg, guide("gpsGuide2Field", "setting.gps.gps_guide2")}),
                    2, 1);
    grid->addWidget(box("boxOfSaveDuration", "setting.gps.driving_route_info_saving_interval",
                        {saveDurationSeg}),
                    3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
}

void ZRVSettingForGpsViewController::displayFileData() {
    const _FILEDATA* record = fileData();
    if (record == nullptr) {
        return;
    }
    showChoice(drivingDaySeg, record->nodriving_day);
    showChoice(speedDisplayUnitSeg, record->speed_disp_unit);
    showChoice(osdSpeedDisplaySeg, record->osd_speed_flag);
    const bool listed = record->time_gmt >= 0 && record->time_gmt < timeGmtCombo->count();
    timeGmtCombo->setCurrentIndex(listed ? record->time_gmt : -1);
    summerTimeChk->setChecked(record->summer_time != 0);
    showChoice(saveDurationSeg, record->SaveDuration);
    showChoice(nightTimeSeg, record->NightTime);
}

bool ZRVSettingForGpsViewController::populate() {
    _FILEDATA* record = fileData();
    if (record == nullptr) {
        return true;
    }
    storeChoice(drivingDaySeg, record->nodriving_day);
    storeChoice(speedDisplayUnitSeg, record->speed_disp_unit);
    storeChoice(osdSpeedDisplaySeg, record->osd_speed_flag);
    // A zone the list lacks is stored as -1, unless the user picks one.
    record->time_gmt = timeGmtCombo->currentIndex();
    record->summer_time = summerTimeChk->isChecked() ? 1 : 0;
    storeChoice(saveDurationSeg, record->SaveDuration);
    storeChoice(nightTimeSeg, record->NightTime);
    return true;
}
