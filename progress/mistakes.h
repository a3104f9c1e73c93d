#pragma once

#include "picture/engraving.h"

#include <optional>
#include <string_view>

// What kind of mistake a wrong key is, for a note written on the staff.
//
// The note is read where it is written: a black key written as a sharp sits
// on the line or space of the white key below it, written as a flat on that
// of the white key above it (art::pitch::writtenKey). From that written
// letter, in this order:
//   octave      the pressed key has the note's name in another octave
//               (same pitch class, enharmonic spellings included);
//   accidental  the pressed key is the written letter with its sharp or flat
//               missed or added: the plain white key of the written letter, or
//               the black key a sharp or a flat on that letter would give
//               (F#4 asked, F4 pressed; G4 asked, G#4 or Gb4 pressed);
//   step        the pressed key sits one line or space from the written note:
//               the white key next to the written letter, above or below, or
//               that neighbour carrying the same sharp or flat as the note
//               (F#4 asked: E4, G4 and G#4; Bb3 asked: A3, C4 and Ab3);
//   other       anything else.
// The accidental test comes before the step test, so that a sign carried to
// a neighbour that lands back on the written letter (E#4 for F#4 is F4) counts
// as the sign missed.
namespace progress {

enum class MistakeKind { Octave, Step, Accidental, Other };

constexpr int mistakeKinds = 4;

// The kind of mistake pressing key is when asked is on display, written with
// the given sign (None for a white key). Not meant for the right key itself,
// which it calls Other.
MistakeKind classifyMistake(int asked, art::Accidental written, int pressed);

// The word the results file writes for a kind: octave, step, accidental, other.
std::string_view mistakeName(MistakeKind kind);
std::optional<MistakeKind> mistakeFromName(std::string_view name);

// How the report names a kind in French.
std::string_view mistakeFrenchName(MistakeKind kind);

}  // namespace progress
