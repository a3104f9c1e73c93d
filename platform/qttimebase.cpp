#include "platform/qttimebase.h"

#include <QTimer>

namespace platform {

namespace {

class QtTimer final : public Timer {
public:
    explicit QtTimer(std::function<void()> tick) : m_tick(std::move(tick))
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { m_tick(); });
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
    void restart()
    {
        if (m_interval > 0) {
            m_timer.start(m_interval);
        } else {
            m_timer.stop();
        }
    }

    std::function<void()> m_tick;
    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
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

std::unique_ptr<Timer> QtTimeBase::createTimer(std::function<void()> tick)
{
    return std::make_unique<QtTimer>(std::move(tick));
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
    loop.exec();
    m_loops.pop_back();
}

void QtTimeBase::onShutDown()
{
    for (QEventLoop* loop : m_loops) {
        loop->quit();
    }
}

}  // namespace platform
