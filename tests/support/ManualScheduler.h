#pragma once

#include <algorithm>
#include <functional>
#include <vector>

// A scheduler on a clock that moves only when the test says so. Actions due
// by the new time run in the order they fall due; actions they schedule in
// turn run too if they fall due within the same step.
class ManualScheduler {
public:
    void schedule(double seconds, std::function<void()> action) {
        m_pending.push_back({m_now + seconds, m_sequence++, std::move(action)});
    }

    auto asFunction() {
        return [this](double seconds, std::function<void()> action) {
            schedule(seconds, std::move(action));
        };
    }

    // Runs what falls due within the next `seconds`; `moveTo` lets a test
    // move other clocks (fake players) to each action's time first.
    void advance(double seconds, const std::function<void(double)>& moveTo = {}) {
        const double end = m_now + seconds;
        for (;;) {
            auto next = std::min_element(
                m_pending.begin(), m_pending.end(), [](const Entry& a, const Entry& b) {
                    return a.due < b.due || (a.due == b.due && a.order < b.order);
                });
            if (next == m_pending.end() || next->due > end + 1e-9) {
                break;
            }
            Entry entry = std::move(*next);
            m_pending.erase(next);
            if (moveTo) {
                moveTo(entry.due - m_now);
            }
            m_now = std::max(m_now, entry.due);
            entry.action();
        }
        if (moveTo && end > m_now) {
            moveTo(end - m_now);
        }
        m_now = end;
    }

    double now() const { return m_now; }
    std::size_t pendingCount() const { return m_pending.size(); }

private:
    struct Entry {
        double due;
        unsigned long order;
        std::function<void()> action;
    };
    std::vector<Entry> m_pending;
    double m_now = 0;
    unsigned long m_sequence = 0;
};
