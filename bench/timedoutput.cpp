#include "bench/timedoutput.h"

namespace bench {

namespace {

class TimedDevice final : public midi::OutputDevice {
public:
    explicit TimedDevice(std::vector<TimedOutputSystem::Message>& log) : m_log(log) {}

    midi::Result send(std::uint32_t message) override
    {
        // The clock first: the stamp is the moment of the call, not of the
        // bookkeeping after it. The log's room is reserved up front, so the
        // push does not allocate in a timed run.
        const Clock::time_point now = Clock::now();
        m_log.push_back({now, message});
        return midi::rc::noError;
    }

private:
    std::vector<TimedOutputSystem::Message>& m_log;
};

}  // namespace

midi::Result TimedOutputSystem::openDevice(std::uint32_t deviceId, std::unique_ptr<midi::OutputDevice>& device)
{
    if (deviceId != 0) {
        return midi::rc::badDeviceId;
    }
    device = std::make_unique<TimedDevice>(m_messages);
    return midi::rc::noError;
}

}  // namespace bench
