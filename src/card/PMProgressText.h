#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

// The text that a progress bar writes beside itself: the completed percentage
// and an estimate of the time left ("40 % completed - Less than a minute
// remaining"). The estimate measures the rate against a reference point that
// slides forward, staying 3.5 to about 7 seconds old, so it follows changes
// of pace. The clock is given, so that tests can move time.
class PMProgressText {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    explicit PMProgressText(Clock clock = &std::chrono::steady_clock::now);

    bool displayPercentage() const { return m_displayPercentage; }
    void setDisplayPercentage(bool display) { m_displayPercentage = display; }
    bool displayTimeRemaining() const { return m_displayTimeRemaining; }
    void setDisplayTimeRemaining(bool display) { m_displayTimeRemaining = display; }

    // Brings the text up to date for the bar's new state.
    void updateProgressText(double value, double minimum, double maximum, bool indeterminate);
    const std::string& progressText() const { return m_text; }

    // "About three minutes remaining" and the like for r seconds.
    static std::string remainingTimeText(double seconds);

private:
    using TimePoint = std::chrono::steady_clock::time_point;

    Clock m_clock;
    bool m_displayPercentage = false;
    bool m_displayTimeRemaining = true;
    std::optional<TimePoint> m_startTime;
    std::optional<TimePoint> m_startTime2;
    double m_startFraction = 0;
    double m_startFraction2 = 0;
    std::string m_text;
};
