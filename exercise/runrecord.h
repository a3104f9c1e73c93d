#pragma once

#include "exercise/variant.h"
#include "keyboard/pitch.h"
#include "keyboard/staffclef.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// What a run of the exercise leaves behind: each note that closed, how it was
// written, and what became of it.
namespace exercise {

using keyboard::pitch::Accidental;
using keyboard::pitch::Clef;

// How a note was written on the staff: its clef, and the sign a black key
// carries (None for a white key).
struct Written {
    Clef clef = Clef::Treble;
    Accidental accidental = Accidental::None;
    bool operator==(const Written&) const = default;
};

// The writing a picture prefix stands for ("1" treble sharps, "2" treble
// flats, "3" bass sharps, "4" bass flats); nothing for any other text.
std::optional<Written> writtenFromPrefix(std::string_view prefix, int note);

// Unshown: the note's picture could not be put up, so the pupil never saw it.
enum class Outcome { Right, Missed, Stopped, Unshown };

struct FinishedNote {
    int place = 0;  // in its run, from 1
    int note = 0;   // MIDI note asked, the index of the key that answers it
    Written written;
    Outcome outcome = Outcome::Missed;
    bool sounded = false;                     // played as it appeared
    std::optional<std::uint32_t> responseMs;  // right only: ms from the start of its tick to the right key
    std::vector<int> wrongKeys;               // before the right key or the end, in the order pressed
    // The exercise it was asked in; the defaults are the drill's.
    VariantKind variant = VariantKind::Drill;
    std::optional<int> fifths;       // Key only: the key's signature, -4 (flats) to 4 (sharps)
    std::optional<int> phrasePlace;  // Phrase only: the note's place in its phrase, from 1
    // Alto or Tenor for a note written in a C clef (written.clef then says
    // its side of middle C).
    std::optional<keyboard::pitch::StaffClef> cClef;
    bool operator==(const FinishedNote&) const = default;
};

// A run once it has ended, with its notes in the order shown. A note that
// was on display when the run stopped but had not come up yet (stopped
// during its sound) is no note of the run.
struct FinishedRun {
    int mode = 0;
    bool stopped = false;
    std::vector<FinishedNote> notes;
};

}  // namespace exercise
