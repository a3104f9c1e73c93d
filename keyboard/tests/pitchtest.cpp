#include "keyboard/pitch.h"

#include <gtest/gtest.h>

#include <string>

namespace pitch = keyboard::pitch;
using pitch::Accidental;
using pitch::Clef;

TEST(Pitch, PitchClassAndOctaveRoundDownBelowZero)
{
    struct Case {
        int note;
        int pitchClass;
        int octave;  // floorDiv(note, 12)
    };
    const Case cases[] = {{60, 0, 5},  {61, 1, 5},   {71, 11, 5},  {72, 0, 6},    {0, 0, 0},
                          {11, 11, 0}, {-1, 11, -1}, {-12, 0, -1}, {-13, 11, -2}, {127, 7, 10}};
    for (const Case& c : cases) {
        EXPECT_EQ(pitch::pitchClass(c.note), c.pitchClass) << c.note;
        EXPECT_EQ(pitch::floorDiv(c.note, 12), c.octave) << c.note;
    }
    EXPECT_EQ(pitch::floorDiv(7, -2), -4);
    EXPECT_EQ(pitch::floorDiv(-7, -2), 3);
    EXPECT_EQ(pitch::floorDiv(-6, 3), -2);
}

// The design: a key is black when its index modulo 12 is 1, 3, 6, 8 or 10,
// which makes 32 white and 22 black keys from 36 to 89.
TEST(Pitch, BlackKeysOfTheDesign)
{
    int white = 0;
    int black = 0;
    for (int note = 36; note <= 89; ++note) {
        const int p = note % 12;
        const bool designBlack = p == 1 || p == 3 || p == 6 || p == 8 || p == 10;
        EXPECT_EQ(pitch::isBlackKey(note), designBlack) << note;
        (pitch::isBlackKey(note) ? black : white) += 1;
    }
    EXPECT_EQ(white, 32);
    EXPECT_EQ(black, 22);
    EXPECT_TRUE(pitch::isBlackKey(61));   // C#4
    EXPECT_FALSE(pitch::isBlackKey(64));  // E4
    EXPECT_FALSE(pitch::isBlackKey(65));  // F4
    EXPECT_TRUE(pitch::isBlackKey(-2));   // A# below note 0
    EXPECT_FALSE(pitch::isBlackKey(-1));  // B below note 0
    static_assert(pitch::isBlackKey(70) && !pitch::isBlackKey(71));
}

TEST(Pitch, ClefRanges)
{
    // Mode 1 draws the 23 white keys from 52 (E3) to 89 (F6), all in treble.
    int trebleWhites = 0;
    for (int note = pitch::trebleRange.lowest; note <= pitch::trebleRange.highest; ++note) {
        trebleWhites += pitch::isBlackKey(note) ? 0 : 1;
    }
    EXPECT_EQ(pitch::trebleRange.lowest, 52);
    EXPECT_EQ(pitch::trebleRange.highest, 89);
    EXPECT_EQ(trebleWhites, 23);
    EXPECT_EQ(pitch::bassRange.lowest, 36);   // C2, the lowest key
    EXPECT_EQ(pitch::bassRange.highest, 69);  // A4
    EXPECT_TRUE(pitch::bassRange.contains(60) && pitch::trebleRange.contains(60));
    EXPECT_FALSE(pitch::trebleRange.contains(51));
    EXPECT_FALSE(pitch::bassRange.contains(70));
}

