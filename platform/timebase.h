#pragma once

#include <cstdint>
#include <functional>
#include <memory>

// The clock, timers and timed waits that the window runs on. The real one is
// built on Qt's event loop; tests put a virtual clock in its place so that
// whole exercise runs take no real time.
namespace platform {

// A window timer: periodic while enabled, with a period in milliseconds.
// Enabling it (again) starts a new countdown of one full period; a period of
// 0 keeps it from ever firing. Its tick runs on the window's thread.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
};

class TimeBase {
public:
    virtual ~TimeBase() = default;

    // Milliseconds on a 32-bit counter that wraps after 2^32 ms.
    virtual std::uint32_t now() = 0;

    virtual std::unique_ptr<Timer> createTimer(std::function<void()> tick) = 0;

    // Returns once at least ms milliseconds have passed on now(), handling every
    // window event meanwhile, so handlers run nested inside the wait. 0 or less
    // returns at once. Elapsed time is the unsigned difference of two readings,
    // which stays right across the wrap of the counter and across its passage
    // from the largest positive to the most negative signed value.
    void waitms(std::int32_t ms);

    // After this every wait returns at once: the window is closing and nothing
    // that waits may keep it alive.
    void shutDown();
    bool isShutDown() const { return m_shutDown; }

protected:
    // Handle window events for up to ms milliseconds; may return early.
    virtual void pump(std::uint32_t ms) = 0;
    // Called once by shutDown(), so that a pump in progress can return.
    virtual void onShutDown() {}

private:
    bool m_shutDown = false;
};

}  // namespace platform
