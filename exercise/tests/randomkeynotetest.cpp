#include "exercise/randomkeynote.h"
#include "keyboard/staffclef.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(RandomKeyNote, TheScaleWithinTheSpan)
{
    using Notes = std::vector<std::int16_t>;
    EXPECT_EQ(exercise::keyNotes(key(1), {60, 72}), (Notes{60, 62, 64, 66, 67, 69, 71, 72}));   // G: F#
    EXPECT_EQ(exercise::keyNotes(key(-4), {60, 72}), (Notes{60, 61, 63, 65, 67, 68, 70, 72}));  // Ab: Db Eb Ab Bb
    // G major in the treble clef's E3 to F6: its 23 white keys but the four
    // F, and the three F sharps between them.
    const Notes g = exercise::keyNotes(key(1), pitch::trebleRange);
    EXPECT_EQ(g.size(), 22U);
    EXPECT_EQ(std::count_if(g.begin(), g.end(), [](int n) { return pitch::isBlackKey(n); }), 3);
}

// In every key and clef: never the same note twice in a row, only notes of
// the key in the clef's span, every one of them, evenly, and each followed
// by every other.
TEST(RandomKeyNote, NeverRepeatsAndStaysInTheKeyAndTheSpan)
{
    constexpr int drawn = 8000;
    std::uint32_t seed = 1;
    for (const KeySignature k : pitch::allKeySignatures) {
        for (const pitch::StaffClef clef : pitch::allStaffClefs) {
            const KeyRange range = pitch::clefRange(clef);
            const std::vector<int> notes = draws(seed++, k, range, drawn);
            const auto n = static_cast<int>(exercise::keyNotes(k, range).size());
            std::map<int, int> count;
            std::set<std::pair<int, int>> pairs;
            for (std::size_t i = 0; i < notes.size(); ++i) {
                ASSERT_TRUE(k.contains(notes[i]) && range.contains(notes[i])) << k.fifths() << " gave " << notes[i];
                ++count[notes[i]];
                if (i > 0) {
                    ASSERT_NE(notes[i], notes[i - 1]) << k.fifths() << " repeated at draw " << i;
                    pairs.insert({notes[i - 1], notes[i]});
                }
            }
            ASSERT_EQ(static_cast<int>(count.size()), n) << k.fifths();
            for (const auto& [note, c] : count) {
                EXPECT_NEAR(c, static_cast<double>(drawn) / n, 0.3 * drawn / n) << note;
            }
            EXPECT_EQ(static_cast<int>(pairs.size()), n * (n - 1)) << k.fifths();
        }
    }
}

TEST(RandomKeyNote, TheSameSeedDrawsTheSameNotes)
{
    EXPECT_EQ(draws(7, key(3), pitch::tenorRange, 200), draws(7, key(3), pitch::tenorRange, 200));
    EXPECT_NE(draws(7, key(3), pitch::tenorRange, 200), draws(8, key(3), pitch::tenorRange, 200));
}

TEST(RandomKeyNote, SpansWithFewNotes)
{
    EXPECT_EQ(draws(1, key(0), {61, 61}, 3), (std::vector<int>{-1, -1, -1}));  // no note of C major
    EXPECT_EQ(draws(1, key(2), {61, 61}, 3), (std::vector<int>{61, 61, 61}));  // C# alone in D major
    const std::vector<int> two = draws(1, key(0), {59, 61}, 6);                // B3 and C4 take turns
    EXPECT_EQ(std::set<int>(two.begin(), two.begin() + 2), (std::set<int>{59, 60}));
    for (std::size_t i = 2; i < two.size(); ++i) {
        EXPECT_EQ(two[i], two[i % 2]) << i;
    }
    // Unlike the treble draw, which never starts on E3, any note may come first.
    std::set<int> firsts;
    for (std::uint32_t seed = 1; seed <= 100; ++seed) {
        firsts.insert(draws(seed, key(0), {60, 64}, 1).front());
    }
    EXPECT_EQ(firsts, (std::set<int>{60, 62, 64}));
}
