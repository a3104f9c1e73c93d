#include "exercise/variant.h"
#include "exercise/variantchoice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

using exercise::Variant;
using exercise::VariantKind;

TEST(Variant, ReadsWhatItWritesAndTheShortForms)
{
    struct Case {
        const char* text;
        Variant variant;
        const char* written;
    };
    const Case cases[] = {
        {"", {}, ""},
        {"drill", {}, ""},
        {"ear", {VariantKind::Ear}, "ear"},
        {"key", {VariantKind::Key}, "key=0"},
        {"key=-4", {VariantKind::Key, -4}, "key=-4"},
        {"key=+3", {VariantKind::Key, 3}, "key=3"},
        {"key=new", {VariantKind::Key, 0, true}, "key=new"},
        {"phrase", {VariantKind::Phrase}, "phrase=4"},
        {"phrase=8", {VariantKind::Phrase, 0, false, 8}, "phrase=8"},
    };
    for (const Case& c : cases) {
        const auto read = exercise::parseVariant(c.text);
        ASSERT_TRUE(read) << c.text;
        EXPECT_EQ(*read, c.variant) << c.text;
        EXPECT_EQ(exercise::variantText(*read), c.written) << c.text;
        EXPECT_EQ(exercise::parseVariant(exercise::variantText(*read)), read) << c.text;
    }
    EXPECT_TRUE(Variant{}.isDrill());
    EXPECT_FALSE((Variant{VariantKind::Drill, 0, false, 4, true}).isDrill());  // the C clefs are no drill
}

TEST(Variant, RefusesWhatNoExerciseRuns)
{
    for (const char* text : {"ears", "key=5", "key=-5", "key=x", "key=", "key=1.5", "phrase=3", "phrase=9",
                             "phrase=", "ear=1", "drill=1", "=ear", "KEY=1", " ear"}) {
        EXPECT_FALSE(exercise::parseVariant(text)) << text;
    }
}

TEST(Variant, ByEarAlwaysSoundsTheDrillWhenAsked)
{
    EXPECT_TRUE(exercise::soundsFirst({VariantKind::Ear}, false));
    EXPECT_FALSE(exercise::soundsFirst({}, false));
    EXPECT_TRUE(exercise::soundsFirst({}, true));
    EXPECT_FALSE(exercise::soundsFirst({VariantKind::Key}, false));
}

}  // namespace

namespace {

using exercise::StaffClef;

// The key's notes in the mode's span, each in a clef of the mode that holds
// it, never twice in a row; a new key at every start when asked.
TEST(VariantChooser, NotesOfTheKeyInTheModesClefs)
{
    std::mt19937 rng(7);
    exercise::VariantChooser chooser(rng);
    for (int fifths = -4; fifths <= 4; ++fifths) {
        for (int mode = 1; mode <= 6; ++mode) {
            for (const bool cClefs : {false, true}) {
                chooser.start(mode, {VariantKind::Key, fifths, false, 4, cClefs}, std::nullopt);
                ASSERT_EQ(chooser.key().fifths(), fifths);
                const std::vector<StaffClef> clefs = exercise::modeClefs(mode, cClefs);
                ASSERT_GE(chooser.notes().size(), 10U) << mode;
                std::int16_t last = 0;
                for (int i = 0; i < 200; ++i) {
                    const exercise::VariantNote n = chooser.next();
                    ASSERT_TRUE(chooser.key().contains(n.note)) << n.note;
                    ASSERT_NE(n.note, last);
                    ASSERT_TRUE(std::find(clefs.begin(), clefs.end(), n.clef) != clefs.end());
                    ASSERT_TRUE(keyboard::pitch::clefRange(n.clef).contains(n.note)) << n.note;
                    if (mode >= 5 && n.clef == StaffClef::Treble) {
                        ASSERT_GE(n.note, 60);
                    }
                    last = n.note;
                }
            }
        }
    }
    // The treble modes keep to the treble span, and a range narrows it.
    chooser.start(1, {VariantKind::Key, 2}, exercise::NoteRange{60, 72});
    EXPECT_EQ(chooser.notes(), (std::vector<std::int16_t>{61, 62, 64, 66, 67, 69, 71}));
}

TEST(VariantChooser, TheCClefsComeOnlyWhenTicked)
{
    std::mt19937 rng(11);
    exercise::VariantChooser chooser(rng);
    const auto clefsSeen = [&](bool cClefs) {
        chooser.start(6, {VariantKind::Key, 0, false, 4, cClefs}, std::nullopt);
        std::set<StaffClef> seen;
        for (int i = 0; i < 400; ++i) {
            seen.insert(chooser.next().clef);
        }
        return seen;
    };
    EXPECT_EQ(clefsSeen(false), (std::set<StaffClef>{StaffClef::Treble, StaffClef::Bass}));
    EXPECT_EQ(clefsSeen(true),
              (std::set<StaffClef>{StaffClef::Treble, StaffClef::Bass, StaffClef::Alto, StaffClef::Tenor}));
}

TEST(VariantChooser, ANewKeyAtEveryRunWhenAsked)
{
    std::mt19937 rng(3);
    exercise::VariantChooser chooser(rng);
    std::set<int> keys;
    for (int run = 0; run < 60; ++run) {
        chooser.start(2, {VariantKind::Key, 0, true}, std::nullopt);
        keys.insert(chooser.key().fifths());
    }
    EXPECT_EQ(keys.size(), 9U);  // every one of the nine, from -4 to 4
}

}  // namespace
