#include "app/ZRVPlayerLayout.h"

#include <algorithm>

namespace {

// A window smaller than the fixed strips would otherwise give negative sizes,
// which a widget turns into nonsense geometry.
double atLeastZero(double value) {
    return std::max(0.0, value);
}

} // namespace

ZRVPlayerLayout ZRVPlayerLayout::compute(double width, double height, bool fullScreen,
                                         int rightViewMode) {
    ZRVPlayerLayout layout;
    layout.background.frame = {0, 0, width, height};
    if (fullScreen) {
        layout.head.visible = false;
        layout.gsensor.visible = false;
        layout.mediaControl.visible = false;
        layout.bodyRight.visible = false;
        layout.body.frame = {0, 0, width, height};
        const double leftHeight = atLeastZero(height - 2);
        layout.bodyLeft.frame = {0, 0, width, leftHeight};
        const double videoHeight = atLeastZero(leftHeight - kFullScreenControlHeight);
        layout.video.frame = {0, 0, width, videoHeight};
        layout.mediaControlForFullScreen.frame = {0, videoHeight, atLeastZero(width - 2),
                                                  kFullScreenControlHeight};
        return layout;
    }

    layout.mediaControlForFullScreen.visible = false;
    layout.head.frame = {0, 0, width, kHeadHeight};
    const double bodyHeight = atLeastZero(height - kHeadHeight);
    layout.body.frame = {0, kHeadHeight, width, bodyHeight};

    const double columnHeight = atLeastZero(bodyHeight - 8);
    const double leftWidth = atLeastZero(width - 10 - 10 - kRightColumnWidth - 10);
    layout.bodyLeft.frame = {10, 0, leftWidth, columnHeight};
    layout.bodyRight.frame = {10 + leftWidth + 10, 0, kRightColumnWidth, columnHeight};

    const double videoHeight =
        atLeastZero(columnHeight - 4 - kGSensorHeight - 4 - kMediaControlHeight);
    layout.video.frame = {0, 0, leftWidth, videoHeight};
    layout.gsensor.frame = {0, videoHeight + 4, leftWidth, kGSensorHeight};
    layout.mediaControl.frame = {0, videoHeight + 4 + kGSensorHeight + 4, leftWidth,
                                 kMediaControlHeight};

    const double listHeight = atLeastZero(columnHeight - kSideButtonHeight - kSubVideoHeight);
    layout.sideButton.frame = {0, 0, kRightColumnWidth, kSideButtonHeight};
    layout.mediaList.frame = {0, kSideButtonHeight, kRightColumnWidth, listHeight};
    layout.subVideo.frame = {0, kSideButtonHeight + listHeight, kRightColumnWidth, kSubVideoHeight};
    layout.layoutMapContainer(rightViewMode);
    return layout;
}

void ZRVPlayerLayout::layoutMapContainer(int rightViewMode) {
    const ZRVRect inside{0, 0, mediaList.frame.width, mediaList.frame.height};
    mediaListScroll.frame = inside;
    mapContainer.frame = inside;
    mediaListScroll.visible = rightViewMode == 0;
    mapContainer.visible = rightViewMode == 1;
    const double topHeight = atLeastZero(inside.height - kMapBottomHeight);
    mapContainerTop.frame = {0, 0, inside.width, topHeight};
    mapContainerBottom.frame = {0, topHeight, inside.width, kMapBottomHeight};
}
