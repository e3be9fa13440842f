#pragma once

#include "app/ZRVPlayClock.h"
#include "app/ZRVStepCorrection.h"
#include "app/ui/ZRVScheduler.h"

#include <QObject>
#include <functional>

class ZRVMediaPlayer;

// Keeps the second player in step with the main one while both play. Each
// player runs on its own clock, so over a long recording, or after one of
// them stalls, the two pictures drift apart; the playback rules only put the
// second player back after a seek. A few times a second, on the UI thread, the
// keeper compares where the two players are and nudges the second one's rate,
// or for a large gap moves it. It never touches the main player, and does
// nothing unless both play.
class ZRVStepKeeper : public QObject {
    Q_OBJECT

public:
    static constexpr double kTickSeconds = 0.2;

    // Tests that move time by hand give both a scheduler and the clock it
    // keeps (seconds); by default timers and the steady clock. A scheduler
    // without its clock would compare hand-moved players with real time.
    struct Timing {
        ZRVScheduler scheduler;
        std::function<double()> nowSeconds;
    };

    // Both players must outlive the keeper.
    ZRVStepKeeper(ZRVMediaPlayer& main, ZRVMediaPlayer& second, QObject* parent = nullptr,
                  Timing timing = {});

    // Stops correcting for this long: the playback rules are about to put the
    // second player in place themselves (after a seek, jump or swap). A
    // correction under way ends at once, with the main player's rate.
    void holdOff(double seconds);

    // The second player's rate relative to the main one's; 1 when in step.
    double correctionFactor() const { return m_correction.factor(); }

private:
    void scheduleTick();
    void tick();
    double nowMs() const;
    bool bothPlaying() const;
    void listen(ZRVMediaPlayer& player, ZRVPlayClock& clock);
    // A rate set by someone else (the speed buttons) makes the estimate run
    // at the wrong pace until the player reports again.
    static void forgetIfRateChanged(ZRVPlayClock& clock, double rate);

    ZRVMediaPlayer& m_main;
    ZRVMediaPlayer& m_second;
    ZRVScheduler m_scheduler;
    std::function<double()> m_nowSeconds;
    ZRVPlayClock m_mainClock;
    ZRVPlayClock m_secondClock;
    ZRVStepCorrection m_correction;
    double m_holdUntilMs = 0;
};
