#include "exercise/notechoice.h"
#include "exercise/randomnote.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

using exercise::NoteChoice;
using exercise::NoteChooser;
using exercise::RandomNote;
using exercise::trebleWhiteKeys;

namespace {

bool inTable(int note)
{
    return std::find(trebleWhiteKeys.begin(), trebleWhiteKeys.end(), note) != trebleWhiteKeys.end();
}

}  // namespace

TEST(RandomNote, NeverRepeatsAndNeverLeavesTheTable)
{
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        RandomNote draw(rng);
        int previous = -1;
        for (int i = 0; i < 2000; ++i) {
            const int note = draw.randomnote();
            ASSERT_TRUE(inTable(note)) << "seed " << seed << " gave " << note;
            ASSERT_NE(note, previous) << "seed " << seed << " repeated at draw " << i;
            ASSERT_EQ(trebleWhiteKeys[static_cast<std::size_t>(draw.lastpick)], note);
            previous = note;
        }
    }
}

TEST(RandomNote, FirstDrawIsNeverE3BecauseLastPickStartsAtZero)
{
    for (std::uint32_t seed = 0; seed < 3000; ++seed) {
        std::mt19937 rng(seed);
        RandomNote draw(rng);
        ASSERT_NE(draw.randomnote(), 52) << "seed " << seed;
    }
}

TEST(RandomNote, DrawsEveryOtherNoteUniformly)
{
    // After a fixed last pick, each of the 22 other notes comes up about
    // equally often: within 20% of the mean over 44,000 draws.
    std::mt19937 rng(7);
    RandomNote draw(rng);
    std::map<int, int> counts;
    constexpr int draws = 44000;
    for (int i = 0; i < draws; ++i) {
        draw.lastpick = 5;  // middle C last
        ++counts[draw.randomnote()];
    }
    EXPECT_EQ(counts.count(60), 0U);
    EXPECT_EQ(counts.size(), 22U);
    for (const auto& [note, n] : counts) {
        EXPECT_NEAR(n, draws / 22, draws / 22 / 5) << "note " << note;
    }
}

TEST(NoteChooser, ModeOneKeepsTheTrebleDrawAndItsMemoryAcrossRuns)
{
    std::mt19937 rng(3);
    NoteChooser chooser(rng);
    NoteChoice last;
    for (int i = 0; i < 50; ++i) {
        last = chooser.choose(1);
        EXPECT_EQ(last.prefix, "1");
    }
    // A new run draws on: its first note is never the last of the run before.
    for (int run = 0; run < 200; ++run) {
        const NoteChoice first = chooser.choose(1);
        ASSERT_NE(first.note, last.note);
        last = first;
    }
}

struct ModeCase {
    int mode;
    int low;
    int high;
    bool black;
};

class ModeDraws : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ModeDraws, DrawOnlyTheirKeysAndWritingsWithoutImmediateRepeats)
{
    const ModeCase c = GetParam();
    const std::vector<NoteChoice> allowed = exercise::modeChoices(c.mode);
    std::mt19937 rng(static_cast<std::uint32_t>(c.mode) * 11U);
    NoteChooser chooser(rng);
    std::set<int> seenNotes;
    std::set<std::pair<int, std::string>> seenChoices;
    int previous = -1;
    for (int i = 0; i < 6000; ++i) {
        const NoteChoice choice = chooser.choose(c.mode);
        ASSERT_GE(choice.note, c.low);
        ASSERT_LE(choice.note, c.high);
        if (!c.black) {
            ASSERT_FALSE(exercise::isBlackKey(choice.note)) << choice.note;
        }
        ASSERT_NE(choice.note, previous) << "mode " << c.mode << " repeated at draw " << i;
        ASSERT_NE(std::find(allowed.begin(), allowed.end(), choice), allowed.end())
            << "mode " << c.mode << " wrote " << choice.note << " as '" << choice.prefix << "'";
        seenNotes.insert(choice.note);
        seenChoices.insert({choice.note, choice.prefix});
        previous = choice.note;
    }
    // Every key and every way of writing it turns up.
    EXPECT_EQ(seenNotes.size(), exercise::modeKeys(c.mode).size());
    EXPECT_EQ(seenChoices.size(), allowed.size());
}

INSTANTIATE_TEST_SUITE_P(AllModes, ModeDraws,
                         ::testing::Values(ModeCase{1, 52, 89, false}, ModeCase{2, 52, 89, true},
                                           ModeCase{3, 36, 69, false}, ModeCase{4, 36, 69, true},
                                           ModeCase{5, 36, 89, false}, ModeCase{6, 36, 89, true}));

TEST(NoteChooser, WritingsFollowTheClefRanges)
{
    const auto has = [](int mode, int note, const char* prefix) {
        const auto all = exercise::modeChoices(mode);
        return std::find(all.begin(), all.end(), NoteChoice{static_cast<std::int16_t>(note), prefix}) != all.end();
    };
    EXPECT_EQ(exercise::modeKeys(1).size(), 23U);
    EXPECT_EQ(exercise::modeKeys(2).size(), 38U);
    EXPECT_EQ(exercise::modeKeys(3).size(), 20U);
    EXPECT_EQ(exercise::modeKeys(4).size(), 34U);
    EXPECT_EQ(exercise::modeKeys(6).size(), 54U);
    // Mode 2: black keys as sharps or flats; white keys only in "1".
    EXPECT_TRUE(has(2, 61, "1"));
    EXPECT_TRUE(has(2, 61, "2"));
    EXPECT_FALSE(has(2, 60, "2"));
    // Mode 5: a note both clefs hold may be written in either; others in one.
    EXPECT_TRUE(has(5, 60, "1"));
    EXPECT_TRUE(has(5, 60, "3"));
    EXPECT_FALSE(has(5, 48, "1"));
    EXPECT_FALSE(has(5, 84, "3"));
    // Mode 6: from middle C up in treble, below it in bass.
    EXPECT_TRUE(has(6, 60, "1"));
    EXPECT_FALSE(has(6, 60, "3"));
    EXPECT_TRUE(has(6, 58, "4"));
    EXPECT_FALSE(has(6, 58, "2"));
    EXPECT_TRUE(exercise::modeKeys(0).empty());
    EXPECT_TRUE(exercise::modeKeys(7).empty());
}
