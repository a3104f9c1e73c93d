// A run of the exercise without a window: every way a note can close, on a
// virtual clock whose timers stand in for the window's note tick and answer
// timer.
#include "exercise/module2.h"
#include "exercise/run.h"
#include "tests/support/faketimebase.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using exercise::Accidental;
using exercise::Clef;
using exercise::FinishedNote;
using exercise::FinishedRun;
using exercise::Outcome;
using exercise::Run;
using testing_support::FakeTimeBase;

namespace {

// What the run tells its observer.
struct Told final : exercise::ExerciseObserver {
    void runStarted(int mode, std::uint32_t now) override { started.push_back({mode, now}); }
    void noteShown(int place, const exercise::NoteChoice& choice, bool /*sounded*/, std::uint32_t /*now*/) override
    {
        shown.push_back({place, choice.note});
    }
    void runEnded(const FinishedRun& run, std::uint32_t now) override
    {
        ended.push_back(run);
        endedAt.push_back(now);
    }
    std::vector<std::pair<int, std::uint32_t>> started;
    std::vector<std::pair<int, int>> shown;
    std::vector<FinishedRun> ended;
    std::vector<std::uint32_t> endedAt;
};

// A run driven as the window drives it: a tick every 4000 ms puts the next
// note of the script up and draws it 400 ms later (its sound), and the
// answer timer closes it 3800 ms after its tick.
struct Drive {
    static constexpr std::uint32_t periodMs = 4000;
    static constexpr std::uint32_t answerMs = 3800;
    static constexpr std::uint32_t soundMs = 400;

    explicit Drive(std::vector<exercise::NoteChoice> notes, std::uint32_t clockStart = 1000)
        : time(clockStart), script(std::move(notes))
    {
        tick = time.createTimer([this] { onTick(); });
        tick->setInterval(periodMs);
        answer = time.createTimer([this] {
            answer->setEnabled(false);
            run.timeUp(time.now());
        });
        answer->setInterval(answerMs);
    }

    void start(int mode = 1)
    {
        run.start(mode, time.now());
        startedAt = time.now();
        tick->setEnabled(true);
    }
    void onTick()
    {
        if (run.allShown()) {
            stop(false);
            return;
        }
        answer->setEnabled(true);
        const auto& choice = script[static_cast<std::size_t>(run.count()) % script.size()];
        run.show(choice, true, time.now());
        time.waitms(soundMs);
        if (!run.running()) {
            return;  // stopped during the sound
        }
        if (unshownAt == run.count() + 1) {
            run.unshown(time.now());
        } else {
            run.drawn(time.now());
        }
    }
    void stop(bool stopped)
    {
        tick->setEnabled(false);
        answer->setEnabled(false);
        run.end(stopped, time.now());
    }
    // The clock to ms after the k-th tick.
    void to(int k, std::uint32_t ms) { time.advance(after(k, ms)); }
    // From now to ms after the k-th tick.
    std::uint32_t after(int k, std::uint32_t ms)
    {
        return startedAt + static_cast<std::uint32_t>(k) * periodMs + ms - time.now();
    }
    void press(int key)
    {
        if (run.answer(key, time.now()) == exercise::Run::Answer::Right) {
            answer->setEnabled(false);
        }
    }
    int current() const { return run.note(); }

    FakeTimeBase time;
    Told told;
    Run run{&told};
    std::vector<exercise::NoteChoice> script;
    std::unique_ptr<platform::Timer> tick;
    std::unique_ptr<platform::Timer> answer;
    std::uint32_t startedAt = 0;
    int unshownAt = 0;  // place of a note whose picture cannot be put up
};

const std::vector<exercise::NoteChoice> treble = {{64, "1"}, {67, "1"}, {71, "1"}, {60, "1"}, {77, "1"}};

}  // namespace

