#include "keyboard/keysignature.h"

#include <gtest/gtest.h>

#include <set>

namespace pitch = keyboard::pitch;
using pitch::Accidental;
using pitch::KeySignature;
using pitch::StaffClef;

namespace {

KeySignature key(int fifths)
{
    return pitch::KeySignature::ofFifths(fifths).value();
}

}  // namespace

// The nine major keys as a music theory book lists them.
TEST(KeySignature, TheNineKeys)
{
    struct Case {
        int fifths;
        int tonic;
        std::array<int, 7> scale;
        Accidental sign;
        std::vector<int> altered;  // pitch classes of the altered notes, in the signature's order
    };
    const Case cases[] = {
        {-4, 8, {8, 10, 0, 1, 3, 5, 7}, Accidental::Flat, {10, 3, 8, 1}},  // A flat: si mi la ré bémol
        {-3, 3, {3, 5, 7, 8, 10, 0, 2}, Accidental::Flat, {10, 3, 8}},     // E flat
        {-2, 10, {10, 0, 2, 3, 5, 7, 9}, Accidental::Flat, {10, 3}},       // B flat
        {-1, 5, {5, 7, 9, 10, 0, 2, 4}, Accidental::Flat, {10}},           // F
        {0, 0, {0, 2, 4, 5, 7, 9, 11}, Accidental::None, {}},              // C
        {1, 7, {7, 9, 11, 0, 2, 4, 6}, Accidental::Sharp, {6}},            // G: fa dièse
        {2, 2, {2, 4, 6, 7, 9, 11, 1}, Accidental::Sharp, {6, 1}},         // D
        {3, 9, {9, 11, 1, 2, 4, 6, 8}, Accidental::Sharp, {6, 1, 8}},      // A
        {4, 4, {4, 6, 8, 9, 11, 1, 3}, Accidental::Sharp, {6, 1, 8, 3}},   // E
    };
    ASSERT_EQ(std::size(cases), pitch::allKeySignatures.size());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const KeySignature k = key(c.fifths);
        EXPECT_EQ(pitch::allKeySignatures[i], k) << c.fifths;
        EXPECT_EQ(k.fifths(), c.fifths);
        EXPECT_EQ(k.count(), static_cast<int>(c.altered.size())) << c.fifths;
        EXPECT_EQ(k.tonic(), c.tonic) << c.fifths;
        EXPECT_EQ(k.scale(), c.scale) << c.fifths;
        EXPECT_EQ(k.sign(), c.sign) << c.fifths;
        for (std::size_t a = 0; a < c.altered.size(); ++a) {
            // The altered note is the sign's neighbour of the letter's white key.
            const int white = 60 + pitch::letterPitchClasses[static_cast<std::size_t>(k.letter(static_cast<int>(a)))];
            const int altered = c.sign == Accidental::Sharp ? white + 1 : white - 1;
            EXPECT_EQ(pitch::pitchClass(altered), c.altered[a]) << c.fifths << " sign " << a;
        }
    }
    EXPECT_EQ(KeySignature(), key(0));
    for (const int outside : {-7, -5, 5, 6, 12}) {
        EXPECT_FALSE(KeySignature::ofFifths(outside)) << outside;
    }
}

