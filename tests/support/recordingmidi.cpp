#include "tests/support/recordingmidi.h"

#include "sound/shortmsg.h"

#include <map>

namespace testing_support {

namespace {

class RecordingDevice final : public midi::OutputDevice {
public:
    RecordingDevice(std::vector<RecordingOutputSystem::Message>& log, std::function<std::uint32_t()>& clock,
                    const midi::Result& state)
        : m_log(log), m_clock(clock), m_state(state)
    {
    }

    midi::Result state() const override { return m_state; }

    midi::Result send(std::uint32_t message) override
    {
        m_log.push_back({m_clock(), static_cast<std::uint8_t>(message & 0xFFU),
                         static_cast<std::uint8_t>((message >> 8) & 0xFFU),
                         static_cast<std::uint8_t>((message >> 16) & 0xFFU)});
        return midi::rc::noError;
    }

private:
    std::vector<RecordingOutputSystem::Message>& m_log;
    std::function<std::uint32_t()>& m_clock;
    const midi::Result& m_state;
};

}  // namespace

midi::Result RecordingOutputSystem::openDevice(std::uint32_t deviceId, std::unique_ptr<midi::OutputDevice>& device)
{
    ++m_openCalls;
    if (m_openResult != midi::rc::noError) {
        return m_openResult;
    }
    if (deviceId != 0) {
        return midi::rc::badDeviceId;
    }
    device = std::make_unique<RecordingDevice>(m_messages, m_clock, m_deviceState);
    return midi::rc::noError;
}

std::vector<std::pair<int, int>> RecordingOutputSystem::sounding() const
{
    std::map<int, int> held;
    for (const Message& m : m_messages) {
        const std::uint32_t message = sound::packShortMessage(m.status, m.data1, m.data2);
        if (sound::startsNote(message)) {
            ++held[m.data1];
        } else if (sound::endsNote(message)) {
            if (held[m.data1] > 0) {
                --held[m.data1];
            }
        }
    }
    std::vector<std::pair<int, int>> out;
    for (const auto& [note, n] : held) {
        if (n > 0) {
            out.emplace_back(note, n);
        }
    }
    return out;
}

int RecordingOutputSystem::count(std::uint8_t status, int note) const
{
    int n = 0;
    for (const Message& m : m_messages) {
        n += (m.status == status && m.data1 == note) ? 1 : 0;
    }
    return n;
}

}  // namespace testing_support
