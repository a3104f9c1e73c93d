#pragma once

#include "exercise/focus.h"
#include "progress/resultrow.h"

#include <optional>
#include <string>

// What a pupil's recent results say of each key, for the note choice of
// --focus. Rows are taken one at a time, in the order of the file, so the
// file never has to be held whole.
namespace progress {

namespace recent {
// Each run counts this much of the run after it: the latest run counts 1,
// the one before 0.85, ten runs back about 0.2.
constexpr double decayPerRun = 0.85;
// A right answer slower than this many times the pupil's usual response
// time (the recency-weighted mean of the right answers before it) is slow.
constexpr double slowFactor = 1.5;
}  // namespace recent

class RecentNoteStats {
public:
    void add(const NoteResult& row);
    const exercise::NoteRecords& records() const { return m_records; }
    int runs() const { return m_runs; }

private:
    exercise::NoteRecords m_records;
    std::string m_run;      // id and start of the run being read
    int m_runs = 0;
    double m_timeSum = 0.0;     // recency-weighted right response times, ms
    double m_timeWeight = 0.0;
};

// Reads the results file at path, a line at a time, never changing it, then
// unwritten (rows of ours still on their way to the file). A file that does
// not exist yet gives empty records (a new pupil); one that cannot be read
// gives nothing, with the reason in error.
std::optional<exercise::NoteRecords> readRecentRecords(const std::string& path, std::string* error,
                                                       const std::string& unwritten = {});

}  // namespace progress
