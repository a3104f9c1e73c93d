#pragma once

#include <cstdint>

namespace keyboard {

// Where the input sources play: the MIDI keyboards and the computer keyboard
// hand their presses and releases to one of these (the main window; a
// recorder in the tests), never to the synthesizer directly.
class NoteSink {
public:
    virtual ~NoteSink() = default;

    // A press of note 0 to 127 at velocity 1 to 127. Not audible: the
    // instrument it came from sounds it itself, so it must not sound twice.
    virtual void noteDown(std::int16_t note, std::uint8_t velocity, bool audible) = 0;
    virtual void noteUp(std::int16_t note, bool audible) = 0;
    // A controller change (number and value 0 to 127) on the channel the
    // notes play on: the sustain pedal.
    virtual void controller(std::uint8_t number, std::uint8_t value) = 0;

protected:
    NoteSink() = default;
    NoteSink(const NoteSink&) = default;
    NoteSink& operator=(const NoteSink&) = default;
};

}  // namespace keyboard
