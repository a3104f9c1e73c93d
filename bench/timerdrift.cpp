// tavelin-bench-drift: how closely the note tick (Timer1) and the answer
// timer (Timer2) keep to their schedule over a run at the fastest speed.
//
//   tavelin-bench-drift [--quick]
//
// The real window on the real time base, sound on ("Son" checked, so each
// tick waits 400 ms inside itself for its note), nobody answering, so every
// note times out and flashes its key. At speed 5 the run's k-th tick is due
// 2000·k ms after the mode button and the answer timer 1800 ms after that;
// the run's last tick (one past its notes) ends it. A full run is 50 notes,
// about 100 s; --quick plays 10.

#include "bench/benchform.h"
#include "bench/report.h"
#include "exercise/observer.h"
#include "exercise/speed.h"

#include <QApplication>
#include <cstring>
#include <vector>

namespace {

using bench::Clock;

class Stamps final : public exercise::ExerciseObserver {
public:
    void runStarted(int /*mode*/, std::uint32_t /*now*/) override { started = Clock::now(); }
    void noteShown(int /*place*/, const exercise::NoteChoice& /*choice*/, bool /*sounded*/,
                   std::uint32_t /*now*/) override
    {
        ticks.push_back(Clock::now());
    }
    void noteClosed(const exercise::FinishedNote& note, std::uint32_t /*now*/) override
    {
        if (note.outcome == exercise::Outcome::Missed) {
            misses.push_back(Clock::now());
        } else if (note.outcome == exercise::Outcome::Right) {
            ++answers;
        }
    }
    void runEnded(const exercise::FinishedRun& run, std::uint32_t /*now*/) override
    {
        ended = Clock::now();
        endedByStop = run.stopped;
        done = true;
    }

    Clock::time_point started;
    Clock::time_point ended;
    std::vector<Clock::time_point> ticks;   // the ticks that showed a note
    std::vector<Clock::time_point> misses;  // Timer2 firings
    int answers = 0;
    bool done = false;
    bool endedByStop = false;
};

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

}  // namespace

int main(int argc, char** argv)
{
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    const int notes = quick ? 10 : 50;
    bench::choosePlatform();
    QApplication app(argc, argv);
    Stamps stamps;
    bench::BenchForm rig(&stamps);
    rig.showAndSettle();
    Form1& form = *rig.form;

    form.HScroll1->setValue(exercise::fastestSpeed);
    const int period = form.interval;
    const int answerMs = period - exercise::answerMarginMs;
    form.exerciseRun().setMaxnotes(notes);
    form.maxnotes = static_cast<std::int16_t>(notes);
    form.m(1)->click();

    // Generous: the run takes (notes + 1) periods.
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(period * (notes + 5));
    while (!stamps.done && Clock::now() < deadline) {
        rig.time.waitms(50);
    }
    if (!stamps.done || stamps.endedByStop || static_cast<int>(stamps.ticks.size()) != notes ||
        static_cast<int>(stamps.misses.size()) != notes || stamps.answers != 0) {
        std::fprintf(stderr, "drift: the run did not go as planned: done %d, %zu ticks, %zu misses, %d answers\n",
                     stamps.done ? 1 : 0, stamps.ticks.size(), stamps.misses.size(), stamps.answers);
        return 1;
    }

    bench::Sample tickDrift;     // tick k − (start + period·k)
    bench::Sample answerDrift;   // Timer2 − (its own tick + answer time)
    bench::Sample answerOnPlan;  // Timer2 − (start + period·k + answer time)
    double worstTick = 0;
    double worstAnswer = 0;
    double worstOnPlan = 0;
    std::vector<Clock::time_point> ticks = stamps.ticks;
    ticks.push_back(stamps.ended);  // the tick that ends the run keeps the same schedule
    for (std::size_t k = 1; k <= ticks.size(); ++k) {
        const double due = static_cast<double>(period) * static_cast<double>(k);
        const double tick = msBetween(stamps.started, ticks[k - 1]);
        tickDrift.add(tick - due);
        worstTick = std::max(worstTick, std::abs(tick - due));
        if (k <= stamps.misses.size()) {
            const double fired = msBetween(stamps.started, stamps.misses[k - 1]);
            answerDrift.add(fired - (tick + answerMs));
            worstAnswer = std::max(worstAnswer, std::abs(fired - (tick + answerMs)));
            answerOnPlan.add(fired - (due + answerMs));
            worstOnPlan = std::max(worstOnPlan, std::abs(fired - (due + answerMs)));
        }
    }
    const double lastTick =
        msBetween(stamps.started, ticks.back()) - static_cast<double>(period) * static_cast<double>(ticks.size());
    std::fprintf(
        stderr,
        "drift: period %d ms, %zu ticks, worst tick drift %.3f ms, last %.3f ms; worst Timer2 %.3f ms after its "
        "tick, %.3f ms against the run's schedule\n",
        period, ticks.size(), worstTick, lastTick, worstAnswer, worstOnPlan);

    // Drift either way counts: the "worst" figures are of its size.
    const std::string runText =
        std::to_string(notes) + " notes in " + bench::format(msBetween(stamps.started, stamps.ended) / 1000.0, 1, "s");
    bench::printRow("Timer1 tick − schedule (start + " + std::to_string(period) + "·k ms), speed 5, sound on, " +
                        runText + ", n=" + std::to_string(tickDrift.size()) + "; worst " +
                        bench::format(worstTick, 2, "ms") + ", last tick " + bench::format(lastTick, 2, "ms"),
                    bench::format(tickDrift.median(), 3, "ms"), bench::format(tickDrift.p99(), 3, "ms"),
                    "< 2 ms either way", worstTick < 2.0);
    bench::printRow("Timer2 firing − (its tick + " + std::to_string(answerMs) + " ms), n=" +
                        std::to_string(answerDrift.size()) + "; worst " + bench::format(worstAnswer, 2, "ms"),
                    bench::format(answerDrift.median(), 3, "ms"), bench::format(answerDrift.p99(), 3, "ms"),
                    "< 2 ms either way", worstAnswer < 2.0);
    bench::printRow("Timer2 firing − run's schedule (start + " + std::to_string(period) + "·k + " +
                        std::to_string(answerMs) + " ms), n=" + std::to_string(answerOnPlan.size()) + "; worst " +
                        bench::format(worstOnPlan, 2, "ms"),
                    bench::format(answerOnPlan.median(), 3, "ms"), bench::format(answerOnPlan.p99(), 3, "ms"),
                    "< 2 ms either way", worstOnPlan < 2.0);
    return 0;
}
