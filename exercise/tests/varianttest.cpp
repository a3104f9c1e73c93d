#include "exercise/variant.h"
#include "exercise/run.h"
#include "exercise/variantchoice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
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
    // One that holds fewer than three of the key's notes gives way to the span.
    chooser.start(1, {VariantKind::Key, 0}, exercise::NoteRange{61, 63});
    EXPECT_EQ(chooser.notes().size(), exercise::modeKeys(1).size()) << "C major over the treble span";
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

namespace {

// A phrase's notes share one clef of the mode, never the same twice in a
// row; a drill note in modes 5 and 6 with the C clefs may go to a C clef
// whose range holds it, written under the prefix of its side of middle C.
TEST(VariantChooser, PhrasesInOneClefAndDrillNotesInTheCClefs)
{
    std::mt19937 rng(5);
    exercise::VariantChooser chooser(rng);
    chooser.start(6, {VariantKind::Phrase, 0, false, 6, true}, std::nullopt);
    std::set<StaffClef> phraseClefs;
    for (int i = 0; i < 100; ++i) {
        const exercise::VariantChooser::Phrase p = chooser.nextPhrase(6);
        ASSERT_EQ(p.notes.size(), 6U);
        phraseClefs.insert(p.clef);
        for (std::size_t n = 0; n < p.notes.size(); ++n) {
            ASSERT_TRUE(keyboard::pitch::clefRange(p.clef).contains(p.notes[n])) << p.notes[n];
            ASSERT_FALSE(keyboard::pitch::isBlackKey(p.notes[n])) << "phrases are of C major";
            ASSERT_TRUE(n == 0 || p.notes[n] != p.notes[n - 1]);
        }
    }
    EXPECT_EQ(phraseClefs.size(), 4U);
    EXPECT_EQ(chooser.nextPhrase(3).notes.size(), 3U) << "the run's last phrase may be shorter";

    chooser.start(6, {VariantKind::Drill, 0, false, 4, true}, std::nullopt);
    std::set<StaffClef> forG3;
    for (int i = 0; i < 100; ++i) {
        forG3.insert(chooser.clefOf(55, StaffClef::Bass));
        ASSERT_EQ(chooser.clefOf(40, StaffClef::Bass), StaffClef::Bass) << "E2 is below both C clefs";
    }
    EXPECT_EQ(forG3, (std::set<StaffClef>{StaffClef::Bass, StaffClef::Alto, StaffClef::Tenor}));
    chooser.start(2, {VariantKind::Drill, 0, false, 4, true}, std::nullopt);
    EXPECT_EQ(chooser.clefOf(64, StaffClef::Treble), StaffClef::Treble) << "mode 2 writes in the treble clef only";

    EXPECT_EQ(exercise::choiceIn(StaffClef::Alto, 58, keyboard::pitch::Accidental::Flat),
              (exercise::NoteChoice{58, "4", StaffClef::Alto}));
    EXPECT_EQ(exercise::choiceIn(StaffClef::Tenor, 61, keyboard::pitch::Accidental::Sharp),
              (exercise::NoteChoice{61, "1", StaffClef::Tenor}));
    EXPECT_EQ(exercise::choiceIn(StaffClef::Bass, 50, keyboard::pitch::Accidental::None),
              (exercise::NoteChoice{50, "3"}));
}

}  // namespace

