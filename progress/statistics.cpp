#include "progress/statistics.h"

#include "platform/files.h"
#include "progress/computer.h"

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

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
    ResponseTimes responses;
};

struct VariantAccumulator {
    VariantNotes stats;
    std::map<NoteForm, NoteAccumulator> notes;
    ResponseTimes responses;
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
        n.responses.add(*row.responseMs);
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
    case Outcome::Unshown:
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
    case Outcome::Unshown:
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

std::optional<double> VariantNotes::score() const
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

// ---------------------------------------------------------------- response times

namespace {
constexpr std::size_t exactLimit = 8192;    // values kept one by one before binning
constexpr std::uint32_t fineUpTo = 10'000;  // ms: 1 ms bins below
constexpr std::uint32_t coarseBin = 100;    // ms, above fineUpTo
constexpr std::size_t binCount = fineUpTo + (csv::maxResponseMs - fineUpTo + coarseBin - 1) / coarseBin;

std::size_t binOf(std::uint32_t ms)
{
    ms = std::min(ms, csv::maxResponseMs - 1);
    return ms < fineUpTo ? ms : fineUpTo + (ms - fineUpTo) / coarseBin;
}
}  // namespace

void ResponseTimes::add(std::uint32_t ms)
{
    ++m_count;
    if (m_bins.empty()) {
        m_values.push_back(ms);
        if (m_values.size() <= exactLimit) {
            return;
        }
        m_bins.assign(binCount, 0);
        for (const std::uint32_t v : m_values) {
            ++m_bins[binOf(v)];
        }
        m_values = std::vector<std::uint32_t>();
        return;
    }
    ++m_bins[binOf(ms)];
}

std::uint32_t ResponseTimes::valueAt(std::uint64_t index) const
{
    std::uint64_t seen = 0;
    for (std::size_t b = 0; b < m_bins.size(); ++b) {
        seen += m_bins[b];
        if (seen > index) {
            return b < fineUpTo ? static_cast<std::uint32_t>(b)
                                : fineUpTo + static_cast<std::uint32_t>(b - fineUpTo) * coarseBin + coarseBin / 2;
        }
    }
    return csv::maxResponseMs - 1;
}

std::optional<double> ResponseTimes::median()
{
    if (m_bins.empty()) {
        return progress::median(m_values);
    }
    const std::uint64_t mid = m_count / 2;
    const double upper = valueAt(mid);
    if (m_count % 2 == 1) {
        return upper;
    }
    return (valueAt(mid - 1) + upper) / 2.0;
}

// ---------------------------------------------------------------- builder

// trendOf over a series given one value at a time, in bounded memory: the
// first and the last values it may average, and the sums of the
// least-squares line.
class TrendStream {
public:
    static constexpr std::size_t kept = 20;  // trendOf's widest window

    void add(std::optional<double> value)
    {
        const auto x = static_cast<long double>(m_steps++);
        if (!value) {
            return;
        }
        ++m_count;
        if (m_first.size() < kept) {
            m_first.push_back(*value);
        }
        m_last.push_back(*value);
        if (m_last.size() > kept) {
            m_last.pop_front();
        }
        const auto y = static_cast<long double>(*value);
        m_sx += x;
        m_sy += y;
        m_sxx += x * x;
        m_sxy += x * y;
    }

    std::optional<Trend> trend() const
    {
        if (m_count == 0) {
            return std::nullopt;
        }
        Trend t;
        t.window = std::clamp<std::size_t>(m_count / 5, 1, kept);
        for (std::size_t i = 0; i < t.window; ++i) {
            t.first += m_first[i];
            t.last += m_last[m_last.size() - 1 - i];
        }
        t.first /= static_cast<double>(t.window);
        t.last /= static_cast<double>(t.window);
        const auto n = static_cast<long double>(m_count);
        const long double sxx = m_sxx - m_sx * m_sx / n;
        const long double sxy = m_sxy - m_sx * m_sy / n;
        t.slope = sxx > 0.0L ? static_cast<double>(sxy / sxx) : 0.0;
        return t;
    }

private:
    std::size_t m_steps = 0;
    std::size_t m_count = 0;
    std::vector<double> m_first;
    std::deque<double> m_last;
    long double m_sx = 0.0L, m_sy = 0.0L, m_sxx = 0.0L, m_sxy = 0.0L;
};

struct SummaryBuilder::State {
    ResultsSummary summary;
    TrendStream scores;  // every run, in the order read
    TrendStream times;
    RunStats group;  // runs not yet a point, when grouping
    bool groupOpen = false;
    bool grouped = false;
    std::map<NoteForm, NoteAccumulator> notes;  // the drill's
    std::map<VariantOf, VariantAccumulator> variants;
    ResponseTimes allResponses;
    bool inRun = false;
    std::size_t runRows = 0;  // rows of the current run
    RunAccumulator current;
    std::vector<RunStats> runs;
    // Runs by id and start: those of the files before this one, and this one's.
    std::unordered_set<std::string> earlierRuns;
    std::unordered_set<std::string> fileRuns;
    std::string key;        // scratch, for the look-ups
    bool dropping = false;  // the run last looked up was read already
    std::string droppedRun;
    std::string droppedStart;

