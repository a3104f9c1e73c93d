#pragma once

#include "progress/mistakes.h"
#include "progress/resultrow.h"

#include <array>
#include <compare>
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
    auto operator<=>(const NoteForm&) const = default;
};

struct NoteStats {
    NoteForm form;
    int right = 0;
    int missed = 0;
    int stopped = 0;                                // shown when the run was stopped: neither right nor missed
    int silentMisses = 0;                           // missed without any key pressed
    std::array<int, mistakeKinds> mistakes{};       // wrong keys by kind
    std::optional<double> medianMs;                 // of the right answers' response times

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
    int right = 0;
    int missed = 0;
    int stopped = 0;
    std::optional<double> medianMs;
    // Percent of the notes that closed (right or missed) that were right;
    // nothing for a run stopped before any note closed.
    std::optional<double> score() const;
};

struct ResultsSummary {
    std::vector<NoteStats> notes;  // by clef (treble first), then pitch, then written position
    std::vector<RunStats> runs;    // in order of their start
    std::size_t rows = 0;          // rows read
    std::size_t skipped = 0;       // lines that are not rows (the header and blank lines aside)
    int right = 0;
    int missed = 0;
    std::optional<double> medianMs;  // over every right answer

    std::optional<double> score() const;  // percent right over all closed notes
};

// Reads the whole text of a results file.
ResultsSummary summarize(std::string_view text);

// Reads the file at path without changing it; nothing, with the reason in
// error, if it cannot be read.
std::optional<ResultsSummary> readResultsFile(const std::string& path, std::string* error);

// The weakest notes first: the lowest share right, counted as if each had one
// more right and one more wrong answer, so that a single miss out of one
// (1/3) does not come before eight out of ten (3/12), as the plain shares
// (0 against 1/5) would have it; then the most wrong keys, then the slowest.
// Notes never missed and never given a wrong key are not weak and are left out.
std::vector<NoteStats> weakestNotes(const ResultsSummary& summary, std::size_t count);

// Where a series goes: the mean of its first and of its last few values, and
// the slope of its least-squares line per step. Missing values are left out.
struct Trend {
    double first = 0.0;
    double last = 0.0;
    double slope = 0.0;
    std::size_t window = 0;  // values in each mean
};
std::optional<Trend> trendOf(const std::vector<std::optional<double>>& series);

// Centred moving mean over window values (odd), the missing ones left out.
std::vector<std::optional<double>> movingMean(const std::vector<std::optional<double>>& series, std::size_t window);

// Median of values (sorted in place, partly); nothing if empty.
std::optional<double> median(std::vector<std::uint32_t>& values);

}  // namespace progress
