#include "progress/mistakes.h"

#include <gtest/gtest.h>

using art::Accidental;
using progress::MistakeKind;

namespace progress {
// Failures name the kind rather than print its bytes.
void PrintTo(MistakeKind kind, std::ostream* os)
{
    *os << mistakeName(kind);
}
}  // namespace progress

namespace {

struct Case {
    const char* clef;  // where the note was written; the kind does not depend on it, the cases cover both
    int asked;
    Accidental written;
    int pressed;
    MistakeKind kind;
    const char* why;
};

// Notes: E4 64, F4 65, F#4/Gb4 66, G4 67, Bb4 70, C5 72 in treble;
// F2 41, F#2 42, G2 43, Ab2 44, C#3 49, D3 50, Eb3 51 in bass.
const Case cases[] = {
    // octave: the note's name, another octave
    {"treble", 64, Accidental::None, 76, MistakeKind::Octave, "E4 for E5"},
    {"treble", 64, Accidental::None, 52, MistakeKind::Octave, "E4 for E3"},
    {"treble", 66, Accidental::Sharp, 78, MistakeKind::Octave, "F#4 for F#5"},
    {"treble", 66, Accidental::Flat, 54, MistakeKind::Octave, "Gb4 for Gb3"},
    {"treble", 70, Accidental::Flat, 82, MistakeKind::Octave, "Bb4 for Bb5"},
    {"bass", 43, Accidental::None, 55, MistakeKind::Octave, "G2 for G3"},
    {"bass", 49, Accidental::Sharp, 37, MistakeKind::Octave, "C#3 for C#2"},
    {"bass", 51, Accidental::Flat, 63, MistakeKind::Octave, "Eb3 for Eb4"},
    {"bass", 43, Accidental::None, 67, MistakeKind::Octave, "G2 for G4, two octaves"},

    // accidental: the written letter, sign missed or added
    {"treble", 66, Accidental::Sharp, 65, MistakeKind::Accidental, "F#4: sharp missed, F4"},
    {"treble", 66, Accidental::Flat, 67, MistakeKind::Accidental, "Gb4: flat missed, G4"},
    {"treble", 66, Accidental::Flat, 68, MistakeKind::Accidental, "Gb4: sharp for flat, G#4"},
    {"treble", 70, Accidental::Flat, 71, MistakeKind::Accidental, "Bb4: flat missed, B4"},
    {"treble", 67, Accidental::None, 68, MistakeKind::Accidental, "G4: sharp added, G#4"},
    {"treble", 67, Accidental::None, 66, MistakeKind::Accidental, "G4: flat added, Gb4"},
    {"treble", 64, Accidental::None, 63, MistakeKind::Accidental, "E4: flat added, Eb4"},
    {"treble", 72, Accidental::None, 73, MistakeKind::Accidental, "C5: sharp added, C#5"},
    {"bass", 49, Accidental::Sharp, 48, MistakeKind::Accidental, "C#3: sharp missed, C3"},
    {"bass", 44, Accidental::Flat, 45, MistakeKind::Accidental, "Ab2: flat missed, A2"},
    {"bass", 44, Accidental::Flat, 46, MistakeKind::Accidental, "Ab2: sharp for flat, A#2"},
    {"bass", 50, Accidental::None, 51, MistakeKind::Accidental, "D3: sharp added, D#3"},
    {"bass", 50, Accidental::None, 49, MistakeKind::Accidental, "D3: flat added, Db3"},
    {"bass", 42, Accidental::Sharp, 41, MistakeKind::Accidental, "F#2: sharp missed, F2"},

    // step: one line or space off, keeping the note's sign
    {"treble", 64, Accidental::None, 65, MistakeKind::Step, "E4: F4 above"},
    {"treble", 64, Accidental::None, 62, MistakeKind::Step, "E4: D4 below"},
    {"treble", 72, Accidental::None, 71, MistakeKind::Step, "C5: B4 below, one semitone"},
    {"treble", 66, Accidental::Sharp, 64, MistakeKind::Step, "F#4: E4 below"},
    {"treble", 66, Accidental::Sharp, 67, MistakeKind::Step, "F#4: G4 above"},
    {"treble", 66, Accidental::Sharp, 68, MistakeKind::Step, "F#4: G#4, the sharp kept"},
    {"treble", 70, Accidental::Flat, 69, MistakeKind::Step, "Bb4: A4 below"},
    {"treble", 70, Accidental::Flat, 72, MistakeKind::Step, "Bb4: C5 above"},
    {"treble", 70, Accidental::Flat, 68, MistakeKind::Step, "Bb4: Ab4, the flat kept"},
    {"treble", 66, Accidental::Flat, 65, MistakeKind::Step, "Gb4: F4, the space below G"},
    {"bass", 43, Accidental::None, 41, MistakeKind::Step, "G2: F2 below"},
    {"bass", 43, Accidental::None, 45, MistakeKind::Step, "G2: A2 above"},
    {"bass", 51, Accidental::Flat, 50, MistakeKind::Step, "Eb3: D3 below"},
    {"bass", 51, Accidental::Flat, 53, MistakeKind::Step, "Eb3: F3 above"},
    {"bass", 51, Accidental::Flat, 49, MistakeKind::Step, "Eb3: Db3, the flat kept"},
    {"bass", 42, Accidental::Sharp, 40, MistakeKind::Step, "F#2: E2 below"},
    {"bass", 42, Accidental::Sharp, 44, MistakeKind::Step, "F#2: G#2, the sharp kept"},

    // other
    {"treble", 64, Accidental::None, 66, MistakeKind::Other, "E4: F#4, a sign the note never had on its neighbour"},
    {"treble", 64, Accidental::None, 67, MistakeKind::Other, "E4: G4, two steps"},
    {"treble", 66, Accidental::Sharp, 63, MistakeKind::Other, "F#4: Eb4"},
    {"treble", 66, Accidental::Sharp, 61, MistakeKind::Other, "F#4: C#4"},
    {"treble", 70, Accidental::Flat, 73, MistakeKind::Other, "Bb4: C#5"},
    {"treble", 66, Accidental::Flat, 65 - 12, MistakeKind::Other, "Gb4: F3"},
    {"bass", 43, Accidental::None, 46, MistakeKind::Other, "G2: A#2"},
    {"bass", 49, Accidental::Sharp, 55, MistakeKind::Other, "C#3: G3"},
    {"bass", 44, Accidental::Flat, 50, MistakeKind::Other, "Ab2: D3"},
    {"bass", 42, Accidental::Sharp, 36, MistakeKind::Other, "F#2: C2"},
};

}  // namespace

