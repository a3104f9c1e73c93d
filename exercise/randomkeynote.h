#pragma once

#include "keyboard/keysignature.h"
#include "keyboard/pitch.h"

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace exercise {

// The notes of a key within a span of keys, in rising order.
std::vector<std::int16_t> keyNotes(keyboard::pitch::KeySignature key, keyboard::pitch::KeyRange range);

// Draws notes of a key within a span of keys, as RandomNote draws the treble
// clef's: uniform over the notes other than the one returned last, so two
// draws in a row always differ.
class RandomKeyNote {
public:
    RandomKeyNote(std::mt19937& rng, keyboard::pitch::KeySignature key, keyboard::pitch::KeyRange range);

    // The next note; nothing when the span holds no note of the key. A span
    // with a single note of the key gives it every time, the one case where
    // a note comes twice in a row (a drill wants at least three).
    std::optional<std::int16_t> randomnote();

    const std::vector<std::int16_t>& notes() const { return m_notes; }
    keyboard::pitch::KeySignature key() const { return m_key; }

    // The note returned last; 0 (no note of any span on the keyboard) before
    // the first draw, so that every note can come first.
    std::int16_t lastNote = 0;

private:
    std::mt19937& m_rng;
    keyboard::pitch::KeySignature m_key;
    std::vector<std::int16_t> m_notes;
};

}  // namespace exercise
