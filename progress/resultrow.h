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
    // The exercise the note was asked in; the defaults are the drill's. A row
    // holds fifths only for a key and phrasePlace only for a phrase.
    exercise::VariantKind variant = exercise::VariantKind::Drill;
    std::optional<int> fifths;       // Key: -4 (four flats) to 4 (four sharps)
    std::optional<int> phrasePlace;  // Phrase: the note's place in its phrase, 1 to 8
    // Alto or Tenor: the note was written in that C clef, which the clef
    // column names; clef then says its side of middle C.
    std::optional<keyboard::pitch::StaffClef> cClef;
    bool operator==(const NoteResult&) const = default;
};

// A row the first eleven columns hold whole: a note of the drill, in the
// treble or bass clef.
inline bool isDrillRow(const NoteResult& row)
{
    return row.variant == exercise::VariantKind::Drill && !row.cClef;
}

namespace csv {
constexpr std::string_view header =
    "started,run,mode,place,note,clef,accidental,outcome,sounded,response_ms,wrong_keys";
constexpr int columns = 11;
// Files begun since the exercise has variants: the same columns and three
// more at the end, so that a reader of the first eleven reads on. A file that
// starts with the shorter header keeps it while only drill rows go in.
// (The new names one literal each: the check of unmarked texts would take
// two words and a comma for a sentence.)
constexpr std::string_view fullHeader =
    "started,run,mode,place,note,clef,accidental,outcome,sounded,response_ms,wrong_keys"
    ",variant"
    ",key"
    ",phrase_place";
constexpr int fullColumns = 14;
constexpr int highestPlace = 999;  // runs are 50 notes; a little room for longer ones
// What the program writes and so what a row may hold: the notes of the
// on-screen piano (C2 to F6), answers within an hour.
constexpr int lowestNote = 36;
constexpr int highestNote = 89;
constexpr std::uint32_t maxResponseMs = 3'600'000;  // exclusive
}  // namespace csv

// Whether a row has the eleven columns of header or all the fourteen of fullHeader.
enum class RowWidth { Short, Full };

// Appends the row, ending in '\n', to out: a drill row in the eleven columns
// unless width is Full, any other row in the fourteen.
void appendCsvRow(std::string& out, const NoteResult& row, RowWidth width = RowWidth::Short);

// Reads one line (no line end; a trailing '\r' is allowed) of eleven or
// fourteen columns. Nothing for a line that is not a complete, consistent row
// as the program writes it (a real date, a note of the piano, an answer within
// the hour, a key only in a key and a phrase place only in a phrase), either
// header line included.
std::optional<NoteResult> parseCsvRow(std::string_view line);

// Whether the line (no line end; a trailing '\r' is allowed) is one of the headers.
bool isCsvHeader(std::string_view line);

// Rows as text, whole lines, made as wide as fullHeader wants: each line of
// eleven fields gets the three empty ones at its end (before a '\r'). A line
// with no '\n' at its end is given one.
std::string widenedRows(std::string_view rows);
// The same rows in header's eleven columns: a drill row of fourteen loses its
// three empty ones. Nothing when a row holds more (a row of a variant).
std::optional<std::string> shortenedRows(std::string_view rows);

std::string_view outcomeName(Outcome outcome);

}  // namespace progress
