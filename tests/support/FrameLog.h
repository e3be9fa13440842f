#pragma once

#include "platform/ZRVVlcMediaPlayer.h"
#include "support/FrameNumberReader.h"

#include <QImage>
#include <QSize>
#include <algorithm>
#include <chrono>
#include <mutex>
#include <vector>

// The frame numbers a player showed and when, written from libVLC's output
// thread and read on the test's.
class FrameLog {
public:
    using Clock = std::chrono::steady_clock;

    ZRVVlcMediaPlayer::FrameSink sink() {
        return [this](const QImage& frame) {
            const auto shownAt = Clock::now();
            const auto number = FrameNumberReader::read(frame);
            const std::lock_guard lock(m_mutex);
            m_size = frame.size();
            if (number) {
                m_shown.push_back({shownAt, *number});
            } else {
                ++m_unreadable;
            }
        };
    }

    // The frame on show at that moment; -1 before the first.
    int numberAt(Clock::time_point when) const {
        const std::lock_guard lock(m_mutex);
        const auto after = std::upper_bound(
            m_shown.begin(), m_shown.end(), when,
            [](Clock::time_point time, const Shown& shown) { return time < shown.at; });
        return after == m_shown.begin() ? -1 : std::prev(after)->number;
    }
    int latest() const { return numberAt(Clock::now()); }

    std::vector<int> numbers() const {
        const std::lock_guard lock(m_mutex);
        std::vector<int> numbers;
        for (const auto& shown : m_shown) {
            numbers.push_back(shown.number);
        }
        return numbers;
    }
    int unreadable() const {
        const std::lock_guard lock(m_mutex);
        return m_unreadable;
    }
    QSize size() const {
        const std::lock_guard lock(m_mutex);
        return m_size;
    }

private:
    struct Shown {
        Clock::time_point at;
        int number;
    };
    mutable std::mutex m_mutex;
    std::vector<Shown> m_shown;
    int m_unreadable = 0;
    QSize m_size;
};

// Frames the main player is ahead of the second, sampled every 5 ms of the
// last `span`: both logs are read at the same moments, so a busy test thread
// cannot skew the comparison.
inline std::vector<int> framesAhead(const FrameLog& main, const FrameLog& second,
                                    std::chrono::milliseconds span) {
    std::vector<int> ahead;
    const auto end = FrameLog::Clock::now();
    for (auto at = end - span; at < end; at += std::chrono::milliseconds(5)) {
        ahead.push_back(main.numberAt(at) - second.numberAt(at));
    }
    return ahead;
}

inline double shareWithinOneFrame(const std::vector<int>& ahead) {
    const auto within =
        std::count_if(ahead.begin(), ahead.end(), [](int n) { return n >= -1 && n <= 1; });
    return ahead.empty() ? 0.0 : static_cast<double>(within) / static_cast<double>(ahead.size());
}
