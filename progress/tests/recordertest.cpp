// Whole runs on the virtual clock, with scripted key presses, and the rows
// the recorder makes of them.
#include "progress/statistics.h"
#include "progress/tests/progressrig.h"

#include "exercise/run.h"
#include "exercise/speed.h"

#include <QTest>
#include "progress/statistics.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <chrono>
#include <set>

using progress::MistakeKind;
using progress::NoteResult;
using progress::Outcome;
using progress_testing::MemorySink;
using progress_testing::ObservedRig;
using progress_testing::Spy;

namespace progress {
void PrintTo(MistakeKind kind, std::ostream* os)
{
    *os << mistakeName(kind);
}
void PrintTo(Outcome outcome, std::ostream* os)
{
    *os << outcomeName(outcome);
}
}  // namespace progress

namespace {

constexpr const char* startedAt = "2024-09-02T17:00:00+02:00";

// Collects runs as the recorder would hand them to its file.
struct Runs {
    std::vector<std::vector<NoteResult>> done;
    progress::RunCollector collector{[] { return std::string(startedAt); }, "test",
                                     [this](std::vector<NoteResult>&& rows) { done.push_back(std::move(rows)); }};
};

bool pianoKey(int key)
{
    return key >= 36 && key <= 89;
}

}  // namespace

TEST(RecordedRun, OutcomesAndResponseTimesFromTheTick)
{
    Runs runs;
    ObservedRig rig(runs.collector);
    Form1& f = *rig.form;
    f.m_Click(1);
    const std::uint32_t period = rig.interval();
    const std::uint32_t start = rig.time.now();
    auto tick = [&](int k) { return start + period * static_cast<std::uint32_t>(k); };

    // What the pupil does at each note, ms after the tick; 0 for nothing.
    const struct {
        std::uint32_t wrongAt;  // a wrong key first, 0 for none
        std::uint32_t rightAt;  // the right key, 0 for none (missed)
    } script[] = {
        {0, 1234}, {0, 0}, {500, 2100}, {0, 3799}, {300, 0}, {0, 1}, {0, 3800},
    };
    std::vector<int> notes;
    int k = 0;
    for (const auto& s : script) {
        ++k;
        rig.advanceTo(tick(k), 0);
        ASSERT_EQ(f.notecount, k);
        notes.push_back(f.curnote);
        const int wrong = f.curnote == 60 ? 62 : 60;
        if (s.wrongAt != 0) {
            rig.advanceTo(tick(k), s.wrongAt);
            rig.press(wrong);
        }
        if (s.rightAt != 0) {
            rig.advanceTo(tick(k), s.rightAt);
            rig.press(f.curnote);  // at 3800 the answer time is over: it counts for nothing
        }
    }
    f.stop1_Click();
    ASSERT_EQ(runs.done.size(), 1U);
    const std::vector<NoteResult>& rows = runs.done[0];
    ASSERT_EQ(rows.size(), std::size(script));

    const struct {
        Outcome outcome;
        std::optional<std::uint32_t> ms;
        std::size_t wrong;
    } expected[] = {
        {Outcome::Right, 1234, 0}, {Outcome::Missed, {}, 0}, {Outcome::Right, 2100, 1}, {Outcome::Right, 3799, 0},
        {Outcome::Missed, {}, 1},  {Outcome::Right, 1, 0},   {Outcome::Missed, {}, 0},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(rows[i].place, static_cast<int>(i + 1));
        EXPECT_EQ(rows[i].note, notes[i]);
        EXPECT_EQ(rows[i].mode, 1);
        EXPECT_EQ(rows[i].clef, art::Clef::Treble);
        EXPECT_EQ(rows[i].accidental, art::Accidental::None);
        EXPECT_EQ(rows[i].started, startedAt);
        EXPECT_EQ(rows[i].run, "test-1");
        EXPECT_FALSE(rows[i].sounded);
        EXPECT_EQ(rows[i].outcome, expected[i].outcome);
        EXPECT_EQ(rows[i].responseMs, expected[i].ms);
        EXPECT_EQ(rows[i].wrongKeys.size(), expected[i].wrong);
    }
    // The score the window shows agrees with the rows.
    EXPECT_EQ(f.text1->text().toInt(), 4);
}

