#pragma once

#include <array>
#include <cstdint>
#include <random>

namespace exercise {

// The white keys from E3 to F6, the notes of the treble-clef exercise. The
// table index is what the last-pick memory holds; the value is the MIDI note
// number, which is also the index of the key that answers it.
constexpr std::array<std::int16_t, 23> trebleWhiteKeys = {52, 53, 55, 57, 59, 60, 62, 64, 65, 67, 69, 71,
                                                          72, 74, 76, 77, 79, 81, 83, 84, 86, 88, 89};

// Draws the next treble-clef note: uniform over the table, never the entry it
// returned last. lastpick starts at 0, so the very first note is never E3.
class RandomNote {
public:
    explicit RandomNote(std::mt19937& rng) : m_rng(rng) {}

    std::int16_t randomnote();

    // Table index (0 to 22) of the note returned last; kept across runs.
    std::int16_t lastpick = 0;

private:
    std::mt19937& m_rng;
};

}  // namespace exercise
