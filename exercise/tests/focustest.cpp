// The note choice adapted to the pupil: the weights from the records, the
// weighted draw with its floor and no repeat, and a teacher's note range.
#include "exercise/focus.h"
#include "exercise/notechoice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>

using exercise::NoteChooser;
using exercise::NoteRange;
using exercise::NoteRecord;
using exercise::NoteRecords;

TEST(Focus, WeightsFollowTheRecordsAndKeepTheFloor)
{
    const std::vector<std::int16_t> keys = {60, 62, 64, 65};
    NoteRecords records;
    records[60] = NoteRecord{10.0, 0.0, 0.0, 0.0};  // always right, quickly
    records[62] = NoteRecord{10.0, 5.0, 0.0, 0.0};  // missed half the time
    records[64] = NoteRecord{10.0, 0.0, 4.0, 4.0};  // right, after wrong keys and slowly
    // 65: never asked
    const std::vector<double> w = exercise::focusWeights(keys, records);
    ASSERT_EQ(w.size(), keys.size());
    EXPECT_NEAR(std::accumulate(w.begin(), w.end(), 0.0), 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(exercise::difficulty(records[60]), 1.0 / 12.0);
    EXPECT_DOUBLE_EQ(exercise::difficulty(records[62]), 6.0 / 12.0);
    EXPECT_DOUBLE_EQ(exercise::difficulty(records[64]), 4.0 / 12.0);
    EXPECT_DOUBLE_EQ(exercise::difficulty(NoteRecord{}), 0.5);
    EXPECT_LT(w[0], w[2]);
    EXPECT_LT(w[2], w[1]);
    EXPECT_DOUBLE_EQ(w[1], w[3]) << "a note never asked counts as missed half the time";
    for (const double x : w) {
        EXPECT_GE(x, exercise::focus::floorShare / 4.0);
    }
    // The floor share spread evenly, the rest by difficulty: 1/12 of 17/12.
    EXPECT_NEAR(w[0], 0.2 / 4.0 + 0.8 * (1.0 / 17.0), 1e-12);
}

TEST(Focus, HundredThousandDrawsNeverRepeatAndKeepEveryNotesFloor)
{
    // A pupil who misses three notes nearly always and knows the rest.
    NoteRecords records;
    for (const std::int16_t key : exercise::modeKeys(1)) {
        records[key] = NoteRecord{40.0, 0.0, 0.0, 0.0};
    }
    for (const int weak : {55, 71, 84}) {
        records[weak] = NoteRecord{40.0, 36.0, 0.0, 0.0};
    }
    for (const int mode : {1, 2, 6}) {
        SCOPED_TRACE(mode);
        std::mt19937 rng(static_cast<std::uint32_t>(1000 + mode));
        NoteChooser chooser(rng);
        chooser.setFocus(records);
        const std::vector<std::int16_t> keys = exercise::modeKeys(mode);
        const double floor = exercise::focus::floorShare / static_cast<double>(keys.size());
        std::map<int, int> counts;
        constexpr int draws = 100000;
        int previous = -1;
        for (int i = 0; i < draws; ++i) {
            const int note = chooser.choose(mode).note;
            ASSERT_NE(note, previous) << "draw " << i;
            ++counts[note];
            previous = note;
        }
        ASSERT_EQ(counts.size(), keys.size()) << "every note of the mode comes up";
        for (const std::int16_t key : keys) {
            EXPECT_GE(counts[key], 0.9 * floor * draws) << "note " << key;
        }
        if (mode == 1) {
            // Each weak note: about 0.2/23 + 0.8 * 37/(3*37 + 20*1) of the draws,
            // a little less for never following itself.
            for (const int weak : {55, 71, 84}) {
                EXPECT_GT(counts[weak], 0.18 * draws) << weak;
                EXPECT_GT(counts[weak], 10 * counts[60]) << weak;
            }
        }
    }
}

TEST(Focus, ModeOneKeepsItsLastPickMemoryWithTheFocus)
{
    std::mt19937 rng(5);
    NoteChooser chooser(rng);
    chooser.treble().lastpick = 5;  // middle C shown last, by the designed draw
    NoteRecords records;
    records[60] = NoteRecord{10.0, 10.0, 0.0, 0.0};  // the weakest of all
    chooser.setFocus(records);
    for (int i = 0; i < 200; ++i) {
        const int before = exercise::trebleWhiteKeys[static_cast<std::size_t>(chooser.treble().lastpick)];
        const int note = chooser.choose(1).note;
        EXPECT_NE(note, before);
        EXPECT_EQ(exercise::trebleWhiteKeys[static_cast<std::size_t>(chooser.treble().lastpick)], note);
    }
}

TEST(Focus, WithoutFocusOrRangeTheDrawIsTheDesignedOne)
{
    std::mt19937 a(11);
    std::mt19937 b(11);
    NoteChooser plain(a);
    NoteChooser cleared(b);
    cleared.setFocus(NoteRecords{});
    cleared.setFocus(std::nullopt);
    cleared.setRange(std::nullopt);
    for (int i = 0; i < 3000; ++i) {
        const int mode = 1 + i % 6;
        ASSERT_EQ(plain.choose(mode), cleared.choose(mode)) << i;
    }
}

TEST(NoteRange, ReadsNumbersAndFrenchNames)
{
    const struct {
        const char* text;
        std::optional<NoteRange> range;
    } cases[] = {
        {"60-67", NoteRange{60, 67}},
        {"do3-sol3", NoteRange{60, 67}},
        {"Do3-Sol3", NoteRange{60, 67}},
        {"do 2 - do 4", NoteRange{48, 72}},
        {"mi2-fa5", NoteRange{52, 89}},
        {"ré3-la3", NoteRange{62, 69}},
        {"re3-la3", NoteRange{62, 69}},
        {"fa#2-sib3", NoteRange{54, 70}},
        {"fa dièse 2-si bémol 3", NoteRange{54, 70}},
        {"fa♯2-si♭3", NoteRange{54, 70}},
        {"do3-72", NoteRange{60, 72}},
        {"0-127", NoteRange{0, 127}},
        {"sol3-do3", std::nullopt},  // high first
        {"60", std::nullopt},
        {"60-128", std::nullopt},
        {"do-sol", std::nullopt},  // no octave
        {"h3-c4", std::nullopt},
        {"do3-sol3-la3", std::nullopt},
        {"", std::nullopt},
        {"-60", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(exercise::parseNoteRange(c.text), c.range) << c.text;
    }
}

TEST(NoteRange, EveryModeKeepsOnlyItsKeysInTheRange)
{
    const NoteRange range{60, 67};  // do 3 to sol 3
    const std::map<int, std::vector<std::int16_t>> expected = {
        {1, {60, 62, 64, 65, 67}}, {2, {60, 61, 62, 63, 64, 65, 66, 67}},
        {3, {60, 62, 64, 65, 67}}, {4, {60, 61, 62, 63, 64, 65, 66, 67}},
        {5, {60, 62, 64, 65, 67}}, {6, {60, 61, 62, 63, 64, 65, 66, 67}},
    };
    std::mt19937 rng(9);
    NoteChooser chooser(rng);
    chooser.setRange(range);
    for (const auto& [mode, keys] : expected) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(exercise::modeKeys(mode, range), keys);
        std::map<int, int> seen;
        int previous = -1;
        for (int i = 0; i < 2000; ++i) {
            const exercise::NoteChoice c = chooser.choose(mode);
            ASSERT_TRUE(std::find(keys.begin(), keys.end(), c.note) != keys.end()) << c.note;
            ASSERT_NE(c.note, previous);
            ASSERT_FALSE(c.prefix.empty());
            ++seen[c.note];
            previous = c.note;
        }
        EXPECT_EQ(seen.size(), keys.size()) << "evenly over the range's keys";
    }
    EXPECT_EQ(exercise::modeLeftShort(range), 0);
    EXPECT_EQ(exercise::modeLeftShort(NoteRange{70, 80}), 3) << "no bass-clef key above la 3";
    EXPECT_EQ(exercise::modeLeftShort(NoteRange{36, 50}), 1);
    EXPECT_EQ(exercise::modeLeftShort(NoteRange{60, 61}), 1) << "one white key only";
    EXPECT_EQ(exercise::modeLeftShort(NoteRange{60, 62}), 1) << "two white keys would only take turns";
    EXPECT_EQ(exercise::modeLeftShort(NoteRange{60, 64}), 0);
}

TEST(NoteRange, CapitalsOfEveryKindAndNotesOutOfRangeAreToldApart)
{
    // Case is folded the Unicode way, whatever the letters; a note that is
    // read but lies outside 0 to 127 is out of range, not "low first".
    const struct {
        const char* text;
        std::optional<NoteRange> range;
        exercise::RangeFault fault;
    } cases[] = {
        {"FA DIÈSE 2-SI BÉMOL 3", NoteRange{54, 70}, exercise::RangeFault::None},
        {"Fa Dièse 2-Si Bémol 3", NoteRange{54, 70}, exercise::RangeFault::None},
        {"RÉ3-LA3", NoteRange{62, 69}, exercise::RangeFault::None},
        {"DO3-SOL3", NoteRange{60, 67}, exercise::RangeFault::None},
        {"FA\xe2\x99\xaf"
         "2-SI\xe2\x99\xad"
         "3",
         NoteRange{54, 70}, exercise::RangeFault::None},  // FA♯2-SI♭3
        {"SIB3-DO4", NoteRange{70, 72}, exercise::RangeFault::None},
        {"128-130", std::nullopt, exercise::RangeFault::OutOfRange},
        {"60-128", std::nullopt, exercise::RangeFault::OutOfRange},
        {"0060-99999", std::nullopt, exercise::RangeFault::OutOfRange},
        {"do3-sol9", std::nullopt, exercise::RangeFault::OutOfRange},
        {"sol3-do3", std::nullopt, exercise::RangeFault::HighFirst},
        {"72-60", std::nullopt, exercise::RangeFault::HighFirst},
        {"grave", std::nullopt, exercise::RangeFault::NotARange},
        {"do-sol", std::nullopt, exercise::RangeFault::NotARange},
        {"ÇA3-DO4", std::nullopt, exercise::RangeFault::NotARange},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const exercise::NoteRangeRead read = exercise::readNoteRange(c.text);
        EXPECT_EQ(read.range, c.range);
        EXPECT_EQ(read.fault, c.fault);
        EXPECT_EQ(exercise::parseNoteRange(c.text), c.range);
    }
}

TEST(NoteRange, TheWindowsLanguageNamesAreReadBesideTheFrenchOnes)
{
    struct Case {
        const char* language;
        const char* text;
        std::optional<exercise::NoteRange> range;
    };
    const Case cases[] = {
        {"en", "C4-G4", exercise::NoteRange{60, 67}},
        {"en", "F#3 - Bb4", exercise::NoteRange{54, 70}},
        {"de", "c1-g1", exercise::NoteRange{60, 67}},
        {"de", "H-cis1", exercise::NoteRange{47, 61}},
        {"nl", "bes-c2", exercise::NoteRange{58, 72}},
        {"pt", "dó3-sol3", exercise::NoteRange{60, 67}},
        {"en", "do3-sol3", exercise::NoteRange{60, 67}},  // French and numbers always
        {"de", "60-67", exercise::NoteRange{60, 67}},
        {"fr", "C4-G4", std::nullopt},                 // French reads no letters
        {"en", "c1-g1", exercise::NoteRange{24, 31}},  // C1 to G1, scientific
        {"en", "H1-C2", std::nullopt},
        {"de", "g1-c1", std::nullopt},  // the high note first
    };
    for (const Case& c : cases) {
        EXPECT_EQ(exercise::parseNoteRange(c.text, &keyboard::naming::namingFor(c.language)), c.range)
            << c.language << " " << c.text;
    }
    EXPECT_EQ(exercise::readNoteRange("g1-c1", &keyboard::naming::namingFor("de")).fault,
              exercise::RangeFault::HighFirst);
}