TEST(RecordedRun, WithTheSoundOnTheTimeCountsFromTheStartOfTheSound)
{
    Runs runs;
    Spy spy(runs.collector);
    ObservedRig rig(spy, true);
    // Presses scheduled from the start of each tick: during the 400 ms of
    // the sound, at its edge, and after it.
    const std::uint32_t at[] = {200, 600, 399, 401};
    spy.setOnNote([&](int place, int note, const std::string&) {
        rig.time.at(at[(place - 1) % 4], [&rig, note] { rig.press(note); });
    });
    rig.form->m_Click(1);
    for (int k = 1; k <= 8; ++k) {
        rig.time.advance(rig.interval());
    }
    rig.form->stop1_Click();
    ASSERT_EQ(runs.done.size(), 1U);
    const auto& rows = runs.done[0];
    ASSERT_EQ(rows.size(), 8U);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_TRUE(rows[i].sounded);
        EXPECT_EQ(rows[i].outcome, Outcome::Right);
        EXPECT_EQ(rows[i].responseMs, at[i % 4]);
    }
}

TEST(RecordedRun, AcrossTheWrapOfTheClock)
{
    Runs runs;
    // Start-up takes 2025 ms; the run starts 12,500 ms before the 32-bit
    // millisecond counter wraps, so the wrap falls between the third tick
    // and its answer.
    constexpr std::uint32_t startUpMs = 2025;
    ObservedRig rig(runs.collector, false, 1, 0U - 12500U - startUpMs);
    Form1& f = *rig.form;
    f.m_Click(1);
    std::uint32_t tick = rig.time.now();
    for (int k = 1; k <= 4; ++k) {
        rig.advanceTo(tick, rig.interval());
        tick = rig.time.now();
        rig.advanceTo(tick, 1000);
        rig.press(f.curnote);
    }
    EXPECT_LT(rig.time.now(), 10000U) << "the clock has wrapped";
    f.stop1_Click();
    ASSERT_EQ(runs.done.size(), 1U);
    ASSERT_EQ(runs.done[0].size(), 4U);
    for (const NoteResult& r : runs.done[0]) {
        EXPECT_EQ(r.outcome, Outcome::Right) << r.place;
        EXPECT_EQ(r.responseMs, 1000U) << r.place;
    }
}

