#pragma once

#include "app/ZRVRect.h"

// Window placement rules of the player window that need no window system:
// the start-up frame, the dragging limit and which screen carries a menu bar
// or a dock. All rectangles use a top-left origin.
struct ZRVWindowRules {
    static constexpr double kMinWindowWidth = 1020;
    static constexpr double kMinWindowHeight = 640;

    static ZRVRect minWindowSize() { return {0, 0, kMinWindowWidth, kMinWindowHeight}; }
    // Centred in the screen's visible frame; without a screen (an empty
    // frame) at the origin.
    static ZRVRect minWindowFrame(const ZRVRect& visibleFrame);

    // The new top-left corner while the background is dragged: the press
    // point stays under the pointer, but the top edge never rises above the
    // visible frame, so the window cannot be lost under a top panel.
    static ZRVRect dragFrame(const ZRVRect& frame, double pressX, double pressY, double eventX,
                             double eventY, const ZRVRect& visibleFrame);

    // A window of this size put beside another's frame: its left edge on the
    // frame's right edge, its top level with the frame's top.
    static ZRVRect frameRightOf(const ZRVRect& frame, double width, double height);

    // Which edges a resize handle moves; a corner moves two.
    enum Edge : unsigned { left = 1, top = 2, right = 4, bottom = 8 };

    // The frame while the handle of `edges` is dragged by (dx, dy) from where
    // it was pressed on `start`. The opposite edges stay put, and the frame
    // never gets smaller than the minimum window size.
    static ZRVRect resizeFrame(const ZRVRect& start, unsigned edges, double dx, double dy);

    // sharedMenuBar: only the first screen has a menu bar.
    static bool hasMenuBar(bool isFirstScreen, bool sharedMenuBar);
    // A dock takes width at a side, or height beyond the menu bar at the
    // bottom; menuBarThickness counts only for a screen with a menu bar.
    static bool hasDock(const ZRVRect& screenFrame, const ZRVRect& visibleFrame,
                        double menuBarThickness, bool hasMenuBar);
};
