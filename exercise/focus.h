#pragma once

#include "keyboard/notenaming.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

// Practice that adapts to the pupil: the note choice weighted by what the
// pupil's recent results say, and a teacher's note range.
namespace exercise {

// What the recent results say of one key. Every count is weighted by how
// recent its run is (the latest run counts 1, older ones less), so the
// counts are not whole numbers.
struct NoteRecord {
    double asked = 0.0;   // notes that closed, right or missed
    double missed = 0.0;  // the answer time ran out
    double wrong = 0.0;   // right in the end, but after a wrong key
    double slow = 0.0;    // right, but slower than the pupil usually is
};
using NoteRecords = std::map<int, NoteRecord>;  // by MIDI note

namespace focus {
// Share of the draws spread evenly over every note of the mode, whatever the
// results say: each of n notes keeps at least floorShare / n of the chance.
constexpr double floorShare = 0.2;
// A wrong key before the right one, and a slow right answer, count as this
// much of a miss.
constexpr double wrongWeight = 0.5;
constexpr double slowWeight = 0.25;
// A note with no record counts as if it had been asked priorAsked times
// with priorMisses of them missed: unknown notes come back fairly often,
// and one lucky answer does not make a note "known".
constexpr double priorAsked = 2.0;
constexpr double priorMisses = 1.0;
}  // namespace focus

// How hard each key looks from its record: (misses + 0.5 wrong + 0.25 slow
// + 1) / (asked + 2), between 0 and 1.
double difficulty(const NoteRecord& record);

// The chance of each key of keys (same order, summing to 1): the floor share
// spread evenly, the rest in proportion to each key's difficulty.
std::vector<double> focusWeights(const std::vector<std::int16_t>& keys, const NoteRecords& records);

// Draws an index of weights with chance in proportion to its weight, never
// the index exclude (when given and when another index has weight). Weights
// must not be negative; an all-zero vector draws uniformly.
std::size_t weightedPick(const std::vector<double>& weights, std::optional<std::size_t> exclude, std::mt19937& rng);

// A teacher's note range, both ends included.
struct NoteRange {
    int low = 0;
    int high = 127;
    bool contains(int note) const { return note >= low && note <= high; }
    bool operator==(const NoteRange&) const = default;
};

// "60-67", "do3-sol3", "fa#2-ré 4", "si bémol 2-do 4": two MIDI numbers or
// two French names with their octave (middle C, 60, is do 3), low first,
// in any case ("FA DIÈSE 2"). Sharps are written '#', "♯" or "dièse", flats
// 'b', "♭" or "bémol". Nothing if the text is not a range. With a naming,
// its names are read too ("C4-G4", "c1-g1": keyboard/notenaming.h).
std::optional<NoteRange> parseNoteRange(std::string_view text, const keyboard::naming::Naming* naming = nullptr);

// What is wrong with a text that is no range.
enum class RangeFault {
    None,
    NotARange,   // not two notes with a dash between them
    OutOfRange,  // a note outside 0 to 127 (128, sol 9)
    HighFirst,   // the higher note first
};
struct NoteRangeRead {
    std::optional<NoteRange> range;
    RangeFault fault = RangeFault::None;
};
NoteRangeRead readNoteRange(std::string_view text, const keyboard::naming::Naming* naming = nullptr);

// One note: a MIDI number (0 to 127) or a French name with its octave.
std::optional<int> parseNoteName(std::string_view text);

}  // namespace exercise
