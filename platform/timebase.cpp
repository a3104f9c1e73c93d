#include "platform/timebase.h"

namespace platform {

void TimeBase::waitms(std::int32_t ms)
{
    if (ms <= 0) {
        return;
    }
    const auto duration = static_cast<std::uint32_t>(ms);
    const std::uint32_t start = now();
    while (!m_shutDown) {
        const std::uint32_t elapsed = now() - start;  // modulo 2^32: wrap-safe
        if (elapsed >= duration) {
            return;
        }
        pump(duration - elapsed);
    }
}

void TimeBase::shutDown()
{
    if (!m_shutDown) {
        m_shutDown = true;
        onShutDown();
    }
}

}  // namespace platform
