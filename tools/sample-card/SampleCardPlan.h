#pragma once

#include "sample-card/CameraSide.h"
#include "sample-card/CardTime.h"

#include <cstdint>
#include <string>
#include <vector>

// Which moments a demo card holds: back-to-back recordings of equal length
// from a start time given by the seed, mostly continuous ones, with a few
// motion-triggered ones and (from three moments on) at least one event.
// Each mode has its own folder, as the camera keeps them.
class SampleCardPlan {
public:
    enum class Mode { always, motion, event };
    struct Moment {
        Mode mode = Mode::always;
        CardTime start;
    };

    SampleCardPlan(int moments, int seconds, std::uint64_t seed);

    const std::vector<Moment>& moments() const { return m_moments; }
    int seconds() const { return m_seconds; }
    // When the last recording ends.
    CardTime end() const;

    static std::string folder(Mode mode);
    // e.g. alwa_20240305_173713_F.avi
    static std::string fileName(const Moment& moment, CameraSide side);

private:
    int m_seconds;
    std::vector<Moment> m_moments;
};
