#pragma once

#include "app/ui/ZRVScheduler.h"

#include <QObject>
#include <functional>

class ZRVMediaPlayer;

// The end-of-recording watch: once a second it looks whether the main player
// has stopped at the end of its recording, and if so asks, a second later,
// for the next one. Opening a recording starts a new watch; the previous one
// stops at its next tick.
class ZRVPlayNextWatch : public QObject {
    Q_OBJECT

public:
    static constexpr double kWatchSeconds = 1.0;
    static constexpr double kEndPosition = 0.998;
    // Without a second camera the main one is watched a little earlier, as a
    // lone file may stop just short of its last frame.
    static constexpr double kEndPositionAlone = 0.988;

    ZRVPlayNextWatch(const ZRVMediaPlayer& player1, const ZRVMediaPlayer& player2,
                     ZRVScheduler scheduler, std::function<void()> playNext,
                     QObject* parent = nullptr);

    void startTimerPlayNext();
    void timerPlayNext();
    // Set while the next recording is due; any time report clears it.
    bool preparingPlayNext() const { return m_preparingPlayNext; }
    void setPreparingPlayNext(bool preparing) { m_preparingPlayNext = preparing; }

private:
    void scheduleTick(quint64 generation);

    const ZRVMediaPlayer& m_player1;
    const ZRVMediaPlayer& m_player2;
    ZRVScheduler m_scheduler;
    std::function<void()> m_playNext;
    bool m_preparingPlayNext = false;
    quint64 m_generation = 0;
};
