#include "exercise/randomkeynote.h"

#include <algorithm>

namespace exercise {

std::vector<std::int16_t> keyNotes(keyboard::pitch::KeySignature key, keyboard::pitch::KeyRange range)
{
    std::vector<std::int16_t> notes;
    for (int note = std::max(range.lowest, 0); note <= std::min(range.highest, 127); ++note) {
        if (key.contains(note)) {
            notes.push_back(static_cast<std::int16_t>(note));
        }
    }
    return notes;
}

RandomKeyNote::RandomKeyNote(std::mt19937& rng, keyboard::pitch::KeySignature key, keyboard::pitch::KeyRange range)
    : m_rng(rng), m_key(key), m_notes(keyNotes(key, range))
{
}

std::optional<std::int16_t> RandomKeyNote::randomnote()
{
    if (m_notes.empty()) {
        return std::nullopt;
    }
    // Uniform over the notes but the last one: a pick among one fewer, moved
    // past the last note's place.
    const auto last = std::find(m_notes.begin(), m_notes.end(), lastNote);
    const bool excluded = last != m_notes.end() && m_notes.size() > 1;
    const auto candidates = static_cast<int>(m_notes.size()) - (excluded ? 1 : 0);
    auto pick = static_cast<std::size_t>(std::uniform_int_distribution<int>(0, candidates - 1)(m_rng));
    if (excluded && pick >= static_cast<std::size_t>(last - m_notes.begin())) {
        ++pick;
    }
    lastNote = m_notes[pick];
    return lastNote;
}

}  // namespace exercise
