#include "progress/notenames.h"

#include <QLocale>
#include <QString>

#include <array>
#include <cstdio>

namespace progress {

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
    static const QLocale french(QLocale::French);
    return writtenNumber(value, decimals, french);
}

std::string writtenNumber(double value, int decimals, const QLocale& locale)
{
    // Rounded as printf rounds it (a tie to even: 62.5 gives 62), then written
    // as the locale writes it: in French the decimal comma, and a narrow
    // no-break space between groups of three digits, every number alike
    // (1 000 as 10 000). The minus sign is the true one, not a hyphen.
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    std::string plain = text.data();
    const bool negative = !plain.empty() && plain.front() == '-';
    if (negative) {
        plain.erase(0, 1);
    }
    const bool zero = plain.find_first_not_of("0.") == std::string::npos;  // no "−0,0"
    const std::size_t dot = plain.find('.');
    const QString whole = QString::fromStdString(plain.substr(0, dot));
    bool counted = false;
    const qulonglong n = whole.toULongLong(&counted);
    QString written = counted ? locale.toString(n) : whole;  // past 2^64, ungrouped
    if (dot != std::string::npos) {
        written += locale.decimalPoint() + QString::fromStdString(plain.substr(dot + 1));
    }
    return (negative && !zero ? "\u2212" : "") + written.toStdString();
}

}  // namespace progress
