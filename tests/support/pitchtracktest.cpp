// The note tracker that the sound tests and the end-to-end test listen
// with, on sounds whose notes are known: it must hear what is there and
// nothing that is not.
#include "tests/support/pitchtrack.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

using testing_support::HeardNote;
using testing_support::trackNotes;

namespace {

constexpr double rate = 48000.0;

double frequencyOf(int note)
{
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// A struck string, roughly: a fundamental and its overtones, loudest at the
// second, decaying from the strike; after the release a faster decay.
void addNote(std::vector<float>& out, int note, double startMs, double heldMs, double level)
{
    const double f = frequencyOf(note);
    const auto first = static_cast<std::size_t>(startMs * rate / 1000.0);
    const double releaseMs = 150.0;
    const auto length = static_cast<std::size_t>((heldMs + releaseMs) * rate / 1000.0);
    static constexpr double partials[] = {0.6, 1.0, 0.5, 0.3, 0.2, 0.1};
    for (std::size_t i = 0; i < length && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double ms = 1000.0 * t;
        double envelope = std::exp(-t * 3.0) * std::min(1.0, ms / 2.0);
        if (ms > heldMs) {
            envelope *= std::exp(-(ms - heldMs) / 30.0);
        }
        double v = 0.0;
        for (std::size_t k = 0; k < std::size(partials); ++k) {
            v += partials[k] * std::sin(2.0 * std::numbers::pi * f * static_cast<double>(k + 1) * t);
        }
        out[first + i] += static_cast<float>(level * envelope * v / 2.7);
    }
}

std::vector<float> silence(double ms)
{
    return std::vector<float>(static_cast<std::size_t>(ms * rate / 1000.0), 0.0F);
}

}  // namespace

TEST(PitchTrack, EstimatesThePitchOfToneRichNotesAcrossThePiano)
{
    for (int note = 45; note <= 93; note += 3) {
        std::vector<float> s = silence(100);
        addNote(s, note, 0, 100, 0.5);
        const double heard = testing_support::estimatePitch(s.data() + 480, 2400, rate, 100.0, 2000.0);
        ASSERT_GT(heard, 0.0) << "note " << note;
        EXPECT_NEAR(12.0 * std::log2(heard / frequencyOf(note)), 0.0, 0.1) << "note " << note << ": " << heard << " Hz";
    }
}

TEST(PitchTrack, HearsNoPitchInSilenceOrNoise)
{
    std::vector<float> quiet = silence(100);
    EXPECT_EQ(testing_support::estimatePitch(quiet.data(), quiet.size(), rate, 100.0, 2000.0), 0.0);
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> noise(-0.3F, 0.3F);
    std::vector<float> hiss = silence(1000);
    for (float& x : hiss) {
        x = noise(rng);
    }
    EXPECT_TRUE(trackNotes(hiss, rate).empty());
    EXPECT_TRUE(trackNotes(silence(1000), rate).empty());
    EXPECT_TRUE(trackNotes({}, rate).empty());
}

// The greeting scale's shape: eight notes, 200 ms each (the last 400 ms),
// each released as the next is struck, so each new note begins over the
// tail of the one before. A late start and a quiet one too.
TEST(PitchTrack, FindsEveryNoteOfALegatoScaleWithItsOnset)
{
    struct Case {
        double startMs;
        double level;
        double stepMs;
    };
    for (const Case c : {Case{0, 0.5, 200}, Case{1234, 0.5, 200}, Case{300, 0.02, 200}, Case{300, 0.5, 120}}) {
        static constexpr int scale[] = {60, 62, 64, 65, 67, 69, 71, 72};
        std::vector<float> s = silence(c.startMs + 9 * c.stepMs + 500);
        for (std::size_t i = 0; i < std::size(scale); ++i) {
            addNote(s, scale[i], c.startMs + c.stepMs * static_cast<double>(i), i == 7 ? 2 * c.stepMs : c.stepMs,
                    c.level);
        }
        const std::vector<HeardNote> heard = trackNotes(s, rate);
        ASSERT_EQ(heard.size(), std::size(scale)) << "start " << c.startMs << " level " << c.level;
        for (std::size_t i = 0; i < heard.size(); ++i) {
            EXPECT_EQ(heard[i].note, scale[i]) << "note " << i;
            EXPECT_NEAR(heard[i].onsetMs, c.startMs + c.stepMs * static_cast<double>(i), 6.0) << "note " << i;
        }
        EXPECT_GT(heard.back().lengthMs, 1.5 * c.stepMs);
    }
}

TEST(PitchTrack, ARepeatedNoteAfterASilenceIsTwoNotes)
{
    std::vector<float> s = silence(1500);
    addNote(s, 67, 100, 200, 0.5);
    addNote(s, 67, 900, 200, 0.5);
    const std::vector<HeardNote> heard = trackNotes(s, rate);
    ASSERT_EQ(heard.size(), 2U);
    EXPECT_NEAR(heard[0].onsetMs, 100, 6);
    EXPECT_NEAR(heard[1].onsetMs, 900, 6);
    EXPECT_NEAR(heard[1].frequency, frequencyOf(67), 2.0);
}
