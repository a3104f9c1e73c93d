#pragma once

#include <cstdint>
#include <optional>

// MIDI short messages as MidiOut::shortMsg takes them: the status byte in the
// low byte, then data 1 and data 2. The status is the kind of message in its
// high nibble and the channel (0 for MIDI channel 1) in its low nibble. The
// window sends note-on and note-off on channel 1, at velocity 127 from the
// mouse, and control changes (the sustain pedal).
namespace sound {

// The kinds of message, on channel 1.
constexpr std::uint32_t noteOffStatus = 0x80;
constexpr std::uint32_t noteOnStatus = 0x90;
constexpr std::uint32_t keyPressureStatus = 0xA0;
constexpr std::uint32_t controlChangeStatus = 0xB0;
constexpr std::uint32_t programChangeStatus = 0xC0;
constexpr std::uint32_t channelPressureStatus = 0xD0;
constexpr std::uint32_t pitchBendStatus = 0xE0;
constexpr std::uint32_t systemStatus = 0xF0;  // 0xF0 to 0xFF: no channel

constexpr std::uint32_t kindMask = 0xF0;
constexpr std::uint32_t channelMask = 0x0F;
constexpr std::uint32_t dataMask = 0x7F;  // data bytes have 7 bits

constexpr std::uint32_t fullVelocity = 0x7F;  // 127: there is no loudness control

// Controller numbers.
constexpr int sustainController = 64;  // the damper pedal: 64 to 127 down, below 64 up
constexpr int allSoundOffController = 120;
constexpr int allNotesOffController = 123;

// The status byte of a kind on a channel (0 to 15).
constexpr std::uint32_t onChannel(std::uint32_t kind, int channel)
{
    return kind + (static_cast<std::uint32_t>(channel) & channelMask);
}

// Packs the three bytes as they are, unchecked.
constexpr std::uint32_t packShortMessage(std::uint32_t status, int data1, int data2)
{
    return status + 256U * static_cast<std::uint32_t>(data1) + 65536U * static_cast<std::uint32_t>(data2);
}

// The three bytes of a packed message.
constexpr std::uint32_t statusOf(std::uint32_t message)
{
    return message & 0xFFU;
}
constexpr std::uint32_t kindOf(std::uint32_t message)
{
    return message & kindMask;
}
constexpr int channelOf(std::uint32_t message)
{
    return static_cast<int>(message & channelMask);
}
constexpr int data1Of(std::uint32_t message)
{
    return static_cast<int>((message >> 8) & dataMask);
}
constexpr int data2Of(std::uint32_t message)
{
    return static_cast<int>((message >> 16) & dataMask);
}

// A note-on that starts a note: a note-on at velocity 0 is a note-off.
constexpr bool startsNote(std::uint32_t message)
{
    return kindOf(message) == noteOnStatus && data2Of(message) != 0;
}
// A note-off, or a note-on at velocity 0.
constexpr bool endsNote(std::uint32_t message)
{
    return kindOf(message) == noteOffStatus || (kindOf(message) == noteOnStatus && data2Of(message) == 0);
}

// The packed message for note (or controller) 0 to 127; nothing for any other number, so that
// an out-of-range note is never sent as some other message.
constexpr std::optional<std::uint32_t> shortMessage(std::uint32_t status, int note,
                                                    std::uint32_t velocity = fullVelocity)
{
    if (note < 0 || note > 127 || velocity > 127) {
        return std::nullopt;
    }
    return packShortMessage(status, note, static_cast<int>(velocity));
}

constexpr std::optional<std::uint32_t> noteOnMessage(int note)
{
    return shortMessage(noteOnStatus, note);
}
constexpr std::optional<std::uint32_t> noteOffMessage(int note)
{
    return shortMessage(noteOffStatus, note);
}

// A control change on a channel, unchecked: controlChange(0, sustainController, 127) is the pedal down.
constexpr std::uint32_t controlChange(int channel, int controller, int value)
{
    return packShortMessage(onChannel(controlChangeStatus, channel), controller, value);
}

}  // namespace sound
