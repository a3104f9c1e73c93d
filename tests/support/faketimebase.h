#pragma once

#include "platform/timebase.h"

#include <cstdint>
#include <functional>
#include <list>
#include <vector>

namespace testing_support {

// A virtual clock for tests: time moves only when a wait or advance() moves it,
// and timers fire at exactly their due times on that clock. A handler that
// waits inside a tick moves the clock on from within, as real time would.
class FakeTimeBase final : public platform::TimeBase {
public:
    explicit FakeTimeBase(std::uint32_t start = 1000) : m_start(start) {}
    ~FakeTimeBase() override;

    std::uint32_t now() override { return static_cast<std::uint32_t>(m_start + m_time); }
    std::unique_ptr<platform::Timer> createTimer(std::function<void()> tick) override;

    // Moves the clock on by ms, firing every timer and scheduled call that
    // falls due, in time order.
    void advance(std::uint32_t ms) { pump(ms); }

    // Runs fn when the clock reaches now() + delay (inside whatever wait or
    // advance is running then).
    void at(std::uint32_t delay, std::function<void()> fn);

    // How many pump calls the waits made, and the total ms they asked for.
    int pumpCalls() const { return m_pumpCalls; }

    // A pump may move the clock by less than asked, as a real one may return
    // early; with step > 0 each pump moves at most step ms.
    void setPumpStep(std::uint32_t step) { m_step = step; }

    struct FakeTimer;

protected:
    void pump(std::uint32_t ms) override;

private:
    struct Scheduled {
        std::uint64_t due;
        std::function<void()> fn;
    };

    bool runNextDue(std::uint64_t until);

    // The virtual clock runs on 64 bits; now() shows its low 32 bits, so a
    // start near 2^32 shows the wrap exactly as the real counter would.
    std::uint64_t m_time = 0;
    std::uint32_t m_start;
    std::list<FakeTimer*> m_timers;
    std::vector<Scheduled> m_scheduled;
    int m_pumpCalls = 0;
    std::uint32_t m_step = 0;
    friend struct FakeTimer;
};

}  // namespace testing_support
