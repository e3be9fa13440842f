#include "card/PMProgressText.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace {

constexpr std::chrono::duration<double> kReferenceAge{3.5};

double secondsBetween(std::chrono::steady_clock::time_point from,
                      std::chrono::steady_clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

} // namespace

PMProgressText::PMProgressText(Clock clock) : m_clock(std::move(clock)) {
    if (!m_clock) {
        m_clock = &std::chrono::steady_clock::now;
    }
}

std::string PMProgressText::remainingTimeText(double seconds) {
    struct Step {
        double above;
        const char* text;
    };
    static constexpr Step kSteps[] = {
        {555, "About ten minutes remaining"},   {495, "About nine minutes remaining"},
        {435, "About eight minutes remaining"}, {375, "About seven minutes remaining"},
        {315, "About six minutes remaining"},   {255, "About five minutes remaining"},
        {195, "About four minutes remaining"},  {135, "About three minutes remaining"},
        {75, "About two minutes remaining"},    {50, "About one minute remaining"},
        {10, "Less than a minute remaining"},   {5, "About ten seconds remaining"},
    };
    if (seconds > 615) {
        // Printed from a double: the whole part of a long estimate may not fit an int.
        char text[400];
        std::snprintf(text, sizeof text, "About %.0f minutes remaining",
                      std::floor(seconds / 60 + 0.75));
        return text;
    }
    for (const auto& step : kSteps) {
        if (seconds > step.above) {
            return step.text;
        }
    }
    return "About five seconds remaining";
}

void PMProgressText::updateProgressText(double value, double minimum, double maximum,
                                        bool indeterminate) {
    if (indeterminate) {
        m_text.clear();
        return;
    }
    const double range = maximum - minimum;
    const double fraction = range > 0 ? (value - minimum) / range : 0;
    const TimePoint now = m_clock();
    if (value < minimum + 1e-5) {
        m_startTime.reset();
        m_startTime2.reset();
    }
    if (!m_startTime) {
        m_startTime = now;
        m_startFraction = fraction;
        m_text.clear();
    }
    if (now - *m_startTime > kReferenceAge && !m_startTime2) {
        m_startTime2 = now;
        m_startFraction2 = fraction;
    }
    if (m_startTime2 && now - *m_startTime2 > kReferenceAge) {
        m_startTime = m_startTime2;
        m_startFraction = m_startFraction2;
        m_startTime2.reset();
    }

    // Without progress since the reference point there is no rate to go by,
    // so no estimate is made rather than an infinite or negative one.
    std::optional<std::string> remaining;
    const double elapsed = secondsBetween(*m_startTime, now);
    const double rate = elapsed > 0 ? (fraction - m_startFraction) / elapsed : 0;
    if (elapsed > 0.5 && m_displayTimeRemaining && rate > 0) {
        const double seconds = (1 - fraction) / rate;
        if (std::isfinite(seconds)) {
            remaining = remainingTimeText(seconds);
        }
    }

    if (m_displayPercentage) {
        char text[400];
        std::snprintf(text, sizeof text, "%.0f %% completed", fraction * 100);
        m_text = remaining ? std::string(text) + " - " + *remaining : std::string(text);
    } else if (remaining) {
        m_text = *remaining;
    }
}
