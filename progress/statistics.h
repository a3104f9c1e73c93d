#pragma once

#include "exercise/variant.h"
#include "keyboard/staffclef.h"
#include "progress/lines.h"
#include "progress/mistakes.h"
#include "progress/resultrow.h"

#include <array>
#include <compare>
#include <map>
#include <memory>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a results file says: per written note and per run. Plain C++, so the
// report's numbers can be checked without drawing anything.
namespace progress {

// A note as the pupil saw it: the same key in the other clef or with the
// other sign is another reading, with its own record.
struct NoteForm {
    art::Clef clef = art::Clef::Treble;
    int note = 0;
    art::Accidental accidental = art::Accidental::None;
    auto operator<=>(const NoteForm&) const =
        default;  // NOLINT(modernize-use-nullptr): clang-tidy 14 sees a 0 in the defaulted comparison
};

struct NoteStats {
    NoteForm form;
    int right = 0;
    int missed = 0;
    int stopped = 0;                           // shown when the run was stopped: neither right nor missed
    int silentMisses = 0;                      // missed without any key pressed
    std::array<int, mistakeKinds> mistakes{};  // wrong keys by kind
    std::optional<double> medianMs;            // of the right answers' response times

    int asked() const { return right + missed; }
    // Share of the answered times it was right, 0 to 1; nothing if never answered.
    std::optional<double> rightRate() const;
    int wrongKeys() const;
    // The kind of wrong key pressed most often (ties: the order of MistakeKind);
    // nothing when no wrong key was ever pressed.
    std::optional<MistakeKind> commonestMistake() const;
};

struct RunStats {
    std::string started;  // as in the file
    std::string run;
    int mode = 0;
    std::size_t merged = 1;  // runs this point stands for: 1 unless the file holds more than maxRunPoints
    int right = 0;
    int missed = 0;
    int stopped = 0;
    std::optional<double> medianMs;
    // Percent of the notes that closed (right or missed) that were right;
    // nothing for a run stopped before any note closed.
    std::optional<double> score() const;
};

// Where a series goes: the mean of its first and of its last few values, and
// the slope of its least-squares line per step. Missing values are left out.
struct Trend {
    double first = 0.0;
    double last = 0.0;
    double slope = 0.0;
    std::size_t window = 0;  // values in each mean
};

// Beyond 2 * maxRunPoints runs, the series of runs is kept in groups: each
// point then stands for runsPerPoint runs in a row (a power of two; the last
// point may hold fewer), so that memory stays bounded however long the file
// is (drawing a point costs memory too); half a year at 25 runs a day fits
// ungrouped. Counts and trends stay exact: they are taken from every run.
constexpr std::size_t maxRunPoints = 1U << 12;

// The runs played on one computer (computer.h), told by the start of their
// ids; runs from before computers had ids have an empty id.
struct ComputerRuns {
    std::size_t runs = 0;
    int right = 0;
    int missed = 0;
    std::optional<double> score() const;  // percent right over closed notes
};

// The computer id that starts a run's id ("3fa2b1c4d5e6f708.dc86b803-1"),
// or an empty string.
std::string computerOfRun(std::string_view run);

// The exercise a note was asked in, when it is not the drill's: by ear, in a
// key, in phrases, or the drill's notes in a C clef. A key's notes are
// written under its signature, so each key is a variant of its own.
struct VariantOf {
    exercise::VariantKind kind = exercise::VariantKind::Drill;
    std::optional<int> fifths;                        // Key only: -4 (four flats) to 4 (four sharps)
    std::optional<keyboard::pitch::StaffClef> cClef;  // Alto or Tenor: written in that C clef
    auto operator<=>(const VariantOf&) const =
        default;  // NOLINT(modernize-use-nullptr): clang-tidy 14 sees a 0 in the defaulted comparison
};

// The notes asked in one variant, counted as the drill's are.
struct VariantNotes {
    VariantOf of;
    std::vector<NoteStats> notes;  // ordered as ResultsSummary::notes
    std::size_t rows = 0;
    int right = 0;
    int missed = 0;
    std::optional<double> medianMs;  // of the variant's right answers
    std::optional<double> score() const;
};

struct ResultsSummary {
    // The drill's notes (isDrillRow): by clef (treble first), then pitch,
    // then written position.
    std::vector<NoteStats> notes;
    // Every other row's notes, one group per variant (VariantOf), in its
    // order: the drill in the C clefs, by ear, the keys from four flats to
    // four sharps, the phrases. The totals, the runs and their trends below
    // count the rows of both.
    std::vector<VariantNotes> variants;
    // In order of their start (past 2 * maxRunPoints runs: in groups, in the
    // order of the files); at most 2 * maxRunPoints points. A group's median
    // is the mean of its runs' medians, weighted by their right answers.
    std::vector<RunStats> runs;
    std::size_t runCount = 0;      // runs read, grouped or not
    std::size_t runsPerPoint = 1;  // runs each point of runs stands for
    // Of every run's score (percent) and median response time (ms), one value
    // a run, in the order of runs; nothing without a value.
    std::optional<Trend> scoreTrend;
    std::optional<Trend> timeTrend;
    std::string firstStarted;  // start of the earliest run, as in the file
    std::string lastStarted;   // start of the latest run
    std::size_t rows = 0;      // rows read
    std::size_t skipped = 0;   // lines that are not rows (the header and blank lines aside)
    std::size_t unshown = 0;   // rows of notes whose picture could not be shown: left out
    std::size_t repeated = 0;  // rows of runs read already from another file: left out
    int right = 0;
    int missed = 0;
    std::optional<double> medianMs;                 // over every right answer
    std::map<std::string, ComputerRuns> computers;  // by computer id

