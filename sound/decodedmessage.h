#pragma once

#include "sound/shortmsg.h"

#include <cstdint>

// A packed short message (status in the low byte, then data 1 and data 2) as
// the backends need it: what kind, on which channel, with which values.
namespace sound {

enum class MessageKind { noteOff, noteOn, keyPressure, controller, programChange, channelPressure, pitchBend, other };

struct DecodedMessage {
    MessageKind kind = MessageKind::other;
    int channel = 0;  // 0 to 15 (MIDI channel 1 is 0)
    // noteOff/noteOn/keyPressure: key 0 to 127; controller: controller number;
    // programChange: program; channelPressure: pressure; pitchBend: the
    // 14-bit value, 0 to 16383, centre 8192.
    int data1 = 0;
    // noteOn/noteOff/keyPressure: velocity or pressure 0 to 127; controller:
    // value. A note-on with velocity 0 stays a note-on here: the MIDI
    // meaning (a note-off) is the receiver's business.
    int data2 = 0;
    bool operator==(const DecodedMessage&) const = default;
};

// System messages (0xF0 to 0xFF) and a first byte below 0x80 (running
// status, which a packed short message cannot use sensibly here) are
// MessageKind::other. Data bytes are taken on 7 bits.
constexpr DecodedMessage decodeShortMessage(std::uint32_t message)
{
    const int data1 = data1Of(message);
    const int data2 = data2Of(message);
    const int channel = channelOf(message);
    switch (kindOf(message)) {
    case noteOffStatus:
        return {MessageKind::noteOff, channel, data1, data2};
    case noteOnStatus:
        return {MessageKind::noteOn, channel, data1, data2};
    case keyPressureStatus:
        return {MessageKind::keyPressure, channel, data1, data2};
    case controlChangeStatus:
        return {MessageKind::controller, channel, data1, data2};
    case programChangeStatus:
        return {MessageKind::programChange, channel, data1, 0};
    case channelPressureStatus:
        return {MessageKind::channelPressure, channel, data1, 0};
    case pitchBendStatus:
        return {MessageKind::pitchBend, channel, data1 | (data2 << 7), 0};
    default:
        return {};
    }
}

}  // namespace sound
