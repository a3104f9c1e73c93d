#pragma once

#include "keyboard/pitch.h"

#include <array>
#include <optional>
#include <vector>

// The four clefs a pupil may read: the treble and bass clefs of the exercise
// and the two C clefs of the viola (alto: middle C on the middle line) and of
// the cello's, bassoon's and trombone's high passages (tenor: middle C on the
// fourth line from the bottom).
//
// They live beside Clef rather than in it. The results files, the reports,
// the picture prefixes and the exercise's writings know two clefs and tell
// them apart as "treble, or else bass"; a third enumerator there would be
// taken for a bass clef without a word from the compiler.
namespace keyboard::pitch {

enum class StaffClef { Treble, Bass, Alto, Tenor };

constexpr StaffClef staffClef(Clef clef)
{
    switch (clef) {
    case Clef::Treble:
        return StaffClef::Treble;
    case Clef::Bass:
        break;
    }
    return StaffClef::Bass;
}

// The exercise's clef of a staff clef; nothing for a C clef.
constexpr std::optional<Clef> exerciseClef(StaffClef clef)
{
    switch (clef) {
    case StaffClef::Treble:
        return Clef::Treble;
    case StaffClef::Bass:
        return Clef::Bass;
    case StaffClef::Alto:
    case StaffClef::Tenor:
        break;
    }
    return std::nullopt;
}

constexpr bool isCClef(StaffClef clef)
{
    return clef == StaffClef::Alto || clef == StaffClef::Tenor;
}

// The bottom line as a diatonic index: E4 treble, G2 bass, F3 alto, D3 tenor.
constexpr int bottomLineIndex(StaffClef clef)
{
    switch (clef) {
    case StaffClef::Treble:
        return diatonicIndex(64);
    case StaffClef::Bass:
        return diatonicIndex(43);
    case StaffClef::Alto:
        return diatonicIndex(53);
    case StaffClef::Tenor:
        break;
    }
    return diatonicIndex(50);
}

// Staff step of a note, as staffStep(Clef, ...) counts them: 0 the bottom
// line, 8 the top line, even steps lines.
constexpr int staffStep(StaffClef clef, int note, Accidental preferred)
{
    return diatonicIndex(writtenKey(note, preferred)) - bottomLineIndex(clef);
}

// The step of middle C: -2 treble, 10 bass, 4 alto (the middle line), 6 tenor
// (the fourth line). A C clef is drawn centred on it.
constexpr int middleCStep(StaffClef clef)
{
    return staffStep(clef, middleC, Accidental::None);
}

// The steps of the ledger lines a note on the given step needs, nearest the
// staff first: -2, -4, ... below the staff, 10, 12, ... above it.
inline std::vector<int> ledgerStepsOf(int step)
{
    std::vector<int> steps;
    for (int s = -2; s >= step; s -= 2) {
        steps.push_back(s);
    }
    for (int s = 10; s <= step; s += 2) {
        steps.push_back(s);
    }
    return steps;
}

inline std::vector<int> ledgerSteps(StaffClef clef, int note, Accidental preferred)
{
    return ledgerStepsOf(staffStep(clef, note, preferred));
}

// The notes written in each C clef, about as many as the treble and bass
// clefs have. Alto: C3, the viola's open C string, one ledger line down, to
// G5, three ledger lines up, as high over the staff as the treble clef goes
// (steps -3 to 15, 19 white keys). Tenor: A2, one ledger line down, to E5,
// three up (also steps -3 to 15): the tenor clef passages of the cello,
// bassoon and trombone, about C3 to C5, with room around them.
inline constexpr KeyRange altoRange = {48, 79};
inline constexpr KeyRange tenorRange = {45, 76};

constexpr KeyRange clefRange(StaffClef clef)
{
    switch (clef) {
    case StaffClef::Treble:
        return trebleRange;
    case StaffClef::Bass:
        return bassRange;
    case StaffClef::Alto:
        return altoRange;
    case StaffClef::Tenor:
        break;
    }
    return tenorRange;
}

inline constexpr std::array<StaffClef, 4> allStaffClefs = {StaffClef::Treble, StaffClef::Bass, StaffClef::Alto,
                                                           StaffClef::Tenor};

}  // namespace keyboard::pitch
