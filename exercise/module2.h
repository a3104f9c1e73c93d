#pragma once

#include "exercise/randomnote.h"
#include "keyboard/keybutton.h"
#include "platform/timebase.h"

#include <cstdint>
#include <functional>

namespace exercise {

// The shared procedures of the exercise, in one place: the wait that keeps
// the window handling its events, the treble-clef draw with its memory of
// the last pick, and the two key flashes. They reach the clock, the draw
// and the keys they are given; the window holds one of these.
class Module2 {
public:
    using KeyAt = std::function<KeyButton*(std::int16_t index)>;  // nullptr off the piano

    static constexpr int flashMs = 150;
    static constexpr std::uint32_t flashRed = 255;      // red in the low byte
    static constexpr std::uint32_t flashGreen = 65280;  // green in the middle byte

    Module2(platform::TimeBase& time, RandomNote& treble, KeyAt keyAt)
        : m_time(time), m_treble(treble), m_keyAt(std::move(keyAt))
    {
    }

    // Waits ms milliseconds while the window keeps handling its events.
    void waitms(std::int32_t ms) { m_time.waitms(ms); }
    // The next treble-clef note, never the one returned last.
    std::int16_t randomnote() { return m_treble.randomnote(); }
    // The key of index red (a missed note) or green (a right answer) for
    // 150 ms, then back to the colour it had, whatever happened meanwhile.
    void flashkey(std::int16_t index) { flash(index, flashRed); }
    void flashcorrect(std::int16_t index) { flash(index, flashGreen); }
    // Table index (0 to 22) of the treble note returned last; kept across runs.
    std::int16_t& lastpick() { return m_treble.lastpick; }

private:
    void flash(std::int16_t index, std::uint32_t colour)
    {
        KeyButton* key = m_keyAt(index);
        if (key == nullptr) {
            return;
        }
        const std::uint32_t before = key->BackColor();
        key->setBackColor(colour);
        waitms(flashMs);
        key->setBackColor(before);
    }

    platform::TimeBase& m_time;
    RandomNote& m_treble;
    KeyAt m_keyAt;
};

}  // namespace exercise
