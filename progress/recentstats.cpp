#include "progress/recentstats.h"

#include "platform/messages.h"
#include "platform/files.h"
#include "progress/lines.h"

#include <string_view>
#include <thread>
#include <unordered_set>
#include <vector>

namespace progress {

using platform::message;

void RecentNoteStats::add(const NoteResult& row)
{
    // Each variant's weights are its own: a run by ear or in a key asks
    // other things of a note than the drill. A C clef is another reading of
    // the same key still, which no mode weighs by.
    if (row.cClef) {
        return;
    }
    m_of[row.variant].add(row);
}

const exercise::NoteRecords& RecentNoteStats::records(exercise::VariantKind kind) const
{
    static const exercise::NoteRecords none;
    const auto found = m_of.find(kind);
    return found == m_of.end() ? none : found->second.records;
}

int RecentNoteStats::runs(exercise::VariantKind kind) const
{
    const auto found = m_of.find(kind);
    return found == m_of.end() ? 0 : found->second.runs;
}

void RecentNoteStats::Of::add(const NoteResult& row)
{
    // The rows of a run come together: a new id starts a new run, and every
    // earlier run weighs a little less.
    std::string id = row.run + ' ' + row.started;
    if (runs == 0 || id != run) {
        if (runs > 0) {
            for (auto& [note, r] : records) {
                r.asked *= recent::decayPerRun;
                r.missed *= recent::decayPerRun;
                r.wrong *= recent::decayPerRun;
                r.slow *= recent::decayPerRun;
            }
            timeSum *= recent::decayPerRun;
            timeWeight *= recent::decayPerRun;
        }
        run = std::move(id);
        ++runs;
    }
    // Only a note the pupil saw and that closed, right or missed, says
    // anything of its key: one on display when the run stopped, or whose
    // picture could not be put up, was never answered either way.
    switch (row.outcome) {
    case Outcome::Right:
    case Outcome::Missed:
        break;
    case Outcome::Stopped:
    case Outcome::Unshown:
        return;
    }
    exercise::NoteRecord& r = records[row.note];
    r.asked += 1.0;
    if (row.outcome == Outcome::Missed) {
        r.missed += 1.0;
        return;
    }
    if (!row.wrongKeys.empty()) {
        r.wrong += 1.0;
    }
    const double ms = row.responseMs ? static_cast<double>(*row.responseMs) : 0.0;
    if (timeWeight > 0.0 && ms > recent::slowFactor * timeSum / timeWeight) {
        r.slow += 1.0;
    }
    timeSum += ms;
    timeWeight += 1.0;
}

namespace {

std::string runOf(const NoteResult& row)
{
    return row.run + ' ' + row.started;
}

}  // namespace

namespace {

// Adds the rows of the file at path to stats, but those that skip() says
// not to; the lines that are no row count in skipped. False, with the
// reason in error, for a file that exists but cannot be read.
template<typename Skip>
bool addFileRows(const std::string& path, RecentNoteStats& stats, Skip skip, std::string* error, std::size_t* skipped)
{
    const platform::ReadOnlyFile file(path);
    if (!file.isOpen() && !file.missing()) {
        if (error != nullptr) {
            *error = file.why();
        }
        return false;
    }
    if (!file.isOpen()) {
        return true;  // a new pupil
    }
    bool first = true;
    const auto line = [&](std::string_view text) {
        const std::optional<NoteResult> row = parseCsvRow(text);
        if (!row) {
            *skipped += first && text.substr(0, csv::header.size()) == csv::header ? 0 : 1;
        } else if (!skip(*row)) {
            stats.add(*row);
        }
        first = false;
    };
    return readLines(
        file.fd(), line,
        [&] {
            ++*skipped;
            first = false;
        },
        path, error);
}

}  // namespace

std::optional<exercise::NoteRecords> readRecentRecords(const std::string& path, std::string* error,
                                                       const std::string& unwritten, std::size_t* unreadable)
{
    std::vector<NoteResult> waiting;
    std::unordered_set<std::string> waitingRuns;
    {
        std::string_view rest = unwritten;
        while (!rest.empty()) {
            const std::size_t end = rest.find('\n');
            if (const std::optional<NoteResult> row = parseCsvRow(rest.substr(0, end))) {
                waitingRuns.insert(runOf(*row));
                waiting.push_back(*row);
            }
            rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        }
    }
    RecentNoteStats stats;
    std::size_t skipped = 0;
    if (!addFileRows(
            path, stats, [&](const NoteResult& row) { return waitingRuns.count(runOf(row)) > 0; }, error, &skipped)) {
        return std::nullopt;
    }
    for (const NoteResult& row : waiting) {
        stats.add(row);
    }
    if (unreadable != nullptr) {
        *unreadable = skipped;
    }
    return stats.records();
}

std::optional<RecentNoteStats> readRecentStats(const std::vector<std::string>& paths, std::string* error,
                                               const std::string& skipSession, std::size_t* unreadable)
{
    const std::string prefix = skipSession + '-';
    RecentNoteStats stats;
    std::size_t skipped = 0;
    // Runs by id and start: of the files read before the one being read, and its own.
    std::unordered_set<std::string> earlier;
    std::unordered_set<std::string> here;
    const auto skip = [&](const NoteResult& row) {
        if (!skipSession.empty() && row.run.starts_with(prefix)) {
            return true;
        }
        std::string run = runOf(row);
        if (earlier.contains(run)) {
            return true;
        }
        here.insert(std::move(run));
        return false;
    };
    for (const std::string& path : paths) {
        if (!addFileRows(path, stats, skip, error, &skipped)) {
            return std::nullopt;
        }
        earlier.merge(here);
        here.clear();
    }
    if (unreadable != nullptr) {
        *unreadable = skipped;
    }
    return stats;
}

RecentRecordsReader::RecentRecordsReader(std::string path, Report report)
    : m_path(std::move(path)), m_report(std::move(report)), m_busy(std::make_shared<std::atomic<bool>>(false))
{
}

std::future<std::optional<exercise::NoteRecords>> RecentRecordsReader::start(std::string unwritten)
{
    std::promise<std::optional<exercise::NoteRecords>> promise;
    std::future<std::optional<exercise::NoteRecords>> future = promise.get_future();
    if (m_busy->exchange(true)) {
        if (m_report) {
            m_report(message(QT_TRANSLATE_NOOP("Messages", "still reading '%1' since an earlier run"), {m_path}));
        }
        promise.set_value(std::nullopt);
        return future;
    }
    // The thread owns all it uses: it may outlive this reader, and even the
    // window, if the file never answers.
    std::thread([path = m_path, report = m_report, busy = m_busy, unwritten = std::move(unwritten),
                 promise = std::move(promise)]() mutable {
        std::string error;
        std::optional<exercise::NoteRecords> records = readRecentRecords(path, &error, unwritten);
        if (!records && report) {
            report(error);
        }
        busy->store(false);
        promise.set_value(std::move(records));
    }).detach();
    return future;
}

std::shared_future<std::optional<RecentNoteStats>> readRecentStatsAside(std::function<std::vector<std::string>()> paths,
                                                                        std::string skipSession,
                                                                        RecentRecordsReader::Report report)
{
    std::promise<std::optional<RecentNoteStats>> promise;
    std::shared_future<std::optional<RecentNoteStats>> future = promise.get_future().share();
    // The thread owns all it uses: it may outlive its caller, and even the
    // window, if the file never answers. The files are looked for there too.
    std::thread([paths = std::move(paths), skipSession = std::move(skipSession), report = std::move(report),
                 promise = std::move(promise)]() mutable {
        std::string error;
        std::optional<RecentNoteStats> stats = readRecentStats(paths(), &error, skipSession);
        if (!stats && report) {
            report(error);
        }
        promise.set_value(std::move(stats));
    }).detach();
    return future;
}

}  // namespace progress
