#pragma once

#include "keyboard/pitch.h"
#include "picture/engraving.h"

#include <string>

class QLocale;

// Note names as a French music class says them: do, ré, mi, fa, sol, la, si,
// then dièse or bémol, then the octave number in the French numbering, where
// middle C (MIDI 60) is do 3 and each octave starts on do.
namespace progress {

// "fa dièse 3" with words; "fa♯3" with signs. A black key is named from the
// letter it is written on (art::pitch::writtenKey).
std::string frenchNoteName(int note, art::Accidental accidental, bool signs = false);

// "clef de sol" or "clef de fa".
std::string frenchClefName(art::Clef clef);

// 1,4 / 81 / 1 000: a number with the French decimal comma and thin grouping.
std::string frenchNumber(double value, int decimals);

// The same in another locale's way: 1.4 / 1,000 in English.
std::string writtenNumber(double value, int decimals, const QLocale& locale);

}  // namespace progress
