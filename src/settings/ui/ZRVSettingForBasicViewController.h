#pragma once

#include "settings/ui/ZRVSettingPage.h"

#include <cstdint>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class TKSegmentedControl;
class ZRVCarNumberTextField;
class ZRVGsensorThresholdFields;

// The Basic page: the segment display, the delay before parking mode, the
// impact sensitivity while driving and while parked, the security LEDs, the
// video output, the licence plate, the battery cut-off, the cable's voltage
// loss, the external rear camera and pre-event recording.
class ZRVSettingForBasicViewController : public ZRVSettingPage {
    Q_OBJECT

public:
    // The user default the external rear camera's bits are kept under.
    static constexpr const char* kExternalRearCameraDefaultsKey = "Kx20externalRearCamera";

    explicit ZRVSettingForBasicViewController(QWidget* parent = nullptr);
    ~ZRVSettingForBasicViewController() override;

    void displayFileData() override;
    std::optional<QString> validateUserInput() override;
    bool populate() override;

    void clickGsensorEnableCheck();
    void clickDrivingGsensorSensitivity();
    void clickParkingGsensorSensitivity();
    void clickUseExternalPowerChk();
    void powerVoltageSelected(int index);
    void clickExternalRearCameraUseCheck();

    // Bit n of the record's external_rear_camera.
    bool getRearCameraSetting(int bit) const;
    // The record's external_rear_camera with bit n set when nValue is 1,
    // cleared otherwise; the caller stores it.
    std::uint32_t setRearCameraSetting(int bit, int nValue) const;

    void updatePowerUI();
    void changeGsensorEnable();
    void updateGsensorThreshold();
    void changeExternalRearCemeraSettings();

    TKSegmentedControl* osdOptionSeg = nullptr;
    TKSegmentedControl* alwaysModeTimeoutSeg = nullptr;
    QCheckBox* gsensorEnableChk = nullptr;
    TKSegmentedControl* gsensorSensitivityDrivingSeg = nullptr;
    QLineEdit* gsensorSensitivityThresholdXDrivingField = nullptr;
    QLineEdit* gsensorSensitivityThresholdYDrivingField = nullptr;
    QLineEdit* gsensorSensitivityThresholdZDrivingField = nullptr;
    TKSegmentedControl* gsensorSensitivityParkingSeg = nullptr;
    QLineEdit* gsensorSensitivityThresholdXParkingField = nullptr;
    QLineEdit* gsensorSensitivityThresholdYParkingField = nullptr;
    QLineEdit* gsensorSensitivityThresholdZParkingField = nullptr;
    QCheckBox* frontLedOffChk = nullptr;
    QCheckBox* rearLedOffChk = nullptr;
    TKSegmentedControl* compositeModeSeg = nullptr;
    ZRVCarNumberTextField* carNumberField = nullptr;
    QComboBox* powerVoltageCombo = nullptr;
    QComboBox* powerTimeCombo = nullptr;
    QCheckBox* useExternalPowerChk = nullptr;
    QComboBox* cableLossCombo = nullptr;
    QCheckBox* externalRearCameraUse = nullptr;
    QCheckBox* externalRearCameraUseEvent = nullptr;
    QCheckBox* externalRearCameraUseMotion = nullptr;
    TKSegmentedControl* preEventSeg = nullptr;

private:
    QCheckBox* checkBox(const char* name, const char* key);
    // Puts the keyboard focus on the control once the alert that tells why
    // has been dealt with.
    static void focus(QWidget* control);

    std::unique_ptr<ZRVGsensorThresholdFields> m_driving;
    std::unique_ptr<ZRVGsensorThresholdFields> m_parking;
};
