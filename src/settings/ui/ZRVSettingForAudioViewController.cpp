#include "settings/ui/ZRVSettingForAudioViewController.h"

#include "common/ui/ZRVLocalized.h"
#include "controls/TKSegmentedControl.h"
#include "settings/_FILEDATA.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr const char* kLanguages[ZRVSettingForAudioViewController::kLanguageCount] = {
    "Korean",
    "English",
    "French",
    "Spanish.Europe",
    "Arabic",
    "Chinese",
    "Russian",
    "Japanese",
    "Thai",
    "BahasaIndonesia",
    "Vietnamese",
    "Mongolian",
    "Spanish.SouthAmerica",
    "German",
    "Turkish",
    "Italian",
    "Hindi",
    "Cantonese",
    "Czech",
    "Portuguese"};

QStringList volumes() {
    return {localized("unuse"), filledWithLocalized("1(%@)", "setting.aux.volume_low"),
            QStringLiteral("2"), filledWithLocalized("3(%@)", "setting.aux.volume_up")};
}

} // namespace

ZRVSettingForAudioViewController::ZRVSettingForAudioViewController(QWidget* parent)
    : ZRVSettingPage("setting.audio", parent) {
    micSeg = segments("micSeg", volumes());
    speakerSeg = segments("speakerSeg", volumes());
    useEveryHourNoticeChk = new QCheckBox(localized("setting.aux.enable_hourly_alarm"), this);
    useEveryHourNoticeChk->setObjectName(QStringLiteral("useEveryHourNoticeChk"));

    auto* languages = new QGroupBox(localized("setting.aux.enable_voice_guidance"), this);
    languages->setObjectName(QStringLiteral("boxOfVoiceLang"));
    auto* grid = new QGridLayout(languages);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    voiceLangRadio = new QButtonGroup(this);
    for (int cell = 0; cell < kLanguageCount; ++cell) {
        auto* button = new QRadioButton(localized(kLanguages[cell]), languages);
        button->setObjectName(QStringLiteral("voiceLang%1").arg(cell));
        voiceLangRadio->addButton(button, cell);
        grid->addWidget(button, cell / kLanguageColumns, cell % kLanguageColumns);
    }
    malaysiaRadio = new QRadioButton(localized("Malaysia"), languages);
    malaysiaRadio->setObjectName(QStringLiteral("malaysiaRadio"));
    malaysiaRadio->setAutoExclusive(false);
    grid->addWidget(malaysiaRadio, kLanguageCount / kLanguageColumns, 0);
    connect(voiceLangRadio, &QButtonGroup::idClicked, this,
            &ZRVSettingForAudioViewController::voiceLangMatrixSelected);
    connect(malaysiaRadio, &QRadioButton::clicked, this,
            &ZRVSettingForAudioViewController::malaysiaRadioSelected);

    auto* volumesGrid = new QGridLayout;
    volumesGrid->setHorizontalSpacing(12);
    volumesGrid->addWidget(box("boxOfMic", "setting.aux.mic_volume", {micSeg}), 0, 0);
    volumesGrid->addWidget(
        box("boxOfSpeaker", "setting.aux.speaker_volume", {speakerSeg, useEveryHourNoticeChk}), 0,
        1);
    volumesGrid->setColumnStretch(0, 1);
    volumesGrid->setColumnStretch(1, 1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addLayout(volumesGrid);
    column->addWidget(languages);
    column->addStretch(1);
}

void ZRVSettingForAudioViewController::deselectGrid() {
    voiceLangRadio->setExclusive(false);
    for (QAbstractButton* button : voiceLangRadio->buttons()) {
        button->setChecked(false);
    }
    voiceLangRadio->setExclusive(true);
}

void ZRVSettingForAudioViewController::voiceLangMatrixSelected() {
    if (voiceLangRadio->checkedId() >= 0) {
        malaysiaRadio->setChecked(false);
    }
}

void ZRVSettingForAudioViewController::malaysiaRadioSelected() {
    if (!malaysiaRadio->isChecked()) {
        // Like the grid's cells, the button is turned off by another choice,
        // not by a second click.
        malaysiaRadio->setChecked(true);
    }
    deselectGrid();
    if (_FILEDATA* record = fileData()) {
        record->Brightness1 = kMalaysia;
    }
}

void ZRVSettingForAudioViewController::displayFileData() {
    const _FILEDATA* record = fileData();
    if (record == nullptr) {
        return;
    }
    showChoice(micSeg, record->aud_input_vol);
    useEveryHourNoticeChk->setChecked(record->alarm_ontime_flag != 0);
    showChoice(speakerSeg, record->aud_output_vol);
    deselectGrid();
    malaysiaRadio->setChecked(record->Brightness1 == kMalaysia);
    if (QAbstractButton* cell = voiceLangRadio->button(static_cast<int>(record->Brightness1))) {
        cell->setChecked(true);
    }
}

bool ZRVSettingForAudioViewController::populate() {
    _FILEDATA* record = fileData();
    if (record == nullptr) {
        return true;
    }
    storeChoice(micSeg, record->aud_input_vol);
    record->alarm_ontime_flag = useEveryHourNoticeChk->isChecked() ? 1 : 0;
    storeChoice(speakerSeg, record->aud_output_vol);
    if (malaysiaRadio->isChecked()) {
        record->Brightness1 = kMalaysia;
    } else if (voiceLangRadio->checkedId() >= 0) {
        record->Brightness1 = static_cast<std::uint32_t>(voiceLangRadio->checkedId());
    }
    return true;
}
