#include "settings/ui/ZRVSettingForAuxViewController.h"

#include "card/ui/ZRVAlertSheet.h"
#include "common/ui/ZRVLocalized.h"
#include "controls/TKSegmentedControl.h"
#include "settings/SettingText.h"
#include "settings/WifiText.h"
#include "settings/ZRVValidator.h"
#include "settings/_FILEDATA.h"
#include "settings/ui/ZRVLocalizedMessage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {

// The corners of the picture-in-picture matrix (row 0 upper, column 0 left)
// by pip_position.
constexpr std::pair<int, int> kPipCells[] = {{1, 1}, {0, 1}, {0, 0}, {1, 0}};
constexpr int kLowerRight = 0;

// parking_rear_off is 1 for "off", shown first.
constexpr int kParkingRearOffSegment = 0;
// lcd_screensaver: the row lists "off" (1) before "default" (0).
constexpr int kScreenSaverValues[] = {1, 0, 2};

QStringList offOn() {
    return {localized("unuse"), localized("use")};
}

QString percentText(std::int64_t percent) {
    return QStringLiteral("%1%").arg(percent);
}

QLineEdit* wifiField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    // Longer would be cut on saving, leaving a name or password the user
    // did not type.
    field->setMaxLength(ZRVSettingForAuxViewController::kWifiTextLength);
    return field;
}

} // namespace