TEST(RunAlone, EachWayANoteClosesIsKeptWithItsTimeAndKeys)
{
    Drive d(treble);
    d.start();
    d.to(1, 1234);
    d.press(64);  // right
    d.to(2, 500);
    d.press(69);  // wrong, then right
    d.to(2, 900);
    d.press(68);
    d.to(2, 2100);
    d.press(67);
    d.press(67);  // closed already: nothing
    d.to(3, 300);
    d.press(60);    // wrong only: missed in the end
    d.to(4, 3900);  // nothing at all: missed
    d.to(5, 1000);
    d.stop(true);  // stopped with its note on the staff
    ASSERT_EQ(d.told.ended.size(), 1U);
    const FinishedRun& run = d.told.ended[0];
    EXPECT_TRUE(run.stopped);
    EXPECT_EQ(run.mode, 1);
    ASSERT_EQ(run.notes.size(), 5U);
    const auto expect = [&](std::size_t i, Outcome outcome, std::optional<std::uint32_t> ms, std::vector<int> wrong) {
        SCOPED_TRACE(i);
        const FinishedNote& n = run.notes[i];
        EXPECT_EQ(n.place, static_cast<int>(i) + 1);
        EXPECT_EQ(n.note, treble[i].note);
        EXPECT_EQ(n.outcome, outcome);
        EXPECT_EQ(n.responseMs, ms);
        EXPECT_EQ(n.wrongKeys, wrong);
        EXPECT_TRUE(n.sounded);
        EXPECT_EQ(n.written, (exercise::Written{Clef::Treble, Accidental::None}));
    };
    expect(0, Outcome::Right, 1234U, {});
    expect(1, Outcome::Right, 2100U, {69, 68});
    expect(2, Outcome::Missed, std::nullopt, {60});
    expect(3, Outcome::Missed, std::nullopt, {});
    expect(4, Outcome::Stopped, std::nullopt, {});
    EXPECT_EQ(d.run.score(), 2) << "the score stays on view after the stop";
    EXPECT_EQ(d.run.count(), 0);
    EXPECT_FALSE(d.run.running());
    EXPECT_EQ(d.told.shown.size(), 5U);
    EXPECT_EQ(d.told.shown.front(), (std::pair<int, int>{1, 64}));
}

TEST(RunAlone, TheLastNoteIsFollowedByTheEndAndAnOpenOneThereIsMissed)
{
    Drive d(treble);
    d.start(3);
    for (int k = 1; k <= 49; ++k) {
        d.to(k, 1000);
        d.press(d.current());
    }
    d.to(50, 1000);
    EXPECT_TRUE(d.run.allShown());
    EXPECT_TRUE(d.run.noteOpen());
    EXPECT_EQ(d.run.count(), 50);
    // The run ends at the next tick, whatever happened to the last note;
    // told directly here, before its answer time ran out.
    d.stop(false);
    ASSERT_EQ(d.told.ended.size(), 1U);
    const FinishedRun& run = d.told.ended[0];
    EXPECT_FALSE(run.stopped);
    ASSERT_EQ(run.notes.size(), 50U);
    EXPECT_EQ(run.notes.back().place, 50);
    EXPECT_EQ(run.notes.back().outcome, Outcome::Missed) << "never answered, though not stopped";
    EXPECT_EQ(d.run.score(), 49);

    // Driven by the ticks alone: the 51st tick ends it, every note closed.
    Drive e(treble);
    e.start();
    for (int k = 1; k <= 51; ++k) {
        e.to(k, 1000);
        if (k <= 50) {
            e.press(e.current());
        }
    }
    ASSERT_EQ(e.told.ended.size(), 1U);
    EXPECT_FALSE(e.told.ended[0].stopped);
    EXPECT_EQ(e.told.ended[0].notes.size(), 50U);
    EXPECT_EQ(e.run.score(), 50);
    EXPECT_FALSE(e.tick->isEnabled());
}

