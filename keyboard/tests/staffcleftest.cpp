#include "keyboard/staffclef.h"

#include <gtest/gtest.h>

namespace pitch = keyboard::pitch;
using pitch::Accidental;
using pitch::Clef;
using pitch::StaffClef;

namespace {

constexpr int lowestKey = 36;
constexpr int highestKey = 89;

int whiteKeysIn(pitch::KeyRange range)
{
    int n = 0;
    for (int note = range.lowest; note <= range.highest; ++note) {
        n += pitch::isBlackKey(note) ? 0 : 1;
    }
    return n;
}

}  // namespace

// The treble and bass staves of the four-clef rules are those of the
// exercise, for every note and every spelling.
TEST(StaffClef, TrebleAndBassAreTheExercisesClefs)
{
    for (const Clef clef : {Clef::Treble, Clef::Bass}) {
        const StaffClef staff = pitch::staffClef(clef);
        EXPECT_EQ(pitch::exerciseClef(staff), clef);
        EXPECT_FALSE(pitch::isCClef(staff));
        EXPECT_EQ(pitch::clefRange(staff).lowest, clef == Clef::Treble ? 52 : 36);
        for (int note = 0; note <= 127; ++note) {
            for (const Accidental a : {Accidental::None, Accidental::Sharp, Accidental::Flat}) {
                ASSERT_EQ(pitch::staffStep(staff, note, a), pitch::staffStep(clef, note, a)) << note;
            }
        }
    }
    EXPECT_EQ(pitch::middleCStep(StaffClef::Treble), -2);
    EXPECT_EQ(pitch::middleCStep(StaffClef::Bass), 10);
    EXPECT_FALSE(pitch::exerciseClef(StaffClef::Alto));
    EXPECT_FALSE(pitch::exerciseClef(StaffClef::Tenor));
}

// Alto: F3 A3 C4 E4 G4 on the lines, middle C on the middle one. Tenor: D3
// F3 A3 C4 E4, middle C on the fourth line from the bottom.
TEST(StaffClef, CClefsPutMiddleCOnTheirLine)
{
    struct Case {
        StaffClef clef;
        int note;
        int step;
    };
    const Case cases[] = {
        {StaffClef::Alto, 53, 0},  {StaffClef::Alto, 57, 2},  {StaffClef::Alto, 60, 4},   {StaffClef::Alto, 64, 6},
        {StaffClef::Alto, 67, 8},  {StaffClef::Alto, 55, 1},  {StaffClef::Alto, 48, -3},  {StaffClef::Alto, 79, 15},
        {StaffClef::Tenor, 50, 0}, {StaffClef::Tenor, 53, 2}, {StaffClef::Tenor, 57, 4},  {StaffClef::Tenor, 60, 6},
        {StaffClef::Tenor, 64, 8}, {StaffClef::Tenor, 62, 7}, {StaffClef::Tenor, 45, -3}, {StaffClef::Tenor, 76, 15},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pitch::staffStep(c.clef, c.note, Accidental::None), c.step) << c.note;
    }
    EXPECT_EQ(pitch::middleCStep(StaffClef::Alto), 4);
    EXPECT_EQ(pitch::middleCStep(StaffClef::Tenor), 6);
    EXPECT_TRUE(pitch::isCClef(StaffClef::Alto) && pitch::isCClef(StaffClef::Tenor));
    // A black key is written on its neighbour's line or space, as in the other clefs.
    EXPECT_EQ(pitch::staffStep(StaffClef::Alto, 61, Accidental::Sharp), 4);  // C#4
    EXPECT_EQ(pitch::staffStep(StaffClef::Alto, 61, Accidental::Flat), 5);   // Db4
    EXPECT_EQ(pitch::staffStep(StaffClef::Tenor, 58, Accidental::Flat), 5);  // Bb3
}

TEST(StaffClef, LedgerLinesOfTheCClefs)
{
    using Steps = std::vector<int>;
    EXPECT_EQ(pitch::ledgerSteps(StaffClef::Alto, 48, Accidental::None), (Steps{-2}));            // C3 under D3's
    EXPECT_EQ(pitch::ledgerSteps(StaffClef::Alto, 79, Accidental::None), (Steps{10, 12, 14}));    // G5: B4 D5 F5
    EXPECT_EQ(pitch::ledgerSteps(StaffClef::Tenor, 45, Accidental::None), (Steps{-2}));           // A2 under B2's
    EXPECT_EQ(pitch::ledgerSteps(StaffClef::Tenor, 76, Accidental::None), (Steps{10, 12, 14}));   // E5: G4 B4 D5
    EXPECT_EQ(pitch::ledgerSteps(StaffClef::Tenor, 55, Accidental::None), (Steps{}));             // G3 on the staff
    EXPECT_EQ(pitch::ledgerSteps(StaffClef::Alto, 50, Accidental::None), (Steps{-2}));            // D3 on its own
    EXPECT_EQ(pitch::ledgerSteps(StaffClef::Alto, 52, Accidental::None), (Steps{}));              // E3 hangs below
    EXPECT_EQ(pitch::ledgerSteps(StaffClef::Tenor, 65, Accidental::None), (Steps{}));             // F4 over the top
    EXPECT_EQ(pitch::ledgerSteps(StaffClef::Tenor, 66, Accidental::Flat), (Steps{10}));           // Gb4 on G4's
    EXPECT_EQ(pitch::ledgerSteps(StaffClef::Treble, 52, Accidental::None), (Steps{-2, -4, -6}));  // E3 as before
}

// Each C clef reads about as many keys as the treble and bass clefs, all on
// the keyboard, around middle C, and no further from its staff than the
// treble clef goes from its own.
TEST(StaffClef, CClefRangesSitAroundMiddleCOnTheKeyboard)
{
    EXPECT_EQ(pitch::clefRange(StaffClef::Alto).lowest, 48);    // C3, the viola's C string
    EXPECT_EQ(pitch::clefRange(StaffClef::Alto).highest, 79);   // G5
    EXPECT_EQ(pitch::clefRange(StaffClef::Tenor).lowest, 45);   // A2
    EXPECT_EQ(pitch::clefRange(StaffClef::Tenor).highest, 76);  // E5
    for (const StaffClef clef : {StaffClef::Alto, StaffClef::Tenor}) {
        const pitch::KeyRange range = pitch::clefRange(clef);
        EXPECT_GE(range.lowest, lowestKey);
        EXPECT_LE(range.highest, highestKey);
        EXPECT_TRUE(range.contains(pitch::middleC));
        EXPECT_EQ(whiteKeysIn(range), 19);
        EXPECT_GE(whiteKeysIn(range), whiteKeysIn(pitch::bassRange) - 2);
        EXPECT_LE(whiteKeysIn(range), whiteKeysIn(pitch::trebleRange));
        for (int note = range.lowest; note <= range.highest; ++note) {
            for (const Accidental a : {Accidental::Sharp, Accidental::Flat}) {
                const int step = pitch::staffStep(clef, note, a);
                EXPECT_GE(step, pitch::staffStep(StaffClef::Treble, pitch::trebleRange.lowest, a)) << note;
                EXPECT_LE(step, pitch::staffStep(StaffClef::Treble, pitch::trebleRange.highest, a)) << note;
                EXPECT_LE(pitch::ledgerSteps(clef, note, a).size(), 3U) << note;
            }
        }
    }
}
