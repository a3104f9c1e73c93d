#pragma once

#include "exercise/observer.h"
#include "progress/resultrow.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

// Keeping the result of every note: the observer that collects a run as the
// window plays it, and the results file its rows are appended to when the run
// ends. Nothing here runs on the window's thread but a few pushes into a
// vector and, at a run's end, handing its rows to a writer thread of their
// own: a lock held by another program or a slow disk never holds the window.
namespace progress {

// The local date and time now, ISO 8601 with its UTC offset
// (2024-09-02T17:05:31+02:00).
std::string localIsoNow();
using WallClock = std::function<std::string()>;

// A fresh id for this program's session: eight hex digits from the system's
// random source. A run's id is the session's, a dash and its number in the
// session, so that two programs writing to one file never share an id.
std::string newSessionId();

// Makes the rows of each run as it ends: stamps them with the run's start
// (the wall clock when it began) and its id, and hands them over, all at
// once. What happened to each note is the run's to say (exercise::Run);
// this only writes it down.
class RunCollector final : public exercise::ExerciseObserver {
public:
    using Finished = std::function<void(std::vector<NoteResult>&& rows)>;

    RunCollector(WallClock clock, std::string session, Finished finished);

    void runStarted(int mode, std::uint32_t now) override;
    void runEnded(const exercise::FinishedRun& run, std::uint32_t now) override;

    // The rows of a run that ended, stamped as the run last started; every
    // run of this session has an id that starts with session() and a dash.
    std::vector<NoteResult> rowsOf(const exercise::FinishedRun& run) const;
    const std::string& session() const { return m_session; }

private:
    WallClock m_clock;
    std::string m_session;
    Finished m_finished;
    int m_runCount = 0;     // runs started in this session
    std::string m_started;  // wall clock at the start of the run going or last run
    std::string m_runId;
};

// Where finished rows go.
class ResultsSink {
public:
    virtual ~ResultsSink() = default;
    // Appends rows (whole lines, as appendCsvRow writes them: a drill row in
    // eleven columns, any other in fourteen) in one piece, after the header
    // line when the destination is new; rows may be empty, which only makes sure the
    // destination can be written. Returns why it failed, or an empty string.
    // After a failure nothing of rows is left behind.
    virtual std::string append(const std::string& rows) = 0;
    // From another thread: an append waiting (for a lock) gives up soon, and
    // one not yet begun fails, writing nothing. For the end of the program.
    virtual void abandon() {}
};

// The results file. Each append opens the file, takes an exclusive lock on
// it (flock: whole file, every process and every open of it), writes the
// header if the file is empty, then the rows in one write with no buffer in
// between, and closes it, so programs sharing the file never split each
// other's runs or double the header. A write that fails half-way is cut back
// off the file, and a file the append made is taken away again when not even
// its header could be written (a full disk). A file left without its last
// line end (a crash mid-line) gets one before the new rows.
//
// A file of the drill alone has the eleven columns' header and its rows in
// those eleven, byte for byte as before the variants, new or old, until a
// row of a variant is to go in: then, under the lock, it is written anew
// with the fourteen columns' header and its rows widened, and renamed into
// place with the new rows in it. A file begun by a variant's run has the
// fourteen columns from the start, and every row in them.
//
// Only a regular file is written: a pipe, a device or a socket is refused
// (a pipe nobody reads would hold the window, and one that is read loses what
// its reader missed), and so is a file whose first line is not our header.
// Opening never waits (O_NONBLOCK), so a pipe put in the file's place later
// is refused rather than waited on. The lock is waited for as long as
// another program holds it, unless abandon() is called.
class ResultsFile final : public ResultsSink {
public:
    explicit ResultsFile(std::string path);
    std::string append(const std::string& rows) override;
    void abandon() override { m_abandoned = true; }
    const std::string& path() const { return m_path; }

private:
    struct Opened {
        bool existed = false;   // there before this append opened it
        bool readable = false;  // opened for reading too
    };
    std::string appendOnce(const std::string& rows, bool* again);
    int openForAppend(Opened* opened, std::string* error) const;
    std::string lockExclusive(int fd) const;
    std::string addRows(int fd, const Opened& opened, off_t size, mode_t mode, const std::string& rows) const;
    std::string upgrade(int fd, off_t size, mode_t mode, const std::string& rows) const;
    std::string copyWidened(int fd, off_t size, int out, std::string* tail) const;
    std::string writeWhole(int fd, const std::string& text, off_t size, bool existed) const;

    std::string m_path;
    std::atomic<bool> m_abandoned = false;
};

// The observer given to the window with --results: collects each run and,
// when it ends, hands its rows to the recorder's writer thread, which appends
// them (the window's thread never waits for the file). A failure is reported
// once, through report (called on the writer thread), and never reaches the
// exercise; rows that could not be written are kept and go out with the next
// run's, at the next try (every retryInterval) or at finish().
class ResultsRecorder final : public exercise::ExerciseObserver {
public:
    using Report = std::function<void(const std::string& message)>;
    static constexpr std::chrono::milliseconds retryInterval{10000};
    // How long finish() waits for the writer by default.
    static constexpr std::chrono::milliseconds drainTimeout{5000};

    ResultsRecorder(std::unique_ptr<ResultsSink> sink, Report report, WallClock clock = localIsoNow,
                    std::string session = newSessionId());
    ~ResultsRecorder() override;
    ResultsRecorder(const ResultsRecorder&) = delete;
    ResultsRecorder& operator=(const ResultsRecorder&) = delete;

    // For start-up, before any run: can the destination be written? (Creates
    // a new file with its header.) Returns why not, or an empty string.
    std::string check();

    void runStarted(int mode, std::uint32_t now) override { m_collector.runStarted(mode, now); }
    void runEnded(const exercise::FinishedRun& run, std::uint32_t now) override { m_collector.runEnded(run, now); }
    // The rows a run makes, as runEnded() writes them.
    std::vector<NoteResult> rowsOf(const exercise::FinishedRun& run) const { return m_collector.rowsOf(run); }
    // Writes rows (of a run that ended) as runEnded() does.
    void write(std::vector<NoteResult>&& rows);
    const std::string& session() const { return m_collector.session(); }

    // Bytes of rows waiting for a write that worked.
    std::size_t pendingBytes() const;
    // Rows waiting for a write that worked.
    std::size_t pendingRows() const;
    // The rows waiting, as CSV lines (those being written too).
    std::string pendingText() const;
    // Appends finished since the recorder began, whether they worked or not.
    std::uint64_t attempts() const;

    // Waits until the writer has tried every run handed to it (or timeout
    // has passed). Returns true when nothing is waiting any more.
    bool waitUntilTried(std::chrono::milliseconds timeout = std::chrono::milliseconds(60000));

    // The end of the program: every row waiting is tried once more (the
    // window ends a run still going before). Waits for the writer at most timeout
    // (a lock another program keeps, a disk that does not answer), then
    // gives up. Returns the rows that could not be written (0 when all are
    // in the file). Safe to call more than once; no run may start after it.
    std::size_t finish(std::chrono::milliseconds timeout = drainTimeout);

private:
    struct Writer;

    std::shared_ptr<Writer> m_writer;  // shared with its thread, which may outlive a recorder that gave up on it
    RunCollector m_collector;
};

}  // namespace progress
