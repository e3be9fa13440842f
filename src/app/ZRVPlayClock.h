#pragma once

#include <optional>

// Where a player is in its recording between its time reports. libVLC 3
// reports the play time only about four times a second, in steps of a quarter
// second, but each report is exact when it is sent; so the time in between is
// the last report plus the wall time since, times the rate. A report that does
// not continue the one before (a start, a seek, a stall) is taken as the new
// anchor but trusted only once the next report confirms it: libVLC reports a
// seek's target before the picture there is shown.
class ZRVPlayClock {
public:
    // A report this far from the running estimate does not continue it.
    static constexpr double kJumpMs = 100.0;

    // A time report, received at wallMs while the player ran at this rate.
    void report(double playMs, double wallMs, double rate);
    // The caller changed the rate at wallMs: the time runs on from there at
    // the new rate.
    void changeRate(double rate, double wallMs);
    // Playback stopped, paused or moved: wait for fresh reports.
    void forget();

    // Empty until a report has been confirmed by the next.
    std::optional<double> playTimeAt(double wallMs) const;
    // The rate the estimate runs at; 0 before the first report.
    double rate() const { return m_anchored ? m_rate : 0.0; }

private:
    double estimateAt(double wallMs) const { return m_playMs + (wallMs - m_wallMs) * m_rate; }

    bool m_anchored = false;
    bool m_confirmed = false;
    double m_playMs = 0;
    double m_wallMs = 0;
    double m_rate = 0;
};
