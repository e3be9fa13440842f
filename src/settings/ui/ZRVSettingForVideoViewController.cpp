#include "settings/ui/ZRVSettingForVideoViewController.h"

#include "common/ui/ZRVLocalized.h"
#include "controls/TKSegmentedControl.h"
#include "settings/_FILEDATA.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace {

QStringList qualities() {
    return {localized("setting.video.quality_normal"), localized("setting.video.quality_high"),
            localized("setting.video.quality_highest")};
}

QStringList brightnessSteps() {
    return {QStringLiteral("1"), QStringLiteral("2"), filledWithLocalized("3(%@)", "default"),
            QStringLiteral("4"), QStringLiteral("5")};
}

} // namespace

ZRVSettingForVideoViewController::ZRVSettingForVideoViewController(QWidget* parent)
    : ZRVSettingPage("setting.video", parent) {
    videoEncodingBitrate = segments("videoEncodingBitrate", qualities());
    videoBrightness = segments("videoBrightness", brightnessSteps());
    videoEncodingBitrateRear = segments("videoEncodingBitrateRear", qualities());
    videoBrightnessRear = segments("videoBrightnessRear", brightnessSteps());
    flipVideoRealSeg = segments("flipVideoRealSeg", {localized("unuse"), localized("use")});
    rearfpsSeg = segments("rearfpsSeg", {localized("30fps"), localized("15fps")});
    frontTinting =
        segments("frontTinting", {localized("cpl_unuse"), localized("cpl_use"),
                                  localized("light_tinting"), localized("dark_tinting")});
    rearTinting = segments(
        "rearTinting", {localized("unuse"), localized("light_tinting"), localized("dark_tinting")});

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(
        box("boxOfFrontVideoQuality", "setting.video.front_quality", {videoEncodingBitrate}), 0, 0);
    grid->addWidget(
        box("boxOfRealVideoQuality", "setting.video.rear_quality", {videoEncodingBitrateRear}), 0,
        1);
    grid->addWidget(box("boxOfFrontVideoSetting", "setting.video.front_setting",
                        {brightnessRow("brightnessLabel", videoBrightness)}),
                    1, 0);
    grid->addWidget(box("boxOfRealVideoSetting", "setting.video.rear_setting",
                        {brightnessRow("brightnessLabelReal", videoBrightnessRear)}),
                    1, 1);
    grid->addWidget(box("boxOfFrontTinting", "setting.video.front_tinting",
                        {frontTinting, guide("brightnessGuide", "setting.video.cpl_filter_use")}),
                    2, 0);
    grid->addWidget(box("boxOfRearTinting", "setting.video.rear_tinting", {rearTinting}), 2, 1);
    grid->addWidget(box("boxOfFlipVideoReal", "setting.video.rear_reversal", {flipVideoRealSeg}), 3,
                    0);
    grid->addWidget(box("boxOfRearFps", "setting.video.rear_fps", {rearfpsSeg}), 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
}

QWidget* ZRVSettingForVideoViewController::brightnessRow(const char* labelName,
                                                         TKSegmentedControl* control) {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(localized("brightness"), row);
    label->setObjectName(QLatin1String(labelName));
    line->addWidget(label);
    line->addWidget(control, 1);
    return row;
}

void ZRVSettingForVideoViewController::displayFileData() {
    const _FILEDATA* record = fileData();
    if (record == nullptr) {
        return;
    }
    showChoice(videoEncodingBitrate, record->vid_enc_bitrate);
    showChoice(videoBrightness, record->vid_brightness);
    showChoice(videoEncodingBitrateRear, record->vid_enc_bitrate_R);
    showChoice(videoBrightnessRear, record->vid_brightness_R);
    showChoice(flipVideoRealSeg, record->flip_video == 1 ? 1 : 0);
    showChoice(rearfpsSeg, record->rear_fps == 1 ? 1 : 0);
    // The first rate follows the mains frequency set on the Aux page.
    rearfpsSeg->setLabels({localized(record->Gamma != 0 ? "25fps" : "30fps"), localized("15fps")});
    showChoice(frontTinting, record->front_cpl_use);
    showChoice(rearTinting, record->rear_cpl_use);
}

bool ZRVSettingForVideoViewController::populate() {
    _FILEDATA* record = fileData();
    if (record == nullptr) {
        return true;
    }
    storeChoice(videoEncodingBitrate, record->vid_enc_bitrate);
    storeChoice(videoBrightness, record->vid_brightness);
    storeChoice(videoEncodingBitrateRear, record->vid_enc_bitrate_R);
    storeChoice(videoBrightnessRear, record->vid_brightness_R);
    storeChoice(flipVideoRealSeg, record->flip_video);
    storeChoice(rearfpsSeg, record->rear_fps);
    storeChoice(frontTinting, record->front_cpl_use);
    storeChoice(rearTinting, record->rear_cpl_use);
    return true;
}
