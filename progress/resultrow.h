#pragma once

#include "exercise/runrecord.h"
#include "picture/engraving.h"
#include "progress/mistakes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One row of the results file: the result of one note shown in a run.
namespace progress {

// Unshown: the note's picture could not be put up, so the pupil never saw it.
using Outcome = exercise::Outcome;

struct WrongKey {
    int key = 0;  // MIDI note of the key pressed
    MistakeKind kind = MistakeKind::Other;
    bool operator==(const WrongKey&) const = default;
};

struct NoteResult {
    std::string started;  // local date and time of the run's start, ISO 8601 with its UTC offset
    std::string run;      // the run's id, the same on each of its rows and unique to it
    int mode = 0;         // exercise mode, 1 to 6
    int place = 0;        // place of the note in its run, from 1
    int note = 0;         // MIDI note asked
    art::Clef clef = art::Clef::Treble;
    art::Accidental accidental = art::Accidental::None;  // as written: None for a white key
    Outcome outcome = Outcome::Missed;
    bool sounded = false;                     // the note was played as it appeared
    std::optional<std::uint32_t> responseMs;  // right only: ms from the start of the tick to the right key
    std::vector<WrongKey> wrongKeys;          // before the right key or the end, in the order pressed
    bool operator==(const NoteResult&) const = default;
};

namespace csv {
constexpr std::string_view header =
    "started,run,mode,place,note,clef,accidental,outcome,sounded,response_ms,wrong_keys";
constexpr int columns = 11;
constexpr int highestPlace = 999;  // runs are 50 notes; a little room for longer ones
// What the program writes and so what a row may hold: the notes of the
// on-screen piano (C2 to F6), answers within an hour.
constexpr int lowestNote = 36;
constexpr int highestNote = 89;
constexpr std::uint32_t maxResponseMs = 3'600'000;  // exclusive
}  // namespace csv

// Appends the row, ending in '\n', to out.
void appendCsvRow(std::string& out, const NoteResult& row);

// Reads one line (no line end; a trailing '\r' is allowed). Nothing for a
// line that is not a complete, consistent row as the program writes it (a
// real date, a note of the piano, an answer within the hour), the header line
// included.
std::optional<NoteResult> parseCsvRow(std::string_view line);

std::string_view outcomeName(Outcome outcome);

}  // namespace progress
