#include "app/ZRVZoomRule.h"

#include "app/ZRVWindowRules.h"

#include <cmath>

ZRVZoomRule::Result ZRVZoomRule::apply(int step, const ZRVRect& window, const ZRVRect& screen,
                                       bool fullScreen) {
    const double factor = step * kStepFraction;
    double width = std::round(window.width + ZRVWindowRules::kMinWindowWidth * factor);
    double height = std::round(window.height + ZRVWindowRules::kMinWindowHeight * factor);

    if (step > 0) {
        if (fullScreen) {
            return {};
        }
        if (!screen.isEmpty() &&
            (width > screen.width || height > screen.height - kScreenHeightMargin)) {
            return {Action::enterFullScreen, {}};
        }
    } else if (fullScreen) {
        return {Action::leaveFullScreen, {}};
    }

    if (width < ZRVWindowRules::kMinWindowWidth || height < ZRVWindowRules::kMinWindowHeight) {
        width = ZRVWindowRules::kMinWindowWidth;
        height = ZRVWindowRules::kMinWindowHeight;
    }
    return {Action::resize, {window.x, window.y, width, height}};
}
