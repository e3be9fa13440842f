#pragma once

#include "settings/ui/ZRVSettingPage.h"

class QGroupBox;
class QLabel;
class TKSegmentedControl;

// The first page: recording quality and brightness of each camera, the rear
// image reversal and frame rate, and the CPL filter or window tint of each.
class ZRVSettingForVideoViewController : public ZRVSettingPage {
    Q_OBJECT

public:
    explicit ZRVSettingForVideoViewController(QWidget* parent = nullptr);

    void displayFileData() override;
    bool populate() override;

    TKSegmentedControl* videoEncodingBitrate = nullptr;
    TKSegmentedControl* videoBrightness = nullptr;
    TKSegmentedControl* videoEncodingBitrateRear = nullptr;
    TKSegmentedControl* videoBrightnessRear = nullptr;
    TKSegmentedControl* flipVideoRealSeg = nullptr;
    TKSegmentedControl* rearfpsSeg = nullptr;
    TKSegmentedControl* frontTinting = nullptr;
    TKSegmentedControl* rearTinting = nullptr;

private:
    QWidget* brightnessRow(const char* labelName, TKSegmentedControl* control);
};
