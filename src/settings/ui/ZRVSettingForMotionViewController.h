#pragma once

#include "settings/ui/ZRVSettingPage.h"

#include <array>

class QCheckBox;
class QGroupBox;
class TKSegmentedControl;

// The motion-detection page: how sensitive each camera is, and which of the
// twelve blocks of its picture take part.
class ZRVSettingForMotionViewController : public ZRVSettingPage {
    Q_OBJECT

public:
    static constexpr int kBlockCount = 12;
    using BlockBoxes = std::array<QCheckBox*, kBlockCount>;

    explicit ZRVSettingForMotionViewController(QWidget* parent = nullptr);

    void displayFileData() override;
    bool populate() override;

    // The mask bit of block 1..12: blocks 01-04 are bits 8-11, 05-08 bits
    // 4-7 and 09-12 bits 0-3. A set bit leaves the block out.
    static std::uint32_t blockBit(int block);

    TKSegmentedControl* frontSensitivitySeg = nullptr;
    TKSegmentedControl* rearSensitivitySeg = nullptr;
    // Box n - 1 is block n.
    BlockBoxes frontMotionBlockChk{};
    BlockBoxes rearMotionBlockChk{};

private:
    QGroupBox* blockBox(const char* camera, const char* name, const char* titleKey,
                        BlockBoxes& boxes);
    static void showBlocks(BlockBoxes& boxes, std::uint32_t mask);
    static std::uint32_t blockMask(const BlockBoxes& boxes);
};