    void closeRun()
    {
        if (!inRun) {
            return;
        }
        inRun = false;
        current.stats.medianMs = median(current.responses);
        if (summary.firstStarted.empty() || current.stats.started < summary.firstStarted) {
            summary.firstStarted = current.stats.started;
        }
        if (current.stats.started > summary.lastStarted) {
            summary.lastStarted = current.stats.started;
        }
        ++summary.runCount;
        ComputerRuns& computer = summary.computers[computerOfRun(current.stats.run)];
        ++computer.runs;
        computer.right += current.stats.right;
        computer.missed += current.stats.missed;
        scores.add(current.stats.score());
        times.add(current.stats.medianMs);
        if (!grouped) {
            runs.push_back(std::move(current.stats));
        } else {
            if (groupOpen) {
                join(group, current.stats);
            } else {
                group = std::move(current.stats);
                groupOpen = true;
            }
            if (group.merged == summary.runsPerPoint) {
                runs.push_back(std::move(group));
                group = RunStats{};
                groupOpen = false;
            }
        }
        current = RunAccumulator{};
        if (runs.size() >= 2 * maxRunPoints) {
            mergeRuns();
        }
    }

    // The row's note, with the drill's or with its variant's.
    void addNote(const NoteResult& row)
    {
        const NoteForm form{row.clef, row.note, row.accidental};
        if (isDrillRow(row)) {
            NoteAccumulator& n = notes[form];
            n.stats.form = form;
            add(n, row);
            return;
        }
        VariantAccumulator& v = variants[VariantOf{row.variant, row.fifths, row.cClef}];
        NoteAccumulator& n = v.notes[form];
        n.stats.form = form;
        add(n, row);
        ++v.stats.rows;
        if (row.outcome == Outcome::Right) {
            ++v.stats.right;
            v.responses.add(*row.responseMs);
        } else if (row.outcome == Outcome::Missed) {
            ++v.stats.missed;
        }
    }

    // b's runs added to a's point, its median the mean of theirs weighted
    // by their right answers.
    static void join(RunStats& a, const RunStats& b)
    {
        const double wa = a.right;
        const double wb = b.right;
        if (a.medianMs && b.medianMs && wa + wb > 0) {
            a.medianMs = (*a.medianMs * wa + *b.medianMs * wb) / (wa + wb);
        } else if (!a.medianMs) {
            a.medianMs = b.medianMs;
        }
        a.right += b.right;
        a.missed += b.missed;
        a.stopped += b.stopped;
        a.merged += b.merged;
    }

    // Halves the series: neighbouring points (as many runs each) become one,
    // and runs read from now on gather in points twice as big.
    void mergeRuns()
    {
        if (!grouped) {
            sortRuns();  // the runs one by one, in order of their start
            grouped = true;
        }
        std::vector<RunStats> merged;
        merged.reserve(runs.size() / 2 + 1);
        for (std::size_t i = 0; i < runs.size(); i += 2) {
            RunStats a = std::move(runs[i]);
            if (i + 1 < runs.size()) {
                join(a, runs[i + 1]);
            }
            merged.push_back(std::move(a));
        }
        runs = std::move(merged);
        summary.runsPerPoint *= 2;
    }

