#pragma once

#include "settings/ui/ZRVSettingPage.h"

class QCheckBox;
class QComboBox;
class TKSegmentedControl;

// The GPS page: the weekly no-driving-day alarm, the speed unit, the time
// zone and daylight saving, the speed stamp in the video, how often the
// route is stored, and the GPS in parking mode.
class ZRVSettingForGpsViewController : public ZRVSettingPage {
    Q_OBJECT

public:
    explicit ZRVSettingForGpsViewController(QWidget* parent = nullptr);

    void displayFileData() override;
    bool populate() override;

    // "-12:00" .. "+13:00", one for each entry of the time-zone table.
    static QStringList timeZoneTexts();

    TKSegmentedControl* drivingDaySeg = nullptr;
    TKSegmentedControl* speedDisplayUnitSeg = nullptr;
    QComboBox* timeGmtCombo = nullptr;
    QCheckBox* summerTimeChk = nullptr;
    TKSegmentedControl* osdSpeedDisplaySeg = nullptr;
    TKSegmentedControl* saveDurationSeg = nullptr;
    TKSegmentedControl* nightTimeSeg = nullptr;
};