TEST(RunAlone, AStopDuringTheSoundDropsTheNoteUnlessItWasAnsweredByEar)
{
    {
        Drive d(treble);
        d.start();
        d.to(1, 1000);
        d.press(64);
        d.time.at(d.after(2, 200), [&d] { d.stop(true); });
        d.to(2, 1000);
        ASSERT_EQ(d.told.ended.size(), 1U);
        ASSERT_EQ(d.told.ended[0].notes.size(), 1U) << "the note never came up";
        EXPECT_EQ(d.run.count(), 0);
    }
    {
        Drive d(treble);
        d.start();
        d.time.at(d.after(1, 100), [&d] { d.press(64); });
        d.time.at(d.after(1, 200), [&d] { d.stop(true); });
        d.to(1, 1000);
        ASSERT_EQ(d.told.ended.size(), 1U);
        ASSERT_EQ(d.told.ended[0].notes.size(), 1U) << "answered right by ear: kept, as the score counted it";
        EXPECT_EQ(d.told.ended[0].notes[0].outcome, Outcome::Right);
        EXPECT_EQ(d.told.ended[0].notes[0].responseMs, 100U);
        EXPECT_EQ(d.run.score(), 1);
    }
    {
        // Stopped before the first tick: a run with no note, told all the same.
        Drive d(treble);
        d.start();
        d.to(0, 2000);
        d.stop(true);
        ASSERT_EQ(d.told.ended.size(), 1U);
        EXPECT_TRUE(d.told.ended[0].notes.empty());
        d.stop(true);
        EXPECT_EQ(d.told.ended.size(), 1U) << "a second end ends nothing";
    }
}

TEST(RunAlone, ANoteThatCouldNotBeDrawnIsUnshownAndCountsAsShown)
{
    Drive d(treble);
    d.unshownAt = 2;
    d.start();
    d.to(1, 1000);
    d.press(64);
    d.to(2, 1000);
    EXPECT_EQ(d.run.count(), 2);
    // The keys still answer it, and the score counts that; its record
    // stays as it was kept.
    EXPECT_TRUE(d.run.noteOpen());
    EXPECT_EQ(d.run.answer(60, d.time.now()), Run::Answer::Wrong);
    EXPECT_EQ(d.run.answer(67, d.time.now()), Run::Answer::Right);
    EXPECT_FALSE(d.run.noteOpen());
    d.to(3, 1000);
    d.unshownAt = 4;
    d.to(4, 3900);  // unanswered: its answer time runs out
    d.to(5, 1000);
    d.stop(true);
    const FinishedRun& run = d.told.ended.at(0);
    ASSERT_EQ(run.notes.size(), 5U);
    EXPECT_EQ(run.notes[1].outcome, Outcome::Unshown);
    EXPECT_EQ(run.notes[1].responseMs, std::nullopt);
    EXPECT_TRUE(run.notes[1].wrongKeys.empty());
    EXPECT_EQ(run.notes[2].place, 3);
    EXPECT_EQ(run.notes[2].outcome, Outcome::Missed);
    EXPECT_EQ(run.notes[3].outcome, Outcome::Unshown);
    EXPECT_EQ(run.notes[4].place, 5);
    EXPECT_EQ(run.notes[4].outcome, Outcome::Stopped);
    EXPECT_EQ(d.run.score(), 2);
}

TEST(RunAlone, OutsideARunNothingIsAskedOrKept)
{
    Told told;
    exercise::Run run(&told);
    EXPECT_EQ(run.answer(60, 10), Run::Answer::NotAsked);
    EXPECT_FALSE(run.timeUp(20));
    run.show({60, "1"}, false, 30);
    run.drawn(40);
    run.end(true, 50);
    EXPECT_TRUE(told.started.empty());
    EXPECT_TRUE(told.shown.empty());
    EXPECT_TRUE(told.ended.empty());
    EXPECT_EQ(run.note(), 0) << "no note before the first run";
    EXPECT_EQ(run.count(), 0);
}