namespace {

using exercise::FinishedNote;
using exercise::Outcome;
using PhraseRunner = exercise::Run;

struct Kept final : exercise::ExerciseObserver {
    void runEnded(const exercise::FinishedRun& run, std::uint32_t /*now*/) override { runs.push_back(run); }
    std::vector<exercise::FinishedRun> runs;
};

std::vector<exercise::NoteChoice> phraseOf(std::initializer_list<std::int16_t> notes)
{
    std::vector<exercise::NoteChoice> out;
    for (const std::int16_t n : notes) {
        out.push_back({n, "1"});
    }
    return out;
}

// A phrase is answered in order: a right key closes its note and times the
// next from there, a wrong one (a later note of the phrase too) counts
// against the note that waits; the answer time closes the rest as missed,
// and a stop what is left of the phrase on the staff.
TEST(PhraseRun, NotesAnsweredInOrderWithAWrongKeyBetween)
{
    Kept kept;
    PhraseRunner run(&kept, 10);
    run.start(1, 0, VariantKind::Phrase);
    run.showPhrase(phraseOf({60, 64, 67, 72}), false, 1000);
    run.drawn(1000);
    EXPECT_EQ(run.count(), 4);
    EXPECT_EQ(run.phraseAt(), 0);
    EXPECT_EQ(run.answer(64, 1500), PhraseRunner::Answer::Wrong) << "the second note before the first";
    EXPECT_EQ(run.answer(60, 1800), PhraseRunner::Answer::Right);
    EXPECT_EQ(run.phraseAt(), 1);
    EXPECT_EQ(run.note(), 64);
    EXPECT_EQ(run.answer(65, 2000), PhraseRunner::Answer::Wrong);
    EXPECT_EQ(run.answer(64, 2300), PhraseRunner::Answer::Right);
    EXPECT_TRUE(run.noteOpen());
    EXPECT_TRUE(run.timeUp(9000));
    EXPECT_FALSE(run.noteOpen());
    EXPECT_EQ(run.phraseAt(), 4);
    EXPECT_EQ(run.score(), 2);

    // The next phrase: the run's last notes, stopped after one right key.
    run.showPhrase(phraseOf({62, 65}), true, 10000);
    run.drawn(10000);
    EXPECT_EQ(run.count(), 6);
    EXPECT_EQ(run.answer(62, 10400), PhraseRunner::Answer::Right);
    run.end(true, 11000);

    ASSERT_EQ(kept.runs.size(), 1U);
    const std::vector<FinishedNote>& notes = kept.runs[0].notes;
    ASSERT_EQ(notes.size(), 6U);
    const auto expect = [&](std::size_t i, int note, Outcome outcome, std::optional<std::uint32_t> ms,
                            std::vector<int> wrong, int place) {
        SCOPED_TRACE(i);
        EXPECT_EQ(notes[i].place, static_cast<int>(i) + 1);
        EXPECT_EQ(notes[i].note, note);
        EXPECT_EQ(notes[i].outcome, outcome);
        EXPECT_EQ(notes[i].responseMs, ms);
        EXPECT_EQ(notes[i].wrongKeys, wrong);
        EXPECT_EQ(notes[i].variant, VariantKind::Phrase);
        EXPECT_EQ(notes[i].phrasePlace, place);
    };
    expect(0, 60, Outcome::Right, 800, {64}, 1);
    expect(1, 64, Outcome::Right, 500, {65}, 2);  // timed from the key before
    expect(2, 67, Outcome::Missed, std::nullopt, {}, 3);
    expect(3, 72, Outcome::Missed, std::nullopt, {}, 4);
    expect(4, 62, Outcome::Right, 400, {}, 1);
    expect(5, 65, Outcome::Stopped, std::nullopt, {}, 2);
    EXPECT_TRUE(notes[5].sounded);
}

// A phrase still open at the next tick is missed whole from the note that
// waits; one stopped during its sound, before it was drawn, is no part of
// the run.
TEST(PhraseRun, TheNextTickAndAStopDuringTheSound)
{
    Kept kept;
    PhraseRunner run(&kept);
    run.start(5, 0, VariantKind::Phrase);
    run.showPhrase(phraseOf({48, 50, 52, 53}), false, 0);
    run.drawn(0);
    EXPECT_EQ(run.answer(48, 100), PhraseRunner::Answer::Right);
    run.showPhrase(phraseOf({55, 57, 59, 60}), true, 16000);  // no answer time ran out: a lost timer
    run.end(true, 16100);
    ASSERT_EQ(kept.runs.size(), 1U);
    std::vector<Outcome> outcomes;
    for (const FinishedNote& n : kept.runs[0].notes) {
        outcomes.push_back(n.outcome);
    }
    EXPECT_EQ(outcomes, (std::vector<Outcome>{Outcome::Right, Outcome::Missed, Outcome::Missed, Outcome::Missed}));
}

}  // namespace

namespace {

// With the variant's records, a key's note the pupil often misses comes
// back more often than one always right; without them, evenly.
TEST(VariantChooser, TheVariantsRecordsWeighItsNotes)
{
    std::mt19937 rng(13);
    exercise::VariantChooser chooser(rng);
    const auto draws = [&](std::optional<exercise::NoteRecords> records) {
        chooser.setFocus(std::move(records));
        chooser.start(1, {VariantKind::Key, -2}, std::nullopt);
        std::map<int, int> count;
        for (int i = 0; i < 3000; ++i) {
            ++count[chooser.next().note];
        }
        for (int i = 0; i < 300; ++i) {
            for (const std::int16_t n : chooser.nextPhrase(4).notes) {
                ++count[n];
            }
        }
        return count;
    };
    exercise::NoteRecords records;
    for (const std::int16_t n : {62, 63, 65, 67, 69, 70, 72}) {
        records[n] = {10.0, 0.0, 0.0, 0.0};  // always right
    }
    records[70] = {10.0, 9.0, 0.0, 0.0};  // B flat 4, nearly always missed
    const std::map<int, int> weighed = draws(records);
    EXPECT_GT(weighed.at(70), 3 * weighed.at(72));
    const std::map<int, int> even = draws(std::nullopt);
    EXPECT_LT(even.at(70), 2 * even.at(72));
}

}  // namespace