TEST(Mistakes, EachWrongKeyGetsItsKind)
{
    int perKind[progress::mistakeKinds] = {};
    for (const Case& c : cases) {
        EXPECT_EQ(progress::classifyMistake(c.asked, c.written, c.pressed), c.kind)
            << c.clef << ": " << c.why << " (asked " << c.asked << ", pressed " << c.pressed << ")";
        ++perKind[static_cast<int>(c.kind)];
    }
    for (const int n : perKind) {
        EXPECT_GE(n, 6);  // every kind is covered, in both clefs
    }
}

TEST(Mistakes, APlainSpellingOfAWhiteKeyIsIgnored)
{
    // A white key is written plain whatever the prefix asks for.
    EXPECT_EQ(progress::classifyMistake(64, Accidental::Sharp, 65), MistakeKind::Step);
    EXPECT_EQ(progress::classifyMistake(64, Accidental::Flat, 63), MistakeKind::Accidental);
}

TEST(Mistakes, NamesGoBothWays)
{
    for (const MistakeKind k : {MistakeKind::Octave, MistakeKind::Step, MistakeKind::Accidental, MistakeKind::Other}) {
        const auto name = progress::mistakeName(k);
        ASSERT_EQ(progress::mistakeFromName(name), k) << name;
        EXPECT_FALSE(progress::mistakeFrenchName(k).empty());
    }
    EXPECT_EQ(progress::mistakeName(MistakeKind::Accidental), "accidental");
    EXPECT_FALSE(progress::mistakeFromName("Octave").has_value());
    EXPECT_FALSE(progress::mistakeFromName("").has_value());
}
