#include "keyboard/staffclef.h"

#include <gtest/gtest.h>

namespace pitch = keyboard::pitch;
using pitch::Accidental;
using pitch::Clef;
using pitch::StaffClef;

// The treble and bass staves of the four-clef rules are the exercise's, for
// every note and every spelling.
TEST(StaffClef, TrebleAndBassAreTheExercisesClefs)
{
    for (const Clef clef : {Clef::Treble, Clef::Bass}) {
        const StaffClef staff = pitch::staffClef(clef);
        EXPECT_EQ(pitch::exerciseClef(staff), clef);
        for (int note = 0; note <= 127; ++note) {
            for (const Accidental a : {Accidental::None, Accidental::Sharp, Accidental::Flat}) {
                ASSERT_EQ(pitch::staffStep(staff, note, a), pitch::staffStep(clef, note, a)) << note;
            }
        }
    }
    EXPECT_FALSE(pitch::exerciseClef(StaffClef::Alto) || pitch::exerciseClef(StaffClef::Tenor));
    EXPECT_EQ(pitch::clefRange(StaffClef::Treble).lowest, pitch::trebleRange.lowest);
    EXPECT_EQ(pitch::clefRange(StaffClef::Bass).highest, pitch::bassRange.highest);
}

// Alto lines F3 A3 C4 E4 G4, middle C on the middle one; tenor lines D3 F3
// A3 C4 E4, middle C on the fourth. Ledger lines as in the other clefs.
TEST(StaffClef, CClefsPutMiddleCOnTheirLine)
{
    struct Case {
        StaffClef clef;
        int note;
        Accidental written;
        int step;
        std::vector<int> ledgers;
    };
    const Case cases[] = {
        {StaffClef::Alto, 53, Accidental::None, 0, {}},
        {StaffClef::Alto, 60, Accidental::None, 4, {}},
        {StaffClef::Alto, 67, Accidental::None, 8, {}},
        {StaffClef::Alto, 61, Accidental::Flat, 5, {}},
        {StaffClef::Alto, 50, Accidental::None, -2, {-2}},
        {StaffClef::Alto, 48, Accidental::None, -3, {-2}},
        {StaffClef::Alto, 79, Accidental::None, 15, {10, 12, 14}},
        {StaffClef::Tenor, 50, Accidental::None, 0, {}},
        {StaffClef::Tenor, 60, Accidental::None, 6, {}},
        {StaffClef::Tenor, 64, Accidental::None, 8, {}},
        {StaffClef::Tenor, 58, Accidental::Flat, 5, {}},
        {StaffClef::Tenor, 66, Accidental::Flat, 10, {10}},
        {StaffClef::Tenor, 45, Accidental::None, -3, {-2}},
        {StaffClef::Tenor, 76, Accidental::None, 15, {10, 12, 14}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pitch::staffStep(c.clef, c.note, c.written), c.step) << c.note;
        EXPECT_EQ(pitch::ledgerSteps(c.clef, c.note, c.written), c.ledgers) << c.note;
    }
    EXPECT_EQ(pitch::middleCStep(StaffClef::Alto), 4);
    EXPECT_EQ(pitch::middleCStep(StaffClef::Tenor), 6);
}

// Each C clef reads about as many keys as the others (19 white keys: the
// treble clef has 23, the bass clef 20), all on the keyboard, around middle
// C, none further from the staff than the treble clef's own notes.
TEST(StaffClef, CClefRangesSitAroundMiddleCOnTheKeyboard)
{
    EXPECT_EQ(pitch::altoRange.lowest, 48);    // C3, the viola's C string
    EXPECT_EQ(pitch::altoRange.highest, 79);   // G5
    EXPECT_EQ(pitch::tenorRange.lowest, 45);   // A2
    EXPECT_EQ(pitch::tenorRange.highest, 76);  // E5
    for (const StaffClef clef : {StaffClef::Alto, StaffClef::Tenor}) {
        const pitch::KeyRange range = pitch::clefRange(clef);
        EXPECT_TRUE(range.lowest >= 36 && range.highest <= 89 && range.contains(pitch::middleC));
        int whites = 0;
        for (int note = range.lowest; note <= range.highest; ++note) {
            whites += pitch::isBlackKey(note) ? 0 : 1;
            for (const Accidental a : {Accidental::Sharp, Accidental::Flat}) {
                const int step = pitch::staffStep(clef, note, a);
                EXPECT_TRUE(step >= pitch::staffStep(Clef::Treble, pitch::trebleRange.lowest, a) &&
                            step <= pitch::staffStep(Clef::Treble, pitch::trebleRange.highest, a))
                    << note;
            }
        }
        EXPECT_EQ(whites, 19);
    }
}
