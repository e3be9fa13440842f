#include "app/ZRVWindowRules.h"

#include <algorithm>

ZRVRect ZRVWindowRules::minWindowFrame(const ZRVRect& visibleFrame) {
    if (visibleFrame.isEmpty()) {
        return minWindowSize();
    }
    return {visibleFrame.x + (visibleFrame.width - kMinWindowWidth) / 2,
            visibleFrame.y + (visibleFrame.height - kMinWindowHeight) / 2, kMinWindowWidth,
            kMinWindowHeight};
}

ZRVRect ZRVWindowRules::dragFrame(const ZRVRect& frame, double pressX, double pressY, double eventX,
                                  double eventY, const ZRVRect& visibleFrame) {
    ZRVRect moved = frame;
    moved.x += eventX - pressX;
    moved.y += eventY - pressY;
    if (!visibleFrame.isEmpty() && moved.y < visibleFrame.y) {
        moved.y = visibleFrame.y;
    }
    return moved;
}

bool ZRVWindowRules::hasMenuBar(bool isFirstScreen, bool sharedMenuBar) {
    return !sharedMenuBar || isFirstScreen;
}

bool ZRVWindowRules::hasDock(const ZRVRect& screenFrame, const ZRVRect& visibleFrame,
                             double menuBarThickness, bool hasMenuBar) {
    const double menuBar = hasMenuBar ? menuBarThickness : 0;
    return screenFrame.width > visibleFrame.width ||
           visibleFrame.height + menuBar < screenFrame.height;
}

ZRVRect ZRVWindowRules::frameRightOf(const ZRVRect& frame, double width, double height) {
    return {frame.x + frame.width, frame.y, width, height};
}

ZRVRect ZRVWindowRules::resizeFrame(const ZRVRect& start, unsigned edges, double dx, double dy) {
    ZRVRect frame = start;
    if ((edges & right) != 0) {
        frame.width = std::max(kMinWindowWidth, start.width + dx);
    }
    if ((edges & bottom) != 0) {
        frame.height = std::max(kMinWindowHeight, start.height + dy);
    }
    if ((edges & left) != 0) {
        frame.width = std::max(kMinWindowWidth, start.width - dx);
        frame.x = start.x + start.width - frame.width;
    }
    if ((edges & top) != 0) {
        frame.height = std::max(kMinWindowHeight, start.height - dy);
        frame.y = start.y + start.height - frame.height;
    }
    return frame;
}
