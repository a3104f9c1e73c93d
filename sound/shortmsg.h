#pragma once

#include <cstdint>
#include <optional>

// The messages the window sends: note-on and note-off on channel 1, at
// velocity 127 from the mouse, and control changes (the sustain pedal),
// packed for MidiOut::shortMsg (status in the low byte).
namespace sound {

constexpr std::uint32_t noteOnStatus = 0x90;   // note-on, channel 1
constexpr std::uint32_t noteOffStatus = 0x80;  // note-off, channel 1
constexpr std::uint32_t controlChangeStatus = 0xB0;  // control change, channel 1
constexpr std::uint32_t fullVelocity = 0x7F;   // 127: there is no loudness control

// The packed message for note (or controller) 0 to 127; nothing for any other number, so that
// an out-of-range note is never sent as some other message.
constexpr std::optional<std::uint32_t> shortMessage(std::uint32_t status, int note, std::uint32_t velocity = fullVelocity)
{
    if (note < 0 || note > 127 || velocity > 127) {
        return std::nullopt;
    }
    return status + 256U * static_cast<std::uint32_t>(note) + 65536U * velocity;
}

constexpr std::optional<std::uint32_t> noteOnMessage(int note) { return shortMessage(noteOnStatus, note); }
constexpr std::optional<std::uint32_t> noteOffMessage(int note) { return shortMessage(noteOffStatus, note); }

}  // namespace sound
