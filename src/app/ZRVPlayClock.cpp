#include "app/ZRVPlayClock.h"

#include <cmath>

void ZRVPlayClock::report(double playMs, double wallMs, double rate) {
    m_confirmed = m_anchored && std::abs(playMs - estimateAt(wallMs)) <= kJumpMs;
    m_anchored = true;
    m_playMs = playMs;
    m_wallMs = wallMs;
    m_rate = rate;
}

void ZRVPlayClock::changeRate(double rate, double wallMs) {
    if (!m_anchored) {
        return;
    }
    m_playMs = estimateAt(wallMs);
    m_wallMs = wallMs;
    m_rate = rate;
}

void ZRVPlayClock::forget() {
    m_anchored = false;
    m_confirmed = false;
}

std::optional<double> ZRVPlayClock::playTimeAt(double wallMs) const {
    if (!m_confirmed) {
        return std::nullopt;
    }
    return estimateAt(wallMs);
}
