#include "keyboard/notenaming.h"

#include <cctype>

namespace keyboard::naming {

namespace {

using pitch::Accidental;

// clang-format off
const std::array<Naming, 7> table = {{
    {"fr", {"do", "ré", "mi", "fa", "sol", "la", "si"}, "dièse", "bémol", Octaves::FromDo, 3, {}},
    {"it", {"do", "re", "mi", "fa", "sol", "la", "si"}, "diesis", "bemolle", Octaves::FromDo, 3, {}},
    {"es", {"do", "re", "mi", "fa", "sol", "la", "si"}, "sostenido", "bemol", Octaves::FromDo, 3, {}},
    {"pt", {"dó", "ré", "mi", "fá", "sol", "lá", "si"}, "sustenido", "bemol", Octaves::FromDo, 3, {}},
    {"en", {"C", "D", "E", "F", "G", "A", "B"}, "sharp", "flat", Octaves::Scientific, 4, {}},
    {"de", {"C", "D", "E", "F", "G", "A", "H"}, {}, {}, Octaves::Helmholtz, 0, "B"},
    {"nl", {"C", "D", "E", "F", "G", "A", "B"}, {}, {}, Octaves::Helmholtz, 0, "Bes"},
}};
// clang-format on

constexpr std::string_view sharpSign = "\u266f";
constexpr std::string_view flatSign = "\u266d";

bool helmholtz(const Naming& naming)
{
    return naming.octaves == Octaves::Helmholtz;
}

// "Cis", "Des", "Es", "As", "B": a letter and its German or Dutch ending.
std::string withEnding(int note, Accidental sign, const Naming& naming)
{
    const int key = pitch::writtenKey(note, sign);
    const std::string letter(naming.letters[static_cast<std::size_t>(pitch::letterIndex(key))]);
    if (sign == Accidental::Sharp) {
        return letter + "is";
    }
    if (pitch::pitchClass(key) == 11) {
        return std::string(naming.bFlat);
    }
    // E and A, vowels, take only the s: Es, As.
    return letter + (letter == "E" || letter == "A" ? "s" : "es");
}

// Helmholtz's octave of a key: C for MIDI 36 to 47, c 48 to 59, c1 from 60,
// C1 from 24, C2 from 12.
std::string helmholtzName(std::string name, int key)
{
    const int octave = pitch::floorDiv(key, pitch::semitonesPerOctave) - 5;  // 0 for middle C's
    if (octave >= -1) {
        name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    }
    if (octave >= 0) {
        name += std::to_string(octave + 1);
    } else if (octave < -2) {
        name += std::to_string(-2 - octave);
    }
    return name;
}

// Lower case, no blanks and the accents of the sung names off: what a user
// types and what we print compare equal.
std::string folded(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == ' ') {
            continue;
        }
        // é, è (ré, dièse, bémol), á (fá, lá), ó (dó): two bytes, 0xC3 then the letter.
        if (c == 0xC3 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if (next == 0xA9 || next == 0xA8 || next == 0x89 || next == 0x88) {
                out += 'e';
                ++i;
                continue;
            }
            if (next == 0xA1 || next == 0x81 || next == 0xB3 || next == 0x93) {
                out += next == 0xA1 || next == 0x81 ? 'a' : 'o';
                ++i;
                continue;
            }
        }
        out += static_cast<char>(std::tolower(c));
    }
    return out;
}

}  // namespace

const std::array<Naming, 7>& namings()
{
    return table;
}

const Naming& namingFor(std::string_view language)
{
    for (const Naming& naming : table) {
        if (naming.language == language) {
            return naming;
        }
    }
    return table.front();
}

bool signBesideName(const Naming& naming)
{
    return !helmholtz(naming);
}

std::string pitchName(int note, Accidental accidental, const Naming& naming)
{
    const Accidental sign = pitch::spelling(note, accidental);
    if (sign != Accidental::None && !signBesideName(naming)) {
        return withEnding(note, sign, naming);
    }
    return std::string(naming.letters[static_cast<std::size_t>(pitch::letterIndex(pitch::writtenKey(note, sign)))]);
}

std::string noteName(int note, Accidental accidental, const Naming& naming, bool signs)
{
    const Accidental sign = pitch::spelling(note, accidental);
    const int key = pitch::writtenKey(note, sign);
    if (helmholtz(naming)) {
        return helmholtzName(pitchName(note, sign, naming), key);
    }
    std::string name = pitchName(note, sign, naming);
    if (sign != Accidental::None) {
        const bool sharp = sign == Accidental::Sharp;
        // Appended piece by piece: GCC 12 at -O3 reads " " + word, an insert at
        // the front of a temporary, as a memcpy that may overlap itself
        // (-Wrestrict, a false warning).
        if (signs) {
            name += sharp ? sharpSign : flatSign;
        } else {
            name += ' ';
            name += sharp ? naming.sharp : naming.flat;
        }
    }
    // The octave of the written letter, counted from middle C's.
    const int octave = pitch::floorDiv(key, pitch::semitonesPerOctave) - 5 + naming.middleCOctave;
    return name + (signs ? "" : " ") + std::to_string(octave);
}

std::optional<int> parseNoteName(std::string_view text, const Naming& naming)
{
    // Every name the naming gives, in words and with signs, the signs also
    // as typed (# and b); Helmholtz's names tell octaves apart by case.
    const bool exact = helmholtz(naming);
    const std::string wanted = exact ? std::string(text) : folded(text);
    for (int note = 0; note <= 127; ++note) {
        for (const Accidental preferred : {Accidental::Sharp, Accidental::Flat}) {
            for (const bool signs : {false, true}) {
                std::string name = noteName(note, preferred, naming, signs);
                if (!exact) {
                    name = folded(name);
                }
                if (name == wanted) {
                    return note;
                }
                if (signs && !exact && pitch::isBlackKey(note)) {
                    const std::string_view sign = preferred == Accidental::Sharp ? sharpSign : flatSign;
                    // The name with the typed sign in the printed one's place,
                    // built anew rather than replaced in place (the same
                    // false -Wrestrict of GCC 12 on replace).
                    const std::size_t at = name.find(sign);
                    if (at != std::string::npos) {
                        std::string typed = name.substr(0, at);
                        typed += preferred == Accidental::Sharp ? '#' : 'b';
                        typed += name.substr(at + sign.size());
                        if (typed == wanted) {
                            return note;
                        }
                    }
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace keyboard::naming
