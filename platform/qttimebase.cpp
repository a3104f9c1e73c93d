#include "platform/qttimebase.h"

#include <QTimer>
#include <algorithm>

namespace platform {

namespace {

constexpr std::int64_t nsPerMs = 1'000'000;

class QtTimer final : public Timer {
public:
    QtTimer(QtTimeBase& base, std::function<void()> tick) : m_base(base), m_tick(std::move(tick))
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { fire(); });
    }

    void setInterval(int ms) override
    {
        m_interval = ms;
        if (m_enabled) {
            restart();
        }
    }
    int interval() const override { return m_interval; }

    void setEnabled(bool enabled) override
    {
        m_enabled = enabled;
        if (enabled) {
            restart();
        } else {
            m_timer.stop();
        }
    }
    bool isEnabled() const override { return m_enabled; }

private:
    // A new countdown of one full period, from now or, inside a tick, from
    // the time that tick was due.
    void restart()
    {
        if (m_interval <= 0) {
            m_timer.stop();
            return;
        }
        const std::int64_t from = m_base.tickDue().value_or(m_base.nowNs());
        m_due = from + static_cast<std::int64_t>(m_interval) * nsPerMs;
        arm();
    }

    // Qt timers count whole milliseconds from the call; the nearest whole
    // number of them lands within half a millisecond of the due time.
    void arm()
    {
        const std::int64_t left = m_due - m_base.nowNs();
        const auto ms = static_cast<int>(std::max<std::int64_t>(0, (left + nsPerMs / 2) / nsPerMs));
        m_timer.start(ms);
    }

    void fire()
    {
        if (!m_enabled) {
            return;
        }
        const std::int64_t due = m_due;
        // The next tick follows the schedule; one that fell far behind (a
        // handler that waited longer than a period) starts afresh from now.
        m_due += static_cast<std::int64_t>(m_interval) * nsPerMs;
        if (m_due <= m_base.nowNs()) {
            m_due = m_base.nowNs() + static_cast<std::int64_t>(m_interval) * nsPerMs;
        }
        arm();
        m_base.enterTick(due);
        m_tick();
        m_base.leaveTick();
    }

    QtTimeBase& m_base;
    std::function<void()> m_tick;
    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
    std::int64_t m_due = 0;
};

}  // namespace

QtTimeBase::QtTimeBase()
{
    m_clock.start();
}

std::uint32_t QtTimeBase::now()
{
    return static_cast<std::uint32_t>(m_clock.elapsed());
}

std::optional<std::int64_t> QtTimeBase::tickDue() const
{
    return m_ticks.empty() ? std::nullopt : m_ticks.back();
}

std::unique_ptr<Timer> QtTimeBase::createTimer(std::function<void()> tick)
{
    return std::make_unique<QtTimer>(*this, std::move(tick));
}

void QtTimeBase::pump(std::uint32_t ms)
{
    QEventLoop loop;
    QTimer deadline;
    deadline.setTimerType(Qt::PreciseTimer);
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(static_cast<int>(ms));
    m_loops.push_back(&loop);
    enterTick(std::nullopt);  // what runs inside the wait is no part of the tick
    loop.exec();
    leaveTick();
    m_loops.pop_back();
}

void QtTimeBase::onShutDown()
{
    for (QEventLoop* loop : m_loops) {
        loop->quit();
    }
}

}  // namespace platform
