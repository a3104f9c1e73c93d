#include "keyboard/keysignature.h"

namespace keyboard::pitch {

namespace {

// The lowest step a sign of the signature may take on each clef; the signs
// lie on that step and the six above it, each on its letter's one place
// there. These are the places engravers use: treble sharps from la 3 (A4) up
// to sol 4 (G5), flats from fa 3 (F4) up to mi 4 (E5), the other clefs alike.
int lowestSignStep(StaffClef clef, Accidental sign)
{
    const bool sharps = sign == Accidental::Sharp;
    switch (clef) {
    case StaffClef::Treble:
        return sharps ? 3 : 1;
    case StaffClef::Bass:
        return sharps ? 1 : -1;
    case StaffClef::Alto:
        return sharps ? 2 : 0;
    case StaffClef::Tenor:
        break;
    }
    return 2;
}

// The letter on a staff step (0 do to 6 si).
int letterOnStep(StaffClef clef, int step)
{
    const int index = bottomLineIndex(clef) + step;
    return index - 7 * floorDiv(index, 7);
}

}  // namespace

std::vector<int> signatureSteps(StaffClef clef, KeySignature key)
{
    std::vector<int> steps;
    const int lowest = lowestSignStep(clef, key.sign());
    const int lowestLetter = letterOnStep(clef, lowest);
    for (int i = 0; i < key.count(); ++i) {
        const int above = key.letter(i) - lowestLetter;
        steps.push_back(lowest + above - 7 * floorDiv(above, 7));
    }
    return steps;
}

std::optional<int> staffStepInKey(StaffClef clef, KeySignature key, int note)
{
    const std::optional<Accidental> written = key.spelling(note);
    if (!written) {
        return std::nullopt;
    }
    return staffStep(clef, note, *written);
}

}  // namespace keyboard::pitch
