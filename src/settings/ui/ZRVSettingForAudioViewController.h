#pragma once

#include "settings/ui/ZRVSettingPage.h"

class QButtonGroup;
class QCheckBox;
class QRadioButton;
class TKSegmentedControl;

// The audio page: microphone and speaker volume, the hourly time
// announcement and the language of the camera's voice guidance.
class ZRVSettingForAudioViewController : public ZRVSettingPage {
    Q_OBJECT

public:
    // The grid of languages, row by row; the stored value is a cell's
    // position, row × columns + column.
    static constexpr int kLanguageColumns = 4;
    static constexpr int kLanguageCount = 20;
    // Malay has a button of its own, outside the grid.
    static constexpr int kMalaysia = 20;

    explicit ZRVSettingForAudioViewController(QWidget* parent = nullptr);

    void displayFileData() override;
    bool populate() override;

    // A grid cell was chosen: Malay is off.
    void voiceLangMatrixSelected();
    // Malay was chosen: no grid cell is, and the record says so at once.
    void malaysiaRadioSelected();

    TKSegmentedControl* micSeg = nullptr;
    TKSegmentedControl* speakerSeg = nullptr;
    QCheckBox* useEveryHourNoticeChk = nullptr;
    // Its buttons' ids are the cell positions.
    QButtonGroup* voiceLangRadio = nullptr;
    QRadioButton* malaysiaRadio = nullptr;

private:
    void deselectGrid();
};
