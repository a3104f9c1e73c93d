#include "progress/recentstats.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

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

std::optional<exercise::NoteRecords> readRecentRecords(const std::string& path, std::string* error,
                                                       const std::string& unwritten)
{
    RecentNoteStats stats;
    const auto addUnwritten = [&] {
        std::istringstream rows(unwritten);
        std::string line;
        while (std::getline(rows, line)) {
            if (const std::optional<NoteResult> row = parseCsvRow(line)) {
                stats.add(*row);
            }
        }
        return stats.records();
    };
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (errno == ENOENT) {
            return addUnwritten();
        }
        if (error != nullptr) {
            *error = "cannot read '" + path + "': " + std::strerror(errno);
        }
        return std::nullopt;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (const std::optional<NoteResult> row = parseCsvRow(line)) {
            stats.add(*row);
        }
    }
    if (in.bad()) {
        if (error != nullptr) {
            *error = "cannot read '" + path + "'";
        }
        return std::nullopt;
    }
    return addUnwritten();
}

}  // namespace progress