ZRVSettingForAuxViewController::ZRVSettingForAuxViewController(QWidget* parent)
    : ZRVSettingPage("setting.aux", parent) {
    dayTimeAESeg = segments("dayTimeAESeg",
                            {localized("setting.aux.low"), localized("setting.aux.medium_sedan"),
                             localized("setting.aux.high_suv")});
    irFilterSeg = segments("irFilterSeg", offOn());
    QStringList autoOff = {localized("none")};
    for (const int seconds : {15, 30, 60}) {
        autoOff.append(localizedNumber("nSecond_fmt", seconds));
    }
    lcdAutoPowerOffSeg = segments("lcdAutoPowerOffSeg", autoOff);
    gammaSeg = segments("gammaSeg", {QStringLiteral("60Hz(30fps)"), QStringLiteral("50Hz(25fps)")});
    lcdBrightnessSeg = segments("lcdBrightnessSeg",
                                {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    lcdNightBrightnessSeg = segments("lcdNightBrightnessSeg", offOn());
    parkingRearOffSeg = segments("parkingRearOffSeg", offOn());
    lcdScreenSaverSeg = segments(
        "lcdScreenSaverSeg", {localized("unuse"), localized("default"), localized("customize")});
    parkingAlarmSeg = segments("parkingAlarmSeg", offOn());
    recordingLengthSeg = segments("recordingLengthSeg", {localized("5min"), localized("3min")});
    autoFormatSeg =
        segments("autoFormatSeg", {localized("unuse"), localized("setting.aux.4week"),
                                   localized("setting.aux.8week"), localized("setting.aux.16week"),
                                   localized("setting.aux.32week")});

    sdcardCapacityWarningLabel = guide("sdcardCapacityWarningLabel", "msg.memconfig_warning");
    // Shown once the slider moves; its room is kept so nothing jumps then.
    QSizePolicy keepRoom = sdcardCapacityWarningLabel->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    sdcardCapacityWarningLabel->setSizePolicy(keepRoom);
    sdcardCapacityWarningLabel->hide();

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(box("boxOfSdcardCapatity", "setting.aux.sdcard_capacity",
                        {ratioRow(), sdcardCapacityWarningLabel}),
                    0, 0, 1, 2);
    grid->addWidget(
        box("boxOfRecordingLength", "setting.aux.recording_length", {recordingLengthSeg}), 0, 2);
    grid->addWidget(box("boxOfNightAE", "setting.aux.night_ae_setting", {dayTimeAESeg}), 1, 0);
    grid->addWidget(box("boxOfNightIRFilter", "setting.aux.night_irfilter_setting", {irFilterSeg}),
                    1, 1);
    grid->addWidget(box("boxOfAcFrequency", "setting.aux.country_ac_power_setting", {gammaSeg}), 1,
                    2);
    grid->addWidget(box("boxOfAutoLcdOff", "setting.aux.lcd_auto_off", {lcdAutoPowerOffSeg}), 2, 0);
    grid->addWidget(box("boxOfLcdBrightness", "setting.aux.lcd_brightness", {lcdBrightnessSeg}), 2,
                    1);
    grid->addWidget(
        box("boxOfLcdBrightnessNight", "setting.aux.lcd_brightness_night", {lcdNightBrightnessSeg}),
        2, 2);
    grid->addWidget(
        box("boxOfLcdDisplayProtection", "setting.aux.lcd_screensaver", {lcdScreenSaverSeg}), 3, 0);
    grid->addWidget(
        box("boxOfParkingRear", "setting.aux.parking_rear_setting", {parkingRearOffSeg}), 3, 1);
    grid->addWidget(
        box("boxOfParkingAlarm", "setting.aux.parking_monitor_notice", {parkingAlarmSeg}), 3, 2);
    grid->addWidget(box("boxOfWiFiSettings", "setting.aux.wifi_settings", {wifiFields()}), 4, 0);
    grid->addWidget(box("boxOfAutoFormat", "setting.aux.auto_format", {autoFormatSeg}), 4, 1);
    grid->addWidget(box("boxOfPipPosition", "setting.aux.pip_position", {pipMatrix()}), 4, 2);
    for (int column = 0; column < 3; ++column) {
        grid->setColumnStretch(column, 1);
    }
    grid->setRowStretch(5, 1);
}

QWidget* ZRVSettingForAuxViewController::ratioRow() {
    memeryRatioSlider = new QSlider(Qt::Horizontal, this);
    memeryRatioSlider->setObjectName(QStringLiteral("memeryRatioSlider"));
    memeryRatioSlider->setRange(0, kRatioSteps);
    memeryRatioSlider->setPageStep(1);
    memeryRatioSlider->setTickPosition(QSlider::TicksBelow);
    memeryRatioSlider->setTickInterval(1);
    connect(memeryRatioSlider, &QSlider::valueChanged, this,
            &ZRVSettingForAuxViewController::sliderMoved);

    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(8);
    const auto share = [row](const char* name) {
        auto* field = new QLabel(row);
        field->setObjectName(QLatin1String(name));
        // "100%" fits, so the slider keeps its length as the numbers change.
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return field;
    };
    auto* alwaysLabel = new QLabel(localized("setting.aux.always"), row);
    alwaysLabel->setObjectName(QStringLiteral("alwaysLabel"));
    auto* motionLabel = new QLabel(localized("setting.aux.motion"), row);
    motionLabel->setObjectName(QStringLiteral("motionLabel"));
    alwaysField = share("alwaysField");
    motionField = share("motionField");
    line->addWidget(alwaysLabel);
    line->addWidget(alwaysField);
    line->addWidget(memeryRatioSlider, 1);
    line->addWidget(motionField);
    line->addWidget(motionLabel);
    return row;
}

QWidget* ZRVSettingForAuxViewController::wifiFields() {
    ssidLabel = wifiField(this, "ssidLabel");
    passwordLabel = wifiField(this, "passwordLabel");
    wifiChannelCombo = new QComboBox(this);
    wifiChannelCombo->setObjectName(QStringLiteral("wifiChannelCombo"));
    wifiChannelCombo->clear();
    wifiChannelCombo->addItem(QStringLiteral("   0(Auto)"));
    for (int channel = 1; channel <= 13; ++channel) {
        wifiChannelCombo->addItem(QStringLiteral("%1").arg(channel, 4));
    }
    wifiChannelCombo->setMaxVisibleItems(14);

    auto* fields = new QWidget(this);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    const std::tuple<const char*, const char*, QWidget*> rows[] = {
        {"ssidStatic", "setting.aux.ssid", ssidLabel},
        {"passwordStatic", "setting.aux.password", passwordLabel},
        {"channelStatic", "setting.aux.channel", wifiChannelCombo}};
    int at = 0;
    for (const auto& [name, key, control] : rows) {
        auto* caption = new QLabel(localized(key), fields);
        caption->setObjectName(QLatin1String(name));
        grid->addWidget(caption, at, 0);
        grid->addWidget(control, at, 1, Qt::AlignLeft);
        ++at;
    }
    // Sixteen characters of common width show whole.
    const int width =
        ssidLabel->fontMetrics().horizontalAdvance(QString(kWifiTextLength, QLatin1Char('0'))) + 16;
    ssidLabel->setMinimumWidth(width);
    passwordLabel->setMinimumWidth(width);
    grid->setColumnStretch(1, 1);
    return fields;
}

// Four corners of a small picture of the camera's screen.
QWidget* ZRVSettingForAuxViewController::pipMatrix() {
    auto* screen = new QGroupBox(this);
    screen->setObjectName(QStringLiteral("pipPositionRadio"));
    screen->setProperty("blockGrid", true);
    auto* grid = new QGridLayout(screen);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(48);
    grid->setVerticalSpacing(24);
    pipPositionRadio = new QButtonGroup(this);
    for (int position = 0; position < int(std::size(kPipCells)); ++position) {
        auto* corner = new QRadioButton(screen);
        corner->setObjectName(QStringLiteral("pipPosition%1").arg(position));
        pipPositionRadio->addButton(corner, position);
        const auto [row, column] = kPipCells[position];
        grid->addWidget(corner, row, column,
                        (row == 0 ? Qt::AlignTop : Qt::AlignBottom) |
                            (column == 0 ? Qt::AlignLeft : Qt::AlignRight));
    }
    auto* holder = new QWidget(this);
    auto* line = new QHBoxLayout(holder);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(screen);
    line->addStretch(1);
    return holder;
}

void ZRVSettingForAuxViewController::displayFileData() {
    const _FILEDATA* record = fileData();
    if (record == nullptr) {
        return;
    }
    alwaysField->setText(percentText(record->sd_mem_always_ratio));
    motionField->setText(percentText(record->sd_mem_motion_ratio));
    {
        // Showing the record is no move of the user's.
        const QSignalBlocker quiet(memeryRatioSlider);
        memeryRatioSlider->setValue(
            int(std::min<std::uint32_t>(record->sd_mem_always_ratio / 10, kRatioSteps)));
    }
    showChoice(dayTimeAESeg, record->DayTime);
    showChoice(irFilterSeg, record->nightIRFilter);
    showChoice(lcdAutoPowerOffSeg, record->lcd_autopoweroff);
    showChoice(gammaSeg, record->Gamma);
    showChoice(lcdBrightnessSeg, record->lcd_brightness);
    showChoice(lcdNightBrightnessSeg, record->lcd_brightness_night);
    parkingRearOffSeg->setSelectedSegment(record->parking_rear_off != 0 ? kParkingRearOffSegment
                                                                        : 1);
    const auto screenSaver = std::find(std::begin(kScreenSaverValues), std::end(kScreenSaverValues),
                                       record->lcd_screensaver);
    showChoice(lcdScreenSaverSeg, screenSaver != std::end(kScreenSaverValues)
                                      ? screenSaver - std::begin(kScreenSaverValues)
                                      : std::int64_t(record->lcd_screensaver));
    showChoice(parkingAlarmSeg, record->parking_alarm);
    showChoice(recordingLengthSeg, record->always_mode_recording_time);
    const bool corner = record->pip_position < std::size(kPipCells);
    pipPositionRadio->button(corner ? int(record->pip_position) : kLowerRight)->setChecked(true);
    ssidLabel->setText(QString::fromStdString(unpackSettingText(record->wifi_ssid)));
    passwordLabel->setText(QString::fromStdString(unpackSettingText(record->wifi_password)));
    showChoice(autoFormatSeg, record->autoFormatAlarm);
    wifiChannelCombo->setCurrentIndex(
        record->wifi_channel < std::uint32_t(wifiChannelCombo->count()) ? int(record->wifi_channel)
                                                                        : -1);
}

void ZRVSettingForAuxViewController::sliderMoved(int step) {
    alwaysField->setText(percentText(step * 10));
    motionField->setText(percentText((kRatioSteps - step) * 10));
    sdcardCapacityWarningLabel->show();
}

std::optional<QString> ZRVSettingForAuxViewController::validateUserInput() {
    const int always = memeryRatioSlider->value() * 10;
    for (const int share : {always, 100 - always}) {
        if (const auto message = ZRVValidator::validateSDCardSizeRatio(share)) {
            return localizedMessage(*message);
        }
    }
    return std::nullopt;
}

bool ZRVSettingForAuxViewController::populate() {
    _FILEDATA* record = fileData();
    if (record == nullptr || validateUserInput()) {
        return true;
    }
    record->sd_mem_always_ratio = std::uint32_t(memeryRatioSlider->value() * 10);
    record->sd_mem_motion_ratio = 100 - record->sd_mem_always_ratio;
    storeChoice(dayTimeAESeg, record->DayTime);
    storeChoice(irFilterSeg, record->nightIRFilter);
    storeChoice(lcdAutoPowerOffSeg, record->lcd_autopoweroff);
    storeChoice(gammaSeg, record->Gamma);
    storeChoice(lcdBrightnessSeg, record->lcd_brightness);
    storeChoice(lcdNightBrightnessSeg, record->lcd_brightness_night);
    record->parking_rear_off = parkingRearOffSeg->selectedSegment() == kParkingRearOffSegment;
    const int screenSaver = lcdScreenSaverSeg->selectedSegment();
    if (screenSaver >= 0) {
        record->lcd_screensaver = std::uint32_t(kScreenSaverValues[screenSaver]);
    }
    storeChoice(parkingAlarmSeg, record->parking_alarm);
    storeChoice(recordingLengthSeg, record->always_mode_recording_time);
    record->pip_position = std::uint32_t(std::max(pipPositionRadio->checkedId(), kLowerRight));
    storeChoice(autoFormatSeg, record->autoFormatAlarm);

    const std::string name = ssidLabel->text().toStdString();
    const std::string password = passwordLabel->text().toStdString();
    if (const auto refusal = validateWifiTexts(name, password)) {
        showAlertSheet(window(), QStringLiteral("Warning"), localized(refusal->c_str()));
        return false;
    }
    packSettingText(record->wifi_ssid, name);
    packSettingText(record->wifi_password, password);
    if (wifiChannelCombo->currentIndex() >= 0) {
        record->wifi_channel = std::uint32_t(wifiChannelCombo->currentIndex());
    }
    return true;
}