TEST(RecordedRun, TheStoppedRunsLastRow)
{
    enum class When { DuringTheSound, NoteOpen, AfterTheAnswer, AfterAMiss, BeforeTheFirstNote };
    const struct {
        const char* name;
        When when;
        bool sound;
        std::size_t rows;  // rows handed over; 0 for no run at all
        Outcome last;
    } cases[] = {
        // Never drawn: the pupil never saw it, so it is no row, wrong key and all.
        {"during the sound of the third note", When::DuringTheSound, true, 2, Outcome::Right},
        {"with the third note waiting", When::NoteOpen, false, 3, Outcome::Stopped},
        {"after the third note was answered", When::AfterTheAnswer, false, 3, Outcome::Right},
        {"after the third note was missed", When::AfterAMiss, false, 3, Outcome::Missed},
        {"before the first note", When::BeforeTheFirstNote, false, 0, Outcome::Stopped},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Runs runs;
        Spy spy(runs.collector);
        ObservedRig rig(spy, c.sound);
        Form1& f = *rig.form;
        int wrongKey = 0;
        spy.setOnNote([&](int place, int note, const std::string&) {
            wrongKey = note == 60 ? 62 : 60;
            if (place < 3) {
                rig.time.at(700, [&rig, note] { rig.press(note); });
            } else if (c.when == When::DuringTheSound) {
                rig.time.at(100, [&rig, wrongKey] { rig.press(wrongKey); });
                rig.time.at(250, [&f] { f.stop1_Click(); });
            }
        });
        f.m_Click(2);
        if (c.when == When::BeforeTheFirstNote) {
            rig.time.advance(rig.interval() - 1);
            f.stop1_Click();
        } else {
            rig.time.advance(2 * rig.interval());
            rig.time.advance(rig.interval());  // the third tick
            const std::uint32_t third = rig.time.now();
            switch (c.when) {
            case When::NoteOpen:
                rig.advanceTo(third, 900);
                rig.press(wrongKey);
                rig.advanceTo(third, 1500);
                f.stop1_Click();
                break;
            case When::AfterTheAnswer:
                rig.advanceTo(third, 900);
                rig.press(f.curnote);
                rig.advanceTo(third, 1500);
                f.stop1_Click();
                break;
            case When::AfterAMiss:
                rig.advanceTo(third, rig.interval() - 100);
                f.stop1_Click();
                break;
            case When::DuringTheSound:
            case When::BeforeTheFirstNote:
                break;
            }
        }
        ASSERT_EQ(f.exerciseState(), ExerciseState::Idle);
        if (c.rows == 0) {
            EXPECT_TRUE(runs.done.empty()) << "a run with no note leaves no row";
            continue;
        }
        ASSERT_EQ(runs.done.size(), 1U);
        const auto& rows = runs.done[0];
        ASSERT_EQ(rows.size(), c.rows);
        EXPECT_EQ(rows[0].outcome, Outcome::Right);
        EXPECT_EQ(rows[1].outcome, Outcome::Right);
        const NoteResult& last = rows.back();
        EXPECT_EQ(last.place, static_cast<int>(c.rows));
        EXPECT_EQ(last.outcome, c.last);
        EXPECT_EQ(last.responseMs.has_value(), c.last == Outcome::Right);
        if (c.when == When::NoteOpen) {
            // The wrong key pressed before the stop stays on the row.
            ASSERT_EQ(last.wrongKeys.size(), 1U);
            EXPECT_EQ(last.wrongKeys[0].key, wrongKey);
        }
        if (c.when == When::DuringTheSound) {
            EXPECT_EQ(f.Label3->text(), QStringLiteral("Note : 2")) << "the third note never came up";
        }
    }
}

TEST(RecordedRun, WrongKeysAndTheirKindsInBothClefsWithSharpsAndFlats)
{
    // For a note written on the white key letter with the given sign, a key
    // of each kind: found by counting keys, apart from the classifier.
    struct Keys {
        int octave;
        int step;
        int accidental;  // 0 when the piano has none (F6 would need F#6)
        int other;
    };
    auto keysFor = [](int note, art::Accidental sign) {
        const int letter = sign == art::Accidental::Sharp ? note - 1 : sign == art::Accidental::Flat ? note + 1 : note;
        Keys k{};
        k.octave = pianoKey(note + 12) ? note + 12 : note - 12;
        auto white = [](int key) { return !exercise::isBlackKey(key); };
        const int above = white(letter + 1) ? letter + 1 : letter + 2;
        const int below = white(letter - 1) ? letter - 1 : letter - 2;
        k.step = pianoKey(above) ? above : below;
        if (sign != art::Accidental::None) {
            k.accidental = letter;
        } else if (pianoKey(letter + 1) && !white(letter + 1)) {
            k.accidental = letter + 1;
        } else if (pianoKey(letter - 1) && !white(letter - 1)) {
            k.accidental = letter - 1;
        }
        k.other = pianoKey(note + 6) ? note + 6 : note - 6;  // a tritone
        return k;
    };

    Runs runs;
    Spy spy(runs.collector);
    ObservedRig rig(spy, false, 5);
    std::vector<Keys> pressed;
    spy.setOnNote([&](int, int note, const std::string& prefix) {
        const auto written = exercise::writtenFromPrefix(prefix, note);
        ASSERT_TRUE(written.has_value()) << prefix;
        const Keys k = keysFor(note, written->accidental);
        pressed.push_back(k);
        rig.time.at(300, [&rig, k] { rig.press(k.other); });
        rig.time.at(600, [&rig, k] { rig.press(k.octave); });
        rig.time.at(900, [&rig, k] { rig.press(k.step); });
        if (k.accidental != 0) {
            rig.time.at(1200, [&rig, k] { rig.press(k.accidental); });
        }
        rig.time.at(1500, [&rig, note] { rig.press(note); });
    });
    std::set<std::pair<art::Clef, art::Accidental>> seen;
    for (int run = 0; run < 3; ++run) {
        rig.playWholeRun(6);
    }
    ASSERT_EQ(runs.done.size(), 3U);
    std::size_t i = 0;
    for (const auto& rows : runs.done) {
        ASSERT_EQ(rows.size(), 50U);
        for (const NoteResult& r : rows) {
            SCOPED_TRACE(testing::Message() << "note " << r.note << " place " << r.place);
            const Keys& k = pressed[i++];
            seen.insert({r.clef, r.accidental});
            EXPECT_EQ(r.outcome, Outcome::Right);
            EXPECT_EQ(r.responseMs, 1500U);
            std::vector<progress::WrongKey> want = {
                {k.other, MistakeKind::Other}, {k.octave, MistakeKind::Octave}, {k.step, MistakeKind::Step}};
            if (k.accidental != 0) {
                want.push_back({k.accidental, MistakeKind::Accidental});
            }
            ASSERT_EQ(r.wrongKeys.size(), want.size());
            for (std::size_t w = 0; w < want.size(); ++w) {
                EXPECT_EQ(r.wrongKeys[w].key, want[w].key) << w;
                EXPECT_EQ(r.wrongKeys[w].kind, want[w].kind) << w;
            }
        }
    }
    // Mode 6 wrote every kind of note: plain, sharp and flat, in both clefs.
    for (const art::Clef clef : {art::Clef::Treble, art::Clef::Bass}) {
        for (const art::Accidental a : {art::Accidental::None, art::Accidental::Sharp, art::Accidental::Flat}) {
            EXPECT_TRUE(seen.count({clef, a}) == 1) << static_cast<int>(clef) << " " << static_cast<int>(a);
        }
    }
}

