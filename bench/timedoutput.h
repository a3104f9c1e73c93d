#pragma once

#include "platform/midiout.h"
#include "sound/shortmsg.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

// A MIDI output system whose one device stamps every message with the
// steady clock at the moment send() is called, that is when the window hands
// the message to what would be the synthesizer, and plays nothing.
class TimedOutputSystem final : public midi::OutputSystem {
public:
    struct Message {
        Clock::time_point at;
        std::uint32_t message;
    };

    TimedOutputSystem() { m_messages.reserve(1 << 16); }

    std::vector<std::string> deviceNames() override { return {"Timed recorder"}; }
    midi::Result openDevice(std::uint32_t deviceId, std::unique_ptr<midi::OutputDevice>& device) override;

    const std::vector<Message>& messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

private:
    std::vector<Message> m_messages;
};

// A note-on with a velocity above 0 (a note-on of velocity 0 is a note-off).
inline bool isNoteOn(std::uint32_t message)
{
    return sound::startsNote(message);
}

}  // namespace bench
