#pragma once

#include "exercise/focus.h"
#include "progress/resultrow.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <future>
#include <memory>
#include <map>
#include <optional>
#include <string>
#include <vector>

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

// Each variant's records of its own rows: the drill's, by ear, in a key
// (all keys together) and in phrases. A run of one neither counts in
// another's records nor ages them. Notes written in a C clef are in none.
class RecentNoteStats {
public:
    void add(const NoteResult& row);
    const exercise::NoteRecords& records(exercise::VariantKind kind = exercise::VariantKind::Drill) const;
    int runs(exercise::VariantKind kind = exercise::VariantKind::Drill) const;

private:
    struct Of {
        exercise::NoteRecords records;
        std::string run;  // id and start of the run being read
        int runs = 0;
        double timeSum = 0.0;  // recency-weighted right response times, ms
        double timeWeight = 0.0;
        void add(const NoteResult& row);
    };
    std::map<exercise::VariantKind, Of> m_of;
};

// Reads the results file at path, a line at a time, never changing it, then
// unwritten (rows of ours still on their way to the file). The rows of a run
// in unwritten are taken from there only, so a run written to the file
// while it is read never counts twice. The file is opened so that it cannot
// wait (platform::ReadOnlyFile) and read with bounded memory: a line longer
// than maxLineBytes is not kept, and counts in unreadable with the other
// lines that are no row. A file that does not exist yet gives empty records
// (a new pupil); one that cannot be read gives nothing, with the reason in
// error.
std::optional<exercise::NoteRecords> readRecentRecords(const std::string& path, std::string* error,
                                                       const std::string& unwritten = {},
                                                       std::size_t* unreadable = nullptr);

// The same read of one pupil's files, one after the other, into stats that
// more rows can be added to: a run (id and start) read from an earlier file
// is left out, and so are the rows of every run of the session skipSession
// (its runs are the program's own, which it keeps in memory, whether or not
// they are in the file yet).
std::optional<RecentNoteStats> readRecentStats(const std::vector<std::string>& paths, std::string* error,
                                               const std::string& skipSession, std::size_t* unreadable = nullptr);

// The reads of --focus, each on a thread of its own, so that the window never
// waits for the file (a large one, a slow disk, a network mount that stopped
// answering). start() returns at once; its future is ready when the read is
// done, with the records or nothing (the reason said through report, from
// the reading thread). A read that never ends holds its own thread only, and
// not the program's end; while one is still going, start() gives nothing at
// once rather than pile up readers.
class RecentRecordsReader {
public:
    using Report = std::function<void(const std::string& message)>;
    RecentRecordsReader(std::string path, Report report);

    std::future<std::optional<exercise::NoteRecords>> start(std::string unwritten);

private:
    std::string m_path;
    Report m_report;
    std::shared_ptr<std::atomic<bool>> m_busy;
};

// readRecentStats on a thread of its own: returns at once, and the future is
// ready when the read is done, with the stats or nothing (the reason said
// through report, from the reading thread). A read that never ends holds
// its own thread only.
// paths() is asked on that thread, for the files to read.
std::shared_future<std::optional<RecentNoteStats>> readRecentStatsAside(std::function<std::vector<std::string>()> paths,
                                                                        std::string skipSession,
                                                                        RecentRecordsReader::Report report);

}  // namespace progress