TEST(RecordedRun, AWholeRunHasFiftyRowsAndEachRunItsOwnId)
{
    auto sink = std::make_unique<MemorySink>();
    MemorySink* memory = sink.get();
    std::vector<std::string> reports;
    int clockCalls = 0;
    progress::ResultsRecorder recorder(
        std::move(sink), [&](const std::string& m) { reports.push_back(m); },
        [&] { return "2024-09-0" + std::to_string(++clockCalls) + "T17:00:00+02:00"; }, "abcd1234");
    ObservedRig rig(recorder);
    rig.playWholeRun(3);
    ASSERT_TRUE(recorder.waitUntilTried());  // the writer's thread has had its turn
    EXPECT_EQ(memory->calls(), 1) << "written once, at the end";
    rig.playWholeRun(4);
    ASSERT_TRUE(recorder.waitUntilTried());
    ASSERT_EQ(memory->calls(), 2);
    const std::vector<std::string> rows = progress_testing::lines(memory->text());
    ASSERT_EQ(rows.size(), 100U);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto r = progress::parseCsvRow(rows[i]);
        ASSERT_TRUE(r.has_value()) << rows[i];
        const bool first = i < 50;
        EXPECT_EQ(r->run, first ? "abcd1234-1" : "abcd1234-2");
        EXPECT_EQ(r->started, first ? "2024-09-01T17:00:00+02:00" : "2024-09-02T17:00:00+02:00");
        EXPECT_EQ(r->mode, first ? 3 : 4);
        EXPECT_EQ(r->place, static_cast<int>(i % 50) + 1);
        EXPECT_EQ(r->clef, art::Clef::Bass);
        EXPECT_EQ(r->outcome, Outcome::Missed) << "nobody pressed anything";
    }
    EXPECT_TRUE(reports.empty());
}

