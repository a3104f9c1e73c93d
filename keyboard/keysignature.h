#pragma once

#include "keyboard/pitch.h"
#include "keyboard/staffclef.h"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

// Key signatures of the major keys with up to four sharps or flats, and how
// the notes of such a key are written on a staff that carries one.
namespace keyboard::pitch {

// The letters (0 do to 6 si) in the order a signature adds its sharps
// (fa, do, sol, ré, la, mi, si) and its flats (si, mi, la, ré, sol, do, fa).
inline constexpr std::array<int, 7> sharpLetters = {3, 0, 4, 1, 5, 2, 6};
inline constexpr std::array<int, 7> flatLetters = {6, 2, 5, 1, 4, 0, 3};

// The degrees of a major scale above its tonic, in semitones.
inline constexpr std::array<int, 7> majorScaleSteps = {0, 2, 4, 5, 7, 9, 11};

class KeySignature {
public:
    // Four at most, as the drills ask. Every altered note of such a key is a
    // black key (up to five it would still be; the sixth sharp is E sharp and
    // the sixth flat C flat, white keys), so a sharp or a flat is all a note
    // ever carries.
    static constexpr int mostFifths = 4;

    // C major: no sharp, no flat.
    constexpr KeySignature() = default;

    // The key of fifths sharps (1 to 4) or -fifths flats (-1 to -4); nothing
    // outside -4 to 4.
    static constexpr std::optional<KeySignature> ofFifths(int fifths)
    {
        if (fifths < -mostFifths || fifths > mostFifths) {
            return std::nullopt;
        }
        return KeySignature(fifths);
    }

    constexpr int fifths() const { return m_fifths; }
    // How many signs the signature has, 0 to 4.
    constexpr int count() const { return m_fifths < 0 ? -m_fifths : m_fifths; }
    // Sharp, Flat, or None for C major.
    constexpr Accidental sign() const
    {
        if (m_fifths == 0) {
            return Accidental::None;
        }
        return m_fifths > 0 ? Accidental::Sharp : Accidental::Flat;
    }

    // The pitch class of the tonic: each sharp a fifth up from C, each flat a
    // fifth down (G is 7, F is 5, A flat is 8).
    constexpr int tonic() const { return pitchClass(7 * m_fifths); }

    // The pitch classes of the major scale, tonic first, rising.
    constexpr std::array<int, 7> scale() const
    {
        std::array<int, 7> out{};
        for (std::size_t i = 0; i < out.size(); ++i) {
            out[i] = pitchClass(tonic() + majorScaleSteps[i]);
        }
        return out;
    }

    constexpr bool contains(int note) const
    {
        for (const int p : scale()) {
            if (p == pitchClass(note)) {
                return true;
            }
        }
        return false;
    }

    // The letters the signature alters, in the order they are written.
    constexpr int letter(int i) const
    {
        const std::array<int, 7>& order = m_fifths < 0 ? flatLetters : sharpLetters;
        return order[static_cast<std::size_t>(i)];
    }

    // How a note of the key is written: None for a white key, the
    // signature's sign for a black one (written on the letter the signature
    // alters). Nothing for a note outside the key.
    constexpr std::optional<Accidental> spelling(int note) const
    {
        if (!contains(note)) {
            return std::nullopt;
        }
        return isBlackKey(note) ? sign() : Accidental::None;
    }

    // Whether the note's sign is one the signature already gives, so that
    // none is drawn beside the note. True exactly for the black keys of the
    // key; a white key of the key carries no sign, a note outside the key is
    // not given by the signature.
    constexpr bool gives(int note) const
    {
        const std::optional<Accidental> written = spelling(note);
        return written.has_value() && *written != Accidental::None;
    }

    bool operator==(const KeySignature&) const = default;

private:
    constexpr explicit KeySignature(int fifths) : m_fifths(fifths) {}

    int m_fifths = 0;
};

// The nine keys, four flats to four sharps.
inline constexpr std::array<KeySignature, 9> allKeySignatures = {*KeySignature::ofFifths(-4),
                                                                 *KeySignature::ofFifths(-3),
                                                                 *KeySignature::ofFifths(-2),
                                                                 *KeySignature::ofFifths(-1),
                                                                 KeySignature(),
                                                                 *KeySignature::ofFifths(1),
                                                                 *KeySignature::ofFifths(2),
                                                                 *KeySignature::ofFifths(3),
                                                                 *KeySignature::ofFifths(4)};

// Staff steps (0 the bottom line) of the signature's signs in the order they
// are written, one per sign. Each clef keeps its signs within seven steps
// that fit the staff; the tenor clef writes its sharps lower than the
// others (fa on the second line), since its fa would otherwise stand above
// the staff.
std::vector<int> signatureSteps(StaffClef clef, KeySignature key);

// The staff step of a note of the key as written on a staff with the
// signature; nothing for a note outside the key.
std::optional<int> staffStepInKey(StaffClef clef, KeySignature key, int note);

}  // namespace keyboard::pitch
