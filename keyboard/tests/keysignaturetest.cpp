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
    return KeySignature::ofFifths(fifths).value();
}

}  // namespace

// The nine major keys as a theory book lists them, with the places of their
// signs on each staff (steps from the bottom line, first sign first).
TEST(KeySignature, TheNineKeysAndTheirSigns)
{
    struct Case {
        int fifths;
        std::array<int, 7> scale;  // pitch classes from the tonic
        std::vector<int> altered;  // the altered pitch classes, in the signature's order
        std::vector<int> treble, bass, alto, tenor;
    };
    const Case cases[] = {
        {-4, {8, 10, 0, 1, 3, 5, 7}, {10, 3, 8, 1}, {4, 7, 3, 6}, {2, 5, 1, 4}, {3, 6, 2, 5}, {5, 8, 4, 7}},  // A flat
        {-3, {3, 5, 7, 8, 10, 0, 2}, {10, 3, 8}, {4, 7, 3}, {2, 5, 1}, {3, 6, 2}, {5, 8, 4}},                 // E flat
        {-2, {10, 0, 2, 3, 5, 7, 9}, {10, 3}, {4, 7}, {2, 5}, {3, 6}, {5, 8}},                                // B flat
        {-1, {5, 7, 9, 10, 0, 2, 4}, {10}, {4}, {2}, {3}, {5}},                                               // F
        {0, {0, 2, 4, 5, 7, 9, 11}, {}, {}, {}, {}, {}},                                                      // C
        {1, {7, 9, 11, 0, 2, 4, 6}, {6}, {8}, {6}, {7}, {2}},                                                 // G
        {2, {2, 4, 6, 7, 9, 11, 1}, {6, 1}, {8, 5}, {6, 3}, {7, 4}, {2, 6}},                                  // D
        {3, {9, 11, 1, 2, 4, 6, 8}, {6, 1, 8}, {8, 5, 9}, {6, 3, 7}, {7, 4, 8}, {2, 6, 3}},                   // A
        {4, {4, 6, 8, 9, 11, 1, 3}, {6, 1, 8, 3}, {8, 5, 9, 6}, {6, 3, 7, 4}, {7, 4, 8, 5}, {2, 6, 3, 7}},    // E
    };
    ASSERT_EQ(std::size(cases), pitch::allKeySignatures.size());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const KeySignature k = pitch::allKeySignatures[i];
        ASSERT_EQ(k, key(c.fifths));
        EXPECT_EQ(k.count(), static_cast<int>(c.altered.size())) << c.fifths;
        EXPECT_EQ(k.tonic(), c.scale[0]) << c.fifths;
        EXPECT_EQ(k.scale(), c.scale) << c.fifths;
        EXPECT_EQ(k.sign(), c.fifths > 0 ? Accidental::Sharp : c.fifths < 0 ? Accidental::Flat : Accidental::None);
        for (std::size_t a = 0; a < c.altered.size(); ++a) {
            // The sign's neighbour of the altered letter's white key.
            const int white = pitch::letterPitchClasses[static_cast<std::size_t>(k.letter(static_cast<int>(a)))];
            EXPECT_EQ(pitch::pitchClass(white + (c.fifths > 0 ? 1 : -1)), c.altered[a]) << c.fifths;
        }
        EXPECT_EQ(pitch::signatureSteps(StaffClef::Treble, k), c.treble) << c.fifths;
        EXPECT_EQ(pitch::signatureSteps(StaffClef::Bass, k), c.bass) << c.fifths;
        EXPECT_EQ(pitch::signatureSteps(StaffClef::Alto, k), c.alto) << c.fifths;
        EXPECT_EQ(pitch::signatureSteps(StaffClef::Tenor, k), c.tenor) << c.fifths;
    }
    EXPECT_EQ(KeySignature(), key(0));
    for (const int outside : {-7, -5, 5, 12}) {
        EXPECT_FALSE(KeySignature::ofFifths(outside)) << outside;
    }
}

// In every key each letter carries one note of the scale: a white key
// plainly, a black key with the signature's sign on a letter the signature
// alters, which it gives. A note outside the key has no writing in it.
TEST(KeySignature, NotesOfTheKeyAndTheirSigns)
{
    for (const KeySignature k : pitch::allKeySignatures) {
        std::set<int> letters;
        for (int note = 36; note <= 89; ++note) {
            const std::optional<Accidental> written = k.spelling(note);
            ASSERT_EQ(written.has_value(), k.contains(note)) << k.fifths() << " " << note;
            if (!written) {
                EXPECT_FALSE(k.gives(note)) << k.fifths() << " " << note;
                EXPECT_FALSE(pitch::staffStepInKey(StaffClef::Alto, k, note)) << k.fifths() << " " << note;
                continue;
            }
            const bool black = pitch::isBlackKey(note);
            EXPECT_EQ(*written, black ? k.sign() : Accidental::None) << k.fifths() << " " << note;
            EXPECT_EQ(k.gives(note), black) << k.fifths() << " " << note;
            const int letter = pitch::letterIndex(pitch::writtenKey(note, *written));
            bool altered = false;
            for (int i = 0; i < k.count(); ++i) {
                altered = altered || k.letter(i) == letter;
            }
            EXPECT_EQ(altered, black) << k.fifths() << " " << note;
            if (note >= 60 && note < 72) {
                letters.insert(letter);
            }
        }
        EXPECT_EQ(letters.size(), 7U) << k.fifths();
    }
    EXPECT_EQ(pitch::staffStepInKey(StaffClef::Treble, key(1), 66), 1);  // F#4 in F's first space
    EXPECT_EQ(pitch::staffStepInKey(StaffClef::Tenor, key(-4), 56), 4);  // Ab3 on A's middle line
    EXPECT_EQ(pitch::staffStepInKey(StaffClef::Alto, key(2), 61), 4);    // C#4 on the alto's C line
}