// In every key, each of the seven letters carries one note of the scale; the
// white ones are written plainly and the black ones with the signature's
// sign, which the signature gives. A note outside the key has no writing.
TEST(KeySignature, NotesOfTheKeyAndTheirSigns)
{
    for (const KeySignature k : pitch::allKeySignatures) {
        std::set<int> letters;
        for (int note = 36; note <= 89; ++note) {
            const std::optional<Accidental> written = k.spelling(note);
            EXPECT_EQ(written.has_value(), k.contains(note)) << k.fifths() << " " << note;
            if (!written) {
                EXPECT_FALSE(k.gives(note)) << k.fifths() << " " << note;
                continue;
            }
            EXPECT_EQ(*written == Accidental::None, !pitch::isBlackKey(note)) << k.fifths() << " " << note;
            EXPECT_EQ(k.gives(note), pitch::isBlackKey(note)) << k.fifths() << " " << note;
            if (*written != Accidental::None) {
                EXPECT_EQ(*written, k.sign()) << k.fifths() << " " << note;
            }
            const int letter = pitch::letterIndex(pitch::writtenKey(note, *written));
            if (note >= 60 && note < 72) {
                letters.insert(letter);
            }
            // The letter a black note is written on is one the signature alters.
            bool altered = false;
            for (int i = 0; i < k.count(); ++i) {
                altered = altered || k.letter(i) == letter;
            }
            EXPECT_EQ(altered, *written != Accidental::None) << k.fifths() << " " << note;
        }
        EXPECT_EQ(letters.size(), 7U) << k.fifths();
    }
    EXPECT_FALSE(key(1).contains(65));  // F natural is not in G major
    EXPECT_TRUE(key(1).contains(66));
    EXPECT_EQ(key(-2).spelling(63), Accidental::Flat);  // E flat in B flat major
    EXPECT_EQ(key(-2).spelling(64), std::nullopt);      // E natural is not
    EXPECT_EQ(key(0).spelling(61), std::nullopt);
}

// The places engravers give the signs in each clef, first sign first.
TEST(KeySignature, StaffPlacesOfTheSigns)
{
    struct Case {
        StaffClef clef;
        std::vector<int> sharps;  // fa do sol ré
        std::vector<int> flats;   // si mi la ré
    };
    const Case cases[] = {
        {StaffClef::Treble, {8, 5, 9, 6}, {4, 7, 3, 6}},  // F5 C5 G5 D5; B4 E5 A4 D5
        {StaffClef::Bass, {6, 3, 7, 4}, {2, 5, 1, 4}},    // F3 C3 G3 D3; B2 E3 A2 D3
        {StaffClef::Alto, {7, 4, 8, 5}, {3, 6, 2, 5}},    // F4 C4 G4 D4; B3 E4 A3 D4
        {StaffClef::Tenor, {2, 6, 3, 7}, {5, 8, 4, 7}},   // F3 C4 G3 D4; B3 E4 A3 D4
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(pitch::signatureSteps(c.clef, key(0)).empty());
        for (int n = 1; n <= 4; ++n) {
            const auto first = [&](const std::vector<int>& all) {
                return std::vector<int>(all.begin(), all.begin() + n);
            };
            EXPECT_EQ(pitch::signatureSteps(c.clef, key(n)), first(c.sharps)) << n;
            EXPECT_EQ(pitch::signatureSteps(c.clef, key(-n)), first(c.flats)) << -n;
        }
    }
}

// A note of the key stands where its letter is: F sharp on F's space,
// B flat on B's line, whatever the clef.
TEST(KeySignature, StepOfANoteInTheKey)
{
    EXPECT_EQ(pitch::staffStepInKey(StaffClef::Treble, key(1), 66), 1);   // F#4, first space
    EXPECT_EQ(pitch::staffStepInKey(StaffClef::Treble, key(-1), 70), 4);  // Bb4, middle line
    EXPECT_EQ(pitch::staffStepInKey(StaffClef::Bass, key(-3), 51), 5);    // Eb3
    EXPECT_EQ(pitch::staffStepInKey(StaffClef::Alto, key(2), 61), 4);     // C#4 on the alto's C line
    EXPECT_EQ(pitch::staffStepInKey(StaffClef::Tenor, key(-4), 56), 4);   // Ab3
    EXPECT_EQ(pitch::staffStepInKey(StaffClef::Tenor, key(4), 64), 8);    // E4, a white key
    EXPECT_EQ(pitch::staffStepInKey(StaffClef::Treble, key(1), 65), std::nullopt);
}
