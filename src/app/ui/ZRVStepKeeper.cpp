#include "app/ui/ZRVStepKeeper.h"

#include "platform/ZRVMediaPlayer.h"

#include <QPointer>
#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

// libVLC keeps rates in single precision, so a rate set is read back rounded.
bool sameRate(double a, double b) {
    return static_cast<float>(a) == static_cast<float>(b);
}

} // namespace

ZRVStepKeeper::ZRVStepKeeper(ZRVMediaPlayer& main, ZRVMediaPlayer& second, QObject* parent,
                             Timing timing)
    : QObject(parent), m_main(main), m_second(second), m_scheduler(std::move(timing.scheduler)),
      m_nowSeconds(std::move(timing.nowSeconds)) {
    if (!m_scheduler) {
        m_scheduler = timerScheduler(this);
    }
    if (!m_nowSeconds) {
        m_nowSeconds = [] {
            return std::chrono::duration<double>(
                       std::chrono::steady_clock::now().time_since_epoch())
                .count();
        };
    }
    listen(m_main, m_mainClock);
    listen(m_second, m_secondClock);
    scheduleTick();
}

void ZRVStepKeeper::listen(ZRVMediaPlayer& player, ZRVPlayClock& clock) {
    connect(&player, &ZRVMediaPlayer::timeChanged, this,
            [this, &player, &clock](std::int64_t milliseconds) {
                const double now = nowMs();
                if (now < m_holdUntilMs) {
                    clock.forget();
                    return;
                }
                // The player's own clock says where it is now, the report
                // having waited in the queue for a moment; a player that has
                // none gives the report as it stands.
                const auto current = player.time();
                clock.report(static_cast<double>(current > 0 ? current : milliseconds), now,
                             player.rate());
            });
    connect(&player, &ZRVMediaPlayer::stateChanged, this, [&clock] { clock.forget(); });
}

void ZRVStepKeeper::holdOff(double seconds) {
    m_holdUntilMs = std::max(m_holdUntilMs, nowMs() + seconds * 1000.0);
    m_mainClock.forget();
    m_secondClock.forget();
    m_correction.reset();
    if (bothPlaying() && !sameRate(m_second.rate(), m_main.rate())) {
        m_second.setRate(m_main.rate());
    }
}

void ZRVStepKeeper::scheduleTick() {
    m_scheduler(kTickSeconds, [self = QPointer<ZRVStepKeeper>(this)] {
        if (self) {
            self->tick();
            self->scheduleTick();
        }
    });
}

void ZRVStepKeeper::tick() {
    const double now = nowMs();
    if (!bothPlaying() || now < m_holdUntilMs) {
        return;
    }
    const double mainRate = m_main.rate();
    if (mainRate <= 0.0) {
        return;
    }
    forgetIfRateChanged(m_mainClock, mainRate);
    const double secondRate = m_second.rate();
    forgetIfRateChanged(m_secondClock, secondRate);

    const auto step =
        m_correction.next(m_mainClock.playTimeAt(now), m_secondClock.playTimeAt(now), mainRate);
    if (step.seekTo) {
        auto target = static_cast<std::int64_t>(std::llround(*step.seekTo));
        if (m_second.length() > 0) {
            target = std::min(target, m_second.length());
        }
        m_second.setTime(target);
        m_secondClock.forget();
    }
    if (!sameRate(secondRate, step.rate)) {
        m_second.setRate(step.rate);
        m_secondClock.changeRate(step.rate, now);
    }
}

void ZRVStepKeeper::forgetIfRateChanged(ZRVPlayClock& clock, double rate) {
    if (clock.rate() > 0.0 && !sameRate(clock.rate(), rate)) {
        clock.forget();
    }
}

double ZRVStepKeeper::nowMs() const {
    return m_nowSeconds() * 1000.0;
}

bool ZRVStepKeeper::bothPlaying() const {
    return m_main.isPlaying() && m_second.isPlaying();
}