TEST(RecordedRun, AFailingWriterIsReportedOnceAndTheExerciseGoesOn)
{
    auto sink = std::make_unique<MemorySink>();
    MemorySink* memory = sink.get();
    std::vector<std::string> reports;
    progress::ResultsRecorder recorder(
        std::move(sink), [&](const std::string& m) { reports.push_back(m); }, [] { return std::string(startedAt); },
        "s");
    ObservedRig rig(recorder);
    memory->failNext(2);
    rig.playWholeRun(1);
    EXPECT_FALSE(recorder.waitUntilTried());
    ASSERT_EQ(reports.size(), 1U);
    EXPECT_NE(reports[0].find("cannot write"), std::string::npos) << reports[0];
    EXPECT_GT(recorder.pendingBytes(), 0U);
    rig.playWholeRun(1);  // fails again: said already, so nothing more is said
    EXPECT_FALSE(recorder.waitUntilTried());
    EXPECT_EQ(reports.size(), 1U);
    EXPECT_EQ(rig.form->exerciseState(), ExerciseState::Idle);
    EXPECT_TRUE(memory->text().empty());
    rig.playWholeRun(1);  // the writer works again: all three runs go out, in order
    EXPECT_TRUE(recorder.waitUntilTried());
    EXPECT_EQ(reports.size(), 1U);
    EXPECT_EQ(recorder.pendingBytes(), 0U);
    const auto rows = progress_testing::lines(memory->text());
    ASSERT_EQ(rows.size(), 150U);
    EXPECT_EQ(progress::parseCsvRow(rows[0])->run, "s-1");
    EXPECT_EQ(progress::parseCsvRow(rows[50])->run, "s-2");
    EXPECT_EQ(progress::parseCsvRow(rows[149])->run, "s-3");
}

TEST(RecordedRun, ANoteStoppedBeforeItCameUpIsNoRow)
{
    // "Son" ticked, the fastest speed, a stop (Escape, "Arrêter", closing the
    // window) during the 400 ms sound of a note: the staff never showed that
    // note, so it is not recorded. A note answered right by ear during its
    // sound was scored, and keeps its row.
    enum class Stop { Click, Close };
    const struct {
        const char* name;
        int place;      // the note whose sound the stop comes in
        bool answered;  // answered right during its sound
        Stop how;
        std::size_t rows;
    } cases[] = {
        {"the first note, Arrêter", 1, false, Stop::Click, 0},
        {"the first note, the window closed", 1, false, Stop::Close, 0},
        {"the fourth note, Arrêter", 4, false, Stop::Click, 3},
        {"the fourth note answered by ear, Arrêter", 4, true, Stop::Click, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto sink = std::make_unique<MemorySink>();
        const std::shared_ptr<const std::string> written = sink->kept();
        {
            progress::ResultsRecorder recorder(
                std::move(sink), {}, [] { return std::string(startedAt); }, "s");
            Spy spy(recorder);
            ObservedRig rig(spy, true);
            Form1& f = *rig.form;
            f.HScroll1->setValue(5);
            spy.setOnNote([&](int place, int note, const std::string&) {
                if (place < c.place) {
                    rig.time.at(700, [&rig, note] { rig.press(note); });
                    return;
                }
                if (c.answered) {
                    rig.time.at(100, [&rig, note] { rig.press(note); });
                }
                rig.time.at(200, [&] {
                    if (c.how == Stop::Click) {
                        f.stop1_Click();
                    } else {
                        f.close();
                    }
                });
            });
            f.m_Click(1);
            for (int k = 0; k < c.place; ++k) {
                rig.time.advance(rig.interval());
            }
            if (c.how == Stop::Click) {
                EXPECT_EQ(f.exerciseState(), ExerciseState::Idle);
                EXPECT_EQ(f.Label3->text(), QStringLiteral("Note : %1").arg(c.place - 1));
                EXPECT_TRUE(recorder.waitUntilTried(std::chrono::milliseconds(5000)));
            }
        }
        const auto rows = progress_testing::lines(*written);
        ASSERT_EQ(rows.size(), c.rows) << *written;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::optional<NoteResult> r = progress::parseCsvRow(rows[i]);
            ASSERT_TRUE(r) << rows[i];
            EXPECT_EQ(r->outcome, Outcome::Right) << rows[i];
            EXPECT_EQ(r->place, static_cast<int>(i) + 1);
        }
    }
}

