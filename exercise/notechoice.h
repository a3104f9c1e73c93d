#pragma once

#include "exercise/focus.h"
#include "exercise/randomnote.h"
#include "keyboard/keygeometry.h"
#include "keyboard/pitch.h"
#include "keyboard/staffclef.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace exercise {

// One note to show: the MIDI note (the index of the key that answers it) and
// the picture prefix that says how it is written: "1" treble (sharps),
// "2" treble (flats), "3" bass (sharps), "4" bass (flats).
struct NoteChoice {
    NoteChoice() = default;
    NoteChoice(std::int16_t n, std::string p, std::optional<keyboard::pitch::StaffClef> c = std::nullopt)
        : note(n), prefix(std::move(p)), cClef(c)
    {
    }

    std::int16_t note = 0;
    std::string prefix;
    // Alto or Tenor: written in that C clef instead (the prefix then says
    // the note's side of middle C and its sign).
    std::optional<keyboard::pitch::StaffClef> cClef;
    bool operator==(const NoteChoice&) const = default;
};

constexpr int firstMode = 1;
constexpr int lastMode = 6;

using keyboard::pitch::isBlackKey;

// The keys a mode draws from, in rising order.
std::vector<std::int16_t> modeKeys(int mode);

// The keys a mode draws from within a teacher's range (all of them without one).
std::vector<std::int16_t> modeKeys(int mode, const std::optional<NoteRange>& range);

// The fewest keys a mode may draw from. The same note never comes twice in
// a row, so with two keys the next note is always the other one and the
// pupil could answer without reading; from three on, every note has to be
// read.
constexpr std::size_t fewestKeys = 3;

// The first mode (1 to 6) that range leaves with fewer than fewestKeys keys,
// or 0.
int modeLeftShort(const NoteRange& range);

// Every (note, prefix) pair a mode can ever show, in rising note order; a
// note written two ways (sharps then flats, bass then treble clef) has two.
// The draw writes each note in one of these ways.
std::vector<NoteChoice> modeChoices(int mode);

// The note choice of the six exercise modes. Mode 1 is the treble-clef draw of
// RandomNote; modes 2 to 6 draw uniformly from their keys, never the key they
// showed last, and pick at random how an ambiguous note is written.
class NoteChooser {
public:
    explicit NoteChooser(std::mt19937& rng) : m_rng(rng), m_treble(rng) {}

    NoteChoice choose(int mode);

    RandomNote& treble() { return m_treble; }

    // Limits every mode to the keys of range (nothing: the modes as they are).
    void setRange(std::optional<NoteRange> range)
    {
        m_range = range;
        m_planMode = 0;
    }
    const std::optional<NoteRange>& range() const { return m_range; }
    // The records the draws are weighted by from now on (focusWeights);
    // nothing: an even draw.
    void setFocus(std::optional<NoteRecords> records)
    {
        m_records = std::move(records);
        m_planMode = 0;
    }

private:
    std::string writtenAs(int mode, std::int16_t note);
    NoteChoice chooseAdapted(int mode);
    bool coin();

    std::mt19937& m_rng;
    RandomNote m_treble;
    std::int16_t m_lastKey = 0;  // key shown last by modes 2 to 6
    std::optional<NoteRange> m_range;
    std::optional<NoteRecords> m_records;
    // The keys and weights of the mode drawn last, kept until the range,
    // the records or the mode change.
    int m_planMode = 0;
    std::vector<std::int16_t> m_planKeys;
    std::vector<double> m_planWeights;
};

}  // namespace exercise
