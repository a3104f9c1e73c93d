#include "tests/support/faketimebase.h"

#include <QCoreApplication>
#include <algorithm>

namespace testing_support {

struct FakeTimeBase::FakeTimer final : platform::Timer {
    FakeTimer(FakeTimeBase& base, std::function<void()> tick) : base(base), tick(std::move(tick)) {}
    ~FakeTimer() override { base.m_timers.remove(this); }

    void setInterval(int ms) override
    {
        period = ms;
        if (enabled) {
            due = base.m_time + static_cast<std::uint64_t>(std::max(ms, 0));
        }
    }
    int interval() const override { return period; }
    void setEnabled(bool on) override
    {
        enabled = on;
        if (on) {
            due = base.m_time + static_cast<std::uint64_t>(std::max(period, 0));
        }
    }
    bool isEnabled() const override { return enabled; }
    bool armed() const { return enabled && period > 0; }

    FakeTimeBase& base;
    std::function<void()> tick;
    int period = 0;
    bool enabled = false;
    bool running = false;  // a timer does not fire again inside its own tick
    std::uint64_t due = 0;
};

FakeTimeBase::~FakeTimeBase()
{
    for (FakeTimer* t : m_timers) {
        t->enabled = false;
    }
}

std::unique_ptr<platform::Timer> FakeTimeBase::createTimer(std::function<void()> tick)
{
    auto timer = std::make_unique<FakeTimer>(*this, std::move(tick));
    m_timers.push_back(timer.get());
    return timer;
}

void FakeTimeBase::at(std::uint32_t delay, std::function<void()> fn)
{
    m_scheduled.push_back({m_time + delay, std::move(fn)});
}

bool FakeTimeBase::runNextDue(std::uint64_t until)
{
    FakeTimer* timer = nullptr;
    std::uint64_t due = until + 1;
    for (FakeTimer* t : m_timers) {
        if (t->armed() && !t->running && t->due < due) {
            timer = t;
            due = t->due;
        }
    }
    auto call = m_scheduled.end();
    for (auto it = m_scheduled.begin(); it != m_scheduled.end(); ++it) {
        if (it->due < due || (it->due == due && timer == nullptr)) {
            call = it;
            due = it->due;
            timer = nullptr;
        }
    }
    if (due > until) {
        return false;
    }
    m_time = std::max(m_time, due);
    if (call != m_scheduled.end()) {
        auto fn = std::move(call->fn);
        m_scheduled.erase(call);
        fn();
        return true;
    }
    // Periodic: the next due time follows the schedule, not the lateness.
    timer->due += static_cast<std::uint64_t>(timer->period);
    if (timer->due <= m_time) {
        timer->due = m_time + 1;
    }
    timer->running = true;
    // The tick may destroy nothing here: timers belong to the window, which
    // outlives every wait.
    timer->tick();
    timer->running = false;
    return true;
}

void FakeTimeBase::pump(std::uint32_t ms)
{
    ++m_pumpCalls;
    if (m_step > 0) {
        ms = std::min(ms, m_step);
    }
    const std::uint64_t until = m_time + ms;
    QCoreApplication::processEvents();
    while (!isShutDown() && runNextDue(until)) {
        QCoreApplication::processEvents();
    }
    if (!isShutDown()) {
        m_time = std::max(m_time, until);
    }
}

}  // namespace testing_support
