#include "progress/notenames.h"

#include <array>
#include <cstdio>

namespace progress {

namespace {

constexpr const char* groupSeparator = "\u202f";  // narrow no-break space, as French print groups thousands

}  // namespace

std::string frenchNoteName(int note, art::Accidental accidental, bool signs)
{
    const art::Accidental sign = art::pitch::spelling(note, accidental);
    const int letterKey = art::pitch::writtenKey(note, sign);
    // The octave of the written letter: do 3 is MIDI 60, and Cb would belong
    // with the si below it, which the exercise never writes.
    const int octave = keyboard::pitch::frenchOctave(letterKey);
    std::string name(keyboard::pitch::frenchLetter(letterKey));
    if (sign != art::Accidental::None) {
        const bool sharp = sign == art::Accidental::Sharp;
        if (signs) {
            name += sharp ? "\u266f" : "\u266d";
        } else {
            name += ' ';
            name += sharp ? keyboard::pitch::frenchSharp : keyboard::pitch::frenchFlat;
        }
    }
    if (!signs) {
        name += ' ';
    }
    name += std::to_string(octave);
    return name;
}

std::string frenchClefName(art::Clef clef)
{
    return clef == art::Clef::Treble ? "clef de sol" : "clef de fa";
}

std::string frenchNumber(double value, int decimals)
{
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    std::string plain = text.data();
    std::string sign;
    if (!plain.empty() && plain.front() == '-') {
        sign = "\u2212";  // the minus sign, not a hyphen
        plain.erase(0, 1);
    }
    const std::size_t dot = plain.find('.');
    std::string whole = plain.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? std::string() : plain.substr(dot + 1);
    if (whole == "0" && !fraction.empty() && fraction.find_first_not_of('0') == std::string::npos) {
        sign.clear();  // no "−0,0"
    } else if (whole == "0" && fraction.empty()) {
        sign.clear();
    }
    std::string grouped;
    const std::size_t n = whole.size();
    for (std::size_t i = 0; i < n; ++i) {
        grouped += whole[i];
        const std::size_t left = n - 1 - i;
        if (left > 0 && left % 3 == 0) {
            grouped += groupSeparator;  // every number alike: 1 000 as 10 000
        }
    }
    return sign + grouped + (fraction.empty() ? std::string() : "," + fraction);
}

}  // namespace progress