TEST(RunAlone, TheNoteOnDisplayOutlivesItsRunAndAStartStopsARunGoing)
{
    Told told;
    exercise::Run run(&told);
    run.start(2, 0);
    run.show({66, "2"}, false, 100);
    run.drawn(500);
    run.end(false, 1000);
    EXPECT_EQ(run.note(), 66) << "curnote keeps the last note until the next tick";
    run.start(2, 2000);
    EXPECT_EQ(run.note(), 66);
    EXPECT_EQ(run.score(), 0);
    run.show({61, "1"}, false, 3000);
    run.drawn(3400);
    run.start(4, 5000);  // a start over an open run stops it there
    ASSERT_EQ(told.ended.size(), 2U);
    EXPECT_TRUE(told.ended[1].stopped);
    ASSERT_EQ(told.ended[1].notes.size(), 1U);
    EXPECT_EQ(told.ended[1].notes[0].outcome, Outcome::Stopped);
    EXPECT_EQ(told.ended[1].notes[0].written, (exercise::Written{Clef::Treble, Accidental::Sharp}));
    EXPECT_EQ(told.started.size(), 3U);
    EXPECT_EQ(told.started.back(), (std::pair<int, std::uint32_t>{4, 5000}));
    EXPECT_TRUE(run.running());
}

TEST(RunAlone, ResponseTimesRunAcrossTheWrapOfTheClock)
{
    Drive d(treble, 0U - 1000U);
    d.start();
    d.to(1, 2500);  // the clock wrapped 3000 ms before
    d.press(64);
    d.stop(true);
    EXPECT_EQ(d.told.ended.at(0).notes.at(0).responseMs, 2500U);
}

TEST(RunAlone, EachPrefixWritesItsClefAndSign)
{
    const struct {
        exercise::NoteChoice choice;
        Clef clef;
        Accidental accidental;
    } cases[] = {
        {{66, "1"}, Clef::Treble, Accidental::Sharp},
        {{66, "2"}, Clef::Treble, Accidental::Flat},
        {{49, "3"}, Clef::Bass, Accidental::Sharp},
        {{49, "4"}, Clef::Bass, Accidental::Flat},
        {{64, "1"}, Clef::Treble, Accidental::None},
        {{43, "4"}, Clef::Bass, Accidental::None},
        // No prefix (no mode's choice): by its side of middle C, with sharps.
        {{58, ""}, Clef::Bass, Accidental::Sharp},
        {{70, ""}, Clef::Treble, Accidental::Sharp},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice.prefix + std::to_string(c.choice.note));
        Told told;
        exercise::Run run(&told);
        run.start(6, 0);
        run.show(c.choice, false, 10);
        run.drawn(20);
        run.end(true, 30);
        ASSERT_EQ(told.ended.at(0).notes.size(), 1U);
        EXPECT_EQ(told.ended[0].notes[0].written, (exercise::Written{c.clef, c.accidental}));
    }
}

TEST(Module2, FlashesGiveTheKeyBackItsColourAndWaitOnTheClock)
{
    FakeTimeBase time;
    std::mt19937 rng(3);
    exercise::RandomNote treble(rng);
    QWidget parent;
    KeyButton key(61, &parent);
    exercise::Module2 module2(time, treble, [&key](std::int16_t index) { return index == 61 ? &key : nullptr; });
    key.setBackColor(0x123456);
    std::uint32_t during = 0;
    time.at(10, [&] { during = key.BackColor(); });
    const std::uint32_t t0 = time.now();
    module2.flashkey(61);
    EXPECT_EQ(during, 255U);
    EXPECT_EQ(key.BackColor(), 0x123456U);
    EXPECT_EQ(time.now() - t0, 150U);
    time.at(10, [&] { during = key.BackColor(); });
    module2.flashcorrect(61);
    EXPECT_EQ(during, 65280U);
    module2.flashkey(30);  // off the piano: nothing, and no wait
    EXPECT_EQ(time.now() - t0, 300U);
    // The draw and its memory are the treble table's.
    EXPECT_EQ(module2.lastpick(), 0);
    const std::int16_t first = module2.randomnote();
    EXPECT_NE(first, 52) << "lastpick starts at 0, E3";
    EXPECT_EQ(exercise::trebleWhiteKeys[static_cast<std::size_t>(module2.lastpick())], first);
}
