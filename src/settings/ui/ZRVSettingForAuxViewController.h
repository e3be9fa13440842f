#pragma once

#include "settings/ui/ZRVSettingPage.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class TKSegmentedControl;

// The Additional page: how the card is shared between continuous and motion
// recording, night exposure and infrared filter, the camera's screen, the
// mains frequency, the rear camera and the notice in parking mode, the
// recording length, the picture-in-picture corner, the camera's Wi-Fi
// access point and the reminder to format the card.
class ZRVSettingForAuxViewController : public ZRVSettingPage {
    Q_OBJECT

public:
    // The slider's step s gives s × 10 per cent of the card to continuous
    // recording and the rest to motion recording.
    static constexpr int kRatioSteps = 10;
    // The record's Wi-Fi fields hold 16 bytes; every character the rule
    // allows is one byte.
    static constexpr int kWifiTextLength = 16;

    explicit ZRVSettingForAuxViewController(QWidget* parent = nullptr);

    void displayFileData() override;
    std::optional<QString> validateUserInput() override;
    bool populate() override;

    void sliderMoved(int step);

    QSlider* memeryRatioSlider = nullptr;
    QLabel* alwaysField = nullptr;
    QLabel* motionField = nullptr;
    QLabel* sdcardCapacityWarningLabel = nullptr;
    TKSegmentedControl* dayTimeAESeg = nullptr;
    TKSegmentedControl* irFilterSeg = nullptr;
    TKSegmentedControl* lcdAutoPowerOffSeg = nullptr;
    TKSegmentedControl* gammaSeg = nullptr;
    TKSegmentedControl* lcdBrightnessSeg = nullptr;
    TKSegmentedControl* lcdNightBrightnessSeg = nullptr;
    TKSegmentedControl* parkingRearOffSeg = nullptr;
    TKSegmentedControl* lcdScreenSaverSeg = nullptr;
    TKSegmentedControl* parkingAlarmSeg = nullptr;
    TKSegmentedControl* recordingLengthSeg = nullptr;
    // Its buttons' ids are the pip_position values of their corners.
    QButtonGroup* pipPositionRadio = nullptr;
    QLineEdit* ssidLabel = nullptr;
    QLineEdit* passwordLabel = nullptr;
    QComboBox* wifiChannelCombo = nullptr;
    TKSegmentedControl* autoFormatSeg = nullptr;

private:
    QWidget* pipMatrix();
    QWidget* wifiFields();
    QWidget* ratioRow();
};
