#include "progress/recentstats.h"

#include "platform/files.h"
#include "progress/lines.h"

#include <string_view>
#include <thread>
#include <unordered_set>
#include <vector>

namespace progress {

void RecentNoteStats::add(const NoteResult& row)
{
    // The rows of a run come together: a new id starts a new run, and every
    // earlier run weighs a little less.
    std::string id = row.run + ' ' + row.started;
    if (m_runs == 0 || id != m_run) {
        if (m_runs > 0) {
            for (auto& [note, r] : m_records) {
                r.asked *= recent::decayPerRun;
                r.missed *= recent::decayPerRun;
                r.wrong *= recent::decayPerRun;
                r.slow *= recent::decayPerRun;
            }
            m_timeSum *= recent::decayPerRun;
            m_timeWeight *= recent::decayPerRun;
        }
        m_run = std::move(id);
        ++m_runs;
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
    exercise::NoteRecord& r = m_records[row.note];
    r.asked += 1.0;
    if (row.outcome == Outcome::Missed) {
        r.missed += 1.0;
        return;
    }
    if (!row.wrongKeys.empty()) {
        r.wrong += 1.0;
    }
    const double ms = row.responseMs ? static_cast<double>(*row.responseMs) : 0.0;
    if (m_timeWeight > 0.0 && ms > recent::slowFactor * m_timeSum / m_timeWeight) {
        r.slow += 1.0;
    }
    m_timeSum += ms;
    m_timeWeight += 1.0;
}

namespace {

std::string runOf(const NoteResult& row)
{
    return row.run + ' ' + row.started;
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
    const platform::ReadOnlyFile file(path);
    if (!file.isOpen() && !file.missing()) {
        if (error != nullptr) {
            *error = file.why();
        }
        return std::nullopt;
    }
    if (file.isOpen()) {
        bool first = true;
        const auto line = [&](std::string_view text) {
            const std::optional<NoteResult> row = parseCsvRow(text);
            if (!row) {
                skipped += first && text.substr(0, csv::header.size()) == csv::header ? 0 : 1;
            } else if (!waitingRuns.count(runOf(*row))) {
                stats.add(*row);
            }
            first = false;
        };
        if (!readLines(file.fd(), line, [&] { ++skipped; first = false; }, path, error)) {
            return std::nullopt;
        }
    }
    for (const NoteResult& row : waiting) {
        stats.add(row);
    }
    if (unreadable != nullptr) {
        *unreadable = skipped;
    }
    return stats.records();
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
            m_report("still reading '" + m_path + "' since an earlier run");
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

}  // namespace progress
