#include "progress/statistics.h"

#include <gtest/gtest.h>

using progress::MistakeKind;
using progress::NoteResult;
using progress::Outcome;
using progress::WrongKey;

namespace {

NoteResult note(const char* started, const char* run, art::Clef clef, int key, art::Accidental a, Outcome o,
                std::optional<std::uint32_t> ms = std::nullopt, std::vector<WrongKey> wrong = {})
{
    NoteResult r;
    r.started = started;
    r.run = run;
    r.mode = 6;
    r.place = 1;
    r.note = key;
    r.clef = clef;
    r.accidental = a;
    r.outcome = o;
    r.responseMs = ms;
    r.wrongKeys = std::move(wrong);
    return r;
}

std::string text(const std::vector<NoteResult>& rows)
{
    std::string s;
    for (const NoteResult& r : rows) {
        progress::appendCsvRow(s, r);
    }
    return s;
}

constexpr const char* later = "2024-09-02T17:00:00+02:00";
constexpr const char* earlier = "2024-09-01T09:30:00+02:00";
constexpr auto T = art::Clef::Treble;
constexpr auto B = art::Clef::Bass;
constexpr auto plain = art::Accidental::None;
constexpr auto sharp = art::Accidental::Sharp;

// Run s-1 (the later one, first in the file) and run t-1 (earlier).
std::string sampleFile()
{
    std::string s = std::string(progress::csv::header) + "\n";
    s += text({
        note(later, "s-1", T, 64, plain, Outcome::Right, 1000),
        note(later, "s-1", T, 64, plain, Outcome::Right, 2000),
        note(later, "s-1", T, 64, plain, Outcome::Right, 3000),
        note(later, "s-1", T, 66, sharp, Outcome::Missed, {}, {{65, MistakeKind::Accidental}}),
        note(later, "s-1", T, 66, sharp, Outcome::Missed),
        note(later, "s-1", T, 66, sharp, Outcome::Right, 2500, {{64, MistakeKind::Step}}),
        note(later, "s-1", B, 43, plain, Outcome::Missed, {}, {{55, MistakeKind::Octave}}),
        note(later, "s-1", B, 43, plain, Outcome::Right, 1500),
    });
    s += "\n";                                         // blank: not counted
    s += "this is not a row\n";                        // foreign
    s += std::string(progress::csv::header) + "\r\n";  // a second header, files joined
    s += text({note(earlier, "t-1", T, 64, plain, Outcome::Right, 500)});
    s += "2024-09-01T09:30:00+02:00,t-1,6,2,64,treble,none,right,no,12\xff\n";  // damaged
    s += text({note(earlier, "t-1", B, 43, plain, Outcome::Stopped)});
    s += "2024-09-01T09:30:00+02:00,t-1,6,3,4";  // cut short, no line end
    return s;
}

}  // namespace

TEST(Statistics, CountsEachWrittenNoteAndEachRun)
{
    const progress::ResultsSummary s = progress::summarize(sampleFile());
    EXPECT_EQ(s.rows, 10U);
    EXPECT_EQ(s.skipped, 3U);
    EXPECT_EQ(s.right, 6);
    EXPECT_EQ(s.missed, 3);
    EXPECT_EQ(s.medianMs, 1750.0);  // 500 1000 1500 2000 2500 3000

    ASSERT_EQ(s.notes.size(), 3U);
    const auto& e4 = s.notes[0];
    const auto& fis4 = s.notes[1];
    const auto& g2 = s.notes[2];
    EXPECT_EQ(e4.form, (progress::NoteForm{T, 64, plain}));
    EXPECT_EQ(fis4.form, (progress::NoteForm{T, 66, sharp}));
    EXPECT_EQ(g2.form, (progress::NoteForm{B, 43, plain})) << "treble first, then bass";

    EXPECT_EQ(e4.right, 4);
    EXPECT_EQ(e4.rightRate(), 1.0);
    EXPECT_EQ(e4.medianMs, 1500.0);  // 500 1000 2000 3000
    EXPECT_FALSE(e4.commonestMistake().has_value());

    EXPECT_EQ(fis4.right, 1);
    EXPECT_EQ(fis4.missed, 2);
    EXPECT_EQ(fis4.silentMisses, 1);
    EXPECT_EQ(fis4.wrongKeys(), 2);
    EXPECT_EQ(fis4.commonestMistake(), MistakeKind::Step) << "a tie goes to the kind listed first";
    EXPECT_EQ(fis4.medianMs, 2500.0);

    EXPECT_EQ(g2.stopped, 1);
    EXPECT_EQ(g2.asked(), 2) << "a stopped note was never answered";
    EXPECT_EQ(g2.commonestMistake(), MistakeKind::Octave);

    ASSERT_EQ(s.runs.size(), 2U);
    EXPECT_EQ(s.runs[0].run, "t-1") << "runs in the order they started";
    EXPECT_EQ(s.runs[0].score(), 100.0);
    EXPECT_EQ(s.runs[0].stopped, 1);
    EXPECT_EQ(s.runs[0].medianMs, 500.0);
    EXPECT_EQ(s.runs[1].run, "s-1");
    EXPECT_EQ(s.runs[1].score(), 62.5);
    EXPECT_EQ(s.runs[1].medianMs, 2000.0);  // 1000 1500 2000 2500 3000
}

