#include "progress/mistakes.h"

#include "keyboard/pitch.h"

#include <QtGlobal>

#include <array>

namespace progress {

namespace {

using keyboard::pitch::pitchClass;

// The white key one line or space above (direction +1) or below (-1) a white key.
int whiteNeighbour(int whiteKey, int direction)
{
    const int next = whiteKey + direction;
    return art::pitch::isBlackKey(next) ? next + direction : next;
}

// The key a sign on a white key's letter gives.
int withSign(int whiteKey, art::Accidental sign)
{
    switch (sign) {
    case art::Accidental::Sharp:
        return whiteKey + 1;
    case art::Accidental::Flat:
        return whiteKey - 1;
    case art::Accidental::None:
        break;
    }
    return whiteKey;
}

constexpr std::array<std::string_view, mistakeKinds> names = {"octave", "step", "accidental", "other"};
// Marked for translation: wording::mistakeName looks them up.
constexpr std::array<std::string_view, mistakeKinds> frenchNames = {
    QT_TRANSLATE_NOOP("Report", "octave"), QT_TRANSLATE_NOOP("Report", "note voisine"),
    QT_TRANSLATE_NOOP("Report", "altération"), QT_TRANSLATE_NOOP("Report", "autre")};

}  // namespace

MistakeKind classifyMistake(int asked, art::Accidental written, int pressed)
{
    if (pressed == asked) {
        return MistakeKind::Other;
    }
    if (pitchClass(pressed) == pitchClass(asked)) {
        return MistakeKind::Octave;
    }
    const art::Accidental sign = art::pitch::spelling(asked, written);
    const int letter = art::pitch::writtenKey(asked, sign);  // the white key the note is written on

    // The written letter plain, or with a sign that gives a black key (a
    // "sharp" that lands on a white key is a different letter, not a sign).
    if (pressed == letter) {
        return MistakeKind::Accidental;
    }
    for (const art::Accidental other : {art::Accidental::Sharp, art::Accidental::Flat}) {
        const int key = withSign(letter, other);
        if (key == pressed && art::pitch::isBlackKey(key)) {
            return MistakeKind::Accidental;
        }
    }

    for (const int direction : {-1, 1}) {
        const int neighbour = whiteNeighbour(letter, direction);
        if (pressed == neighbour) {
            return MistakeKind::Step;
        }
        const int carried = withSign(neighbour, sign);
        if (sign != art::Accidental::None && pressed == carried && art::pitch::isBlackKey(carried)) {
            return MistakeKind::Step;
        }
    }
    return MistakeKind::Other;
}

std::string_view mistakeName(MistakeKind kind)
{
    return names[static_cast<std::size_t>(kind)];
}

std::optional<MistakeKind> mistakeFromName(std::string_view name)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            return static_cast<MistakeKind>(i);
        }
    }
    return std::nullopt;
}

std::string_view mistakeFrenchName(MistakeKind kind)
{
    return frenchNames[static_cast<std::size_t>(kind)];
}

}  // namespace progress
