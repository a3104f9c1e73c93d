// tavelin-focusbench [--pupils N] [--samples FOLDER]: how many runs a
// simulated pupil who learns needs before every note of "Clef de sol" is
// right at least 90 % of the time, with the designed even draw and with
// --focus. Not a test: a measure of the weighting, printed as rows of the
// bench table (markdown) with the details on stderr.
//
// The simulated pupil: each of the 23 notes has its own chance of being
// read right. Most notes start between 70 % and 95 %; five notes, chosen at
// random, start between 10 % and 40 %. Every time a note is asked the chance
// grows: by 1 point after a right answer, by 4 points after a miss (the
// right key flashes red and is seen), never past 100 %. An answer is right
// with the note's chance (one draw of the pupil's own generator); a right
// answer takes 1 s plus up to 2 s more the less sure the pupil is; on a miss
// the pupil presses the white key above in 60 % of cases. The pupil is
// "there" when every chance is at least 90 %; runs are of 50 notes.
//
// With --focus the draw is weighted, at each run start, by the records that
// the program would read from the rows the simulation has written so far
// (each row goes through the results file's CSV form and back).
#include "exercise/notechoice.h"
#include "progress/mistakes.h"
#include "progress/recentstats.h"
#include "progress/resultrow.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int notesPerRun = 50;
constexpr int mostRuns = 1000;  // a pupil not there by then counts this many
constexpr double goal = 0.9;
constexpr double learnRight = 0.01;
constexpr double learnMiss = 0.04;
constexpr int weakNotes = 5;

struct Pupil {
    std::array<double, exercise::trebleWhiteKeys.size()> chance{};
    std::mt19937 rng;

    explicit Pupil(std::uint32_t seed) : rng(seed)
    {
        std::uniform_real_distribution<double> usual(0.70, 0.95);
        std::uniform_real_distribution<double> weak(0.10, 0.40);
        for (double& c : chance) {
            c = usual(rng);
        }
        std::array<std::size_t, exercise::trebleWhiteKeys.size()> order{};
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), rng);
        for (int i = 0; i < weakNotes; ++i) {
            chance[order[static_cast<std::size_t>(i)]] = weak(rng);
        }
    }

    bool there() const
    {
        return std::all_of(chance.begin(), chance.end(), [](double c) { return c >= goal; });
    }

    // Answers the note; returns the row the program would write.
    progress::NoteResult answer(int note)
    {
        const auto at = std::find(exercise::trebleWhiteKeys.begin(), exercise::trebleWhiteKeys.end(), note);
        double& c = chance[static_cast<std::size_t>(at - exercise::trebleWhiteKeys.begin())];
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        progress::NoteResult row;
        row.note = note;
        if (unit(rng) < c) {
            row.outcome = progress::Outcome::Right;
            row.responseMs = static_cast<std::uint32_t>(1000.0 + 2000.0 * (1.0 - c) * unit(rng));
            c = std::min(1.0, c + learnRight);
        } else {
            row.outcome = progress::Outcome::Missed;
            if (unit(rng) < 0.6) {
                const int above = at + 1 != exercise::trebleWhiteKeys.end() ? *(at + 1) : *(at - 1);
                row.wrongKeys.push_back({above, progress::classifyMistake(note, art::Accidental::None, above)});
            }
            c = std::min(1.0, c + learnMiss);
        }
        return row;
    }
};

std::string dateOfRun(int run)
{
    // One run a day from 2 September 2024, enough to order them in the file.
    const int day = run % 28 + 1;
    const int month = 9 + run / 28;
    char s[40];
    std::snprintf(s, sizeof s, "2024-%02d-%02dT17:00:00+02:00", 1 + (month - 1) % 12, day);
    return std::string(s);
}

