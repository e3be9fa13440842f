#include "app/ui/ZRVPlayNextWatch.h"

#include "platform/ZRVMediaPlayer.h"

#include <QPointer>

ZRVPlayNextWatch::ZRVPlayNextWatch(const ZRVMediaPlayer& player1, const ZRVMediaPlayer& player2,
                                   ZRVScheduler scheduler, std::function<void()> playNext,
                                   QObject* parent)
    : QObject(parent), m_player1(player1), m_player2(player2), m_scheduler(std::move(scheduler)),
      m_playNext(std::move(playNext)) {}

void ZRVPlayNextWatch::startTimerPlayNext() {
    scheduleTick(++m_generation);
}

void ZRVPlayNextWatch::scheduleTick(quint64 generation) {
    QPointer<ZRVPlayNextWatch> self(this);
    m_scheduler(kWatchSeconds, [self, generation] {
        if (!self || generation != self->m_generation) {
            return;
        }
        self->timerPlayNext();
        self->scheduleTick(generation);
    });
}

void ZRVPlayNextWatch::timerPlayNext() {
    if (m_preparingPlayNext) {
        return;
    }
    const double end = m_player2.hasMedia() ? kEndPosition : kEndPositionAlone;
    if (m_player1.isPaused() && m_player1.position() >= end) {
        m_preparingPlayNext = true;
        QPointer<ZRVPlayNextWatch> self(this);
        m_scheduler(1.0, [self] {
            if (self) {
                self->m_playNext();
            }
        });
    }
}
