#pragma once

#include "keyboard/pitch.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Note names as each language's music teachers say and write them. French,
// Italian, Spanish and Portuguese sing do, ré, mi with a word for the sharp
// or flat and number their octaves from do, middle C being do 3 in each;
// English writes letters with scientific octave numbers (middle C is C4);
// German and Dutch write letters with endings for the sharps and flats (cis,
// des) and Helmholtz's octaves (C for the great octave, c for the small one,
// c1 for middle C's), German calling B natural H and B flat B, Dutch B
// natural b and B flat bes.
namespace keyboard::naming {

enum class Octaves {
    FromDo,      // do 3: the octave number after the name, counted from middle C's 3
    Scientific,  // C4
    Helmholtz,   // C, c, c1, c2; C1 and C2 below C
};

struct Naming {
    std::string_view language;                // "fr", "de", ...
    std::array<std::string_view, 7> letters;  // the white keys C to B
    // A word after the name ("dièse", "sharp"); empty where an ending is
    // added instead (German and Dutch: "is", "es").
    std::string_view sharp;
    std::string_view flat;
    Octaves octaves = Octaves::FromDo;
    int middleCOctave = 3;  // FromDo and Scientific: the number of middle C's octave
    // Helmholtz languages: B flat's name, which no ending rule gives ("B" in German, "bes" in Dutch).
    std::string_view bFlat;
};

// The naming of a language ("de", "pt"); French's for any other.
const Naming& namingFor(std::string_view language);

// Every naming, French first.
const std::array<Naming, 7>& namings();

// The name of a black or white key without its octave, as the note-name
// panel shows it: "do", "C", "Cis", "B". A black key is named as its
// accidental writes it (pitch::spelling); names that take a sign picture
// beside them (hasSignWord) give only the white key's name.
std::string pitchName(int note, pitch::Accidental accidental, const Naming& naming);

// Whether a black key's name is a white key's name and a sign (do and a
// sharp sign), not a word of its own (Cis).
bool signBesideName(const Naming& naming);

// The full name of a key: "do dièse 3", "C sharp 4", "cis1"; with signs:
// "do♯3", "C♯4" (Helmholtz names have no sign form: "cis1").
std::string noteName(int note, pitch::Accidental accidental, const Naming& naming, bool signs = false);

// The key a name written in the naming's way stands for ("sol3", "G4",
// "gis1", "do dièse 3"); nothing when it names none.
std::optional<int> parseNoteName(std::string_view text, const Naming& naming);

}  // namespace keyboard::naming
