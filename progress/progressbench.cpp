// tavelin-progressbench [FOLDER]: how long the results file and the report
// take, on files made in FOLDER (the system's temporary folder by default).
//   1. Appending one run's rows at the run's end: the whole path the window
//      takes (collect, format, open, lock, write, close), 50 notes a run.
//   2. --report over 10,000 runs of 50 notes (500,000 rows): read, count,
//      summarise, draw and save the picture.
#include "picture/fonts.h"
#include "exercise/run.h"
#include "progress/report.h"
#include "progress/reportpicture.h"
#include "progress/results.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int notesPerRun = 50;
constexpr int appendRepeats = 2000;
constexpr int reportRuns = 10000;
constexpr double appendGoalMs = 1.0;
constexpr double reportGoalMs = 2000.0;

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One scripted run into the observer: mixed right, wrong and missed notes.
void playRun(exercise::ExerciseObserver& o, std::mt19937& rng, std::uint32_t& now)
{
    std::uniform_int_distribution<int> key(52, 89);
    std::uniform_int_distribution<int> roll(0, 9);
    std::uniform_int_distribution<std::uint32_t> wait(600, 3500);
    exercise::Run run(&o);
    run.start(2, now);
    for (int place = 1; place <= notesPerRun; ++place) {
        now += 4000;
        const int note = key(rng);
        run.show({static_cast<std::int16_t>(note), roll(rng) < 5 ? "1" : "2"}, false, now);
        run.drawn(now + 400);
        const int r = roll(rng);
        if (r < 2) {
            run.answer(note + 2, now + 900);
        }
        if (r < 8) {
            run.answer(note, now + wait(rng));
        } else {
            run.timeUp(now + 3800);
        }
    }
    run.end(false, now + 4000);
}

// Passes every call on, timing the run's end: where the file is written.
class TimedRunEnd final : public exercise::ExerciseObserver {
public:
    TimedRunEnd(exercise::ExerciseObserver& inner, std::vector<double>& times) : m_inner(inner), m_times(times) {}
    void runStarted(int mode, std::uint32_t now) override { m_inner.runStarted(mode, now); }
    void runEnded(const exercise::FinishedRun& run, std::uint32_t now) override
    {
        const auto start = Clock::now();
        m_inner.runEnded(run, now);
        m_times.push_back(msSince(start));
    }

private:
    exercise::ExerciseObserver& m_inner;
    std::vector<double>& m_times;
};

void report(const char* what, double value, const char* unit, double goal)
{
    std::printf("%-58s %10.3f %s   (goal < %g %s: %s)\n", what, value, unit, goal, unit,
                value < goal ? "met" : "NOT MET");
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString fontError;
    if (!art::fonts::load(&fontError)) {
        std::fprintf(stderr, "%s\n", fontError.toLocal8Bit().constData());
        return 1;
    }
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/tavelin-progressbench-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", base.toLocal8Bit().constData());
        return 1;
    }
    std::printf("files in %s\n", dir.path().toLocal8Bit().constData());

    // 1. One run's rows, appended at its end.
    {
        const std::string path = dir.filePath(QStringLiteral("append.csv")).toStdString();
        std::vector<double> times;
        times.reserve(appendRepeats);
        auto file = std::make_unique<progress::ResultsFile>(path);
        progress::ResultsRecorder recorder(
            std::move(file), [](const std::string& m) { std::fprintf(stderr, "%s\n", m.c_str()); },
            [] { return std::string("2024-09-02T17:00:00+02:00"); }, "bench");
        std::mt19937 rng(7);
        std::uint32_t now = 0;
        TimedRunEnd timed(recorder, times);
        for (int i = 0; i < appendRepeats; ++i) {
            playRun(timed, rng, now);
        }
        std::sort(times.begin(), times.end());
        const double medianMs = times[times.size() / 2];
        const double p99Ms = times[times.size() * 99 / 100];
        const double worstMs = times.back();
        std::printf("\nappending one run's rows (%d notes, %d runs into one growing file)\n", notesPerRun,
                    appendRepeats);
        report("  run end, median", medianMs, "ms", appendGoalMs);
        report("  run end, 99th percentile", p99Ms, "ms", appendGoalMs);
        report("  run end, slowest", worstMs, "ms", appendGoalMs);
    }

    // 2. --report over 10,000 runs.
    {
        const std::string path = dir.filePath(QStringLiteral("report.csv")).toStdString();
        {
            progress::ResultsRecorder recorder(
                std::make_unique<progress::ResultsFile>(path), {},
                [] { return std::string("2024-09-02T17:00:00+02:00"); }, "bench");
            std::mt19937 rng(11);
            std::uint32_t now = 0;
            for (int i = 0; i < reportRuns; ++i) {
                playRun(recorder, rng, now);
            }
        }
        const auto start = Clock::now();
        std::string error;
        const auto summary = progress::readResultsFile(path, &error);
        const double readMs = msSince(start);
        if (!summary) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        const auto drawStart = Clock::now();
        const QImage image = progress::reportpicture::render(*summary, QStringLiteral("report.csv"));
        const double drawMs = msSince(drawStart);
        const auto saveStart = Clock::now();
        const bool saved = image.save(dir.filePath(QStringLiteral("report.png")), "PNG");
        const double saveMs = msSince(saveStart);
        const std::string text = progress::summaryText(*summary, path, "report.png");
        const double totalMs = msSince(start);
        std::printf("\n--report over %zu runs (%zu rows, %lld bytes)%s\n", summary->runs.size(), summary->rows,
                    static_cast<long long>(QFileInfo(QString::fromStdString(path)).size()),
                    saved ? "" : " [PNG NOT SAVED]");
        std::printf("  read, parse and summarise                                  %10.1f ms\n", readMs);
        std::printf("  draw the picture                                           %10.1f ms\n", drawMs);
        std::printf("  save the PNG                                               %10.1f ms\n", saveMs);
        report("  total", totalMs, "ms", reportGoalMs);
        if (text.empty()) {
            return 1;
        }
    }
    return 0;
}
