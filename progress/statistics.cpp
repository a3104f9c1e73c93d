#include "progress/statistics.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <unordered_map>

namespace progress {

namespace {

constexpr double percent = 100.0;

std::optional<double> percentRight(int right, int missed)
{
    if (right + missed == 0) {
        return std::nullopt;
    }
    return percent * right / (right + missed);
}

struct NoteAccumulator {
    NoteStats stats;
    std::vector<std::uint32_t> responses;
};

struct RunAccumulator {
    RunStats stats;
    std::vector<std::uint32_t> responses;
};

void add(NoteAccumulator& n, const NoteResult& row)
{
    switch (row.outcome) {
    case Outcome::Right:
        ++n.stats.right;
        n.responses.push_back(*row.responseMs);
        break;
    case Outcome::Missed:
        ++n.stats.missed;
        if (row.wrongKeys.empty()) {
            ++n.stats.silentMisses;
        }
        break;
    case Outcome::Stopped:
        ++n.stats.stopped;
        break;
    }
    for (const WrongKey& w : row.wrongKeys) {
        ++n.stats.mistakes[static_cast<std::size_t>(w.kind)];
    }
}

void add(RunAccumulator& r, const NoteResult& row)
{
    switch (row.outcome) {
    case Outcome::Right:
        ++r.stats.right;
        r.responses.push_back(*row.responseMs);
        break;
    case Outcome::Missed:
        ++r.stats.missed;
        break;
    case Outcome::Stopped:
        ++r.stats.stopped;
        break;
    }
}

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

}  // namespace

std::optional<double> NoteStats::rightRate() const
{
    if (asked() == 0) {
        return std::nullopt;
    }
    return static_cast<double>(right) / asked();
}

int NoteStats::wrongKeys() const
{
    int total = 0;
    for (const int n : mistakes) {
        total += n;
    }
    return total;
}

std::optional<MistakeKind> NoteStats::commonestMistake() const
{
    std::size_t best = 0;
    for (std::size_t i = 1; i < mistakes.size(); ++i) {
        if (mistakes[i] > mistakes[best]) {
            best = i;
        }
    }
    if (mistakes[best] == 0) {
        return std::nullopt;
    }
    return static_cast<MistakeKind>(best);
}

std::optional<double> RunStats::score() const
{
    return percentRight(right, missed);
}

std::optional<double> ResultsSummary::score() const
{
    return percentRight(right, missed);
}

std::optional<double> median(std::vector<std::uint32_t>& values)
{
    if (values.empty()) {
        return std::nullopt;
    }
    const std::size_t mid = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(mid), values.end());
    const double upper = values[mid];
    if (values.size() % 2 == 1) {
        return upper;
    }
    const double lower = *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(mid));
    return (lower + upper) / 2.0;
}

ResultsSummary summarize(std::string_view text)
{
    ResultsSummary summary;
    std::map<NoteForm, NoteAccumulator> notes;
    std::vector<RunAccumulator> runs;
    std::unordered_map<std::string, std::size_t> runIndex;
    std::vector<std::uint32_t> allResponses;
    std::size_t lastRun = SIZE_MAX;  // rows of a run come together: look up only when the id changes

    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        if (isBlank(line)) {
            continue;
        }
        std::string_view bare = line;
        if (bare.back() == '\r') {
            bare.remove_suffix(1);
        }
        if (bare == csv::header) {
            continue;  // files joined end to end carry one header each
        }
        std::optional<NoteResult> row = parseCsvRow(line);
        if (!row) {
            ++summary.skipped;
            continue;
        }
        ++summary.rows;

        if (lastRun == SIZE_MAX || runs[lastRun].stats.run != row->run || runs[lastRun].stats.started != row->started) {
            const auto [it, inserted] = runIndex.try_emplace(row->run + ' ' + row->started, runs.size());
            if (inserted) {
                RunAccumulator r;
                r.stats.started = row->started;
                r.stats.run = row->run;
                r.stats.mode = row->mode;
                runs.push_back(std::move(r));
            }
            lastRun = it->second;
        }
        add(runs[lastRun], *row);

        NoteAccumulator& n = notes[NoteForm{row->clef, row->note, row->accidental}];
        n.stats.form = NoteForm{row->clef, row->note, row->accidental};
        add(n, *row);

        if (row->outcome == Outcome::Right) {
            ++summary.right;
            allResponses.push_back(*row->responseMs);
        } else if (row->outcome == Outcome::Missed) {
            ++summary.missed;
        }
    }

    summary.medianMs = median(allResponses);
    // The map orders by clef (treble first), then key, then written sign; a
    // sharp is written lower on the staff than the flat of the same key.
    summary.notes.reserve(notes.size());
    for (auto& [form, n] : notes) {
        n.stats.medianMs = median(n.responses);
        summary.notes.push_back(n.stats);
    }
    summary.runs.reserve(runs.size());
    for (RunAccumulator& r : runs) {
        r.stats.medianMs = median(r.responses);
        summary.runs.push_back(std::move(r.stats));
    }
    // ISO dates sort as text; programs sharing a file append runs as they
    // end, and files may have been joined out of order.
    std::stable_sort(summary.runs.begin(), summary.runs.end(),
                     [](const RunStats& a, const RunStats& b) { return a.started < b.started; });
    return summary;
}

