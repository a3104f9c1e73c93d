#pragma once

#include <array>
#include <optional>
#include <string_view>

// The rules of pitch the whole program shares: MIDI note numbers, which keys
// are black, the French letter names, the ranges of the two clefs, and how a
// note is written (on which white key's line or space, with which sign).
// Plain constexpr C++: the note choice, the pictures, the results and the key
// map all read them from here, and so does the build (picture/CMakeLists.txt
// reads blackPitchClasses, trebleRange and bassRange from this file: keep each
// of the three on one line, in the form it has).
namespace keyboard::pitch {

constexpr int semitonesPerOctave = 12;
constexpr int middleC = 60;  // MIDI number of C4, "do 3" in the French numbering

// Division rounding down, also for negative numbers: floorDiv(-1, 12) is -1.
constexpr int floorDiv(int a, int b)
{
    const int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// 0 for C, 1 for C#, ... 11 for B, in every octave and below note 0 too.
constexpr int pitchClass(int note)
{
    return ((note % semitonesPerOctave) + semitonesPerOctave) % semitonesPerOctave;
}

// C#, D#, F#, G# and A#.
inline constexpr std::array<int, 5> blackPitchClasses = {1, 3, 6, 8, 10};

constexpr bool isBlackKey(int note)
{
    const int p = pitchClass(note);
    for (const int black : blackPitchClasses) {
        if (p == black) {
            return true;
        }
    }
    return false;
}

// A span of keys, both ends included.
struct KeyRange {
    int lowest = 0;
    int highest = 0;
    constexpr bool contains(int note) const { return note >= lowest && note <= highest; }
};

// The notes the exercise writes in each clef: treble E3 to F6, bass C2 to A4,
// so that the two overlap from E3 to A4.
inline constexpr KeyRange trebleRange = {52, 89};
inline constexpr KeyRange bassRange = {36, 69};

enum class Clef { Treble, Bass };

// The clef of a note's side of middle C, as "Toutes les notes" writes it:
// treble from middle C up, bass below.
constexpr Clef clefBySide(int note)
{
    return note >= middleC ? Clef::Treble : Clef::Bass;
}

// How a black key is written: as a sharp on the white key below it or as a
// flat on the white key above it. White keys are always written plain.
enum class Accidental { None, Sharp, Flat };

// The accidental a note is written with: None for a white key, otherwise the
// preferred one (a black key asked for plainly is written as a sharp).
constexpr Accidental spelling(int note, Accidental preferred)
{
    if (!isBlackKey(note)) {
        return Accidental::None;
    }
    return preferred == Accidental::Flat ? Accidental::Flat : Accidental::Sharp;
}

// The white key whose line or space carries the note: the key below for a
// sharp, the key above for a flat, the key itself for a white key.
constexpr int writtenKey(int note, Accidental preferred)
{
    switch (spelling(note, preferred)) {
    case Accidental::Sharp:
        return note - 1;
    case Accidental::Flat:
        return note + 1;
    case Accidental::None:
        break;
    }
    return note;
}

// The letter of a white key: 0 for C (do) to 6 for B (si); a black key takes
// the letter of the white key below it.
constexpr int letterIndex(int whiteKey)
{
    constexpr std::array<int, 12> letterOfPitchClass = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
    return letterOfPitchClass[static_cast<std::size_t>(pitchClass(whiteKey))];
}

// The pitch class of each letter, do to si.
inline constexpr std::array<int, 7> letterPitchClasses = {0, 2, 4, 5, 7, 9, 11};

// Diatonic index of a white key: seven per octave, C4 = 28, so that one step
// is one line-to-space move on the staff.
constexpr int diatonicIndex(int whiteKey)
{
    return (floorDiv(whiteKey, semitonesPerOctave) - 1) * 7 + letterIndex(whiteKey);
}

// The bottom line of each clef as a diatonic index: E4 for treble, G2 for bass.
constexpr int bottomLineIndex(Clef clef)
{
    return clef == Clef::Treble ? diatonicIndex(64) : diatonicIndex(43);
}

// Staff step of a note: 0 is the bottom line, 1 the space above it, 8 the top
// line; negative below the staff, above 8 over it. Even steps are lines.
constexpr int staffStep(Clef clef, int note, Accidental preferred)
{
    return diatonicIndex(writtenKey(note, preferred)) - bottomLineIndex(clef);
}

// French letter names, as a music class says them.
inline constexpr std::array<std::string_view, 7> frenchLetters = {"do", "ré", "mi", "fa", "sol", "la", "si"};
inline constexpr std::string_view frenchSharp = "dièse";
inline constexpr std::string_view frenchFlat = "bémol";

// The French letter of a white key ("do" for 60); a black key gives the
// letter of the white key below it.
constexpr std::string_view frenchLetter(int whiteKey)
{
    return frenchLetters[static_cast<std::size_t>(letterIndex(whiteKey))];
}

// French octave numbers start on do, and middle C is do 3: the octave of
// MIDI 60 to 71 is 3, of 48 to 59 is 2.
constexpr int frenchOctaveOfMiddleC = 3;
constexpr int frenchOctave(int key)
{
    return floorDiv(key, semitonesPerOctave) - (middleC / semitonesPerOctave - frenchOctaveOfMiddleC);
}
// The MIDI note of a pitch class in a French octave: (0, 3) is 60.
constexpr int fromFrenchOctave(int pitchClassInOctave, int octave)
{
    return semitonesPerOctave * (octave + middleC / semitonesPerOctave - frenchOctaveOfMiddleC) + pitchClassInOctave;
}

// The picture prefixes, which say how a note of the exercise is written:
// "1" treble with sharps, "2" treble with flats, "3" bass with sharps,
// "4" bass with flats.
struct Writing {
    Clef clef = Clef::Treble;
    Accidental preferred = Accidental::Sharp;  // how a black key is written
    bool operator==(const Writing&) const = default;
};

// The writing a prefix stands for; nothing for any other text.
constexpr std::optional<Writing> writingOfPrefix(std::string_view prefix)
{
    if (prefix.size() != 1 || prefix[0] < '1' || prefix[0] > '4') {
        return std::nullopt;
    }
    const int p = prefix[0] - '0';
    return Writing{p <= 2 ? Clef::Treble : Clef::Bass, p % 2 == 0 ? Accidental::Flat : Accidental::Sharp};
}

// The prefix of a clef and a writing, 1 to 4; a plain (None) writing is
// written with sharps.
constexpr int prefixOf(Clef clef, Accidental preferred)
{
    const int base = clef == Clef::Treble ? 1 : 3;
    return preferred == Accidental::Flat ? base + 1 : base;
}

}  // namespace keyboard::pitch
