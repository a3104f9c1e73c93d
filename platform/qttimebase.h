#pragma once

#include "platform/timebase.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <vector>

namespace platform {

// The real time base: Qt's monotonic clock, precise QTimers and, for waits, a
// nested event loop that a precise single-shot timer quits at the deadline.
// The nested loop sleeps in the event dispatcher until the next event or the
// deadline, so a wait handles every event at once without spinning a core.
class QtTimeBase final : public TimeBase {
public:
    QtTimeBase();
    std::uint32_t now() override;
    std::unique_ptr<Timer> createTimer(std::function<void()> tick) override;

protected:
    void pump(std::uint32_t ms) override;
    void onShutDown() override;

private:
    QElapsedTimer m_clock;
    std::vector<QEventLoop*> m_loops;  // nested waits in progress, innermost last
};

}  // namespace platform
