#include "exercise/randomkeynote.h"
#include "keyboard/staffclef.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace pitch = keyboard::pitch;
using exercise::RandomKeyNote;
using pitch::KeyRange;
using pitch::KeySignature;

namespace {

KeySignature key(int fifths)
{
    return KeySignature::ofFifths(fifths).value();
}

std::vector<int> draws(std::uint32_t seed, KeySignature k, KeyRange range, int count)
{
    std::mt19937 rng(seed);
    RandomKeyNote draw(rng, k, range);
    std::vector<int> out;
    out.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        out.push_back(draw.randomnote().value_or(-1));
    }
    return out;
}

}  // namespace

TEST(KeyNotes, TheScaleWithinTheSpan)
{
    using Notes = std::vector<std::int16_t>;
    EXPECT_EQ(exercise::keyNotes(key(1), {60, 72}), (Notes{60, 62, 64, 66, 67, 69, 71, 72}));   // G: F#
    EXPECT_EQ(exercise::keyNotes(key(-4), {60, 72}), (Notes{60, 61, 63, 65, 67, 68, 70, 72}));  // Ab: Db Eb Ab Bb
    EXPECT_EQ(exercise::keyNotes(key(0), {61, 61}), (Notes{}));
    EXPECT_EQ(exercise::keyNotes(key(4), {63, 63}), (Notes{63}));  // D# in E major
    // G major in the treble clef's E3 to F6: its 23 white keys but the four
    // F, and the three F sharps between them.
    const Notes g = exercise::keyNotes(key(1), pitch::trebleRange);
    EXPECT_EQ(g.size(), 22U);
    EXPECT_EQ(g.front(), 52);
    EXPECT_EQ(g.back(), 88);  // E6: F6 is out, and no F#6 below 89
    EXPECT_EQ(std::count_if(g.begin(), g.end(), [](int n) { return pitch::isBlackKey(n); }), 3);
}

// Whatever the key and the clef: never the same note twice in a row, never
// a note outside the key or the clef's span, and every note of both comes.
TEST(RandomKeyNote, NeverRepeatsAndStaysInTheKeyAndTheSpan)
{
    std::uint32_t seed = 1;
    for (const KeySignature k : pitch::allKeySignatures) {
        for (const pitch::StaffClef clef : pitch::allStaffClefs) {
            const KeyRange range = pitch::clefRange(clef);
            std::mt19937 rng(seed++);
            RandomKeyNote draw(rng, k, range);
            ASSERT_GE(draw.notes().size(), 18U);
            std::set<int> seen;
            int previous = -1;
            for (int i = 0; i < 600; ++i) {
                const std::optional<std::int16_t> note = draw.randomnote();
                ASSERT_TRUE(note);
                ASSERT_TRUE(k.contains(*note) && range.contains(*note)) << k.fifths() << " gave " << *note;
                ASSERT_NE(*note, previous) << k.fifths() << " repeated at draw " << i;
                EXPECT_EQ(draw.lastNote, *note);
                seen.insert(*note);
                previous = *note;
            }
            EXPECT_EQ(seen.size(), draw.notes().size()) << k.fifths();
        }
    }
}

// Even over the notes, and after each note even over all the others.
TEST(RandomKeyNote, UniformOverTheOtherNotes)
{
    std::mt19937 rng(2024);
    RandomKeyNote draw(rng, key(-2), pitch::altoRange);
    const auto n = static_cast<int>(draw.notes().size());
    std::map<int, int> count;
    std::map<std::pair<int, int>, int> pairs;
    int previous = 0;
    constexpr int total = 60000;
    for (int i = 0; i < total; ++i) {
        const int note = *draw.randomnote();
        ++count[note];
        if (previous != 0) {
            ++pairs[{previous, note}];
        }
        previous = note;
    }
    ASSERT_EQ(static_cast<int>(count.size()), n);
    const double expected = static_cast<double>(total) / n;
    for (const auto& [note, c] : count) {
        EXPECT_NEAR(c, expected, expected / 10.0) << note;
    }
    // Every ordered pair of two different notes, and no other.
    EXPECT_EQ(static_cast<int>(pairs.size()), n * (n - 1));
    for (const auto& [pair, c] : pairs) {
        EXPECT_GT(c, 0);
        EXPECT_NE(pair.first, pair.second);
    }
}

TEST(RandomKeyNote, TheSameSeedDrawsTheSameNotes)
{
    const KeyRange range = pitch::tenorRange;
    EXPECT_EQ(draws(7, key(3), range, 200), draws(7, key(3), range, 200));
    EXPECT_NE(draws(7, key(3), range, 200), draws(8, key(3), range, 200));
    EXPECT_NE(draws(7, key(3), range, 200), draws(7, key(-3), range, 200));
}

TEST(RandomKeyNote, SpansWithFewNotes)
{
    EXPECT_EQ(draws(1, key(0), {61, 61}, 3), (std::vector<int>{-1, -1, -1}));  // no note of C major
    EXPECT_EQ(draws(1, key(2), {61, 61}, 3), (std::vector<int>{61, 61, 61}));  // C# alone in D major
    const std::vector<int> two = draws(1, key(0), {59, 61}, 6);                // B3 and C4
    for (std::size_t i = 1; i < two.size(); ++i) {
        EXPECT_NE(two[i], two[i - 1]);
        EXPECT_TRUE(two[i] == 59 || two[i] == 60) << two[i];
    }
    // Unlike the treble draw's first note, which is never E3, the lowest
    // note of the span may come first.
    std::set<int> firsts;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        firsts.insert(draws(seed, key(0), {60, 64}, 1).front());
    }
    EXPECT_EQ(firsts, (std::set<int>{60, 62, 64}));
}