TEST(Pitch, HowANoteIsWritten)
{
    struct Case {
        int note;
        Accidental preferred;
        Accidental written;
        int writtenKey;
        int trebleStep;  // 0 bottom line (E4), 8 top line (F5)
        int bassStep;    // 0 bottom line (G2), 8 top line (A3)
    };
    const Case cases[] = {
        {64, Accidental::Sharp, Accidental::None, 64, 0, 12},    // E4: treble bottom line
        {77, Accidental::Flat, Accidental::None, 77, 8, 20},     // F5: treble top line
        {60, Accidental::None, Accidental::None, 60, -2, 10},    // C4: a ledger line either way
        {61, Accidental::Sharp, Accidental::Sharp, 60, -2, 10},  // C#4 on C's ledger line
        {61, Accidental::Flat, Accidental::Flat, 62, -1, 11},    // Db4 under the treble staff
        {61, Accidental::None, Accidental::Sharp, 60, -2, 10},   // a black key asked plainly: a sharp
        {68, Accidental::Sharp, Accidental::Sharp, 67, 2, 14},   // G#4 on the second line
        {43, Accidental::Sharp, Accidental::None, 43, -12, 0},   // G2: bass bottom line
        {57, Accidental::Sharp, Accidental::None, 57, -4, 8},    // A3: bass top line
        {52, Accidental::Sharp, Accidental::None, 52, -7, 5},    // E3, the lowest treble note
        {89, Accidental::Sharp, Accidental::None, 89, 15, 27},   // F6, the highest
        {36, Accidental::Sharp, Accidental::None, 36, -16, -4},  // C2, the lowest bass note
        {70, Accidental::Flat, Accidental::Flat, 71, 4, 16},     // Bb4 on the treble middle line
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pitch::spelling(c.note, c.preferred), c.written) << c.note;
        EXPECT_EQ(pitch::writtenKey(c.note, c.preferred), c.writtenKey) << c.note;
        EXPECT_EQ(pitch::staffStep(Clef::Treble, c.note, c.preferred), c.trebleStep) << c.note;
        EXPECT_EQ(pitch::staffStep(Clef::Bass, c.note, c.preferred), c.bassStep) << c.note;
    }
    EXPECT_EQ(pitch::diatonicIndex(60), 28);  // C4
    EXPECT_EQ(pitch::diatonicIndex(0), -7);   // C-1
}

TEST(Pitch, FrenchNamesAndOctaves)
{
    struct Case {
        int key;
        const char* letter;
        int octave;  // do 3 is middle C
    };
    const Case cases[] = {{60, "do", 3}, {62, "ré", 3}, {64, "mi", 3},  {65, "fa", 3}, {67, "sol", 3},
                          {69, "la", 3}, {71, "si", 3}, {72, "do", 4},  {59, "si", 2}, {36, "do", 1},
                          {89, "fa", 5}, {24, "do", 0}, {23, "si", -1}, {61, "do", 3}, {70, "la", 3}};
    for (const Case& c : cases) {
        EXPECT_EQ(std::string(pitch::frenchLetter(c.key)), c.letter) << c.key;
        EXPECT_EQ(pitch::frenchOctave(c.key), c.octave) << c.key;
    }
    EXPECT_EQ(pitch::fromFrenchOctave(0, 3), 60);
    EXPECT_EQ(pitch::fromFrenchOctave(9, 3), 69);   // la 3, 440 Hz
    EXPECT_EQ(pitch::fromFrenchOctave(11, 2), 59);  // si 2
    EXPECT_EQ(pitch::fromFrenchOctave(0, 0), 24);
    EXPECT_EQ(std::string(pitch::frenchSharp), "dièse");
    EXPECT_EQ(std::string(pitch::frenchFlat), "bémol");
    for (std::size_t letter = 0; letter < pitch::frenchLetters.size(); ++letter) {
        const int key = 60 + pitch::letterPitchClasses[letter];
        EXPECT_FALSE(pitch::isBlackKey(key)) << letter;
        EXPECT_EQ(pitch::frenchLetter(key), pitch::frenchLetters[letter]);
    }
}

// The picture prefixes: "1" treble with sharps, "2" treble with flats,
// "3" bass with sharps, "4" bass with flats; nothing else is one.
TEST(Pitch, PicturePrefixes)
{
    using W = pitch::Writing;
    EXPECT_EQ(pitch::writingOfPrefix("1"), (W{Clef::Treble, Accidental::Sharp}));
    EXPECT_EQ(pitch::writingOfPrefix("2"), (W{Clef::Treble, Accidental::Flat}));
    EXPECT_EQ(pitch::writingOfPrefix("3"), (W{Clef::Bass, Accidental::Sharp}));
    EXPECT_EQ(pitch::writingOfPrefix("4"), (W{Clef::Bass, Accidental::Flat}));
    for (const char* other : {"", "0", "5", "9", "12", "1 ", "a", "-1"}) {
        EXPECT_FALSE(pitch::writingOfPrefix(other)) << '"' << other << '"';
    }
    EXPECT_EQ(pitch::prefixOf(Clef::Treble, Accidental::Sharp), 1);
    EXPECT_EQ(pitch::prefixOf(Clef::Treble, Accidental::Flat), 2);
    EXPECT_EQ(pitch::prefixOf(Clef::Bass, Accidental::Sharp), 3);
    EXPECT_EQ(pitch::prefixOf(Clef::Bass, Accidental::Flat), 4);
    EXPECT_EQ(pitch::prefixOf(Clef::Treble, Accidental::None), 1);  // white keys: the sharp pictures
    EXPECT_EQ(pitch::prefixOf(Clef::Bass, Accidental::None), 3);
}
