#include "settings/ui/ZRVSettingForMotionViewController.h"

#include "common/ui/ZRVLocalized.h"
#include "controls/TKSegmentedControl.h"
#include "settings/_FILEDATA.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kBlockColumns = 4;

QStringList sensitivities() {
    return {localized("unuse"),  filledWithLocalized("1(%@)", "insensitive"),
            QStringLiteral("2"), QStringLiteral("3"),
            QStringLiteral("4"), filledWithLocalized("5(%@)", "sensitive")};
}

} // namespace

std::uint32_t ZRVSettingForMotionViewController::blockBit(int block) {
    const int index = block - 1;
    return 1u << ((2 - index / kBlockColumns) * kBlockColumns + index % kBlockColumns);
}

ZRVSettingForMotionViewController::ZRVSettingForMotionViewController(QWidget* parent)
    : ZRVSettingPage("setting.motion", parent) {
    frontSensitivitySeg = segments("frontSensitivitySeg", sensitivities());
    rearSensitivitySeg = segments("rearSensitivitySeg", sensitivities());

    auto* sensitivity = new QGroupBox(localized("setting.motion.sensitivity"), this);
    sensitivity->setObjectName(QStringLiteral("boxOfMotion"));
    auto* form = new QFormLayout(sensitivity);
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(10);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const auto label = [this](const char* name, const char* key) {
        auto* text = new QLabel(localized(key), this);
        text->setObjectName(QLatin1String(name));
        return text;
    };
    form->addRow(label("frontMotionSensitivityLabel", "setting.aux.front_sensitivity"),
                 frontSensitivitySeg);
    form->addRow(label("rearMotionSensitivityLabel", "setting.aux.rear_sensitivity"),
                 rearSensitivitySeg);

    auto* blocks = new QGroupBox(localized("setting.motion.block"), this);
    blocks->setObjectName(QStringLiteral("boxOfMotionBlock"));
    auto* cameras = new QHBoxLayout(blocks);
    cameras->setSpacing(12);
    cameras->addWidget(blockBox("front", "boxOfFrontMotionBlock", "setting.motion.block_front",
                                frontMotionBlockChk));
    cameras->addWidget(
        blockBox("rear", "boxOfRearMotionBlock", "setting.motion.block_rear", rearMotionBlockChk));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addWidget(sensitivity);
    column->addWidget(blocks);
    column->addStretch(1);
}

// The boxes lie as the blocks do on the picture: 01 at the top left, four to
// a row.
QGroupBox* ZRVSettingForMotionViewController::blockBox(const char* camera, const char* name,
                                                       const char* titleKey, BlockBoxes& boxes) {
    auto* group = new QGroupBox(localized(titleKey), this);
    group->setObjectName(QLatin1String(name));
    group->setProperty("blockGrid", true);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(10);
    for (int block = 1; block <= kBlockCount; ++block) {
        auto* box = new QCheckBox(QStringLiteral("%1").arg(block, 2, 10, QLatin1Char('0')), group);
        box->setObjectName(QStringLiteral("%1MotionBlock%2Chk")
                               .arg(QLatin1String(camera))
                               .arg(block, 2, 10, QLatin1Char('0')));
        grid->addWidget(box, (block - 1) / kBlockColumns, (block - 1) % kBlockColumns);
        boxes[block - 1] = box;
    }
    return group;
}

void ZRVSettingForMotionViewController::showBlocks(BlockBoxes& boxes, std::uint32_t mask) {
    for (int block = 1; block <= kBlockCount; ++block) {
        boxes[block - 1]->setChecked((mask & blockBit(block)) == 0);
    }
}

std::uint32_t ZRVSettingForMotionViewController::blockMask(const BlockBoxes& boxes) {
    std::uint32_t mask = 0;
    for (int block = 1; block <= kBlockCount; ++block) {
        if (!boxes[block - 1]->isChecked()) {
            mask |= blockBit(block);
        }
    }
    return mask;
}

void ZRVSettingForMotionViewController::displayFileData() {
    const _FILEDATA* record = fileData();
    if (record == nullptr) {
        return;
    }
    showChoice(frontSensitivitySeg, record->motion720pCValue);
    showChoice(rearSensitivitySeg, record->motion1080pCValue);
    showBlocks(frontMotionBlockChk, record->motionBlock);
    showBlocks(rearMotionBlockChk, record->motionBlock_Rear);
}

bool ZRVSettingForMotionViewController::populate() {
    _FILEDATA* record = fileData();
    if (record == nullptr) {
        return true;
    }
    storeChoice(frontSensitivitySeg, record->motion720pCValue);
    storeChoice(rearSensitivitySeg, record->motion1080pCValue);
    record->motionBlock = blockMask(frontMotionBlockChk);
    record->motionBlock_Rear = blockMask(rearMotionBlockChk);
    return true;
}
