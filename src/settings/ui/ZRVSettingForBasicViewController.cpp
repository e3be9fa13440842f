#include "settings/ui/ZRVSettingForBasicViewController.h"

#include "card/ui/ZRVAlertSheet.h"
#include "common/ui/ZRVLocalized.h"
#include "common/ui/ZRVUserDefaults.h"
#include "controls/TKSegmentedControl.h"
#include "settings/BasicSettingValues.h"
#include "settings/SettingText.h"
#include "settings/_FILEDATA.h"
#include "settings/ui/ZRVCarNumberTextField.h"
#include "settings/ui/ZRVGsensorThresholdFields.h"
#include "settings/ui/ZRVLocalizedMessage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

constexpr int kExternalPowerIndex = 2;
constexpr int kExternalRearCameraBit = 0;
constexpr int kEventLedBit = 1;
constexpr int kMotionLedBit = 2;

QStringList sensitivityLevels() {
    return {filledWithLocalized("1(%@)", "insensitive"),
            QStringLiteral("2"),
            QStringLiteral("3"),
            QStringLiteral("4"),
            filledWithLocalized("5(%@)", "sensitive"),
            localized("setting.basic.customize")};
}

// The list value of the chosen item; with none chosen the field keeps its own.
template <typename Field, std::size_t N>
void storeListValue(int chosen, const std::array<std::int64_t, N>& list, Field& field) {
    if (chosen >= 0 && chosen < int(N)) {
        field = static_cast<Field>(list[std::size_t(chosen)]);
    }
}

} // namespace