TEST(RecordedRun, ARunOpenWhenTheWindowClosesIsKeptAsStopped)
{
    auto sink = std::make_unique<MemorySink>();
    const std::shared_ptr<const std::string> written = sink->kept();
    {
        progress::ResultsRecorder recorder(
            std::move(sink), {}, [] { return std::string(startedAt); }, "s");
        ObservedRig rig(recorder);
        rig.form->m_Click(1);
        rig.time.advance(3 * rig.interval());
        // Closing ends the run, whose rows go to the writer then; the
        // window goes first, then the recorder, as in main().
        rig.form->close();
    }
    const auto rows = progress_testing::lines(*written);
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(progress::parseCsvRow(rows[2])->outcome, Outcome::Stopped);
}

TEST(RecordedRun, WithoutThePictureFolderNotesAreUnshownNotMissedAndItIsSaidOnce)
{
    QTemporaryDir empty;  // no picture/ in it
    auto sink = std::make_unique<MemorySink>();
    const std::shared_ptr<const std::string> written = sink->kept();
    {
        progress::ResultsRecorder recorder(
            std::move(sink), {}, [] { return std::string(startedAt); }, "s");
        ObservedRig rig(recorder, false, 1, 1000, empty.path());
        const qsizetype before = rig.messages.shown.size();
        rig.playWholeRun(1);
        rig.playWholeRun(2);
        EXPECT_EQ(rig.messages.shown.size() - before, 1) << "a message the user sees, once";
        ASSERT_TRUE(recorder.waitUntilTried());
    }
    const auto rows = progress_testing::lines(*written);
    ASSERT_EQ(rows.size(), 100U);
    for (const std::string& line : rows) {
        EXPECT_EQ(progress::parseCsvRow(line)->outcome, Outcome::Unshown) << line;
    }
    const progress::ResultsSummary summary = progress::summarize(std::string(progress::csv::header) + "\n" + *written);
    EXPECT_EQ(summary.unshown, 100U);
    EXPECT_EQ(summary.missed, 0) << "the report leaves them out";
}

TEST(RunCollector, OddOrdersOfCallsStayConsistent)
{
    Runs runs;
    exercise::Run c(&runs.collector);
    // Calls outside a run are ignored.
    c.answer(60, 10);
    c.timeUp(20);
    c.show({60, "1"}, false, 30);
    c.end(true, 40);
    EXPECT_TRUE(runs.done.empty());
    // A second tick while a note is still open: that note got no answer.
    c.start(1, 100);
    c.show({64, "1"}, false, 1000);
    c.answer(65, 1500);
    c.show({67, "1"}, false, 5000);
    c.answer(67, 5600);
    c.answer(67, 5700);  // the note is closed: ignored
    c.timeUp(8800);      // likewise
    // A natural end with a note open: missed, not stopped.
    c.show({69, "1"}, false, 9000);
    c.end(false, 13000);
    // An unknown prefix is written as the "all notes" mode would.
    c.start(6, 14000);
    c.show({58, ""}, false, 15000);
    c.drawn(15400);
    c.start(6, 16000);  // a start over an open run stops it there
    c.end(true, 17000);
    // Stopped before its note was drawn: no row, and so no run.
    c.start(6, 18000);
    c.show({60, "1"}, true, 19000);
    c.answer(62, 19100);
    c.end(true, 19200);
    ASSERT_EQ(runs.done.size(), 2U);
    const auto& a = runs.done[0];
    ASSERT_EQ(a.size(), 3U);
    EXPECT_EQ(a[0].outcome, Outcome::Missed);
    ASSERT_EQ(a[0].wrongKeys.size(), 1U);
    EXPECT_EQ(a[0].wrongKeys[0].kind, MistakeKind::Step);
    EXPECT_EQ(a[1].outcome, Outcome::Right);
    EXPECT_EQ(a[1].responseMs, 600U);
    EXPECT_EQ(a[2].outcome, Outcome::Missed);
    const auto& b = runs.done[1];
    ASSERT_EQ(b.size(), 1U);
    EXPECT_EQ(b[0].outcome, Outcome::Stopped);
    EXPECT_EQ(b[0].clef, art::Clef::Bass);
    EXPECT_EQ(b[0].accidental, art::Accidental::Sharp);
    EXPECT_EQ(b[0].run, "test-2");
}