    // ISO dates sort as text; programs sharing a file append runs as they
    // end, and files may have been joined out of order.
    void sortRuns()
    {
        std::stable_sort(runs.begin(), runs.end(),
                         [](const RunStats& a, const RunStats& b) { return a.started < b.started; });
    }
};

SummaryBuilder::SummaryBuilder() : m_state(std::make_unique<State>())
{
}
SummaryBuilder::~SummaryBuilder() = default;

void SummaryBuilder::addSkipped(std::size_t lines)
{
    m_state->summary.skipped += lines;
}

std::optional<double> ComputerRuns::score() const
{
    const int closed = right + missed;
    if (closed == 0) {
        return std::nullopt;
    }
    return 100.0 * right / closed;
}

std::string computerOfRun(std::string_view run)
{
    const std::size_t dot = run.find('.');
    if (dot == std::string_view::npos || !isComputerId(run.substr(0, dot))) {
        return {};
    }
    return std::string(run.substr(0, dot));
}

void SummaryBuilder::startFile()
{
    State& st = *m_state;
    st.closeRun();
    st.earlierRuns.merge(st.fileRuns);
    st.fileRuns.clear();
}

void SummaryBuilder::addLine(std::string_view line)
{
    State& st = *m_state;
    if (isBlank(line)) {
        return;
    }
    if (isCsvHeader(line)) {
        return;  // files joined end to end carry one header each, of either width
    }
    std::optional<NoteResult> row = parseCsvRow(line);
    if (!row) {
        ++st.summary.skipped;
        return;
    }
    const bool sameRun = st.inRun && st.current.stats.run == row->run && st.current.stats.started == row->started;
    if (!sameRun && !st.earlierRuns.empty()) {
        // The rows of a run come together: one look-up a run, not a row.
        if (!st.dropping || st.droppedRun != row->run || st.droppedStart != row->started) {
            st.key.assign(row->run).append(1, ' ').append(row->started);
            st.dropping = st.earlierRuns.contains(st.key);
            st.droppedRun = row->run;
            st.droppedStart = row->started;
        }
        if (st.dropping) {
            ++st.summary.repeated;
            return;
        }
    }
    if (sameRun && st.runRows >= static_cast<std::size_t>(csv::highestPlace)) {
        ++st.summary.skipped;  // more rows than a run has places: not the program's
        return;
    }
    if (row->outcome == Outcome::Unshown) {
        ++st.summary.unshown;  // never seen by the pupil: neither right nor wrong
        return;
    }
    ++st.summary.rows;
    if (!sameRun) {
        st.closeRun();
        st.inRun = true;
        st.runRows = 0;
        st.current.stats.started = row->started;
        st.current.stats.run = row->run;
        st.current.stats.mode = row->mode;
        st.fileRuns.insert(row->run + ' ' + row->started);
    }
    ++st.runRows;
    add(st.current, *row);
    st.addNote(*row);

    if (row->outcome == Outcome::Right) {
        ++st.summary.right;
        st.allResponses.add(*row->responseMs);
    } else if (row->outcome == Outcome::Missed) {
        ++st.summary.missed;
    }
}

void SummaryBuilder::addText(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        addLine(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

namespace {

std::vector<NoteStats> notesOf(std::map<NoteForm, NoteAccumulator>& notes)
{
    std::vector<NoteStats> out;
    out.reserve(notes.size());
    for (auto& [form, n] : notes) {
        n.stats.medianMs = n.responses.median();
        out.push_back(n.stats);
    }
    return out;
}

}  // namespace

ResultsSummary SummaryBuilder::finish()
{
    State& st = *m_state;
    st.closeRun();
    if (st.groupOpen) {
        st.runs.push_back(std::move(st.group));  // the last point, with fewer runs
    }
    if (!st.grouped) {
        // Every run its own point, in order of their start: the trends over them.
        st.sortRuns();
        std::vector<std::optional<double>> scores;
        std::vector<std::optional<double>> times;
        for (const RunStats& r : st.runs) {
            scores.push_back(r.score());
            times.push_back(r.medianMs);
        }
        st.summary.scoreTrend = trendOf(scores);
        st.summary.timeTrend = trendOf(times);
    } else {
        st.summary.scoreTrend = st.scores.trend();
        st.summary.timeTrend = st.times.trend();
    }
    ResultsSummary summary = std::move(st.summary);
    summary.medianMs = st.allResponses.median();
    // The map orders by clef (treble first), then key, then written sign; a
    // sharp is written lower on the staff than the flat of the same key.
    summary.notes = notesOf(st.notes);
    for (auto& [of, v] : st.variants) {
        v.stats.of = of;
        v.stats.notes = notesOf(v.notes);
        v.stats.medianMs = v.responses.median();
        summary.variants.push_back(std::move(v.stats));
    }
    summary.runs = std::move(st.runs);
    m_state = std::make_unique<State>();
    return summary;
}

ResultsSummary summarize(std::string_view text)
{
    SummaryBuilder builder;
    builder.addText(text);
    return builder.finish();
}

bool readResults(int fd, SummaryBuilder& builder, const std::string& name, std::string* error)
{
    builder.startFile();
    return readLines(
        fd, [&](std::string_view line) { builder.addLine(line); }, [&] { builder.addSkipped(1); }, name, error);
}

std::optional<ResultsSummary> readResultsFile(const std::string& path, std::string* error)
{
    const platform::ReadOnlyFile file(path);
    if (!file.isOpen()) {
        if (error != nullptr) {
            *error = file.why();
        }
        return std::nullopt;
    }
    SummaryBuilder builder;
    if (!readResults(file.fd(), builder, path, error)) {
        return std::nullopt;
    }
    return builder.finish();
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

std::optional<Trend> scoreTrendOf(const ResultsSummary& summary)
{
    if (summary.scoreTrend || summary.runsPerPoint > 1) {
        return summary.scoreTrend;
    }
    std::vector<std::optional<double>> scores;
    for (const RunStats& r : summary.runs) {
        scores.push_back(r.score());
    }
    return trendOf(scores);
}

std::optional<Trend> timeTrendOf(const ResultsSummary& summary)
{
    if (summary.timeTrend || summary.runsPerPoint > 1) {
        return summary.timeTrend;
    }
    std::vector<std::optional<double>> times;
    for (const RunStats& r : summary.runs) {
        times.push_back(r.medianMs);
    }
    return trendOf(times);
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