TEST(Statistics, TheWeakestNotesComeFirst)
{
    const progress::ResultsSummary s = progress::summarize(sampleFile());
    const auto weak = progress::weakestNotes(s, 5);
    ASSERT_EQ(weak.size(), 2U) << "E4 was never wrong";
    EXPECT_EQ(weak[0].form.note, 66);  // (1+1)/(3+2) = 0.4
    EXPECT_EQ(weak[1].form.note, 43);  // (1+1)/(2+2) = 0.5
    EXPECT_EQ(progress::weakestNotes(s, 1).size(), 1U);

    // A single miss out of one does not come before eight out of ten.
    std::string t;
    for (int i = 0; i < 10; ++i) {
        t += text({note(later, "a-1", T, 72, plain, i < 8 ? Outcome::Missed : Outcome::Right,
                        i < 8 ? std::nullopt : std::optional<std::uint32_t>(900))});
    }
    t += text({note(later, "a-1", T, 74, plain, Outcome::Missed)});
    const auto w = progress::weakestNotes(progress::summarize(t), 5);
    ASSERT_EQ(w.size(), 2U);
    EXPECT_EQ(w[0].form.note, 72);
    EXPECT_EQ(w[1].form.note, 74);
}

TEST(Statistics, EmptyAndForeignFiles)
{
    const struct {
        const char* name;
        std::string text;
        std::size_t skipped;
    } cases[] = {
        {"empty", "", 0},
        {"only the header", std::string(progress::csv::header) + "\n", 0},
        {"another program's CSV", "id,name\n1,anne\n2,paul\n", 3},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), 3},
    };
    for (const auto& c : cases) {
        const auto s = progress::summarize(c.text);
        EXPECT_EQ(s.rows, 0U) << c.name;
        EXPECT_EQ(s.skipped, c.skipped) << c.name;
        EXPECT_TRUE(s.runs.empty()) << c.name;
        EXPECT_FALSE(s.score().has_value()) << c.name;
        EXPECT_TRUE(progress::weakestNotes(s, 5).empty()) << c.name;
    }
}

TEST(Statistics, TrendsAndMedians)
{
    const auto t = progress::trendOf({10.0, 20.0, 30.0, 40.0, std::nullopt, 60.0});
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->window, 1U);
    EXPECT_DOUBLE_EQ(t->first, 10.0);
    EXPECT_DOUBLE_EQ(t->last, 60.0);
    EXPECT_DOUBLE_EQ(t->slope, 10.0);
    EXPECT_FALSE(progress::trendOf({std::nullopt}).has_value());

    std::vector<std::optional<double>> series(20);
    for (int i = 0; i < 20; ++i) {
        series[static_cast<std::size_t>(i)] = 100.0 - 2.0 * i;
    }
    const auto down = progress::trendOf(series);
    EXPECT_EQ(down->window, 4U);
    EXPECT_DOUBLE_EQ(down->first, 97.0);  // 100 98 96 94
    EXPECT_DOUBLE_EQ(down->slope, -2.0);

    const auto m = progress::movingMean({1.0, 2.0, 3.0, std::nullopt, 5.0}, 3);
    ASSERT_EQ(m.size(), 5U);
    EXPECT_DOUBLE_EQ(*m[0], 1.5);
    EXPECT_DOUBLE_EQ(*m[1], 2.0);
    EXPECT_DOUBLE_EQ(*m[2], 2.5);
    EXPECT_DOUBLE_EQ(*m[3], 4.0);
    EXPECT_DOUBLE_EQ(*m[4], 5.0);

    std::vector<std::uint32_t> odd = {5, 1, 3};
    std::vector<std::uint32_t> even = {4, 1, 3, 2};
    std::vector<std::uint32_t> none;
    EXPECT_EQ(progress::median(odd), 3.0);
    EXPECT_EQ(progress::median(even), 2.5);
    EXPECT_FALSE(progress::median(none).has_value());
}
