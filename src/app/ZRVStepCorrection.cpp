#include "app/ZRVStepCorrection.h"

#include <algorithm>
#include <cmath>

ZRVStepCorrection::Step ZRVStepCorrection::next(std::optional<double> mainMs,
                                                std::optional<double> secondMs, double mainRate) {
    if (!mainMs || !secondMs || mainRate <= 0.0) {
        return {mainRate * m_factor, std::nullopt};
    }
    const double ahead = *secondMs - *mainMs;
    if (std::abs(ahead) > kSeekAboveMs) {
        // A seek lands within a frame or so, but not closer: the rate finishes
        // the job.
        m_factor = 1.0;
        m_correcting = true;
        return {mainRate, *mainMs};
    }
    if (std::abs(ahead) <= (m_correcting ? kSettledMs : kFrameMs)) {
        reset();
        return {mainRate, std::nullopt};
    }
    m_correcting = true;
    m_factor = std::clamp(1.0 - ahead / (mainRate * kCatchUpMs), 1.0 - kLargestChange,
                          1.0 + kLargestChange);
    return {mainRate * m_factor, std::nullopt};
}