ZRVSettingForBasicViewController::ZRVSettingForBasicViewController(QWidget* parent)
    : ZRVSettingPage("setting.basic", parent) {
    osdOptionSeg = segments("osdOptionSeg", {localized("setting.basic.segment_display1"),
                                             localized("setting.basic.segment_display2"),
                                             localized("setting.basic.segment_display3"),
                                             localized("setting.basic.segment_display4")});
    QStringList timeouts = {localized("unuse")};
    for (const int seconds : {10, 30}) {
        timeouts.append(localizedNumber("nSecond_fmt", seconds));
    }
    for (const int minutes : {1, 2, 3, 5, 7, 10}) {
        timeouts.append(localizedNumber("nMinute_fmt", minutes));
    }
    alwaysModeTimeoutSeg = segments("alwaysModeTimeoutSeg", timeouts);

    gsensorEnableChk = checkBox("gsensorEnableChk", "setting.basic.enable_gsensor");
    gsensorSensitivityDrivingSeg = segments("gsensorSensitivityDrivingSeg", sensitivityLevels());
    gsensorSensitivityParkingSeg = segments("gsensorSensitivityParkingSeg", sensitivityLevels());
    m_driving = std::make_unique<ZRVGsensorThresholdFields>(
        gsensorSensitivityDrivingSeg, &drivingGsensorThresholds, "Driving", this);
    m_parking = std::make_unique<ZRVGsensorThresholdFields>(
        gsensorSensitivityParkingSeg, &parkingGsensorThresholds, "Parking", this);
    gsensorSensitivityThresholdXDrivingField = m_driving->x();
    gsensorSensitivityThresholdYDrivingField = m_driving->y();
    gsensorSensitivityThresholdZDrivingField = m_driving->z();
    gsensorSensitivityThresholdXParkingField = m_parking->x();
    gsensorSensitivityThresholdYParkingField = m_parking->y();
    gsensorSensitivityThresholdZParkingField = m_parking->z();
    connect(gsensorEnableChk, &QCheckBox::clicked, this,
            &ZRVSettingForBasicViewController::clickGsensorEnableCheck);
    connect(gsensorSensitivityDrivingSeg, &TKSegmentedControl::activated, this,
            &ZRVSettingForBasicViewController::clickDrivingGsensorSensitivity);
    connect(gsensorSensitivityParkingSeg, &TKSegmentedControl::activated, this,
            &ZRVSettingForBasicViewController::clickParkingGsensorSensitivity);

    frontLedOffChk = checkBox("frontLedOffChk", "setting.basic.enable_front_security_led");
    rearLedOffChk = checkBox("rearLedOffChk", "setting.basic.enable_rear_security_led");
    compositeModeSeg =
        segments("compositeModeSeg", {QStringLiteral("NTSC"), QStringLiteral("PAL")});
    carNumberField = new ZRVCarNumberTextField(this);
    carNumberField->setObjectName(QStringLiteral("carNumberField"));
    // Eight letters or digits, with room to spare while they are typed.
    carNumberField->setFixedWidth(
        carNumberField->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWWWWWWW")));
    carNumberField->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    powerVoltageCombo = new QComboBox(this);
    powerVoltageCombo->setObjectName(QStringLiteral("powerVoltageCombo"));
    powerVoltageCombo->addItems({localized("unuse"), localized("auto"), localized("externpower")});
    for (std::size_t i = 3; i < kPowerVoltageMillivolts.size(); ++i) {
        const double volts = double(kPowerVoltageMillivolts[i]) / 1000;
        powerVoltageCombo->addItem(
            QStringLiteral("%1v / %2v").arg(volts, 0, 'f', 1).arg(volts * 2, 0, 'f', 1));
    }
    powerVoltageCombo->setMaxVisibleItems(int(kPowerVoltageMillivolts.size()));
    powerTimeCombo = new QComboBox(this);
    powerTimeCombo->setObjectName(QStringLiteral("powerTimeCombo"));
    powerTimeCombo->addItem(localized("unuse"));
    for (std::size_t i = 1; i < kPowerTimeHours.size(); ++i) {
        powerTimeCombo->addItem(localizedNumber("nHour_fmt", int(kPowerTimeHours[i])));
    }
    useExternalPowerChk = checkBox("useExternalPowerChk", "setting.basic.use_external_power");
    connect(useExternalPowerChk, &QCheckBox::clicked, this,
            &ZRVSettingForBasicViewController::clickUseExternalPowerChk);
    connect(powerVoltageCombo, &QComboBox::activated, this,
            &ZRVSettingForBasicViewController::powerVoltageSelected);

    cableLossCombo = new QComboBox(this);
    cableLossCombo->setObjectName(QStringLiteral("cableLossCombo"));
    cableLossCombo->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    cableLossCombo->addItem(localized("none"));
    for (int tenths = 1; tenths <= 6; ++tenths) {
        cableLossCombo->addItem(QStringLiteral("0.%1v").arg(tenths));
    }

    externalRearCameraUse =
        checkBox("externalRearCameraUse", "setting.basic.external_rear_camera_use");
    externalRearCameraUseEvent =
        checkBox("externalRearCameraUseEvent", "setting.basic.external_rear_camera_led_use_event");
    externalRearCameraUseMotion = checkBox("externalRearCameraUseMotion",
                                           "setting.basic.external_rear_camera_led_use_motion");
    connect(externalRearCameraUse, &QCheckBox::clicked, this,
            &ZRVSettingForBasicViewController::clickExternalRearCameraUseCheck);
    preEventSeg = segments("preEventSeg", {localized("setting.basic.pre_event_use"),
                                           localized("setting.basic.pre_event_notuse")});

    auto* powerRow = new QWidget(this);
    auto* powerLine = new QHBoxLayout(powerRow);
    powerLine->setContentsMargins(0, 0, 0, 0);
    powerLine->setSpacing(16);
    powerLine->addWidget(labelledRow("powerVoltageLabel", localized("setting.basic.set_voltage"),
                                     powerVoltageCombo));
    powerLine->addWidget(
        labelledRow("powerTimeLabel", localized("setting.basic.set_timer"), powerTimeCombo));
    powerLine->addWidget(useExternalPowerChk);
    powerLine->addStretch(1);

    // Four columns: the wide rows span them, the four small boxes share the last.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(box("boxOfAlwaysModeTimeout", "setting.basic.auto_parking_waiting_time",
                        {alwaysModeTimeoutSeg}),
                    0, 0, 1, 4);
    grid->addWidget(box("boxOfGsensorSensitivityDriving",
                        "setting.basic.driving_impact_sensitivity",
                        {gsensorSensitivityDrivingSeg, m_driving->row()}),
                    1, 0, 1, 2);
    grid->addWidget(box("boxOfGsensorSensitivityParking",
                        "setting.basic.parking_impact_sensitivity",
                        {gsensorSensitivityParkingSeg, m_parking->row()}),
                    1, 2, 1, 2);
    grid->addWidget(box("boxOfEtc", "setting.basic.others",
                        {gsensorEnableChk, frontLedOffChk, rearLedOffChk,
                         labelledRow("carNumberLabelField",
                                     localized("setting.basic.car_number_input"), carNumberField)}),
                    2, 0, 1, 2);
    grid->addWidget(
        box("boxOfExternalRearCamera", "setting.basic.external_rear_camera_settings",
            {externalRearCameraUse, externalRearCameraUseEvent, externalRearCameraUseMotion}),
        2, 2, 1, 2);
    grid->addWidget(box("boxOfPower", "setting.basic.cutoff_voltage_setting",
                        {powerRow, guide("powerGuide1Field", "setting.basic.power_guide")}),
                    3, 0, 1, 4);
    grid->addWidget(box("boxOfSegmentDisplay", "setting.basic.segment_display", {osdOptionSeg}), 4,
                    0);
    grid->addWidget(box("boxOfVideoOut", "setting.basic.videoout", {compositeModeSeg}), 4, 1);
    grid->addWidget(
        box("boxOfCableVoltageLoss", "setting.basic.cable_voltage_loss", {cableLossCombo}), 4, 2);
    grid->addWidget(box("boxOfPreEvent", "setting.basic.pre_event", {preEventSeg}), 4, 3);
    for (int column = 0; column < 4; ++column) {
        grid->setColumnStretch(column, 1);
    }
    grid->setRowStretch(5, 1);
}

