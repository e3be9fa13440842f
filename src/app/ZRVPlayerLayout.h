#pragma once

#include "app/ZRVRect.h"

// The frames of the player window's boxes for a window size, in each box's
// parent coordinates. A box whose visible flag is false has no place in that
// mode and is hidden rather than left where the other mode put it.
struct ZRVPlayerLayout {
    static constexpr double kHeadHeight = 50;
    static constexpr double kRightColumnWidth = 334;
    static constexpr double kGSensorHeight = 130;
    static constexpr double kMediaControlHeight = 72;
    static constexpr double kSideButtonHeight = 32;
    static constexpr double kSubVideoHeight = 250;
    static constexpr double kFullScreenControlHeight = 36;
    static constexpr double kMapBottomHeight = 57;

    struct Box {
        ZRVRect frame;
        bool visible = true;
    };

    Box background;
    Box head;
    Box body;
    Box bodyLeft;
    Box bodyRight;
    Box video;
    Box gsensor;
    Box mediaControl;
    Box mediaControlForFullScreen;
    Box sideButton;
    Box mediaList;
    Box subVideo;
    Box mediaListScroll;
    Box mapContainer;
    Box mapContainerTop;
    Box mapContainerBottom;

    static ZRVPlayerLayout compute(double width, double height, bool fullScreen, int rightViewMode);

private:
    void layoutMapContainer(int rightViewMode);
};