// Runs until the pupil is there; the rows go to csv when given.
int practise(std::uint32_t seed, bool focus, std::string* csv, int runsAtMost = mostRuns)
{
    Pupil pupil(seed);
    std::mt19937 draws(seed ^ 0x9e3779b9U);
    exercise::NoteChooser chooser(draws);
    progress::RecentNoteStats stats;
    int runs = 0;
    while (!pupil.there() && runs < runsAtMost) {
        if (focus) {
            chooser.setFocus(stats.records());
        }
        ++runs;
        const std::string started = dateOfRun(runs);
        const std::string id = "sim" + std::to_string(seed) + "-" + std::to_string(runs);
        std::string rows;
        for (int place = 1; place <= notesPerRun; ++place) {
            progress::NoteResult row = pupil.answer(chooser.choose(1).note);
            row.started = started;
            row.run = id;
            row.mode = 1;
            row.place = place;
            progress::appendCsvRow(rows, row);
        }
        // What the program reads back from the file at the next start.
        std::size_t begin = 0;
        while (begin < rows.size()) {
            const std::size_t end = rows.find('\n', begin);
            if (const auto row = progress::parseCsvRow(std::string_view(rows).substr(begin, end - begin))) {
                stats.add(*row);
            }
            begin = end + 1;
        }
        if (csv != nullptr) {
            *csv += rows;
        }
    }
    return runs;
}

double percentile(std::vector<int> v, double q)
{
    std::sort(v.begin(), v.end());
    const double at = q * static_cast<double>(v.size() - 1);
    const auto lo = static_cast<std::size_t>(at);
    const std::size_t hi = std::min(lo + 1, v.size() - 1);
    return v[lo] + (at - static_cast<double>(lo)) * (v[hi] - v[lo]);
}

}  // namespace

int main(int argc, char** argv)
{
    int pupils = 200;
    const char* samples = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pupils") == 0 && i + 1 < argc) {
            pupils = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--samples") == 0 && i + 1 < argc) {
            samples = argv[++i];
        } else if (std::strcmp(argv[i], "--quick") == 0) {
            pupils = 50;
        } else {
            std::fprintf(stderr, "usage: tavelin-focusbench [--pupils N] [--quick] [--samples FOLDER]\n");
            return 2;
        }
    }

    if (samples != nullptr) {
        // Three pupils' first weeks, for the class report of the docs.
        const struct {
            const char* name;
            std::uint32_t seed;
            bool focus;
            int runs;
        } sample[] = {{"Léa", 11, true, 14}, {"Hugo", 12, false, 9}, {"Inès", 13, true, 20}};
        for (const auto& s : sample) {
            std::string csv = std::string(progress::csv::header) + "\n";
            practise(s.seed, s.focus, &csv, s.runs);
            std::ofstream(std::filesystem::path(samples) / (std::string(s.name) + ".csv"), std::ios::binary) << csv;
        }
    }

    std::vector<int> even;
    std::vector<int> focused;
    int fewer = 0;
    for (int i = 0; i < pupils; ++i) {
        const auto seed = static_cast<std::uint32_t>(1000 + i);
        even.push_back(practise(seed, false, nullptr));
        focused.push_back(practise(seed, true, nullptr));
        fewer += focused.back() < even.back() ? 1 : 0;
    }
    const double meanEven = std::accumulate(even.begin(), even.end(), 0.0) / pupils;
    const double meanFocus = std::accumulate(focused.begin(), focused.end(), 0.0) / pupils;
    const double saved = 100.0 * (1.0 - meanFocus / meanEven);
    std::fprintf(stderr, "focusbench: %d pupils; even draw: mean %.1f runs, median %.0f, p90 %.0f, max %d\n", pupils,
                 meanEven, percentile(even, 0.5), percentile(even, 0.9), *std::max_element(even.begin(), even.end()));
    std::fprintf(stderr,
                 "focusbench: --focus: mean %.1f runs, median %.0f, p90 %.0f, max %d; fewer runs for %d of %d\n",
                 meanFocus, percentile(focused, 0.5), percentile(focused, 0.9),
                 *std::max_element(focused.begin(), focused.end()), fewer, pupils);
    std::printf(
        "| Runs of 50 notes until every note of \"Clef de sol\" is right 90 %% of the time, simulated learning "
        "pupils, even draw (n=%d, fixed seeds; mean %.1f, p90 %.0f) | %.0f runs | — | — | — |\n",
        pupils, meanEven, percentile(even, 0.9), percentile(even, 0.5));
    std::printf(
        "| The same pupils with `--focus` (mean %.1f, p90 %.0f; fewer runs for %d of %d) | %.0f runs | — | "
        "≥ 30 %% fewer runs | %s (%.0f %% fewer) |\n",
        meanFocus, percentile(focused, 0.9), fewer, pupils, percentile(focused, 0.5),
        saved >= 30.0 ? "met" : "**not met**", saved);
    return 0;
}
