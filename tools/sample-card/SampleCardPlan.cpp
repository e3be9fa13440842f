#include "sample-card/SampleCardPlan.h"

#include "sample-card/SampleRandom.h"

SampleCardPlan::SampleCardPlan(int moments, int seconds, std::uint64_t seed) : m_seconds(seconds) {
    SampleRandom random(seed, 5);
    const CardTime start = CardTime::fromSeed(seed);
    for (int i = 0; i < moments; ++i) {
        m_moments.push_back(
            {Mode::always, start.plusSeconds(static_cast<std::int64_t>(i) * seconds)});
    }
    // The first moment stays a continuous one: the drive starts with it.
    for (std::size_t i = 1; i < m_moments.size(); ++i) {
        if (random.chance(0.08)) {
            m_moments[i].mode = Mode::event;
        } else if (random.chance(0.08)) {
            m_moments[i].mode = Mode::motion;
        }
    }
    const int later = moments - 1;
    if (moments >= 3) {
        const int event = 1 + random.between(0, later - 1);
        m_moments[static_cast<std::size_t>(event)].mode = Mode::event;
        if (moments >= 4) {
            const int motion = 1 + (event + random.between(0, later - 2)) % later;
            m_moments[static_cast<std::size_t>(motion)].mode = Mode::motion;
        }
    }
}

CardTime SampleCardPlan::end() const {
    return m_moments.back().start.plusSeconds(m_seconds);
}

std::string SampleCardPlan::folder(Mode mode) {
    switch (mode) {
    case Mode::motion:
        return "DCIM/MOTION";
    case Mode::event:
        return "DCIM/EVENT";
    case Mode::always:
        break;
    }
    return "DCIM/ALWAYS";
}

std::string SampleCardPlan::fileName(const Moment& moment, CameraSide side) {
    const char* prefix = moment.mode == Mode::event    ? "event_"
                         : moment.mode == Mode::motion ? "motion_"
                                                       : "alwa_";
    return prefix + moment.start.fileStamp() + (side == CameraSide::front ? "_F.avi" : "_R.avi");
}