std::optional<ResultsSummary> readResultsFile(const std::string& path, std::string* error)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        if (error != nullptr) {
            *error = "cannot read '" + path + "': " + std::strerror(errno);
        }
        return std::nullopt;
    }
    std::string text;
    constexpr std::size_t chunk = 1 << 20;  // bytes per read
    std::size_t got = 0;
    do {
        const std::size_t before = text.size();
        text.resize(before + chunk);
        got = std::fread(text.data() + before, 1, chunk, file.get());
        text.resize(before + got);
    } while (got == chunk);
    if (std::ferror(file.get()) != 0) {
        if (error != nullptr) {
            *error = "cannot read '" + path + "': " + std::strerror(errno);
        }
        return std::nullopt;
    }
    return summarize(text);
}

std::vector<NoteStats> weakestNotes(const ResultsSummary& summary, std::size_t count)
{
    std::vector<NoteStats> weak;
    for (const NoteStats& n : summary.notes) {
        if (n.missed > 0 || n.wrongKeys() > 0) {
            weak.push_back(n);
        }
    }
    auto smoothed = [](const NoteStats& n) { return (n.right + 1.0) / (n.asked() + 2.0); };
    std::stable_sort(weak.begin(), weak.end(), [&](const NoteStats& a, const NoteStats& b) {
        const double ra = smoothed(a);
        const double rb = smoothed(b);
        if (ra != rb) {
            return ra < rb;
        }
        if (a.wrongKeys() != b.wrongKeys()) {
            return a.wrongKeys() > b.wrongKeys();
        }
        return a.medianMs.value_or(0.0) > b.medianMs.value_or(0.0);
    });
    if (weak.size() > count) {
        weak.resize(count);
    }
    return weak;
}

std::optional<Trend> trendOf(const std::vector<std::optional<double>>& series)
{
    std::vector<std::pair<double, double>> points;  // (step, value)
    for (std::size_t i = 0; i < series.size(); ++i) {
        if (series[i]) {
            points.emplace_back(static_cast<double>(i), *series[i]);
        }
    }
    if (points.empty()) {
        return std::nullopt;
    }
    Trend t;
    // A fifth of the values at each end, one at least and twenty at most.
    t.window = std::clamp<std::size_t>(points.size() / 5, 1, 20);
    for (std::size_t i = 0; i < t.window; ++i) {
        t.first += points[i].second;
        t.last += points[points.size() - 1 - i].second;
    }
    t.first /= static_cast<double>(t.window);
    t.last /= static_cast<double>(t.window);

    double mx = 0.0;
    double my = 0.0;
    for (const auto& [x, y] : points) {
        mx += x;
        my += y;
    }
    mx /= static_cast<double>(points.size());
    my /= static_cast<double>(points.size());
    double sxy = 0.0;
    double sxx = 0.0;
    for (const auto& [x, y] : points) {
        sxy += (x - mx) * (y - my);
        sxx += (x - mx) * (x - mx);
    }
    t.slope = sxx > 0.0 ? sxy / sxx : 0.0;
    return t;
}

std::vector<std::optional<double>> movingMean(const std::vector<std::optional<double>>& series, std::size_t window)
{
    const std::size_t half = window / 2;
    const std::size_t n = series.size();
    // Running sums make it linear in the length, whatever the window.
    std::vector<double> sum(n + 1, 0.0);
    std::vector<std::size_t> count(n + 1, 0);
    for (std::size_t i = 0; i < n; ++i) {
        sum[i + 1] = sum[i] + series[i].value_or(0.0);
        count[i + 1] = count[i] + (series[i] ? 1 : 0);
    }
    std::vector<std::optional<double>> out(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t lo = i >= half ? i - half : 0;
        const std::size_t hi = std::min(n, i + half + 1);
        const std::size_t c = count[hi] - count[lo];
        if (c > 0) {
            out[i] = (sum[hi] - sum[lo]) / static_cast<double>(c);
        }
    }
    return out;
}

}  // namespace progress
