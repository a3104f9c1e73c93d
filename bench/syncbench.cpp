// tavelin-bench-sync [FOLDER]: one pupil's record as two computers and a
// sync program leave it, read as --report, the pupils window and
// --list-pupils read it: 2 computers' files of 5,000 runs of 50 notes each
// (500,000 rows), and two conflict copies of one of them holding its first
// 2,500 runs again (250,000 rows more, every one of them a run read
// already). Made in FOLDER (the system's temporary folder by default).
//   1. The record read and summarised, each run once (median of 5).
//   2. The peak memory the reading added (VmHWM).
// Prints its rows of the results table on stdout.
#include "bench/report.h"
#include "progress/pupils.h"
#include "progress/pupilstable.h"
#include "progress/resultrow.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>

namespace {

constexpr int runsEach = 5000;
constexpr int notesPerRun = 50;
constexpr double readGoalMs = 1000.0;
constexpr double memoryGoalMb = 100.0;
constexpr int repeats = 5;

long status(const char* key)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::stol(line.substr(std::string(key).size() + 1));
        }
    }
    return 0;
}

// The runs [0, runs) of one computer, as its file holds them.
std::string computerFile(const std::string& computer, int runs, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> key(0, 22);
    std::uniform_int_distribution<int> roll(0, 9);
    std::uniform_int_distribution<std::uint32_t> wait(600, 3500);
    constexpr int white[] = {52, 53, 55, 57, 59, 60, 62, 64, 65, 67, 69, 71,
                             72, 74, 76, 77, 79, 81, 83, 84, 86, 88, 89};
    std::string text = std::string(progress::csv::header) + "\n";
    for (int run = 0; run < runs; ++run) {
        char started[40];
        std::snprintf(started, sizeof started, "2024-%02d-%02dT%02d:%02d:00+02:00", 1 + run / 500 % 12,
                      1 + run / 18 % 28, 8 + run % 12, run % 60);
        for (int place = 1; place <= notesPerRun; ++place) {
            progress::NoteResult r;
            r.started = started;
            r.run = computer + ".0000beef-" + std::to_string(run + 1);
            r.mode = 1;
            r.place = place;
            r.note = white[key(rng)];
            r.outcome = roll(rng) < 8 ? progress::Outcome::Right : progress::Outcome::Missed;
            if (r.outcome == progress::Outcome::Right) {
                r.responseMs = wait(rng);
            }
            progress::appendCsvRow(text, r);
        }
    }
    return text;
}

void write(const std::filesystem::path& path, const std::string& text)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/tavelin-bench-sync-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", base.toLocal8Bit().constData());
        return 1;
    }
    const std::filesystem::path folder = std::filesystem::path(dir.path().toStdString()) / "pupils";
    {
        const std::string home = computerFile("aaaaaaaaaaaaaaaa", runsEach, 7);
        const std::string school = computerFile("bbbbbbbbbbbbbbbb", runsEach, 8);
        std::string half = school.substr(0, school.find(".0000beef-" + std::to_string(runsEach / 2 + 1) + ","));
        half.resize(half.rfind('\n') + 1);
        write(folder / "Léa" / "aaaaaaaaaaaaaaaa.csv", home);
        write(folder / "Léa" / "bbbbbbbbbbbbbbbb.csv", school);
        write(folder / "Léa" / "bbbbbbbbbbbbbbbb.sync-conflict-20240902-170531-ABCDEFG.csv", half);
        write(folder / "Léa" / "bbbbbbbbbbbbbbbb (conflicted copy 2024-09-02 170531).csv", half);
        std::fprintf(stderr, "files in %s: %zu + %zu bytes, two copies of %zu\n", folder.c_str(), home.size(),
                     school.size(), half.size());
    }
    // The peak from here on (the files made above are gone from memory).
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = status("VmRSS:");
    bench::Sample times;
    std::size_t runs = 0;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        std::string error;
        const progress::PupilRead read = progress::readPupilFiles(progress::pupilFiles(folder, "Léa", &error));
        times.add(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        runs = read.summary ? read.summary->runCount : 0;
    }
    const double addedMb = static_cast<double>(status("VmHWM:") - before) / 1024.0;
    if (runs != 2 * runsEach) {
        std::fprintf(stderr, "counted %zu runs, not %d\n", runs, 2 * runsEach);
        return 1;
    }
    bench::printRow(
        "One pupil's record from 2 computers × 5,000 runs and two conflict copies (750,000 rows, each "
        "of the 10,000 runs counted once): found, read and summarised (n=" +
            std::to_string(repeats) + ")",
        bench::format(times.median(), 0, "ms"), bench::format(times.max(), 0, "ms"), "≤ 1000 ms",
        times.median() <= readGoalMs);
    bench::printRow("Peak memory the reading adds (VmHWM − VmRSS before)", bench::format(addedMb, 1, "MB"), bench::none,
                    "< 100 MB", addedMb < memoryGoalMb);
    return 0;
}