ZRVSettingForBasicViewController::~ZRVSettingForBasicViewController() = default;

QCheckBox* ZRVSettingForBasicViewController::checkBox(const char* name, const char* key) {
    auto* box = new QCheckBox(localized(key), this);
    box->setObjectName(QLatin1String(name));
    return box;
}

void ZRVSettingForBasicViewController::displayFileData() {
    _FILEDATA* record = fileData();
    if (record == nullptr) {
        return;
    }
    showChoice(osdOptionSeg, record->disp_segment_mode);
    alwaysModeTimeoutSeg->setSelectedSegment(
        findAlwaysModeTimeoutIndexByValue(record->always_mode_timeout));

    gsensorEnableChk->setChecked(record->g_sensor_enable != 0);

    gsensorSensitivityDrivingSeg->setSelectedSegment(findDrivingGsensorThresholdIndexByX(
        record->gsen_x_threshold, record->gsen_y_threshold, record->gsen_z_threshold));
    m_parking->showThresholds(
        {record->parkmode_x_threshold, record->parkmode_y_threshold, record->parkmode_z_threshold});
    gsensorSensitivityParkingSeg->setSelectedSegment(findParkingGsensorThresholdIndexByX(
        record->parkmode_x_threshold, record->parkmode_y_threshold, record->parkmode_z_threshold));
    m_driving->showThresholds(
        {record->gsen_x_threshold, record->gsen_y_threshold, record->gsen_z_threshold});
    updateGsensorThreshold();
    // After the levels: whether parking can be chosen follows the driving one.
    changeGsensorEnable();

    frontLedOffChk->setChecked(record->ledoff == 0);
    rearLedOffChk->setChecked(record->ledoff_rear == 0);
    showChoice(compositeModeSeg, record->composite_mode);

    carNumberField->setText(QString::fromStdString(unpackSettingText(record->szPlateNumber)));

    powerVoltageCombo->setCurrentIndex(
        findPowerVoltageIndexByValue(record->sd_mem_always_reserved));
    powerTimeCombo->setCurrentIndex(findPowerTimeIndexByValue(record->sd_mem_motion_reserved));
    updatePowerUI();

    // The camera reads 0 as its factory correction.
    if (record->CableVoltCorr == 0) {
        record->CableVoltCorr = 4;
    }
    cableLossCombo->setCurrentIndex(record->CableVoltCorr <= std::uint32_t(cableLossCombo->count())
                                        ? int(record->CableVoltCorr) - 1
                                        : -1);

    showChoice(preEventSeg, record->usePreEvent);

    externalRearCameraUse->setChecked(getRearCameraSetting(kExternalRearCameraBit));
    externalRearCameraUseEvent->setChecked(getRearCameraSetting(kEventLedBit));
    externalRearCameraUseMotion->setChecked(getRearCameraSetting(kMotionLedBit));
    changeExternalRearCemeraSettings();
}

void ZRVSettingForBasicViewController::updateGsensorThreshold() {
    m_driving->updateThreshold();
    m_parking->updateThreshold();
}

void ZRVSettingForBasicViewController::changeGsensorEnable() {
    const bool enabled = gsensorEnableChk->isChecked();
    gsensorSensitivityDrivingSeg->QWidget::setEnabled(enabled);
    m_driving->enableFields(m_driving->isCustom());
    gsensorSensitivityParkingSeg->QWidget::setEnabled(enabled || m_driving->isCustom());
    m_parking->enableFields(m_parking->isCustom());
}

void ZRVSettingForBasicViewController::clickGsensorEnableCheck() {
    changeGsensorEnable();
}

void ZRVSettingForBasicViewController::clickDrivingGsensorSensitivity() {
    updateGsensorThreshold();
}

void ZRVSettingForBasicViewController::clickParkingGsensorSensitivity() {
    updateGsensorThreshold();
}

void ZRVSettingForBasicViewController::updatePowerUI() {
    const _FILEDATA* record = fileData();
    const bool external = record != nullptr && record->sd_mem_event_reserved == 1;
    powerVoltageCombo->setEnabled(!external);
    powerTimeCombo->setEnabled(!external);
    useExternalPowerChk->setChecked(external);
}

