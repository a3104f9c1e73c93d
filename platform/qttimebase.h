#pragma once

#include "platform/timebase.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// The real time base: Qt's monotonic clock, precise QTimers and, for waits, a
// nested event loop that a precise single-shot timer quits at the deadline.
// The nested loop sleeps in the event dispatcher until the next event or the
// deadline, so a wait handles every event at once without spinning a core.
//
// Timers keep an absolute schedule in nanoseconds: each tick is aimed at the
// due time of the one before plus the period, so lateness never adds up. A
// timer enabled inside another timer's tick counts its period from the time
// that tick was due, not from the moment its handler got round to it: the
// answer timer armed by a note tick fires on the note schedule, not on the
// schedule plus the tick's own lateness.
class QtTimeBase final : public TimeBase {
public:
    QtTimeBase();
    std::uint32_t now() override;
    std::unique_ptr<Timer> createTimer(std::function<void()> tick) override;

    // Nanoseconds on the same clock, for the timers' schedules.
    std::int64_t nowNs() const { return m_clock.nsecsElapsed(); }

    // While a tick's handler runs (and not inside a wait it makes, where other
    // events come in their own time): when that tick was due, in ns.
    std::optional<std::int64_t> tickDue() const;
    void enterTick(std::optional<std::int64_t> due) { m_ticks.push_back(due); }
    void leaveTick() { m_ticks.pop_back(); }

protected:
    void pump(std::uint32_t ms) override;
    void onShutDown() override;

private:
    QElapsedTimer m_clock;
    std::vector<QEventLoop*> m_loops;                  // nested waits in progress, innermost last
    std::vector<std::optional<std::int64_t>> m_ticks;  // innermost last; a wait pushes "none"
};

}  // namespace platform