    std::optional<double> score() const;  // percent right over all closed notes
};

// Response times, for their medians, in bounded memory: kept one by one
// while there are few, then counted in bins, 1 ms wide up to 10 s and 100 ms
// wide up to the hour that rows may hold, so a median past 10 s is the middle
// of its 100 ms bin. About 180 kB at most.
class ResponseTimes {
public:
    void add(std::uint32_t ms);  // under maxResponseMs
    std::optional<double> median();
    std::uint64_t size() const { return m_count; }

private:
    std::uint32_t valueAt(std::uint64_t index) const;  // index-th smallest, from the bins

    std::vector<std::uint32_t> m_values;
    std::vector<std::uint32_t> m_bins;  // empty until m_values grows past its limit
    std::uint64_t m_count = 0;
};

// Builds a summary from lines given one at a time, holding only aggregates:
// per written note (at most 152 of them in the drill, and as many again in
// each variant read), the run being read, and the run
// series (at most 2 * maxRunPoints points before a merge). A run's rows are
// contiguous in the file, as the program writes each run in one piece; a run
// id seen again later in the same file counts as another run. Lines of
// several files may be fed one after the other, each begun by startFile():
// a run (id and start) read from an earlier file is then left out, so that
// one pupil's files (several computers', conflict copies a sync program made)
// count each run once. The first file that has a run is the one it is read
// from.
class SummaryBuilder {
public:
    SummaryBuilder();
    ~SummaryBuilder();
    SummaryBuilder(const SummaryBuilder&) = delete;
    SummaryBuilder& operator=(const SummaryBuilder&) = delete;

    // One line, without its '\n' (a trailing '\r' is allowed).
    void addLine(std::string_view line);
    // Whole text: lines split at '\n'; a last line without one counts too.
    void addText(std::string_view text);
    // Lines the reader gave up on (too long to be a row): counted as skipped.
    void addSkipped(std::size_t lines);
    // The lines from here on are another file's.
    void startFile();
    // The summary of everything added; the builder is then empty again.
    ResultsSummary finish();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Reads the whole text of a results file.
ResultsSummary summarize(std::string_view text);

// Reads the open descriptor fd to its end in 1 MB pieces into builder, as
// another file (startFile). False,
// with the reason in error (name is the file's name for it), if a read fails.
bool readResults(int fd, SummaryBuilder& builder, const std::string& name, std::string* error);

// Reads the file at path without changing it, opened so that it cannot
// wait (only a regular file is read); nothing, with the reason in error, if
// it cannot be read.
std::optional<ResultsSummary> readResultsFile(const std::string& path, std::string* error);

// The weakest notes first: the lowest share right, counted as if each had one
// more right and one more wrong answer, so that a single miss out of one
// (1/3) does not come before eight out of ten (3/12), as the plain shares
// (0 against 1/5) would have it; then the most wrong keys, then the slowest.
// Notes never missed and never given a wrong key are not weak and are left out.
std::vector<NoteStats> weakestNotes(const ResultsSummary& summary, std::size_t count);

std::optional<Trend> trendOf(const std::vector<std::optional<double>>& series);

// The summary's trends over every run: those the builder kept, or (for a
// summary made another way) those of its points when each is one run.
std::optional<Trend> scoreTrendOf(const ResultsSummary& summary);
std::optional<Trend> timeTrendOf(const ResultsSummary& summary);

// Centred moving mean over window values (odd), the missing ones left out.
std::vector<std::optional<double>> movingMean(const std::vector<std::optional<double>>& series, std::size_t window);

// Median of values (sorted in place, partly); nothing if empty.
std::optional<double> median(std::vector<std::uint32_t>& values);

}  // namespace progress
