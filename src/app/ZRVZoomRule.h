#pragma once

#include "app/ZRVRect.h"

// What one zoom step does to the player window: it grows or shrinks by a
// fifth of the smallest window, goes full screen once it would no longer fit
// on its screen, comes out of full screen on any shrink, and never becomes
// smaller than the smallest window. Top-left origin, as in ZRVRect.
struct ZRVZoomRule {
    static constexpr double kStepFraction = 0.2;
    // Room left below a grown window's height, for the desktop's panels.
    static constexpr double kScreenHeightMargin = 100;

    enum class Action { none, enterFullScreen, leaveFullScreen, resize };

    struct Result {
        Action action = Action::none;
        // The new window frame when the action is resize.
        ZRVRect frame;
    };

    // A positive step grows, a negative one shrinks; 0 keeps the size and
    // only leaves full screen. Without a screen (an empty frame) the window
    // is never sent to full screen.
    static Result apply(int step, const ZRVRect& window, const ZRVRect& screen, bool fullScreen);
};
