#pragma once

#include <optional>

// How to bring the second player back in step with the main one, from where
// each is in its recording (milliseconds of play) and the main player's rate.
// An offset of more than a frame is closed by running the second player a
// little faster or slower than the main one, in proportion to the offset, so
// that the correction fades as the gap closes; once the gap is nearly shut the
// second player gets exactly the main player's rate back. An offset too large
// to close soon that way is closed by a seek.
class ZRVStepCorrection {
public:
    // One frame of the camera's 30 frames a second.
    static constexpr double kFrameMs = 1000.0 / 30.0;
    static constexpr double kSettledMs = 8.0;
    static constexpr double kSeekAboveMs = 500.0;
    // Wall time over which the proportional correction would close the gap.
    static constexpr double kCatchUpMs = 500.0;
    // Keeps the change small enough to go unnoticed in sound and motion.
    static constexpr double kLargestChange = 0.25;

    struct Step {
        // What the second player's rate should be now.
        double rate = 1.0;
        // Where to move the second player, when it is too far off.
        std::optional<double> seekTo;
    };

    // Either time may be unknown for now (just after a start or seek); the
    // correction under way then goes on unchanged, at the main player's
    // current rate.
    Step next(std::optional<double> mainMs, std::optional<double> secondMs, double mainRate);
    // Drops a correction under way.
    void reset() {
        m_factor = 1.0;
        m_correcting = false;
    }

    // The second player's rate relative to the main player's.
    double factor() const { return m_factor; }

private:
    double m_factor = 1.0;
    bool m_correcting = false;
};
