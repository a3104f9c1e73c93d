#pragma once

#include "platform/midiout.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// A MIDI output system that records every message with the time it was sent,
// and can be told to refuse the open with a given result code.
class RecordingOutputSystem final : public midi::OutputSystem {
public:
    struct Message {
        std::uint32_t time;
        std::uint8_t status;
        std::uint8_t data1;
        std::uint8_t data2;
        bool operator==(const Message&) const = default;
    };

    explicit RecordingOutputSystem(std::function<std::uint32_t()> clock = [] { return 0U; }) : m_clock(std::move(clock))
    {
    }

    std::vector<std::string> deviceNames() override { return {"Recorder"}; }
    midi::Result openDevice(std::uint32_t deviceId, std::unique_ptr<midi::OutputDevice>& device) override;

    void failOpenWith(midi::Result code) { m_openResult = code; }
    // What the open device's state() answers from now on: midi::rc::notReady
    // for a device still getting ready, another code for one that failed
    // after its open. Its messages are recorded whatever it answers.
    void setDeviceState(midi::Result code) { m_deviceState = code; }
    int openCalls() const { return m_openCalls; }

    const std::vector<Message>& messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

    // Note-ons without a later note-off, as (note, count) pairs: notes still sounding.
    std::vector<std::pair<int, int>> sounding() const;
    int count(std::uint8_t status, int note) const;

private:
    std::function<std::uint32_t()> m_clock;
    std::vector<Message> m_messages;
    midi::Result m_openResult = midi::rc::noError;
    midi::Result m_deviceState = midi::rc::noError;
    int m_openCalls = 0;
};

}  // namespace testing_support