void ZRVSettingForBasicViewController::clickUseExternalPowerChk() {
    if (_FILEDATA* record = fileData()) {
        record->sd_mem_event_reserved = useExternalPowerChk->isChecked() ? 1 : 0;
    }
    updatePowerUI();
}

void ZRVSettingForBasicViewController::powerVoltageSelected(int index) {
    if (index == kExternalPowerIndex) {
        showAlertSheet(window(), QStringLiteral("Warning"),
                       localized("msg.use_external_power_10v"));
    }
}

bool ZRVSettingForBasicViewController::getRearCameraSetting(int bit) const {
    const _FILEDATA* record = fileData();
    return record != nullptr && ((record->external_rear_camera >> bit) & 1U) != 0;
}

std::uint32_t ZRVSettingForBasicViewController::setRearCameraSetting(int bit, int nValue) const {
    const _FILEDATA* record = fileData();
    const std::uint32_t value = record != nullptr ? record->external_rear_camera : 0;
    const std::uint32_t mask = 1U << bit;
    return nValue == 1 ? (value | mask) : (value & ~mask);
}

void ZRVSettingForBasicViewController::clickExternalRearCameraUseCheck() {
    if (_FILEDATA* record = fileData()) {
        record->external_rear_camera = setRearCameraSetting(
            kExternalRearCameraBit, externalRearCameraUse->isChecked() ? 1 : 0);
    }
    changeExternalRearCemeraSettings();
}

void ZRVSettingForBasicViewController::changeExternalRearCemeraSettings() {
    const bool used = getRearCameraSetting(kExternalRearCameraBit);
    externalRearCameraUseEvent->setEnabled(used);
    externalRearCameraUseMotion->setEnabled(used);
}

void ZRVSettingForBasicViewController::focus(QWidget* control) {
    QTimer::singleShot(0, control, [control] { control->setFocus(Qt::OtherFocusReason); });
}

std::optional<QString> ZRVSettingForBasicViewController::validateUserInput() {
    for (const ZRVGsensorThresholdFields* side : {m_driving.get(), m_parking.get()}) {
        if (const auto failure = side->validate()) {
            focus(failure->first);
            return localizedMessage(failure->second);
        }
    }
    return std::nullopt;
}

bool ZRVSettingForBasicViewController::populate() {
    _FILEDATA* record = fileData();
    if (record == nullptr || validateUserInput()) {
        return true;
    }
    storeChoice(osdOptionSeg, record->disp_segment_mode);
    storeListValue(alwaysModeTimeoutSeg->selectedSegment(), kAlwaysModeTimeoutSeconds,
                   record->always_mode_timeout);
    record->g_sensor_enable = gsensorEnableChk->isChecked() ? 1 : 0;

    m_driving->store(record->gsen_x_threshold, record->gsen_y_threshold, record->gsen_z_threshold);
    m_parking->store(record->parkmode_x_threshold, record->parkmode_y_threshold,
                     record->parkmode_z_threshold);

    record->ledoff = frontLedOffChk->isChecked() ? 0 : 1;
    record->ledoff_rear = rearLedOffChk->isChecked() ? 0 : 1;
    storeChoice(compositeModeSeg, record->composite_mode);

    carNumberField->textDidEndEditing();
    packSettingText(record->szPlateNumber, carNumberField->text().toStdString());

    storeListValue(powerVoltageCombo->currentIndex(), kPowerVoltageMillivolts,
                   record->sd_mem_always_reserved);
    storeListValue(powerTimeCombo->currentIndex(), kPowerTimeHours, record->sd_mem_motion_reserved);
    record->sd_mem_event_reserved = useExternalPowerChk->isChecked() ? 1 : 0;
    // A correction the list lacks shows no item and is kept.
    if (cableLossCombo->currentIndex() >= 0) {
        record->CableVoltCorr = std::uint32_t(cableLossCombo->currentIndex() + 1);
    }

    const std::pair<int, const QCheckBox*> bits[] = {
        {kExternalRearCameraBit, externalRearCameraUse},
        {kEventLedBit, externalRearCameraUseEvent},
        {kMotionLedBit, externalRearCameraUseMotion}};
    for (const auto& [bit, box] : bits) {
        record->external_rear_camera = setRearCameraSetting(bit, box->isChecked() ? 1 : 0);
    }
    storeChoice(preEventSeg, record->usePreEvent);

    const auto defaults = openUserDefaults();
    defaults->setValue(QLatin1String(kExternalRearCameraDefaultsKey),
                       static_cast<qlonglong>(record->external_rear_camera));
    defaults->sync();
    return true;
}
