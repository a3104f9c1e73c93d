#pragma once

#include "exercise/focus.h"
#include "exercise/notechoice.h"
#include "exercise/variant.h"
#include "keyboard/keysignature.h"
#include "keyboard/staffclef.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

// The notes of a run that is not the drill: notes of a key within the
// mode's span, each in a clef of the mode (the C clefs too when they are
// ticked).
namespace exercise {

using keyboard::pitch::KeySignature;
using keyboard::pitch::StaffClef;

struct VariantNote {
    std::int16_t note = 0;  // the key that answers it
    StaffClef clef = StaffClef::Treble;
    bool operator==(const VariantNote&) const = default;
};

// The clefs a mode writes in: treble for 1 and 2, bass for 3 and 4, both for
// 5 and 6, and for those two the alto and tenor clefs as well with cClefs.
std::vector<StaffClef> modeClefs(int mode, bool cClefs);

// The picture prefix that says how a note of a key is written in the
// treble or bass clef ("1" to "4", as the drill's pictures are named), for
// its record and its name picture.
std::string writtenPrefix(StaffClef clef, keyboard::pitch::Accidental spelling);

// The choice of a note written in clef with that spelling: the prefix of
// the clef (for a C clef, of the note's side of middle C) and the C clef.
NoteChoice choiceIn(StaffClef clef, std::int16_t note, keyboard::pitch::Accidental spelling);

class VariantChooser {
public:
    explicit VariantChooser(std::mt19937& rng) : m_rng(rng) {}

    // At a run's start: the key (drawn anew among the nine when the variant
    // asks for a new one at every run), the span of the mode within range
    // (the whole span when the range holds fewer than three of the key's
    // notes).
    void start(int mode, const Variant& variant, const std::optional<NoteRange>& range);

    KeySignature key() const { return m_key; }
    // The notes the run draws from, rising.
    const std::vector<std::int16_t>& notes() const { return m_notes; }

    // The variant's own records of the pupil (--focus): the notes of a
    // phrase or a key are drawn more often as they are harder, as the
    // drill's are. Nothing: evenly.
    void setFocus(std::optional<NoteRecords> records) { m_focus = std::move(records); }

    // The next note: over the key's notes of the span but the one drawn
    // last, evenly or by the records, in a clef of the mode that carries it (the treble clef from
    // middle C up and the bass clef below, as the drill writes them, or a C
    // clef whose range holds it).
    VariantNote next();

    // The next phrase: count notes in one clef, drawn as next() draws them
    // (none twice in a row), the clef that of its first note. Fewer when the
    // clef carries a single note.
    struct Phrase {
        StaffClef clef = StaffClef::Treble;
        std::vector<std::int16_t> notes;
    };
    Phrase nextPhrase(int count);

    // A drill note's clef when the C clefs are ticked: the clef the drill
    // writes it in, or a C clef of the mode whose range holds it, evenly.
    StaffClef clefOf(std::int16_t note, StaffClef drillClef);

private:
    std::int16_t draw(const std::vector<std::int16_t>& among);

    std::vector<StaffClef> clefsFor(std::int16_t note) const;
    // The key's notes from the first of keys to the last that a clef of the
    // mode carries.
    std::vector<std::int16_t> keyNotes(const std::vector<std::int16_t>& keys) const;

    std::mt19937& m_rng;
    KeySignature m_key;
    std::vector<StaffClef> m_clefs;
    std::vector<std::int16_t> m_notes;
    std::int16_t m_last = 0;
    std::optional<NoteRecords> m_focus;
};

}  // namespace exercise
