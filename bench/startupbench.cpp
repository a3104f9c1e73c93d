// tavelin-bench-startup: how long the program takes from its start to the
// window's first paint, and how much memory it holds once the window is up
// and the SoundFont loaded.
//
//   tavelin-bench-startup PROGRAM [--quick]
//
// Runs the real program (on the display and sound server it is given:
// bench.sh gives a virtual X server and a PulseAudio null sink) with
// TAVELIN_TIMING set, so that it reports "first-paint-ms", "soundfont-ms"
// and "rss-kb" on stdout itself; then ends it with SIGTERM, which closes its
// window, and expects exit status 0. The first run warms the disk cache and
// is not counted.

#include "bench/report.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <chrono>
#include <cstring>
#include <map>
#include <optional>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    std::map<std::string, long long> figures;  // name → value, as the program printed them
    double seenPaintMs = -1;                   // launch → the first-paint line read here
    bool exitedCleanly = false;
    bool soundFontFailed = false;
};

std::optional<Run> runOnce(const QString& program)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TAVELIN_TIMING"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const Clock::time_point launched = Clock::now();
    process.start(program, {});
    if (!process.waitForStarted(10000)) {
        std::fprintf(stderr, "startup: %s did not start\n", program.toLocal8Bit().constData());
        return std::nullopt;
    }
    Run run;
    const Clock::time_point deadline = launched + std::chrono::seconds(30);
    while (Clock::now() < deadline && run.figures.count("rss-kb") == 0 && !run.soundFontFailed &&
           process.state() == QProcess::Running) {
        process.waitForReadyRead(100);
        while (process.canReadLine()) {
            const std::string line = process.readLine().trimmed().toStdString();
            if (line == "soundfont-failed") {
                run.soundFontFailed = true;
                continue;
            }
            const std::size_t space = line.find(' ');
            if (space == std::string::npos) {
                continue;
            }
            const std::string name = line.substr(0, space);
            run.figures[name] = std::atoll(line.c_str() + space + 1);
            if (name == "first-paint-ms") {
                run.seenPaintMs = std::chrono::duration<double, std::milli>(Clock::now() - launched).count();
            }
        }
    }
    process.terminate();  // SIGTERM: the program closes its window and ends
    if (!process.waitForFinished(10000)) {
        std::fprintf(stderr, "startup: no exit within 10 s of SIGTERM\n");
        process.kill();
        process.waitForFinished(5000);
        return run;
    }
    run.exitedCleanly = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!run.exitedCleanly) {
        std::fprintf(stderr, "startup: exit status %d (%s)\n", process.exitCode(),
                     process.exitStatus() == QProcess::NormalExit ? "normal" : "crashed");
    }
    return run;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tavelin-bench-startup PROGRAM [--quick]\n");
        return 2;
    }
    const QString program = QString::fromLocal8Bit(argv[1]);
    const bool quick = argc > 2 && std::strcmp(argv[2], "--quick") == 0;
    const int runs = quick ? 3 : 7;

    bench::Sample paint;
    bench::Sample seenPaint;
    bench::Sample loaded;
    bench::Sample rssMb;
    std::optional<double> coldPaint;
    int unclean = 0;
    int incomplete = 0;
    for (int i = 0; i <= runs; ++i) {
        const std::optional<Run> run = runOnce(program);
        if (!run) {
            return 1;
        }
        unclean += run->exitedCleanly ? 0 : 1;
        const auto figure = [&run](const char* name) -> std::optional<double> {
            const auto found = run->figures.find(name);
            return found == run->figures.end() ? std::nullopt
                                               : std::optional<double>(static_cast<double>(found->second));
        };
        const auto firstPaint = figure("first-paint-ms");
        const auto soundFont = figure("soundfont-ms");
        const auto rss = figure("rss-kb");
        std::fprintf(stderr, "startup run %d%s: first paint %s ms (seen after %.1f ms), SoundFont %s ms, RSS %s kB%s\n",
                     i, i == 0 ? " (warm-up)" : "",
                     firstPaint ? std::to_string(static_cast<long long>(*firstPaint)).c_str() : "?", run->seenPaintMs,
                     soundFont ? std::to_string(static_cast<long long>(*soundFont)).c_str() : "?",
                     rss ? std::to_string(static_cast<long long>(*rss)).c_str() : "?",
                     run->soundFontFailed ? ", SoundFont failed" : "");
        if (!firstPaint || !soundFont || !rss) {
            ++incomplete;
            continue;
        }
        if (i == 0) {
            coldPaint = *firstPaint;
            continue;
        }
        paint.add(*firstPaint);
        seenPaint.add(run->seenPaintMs);
        loaded.add(*soundFont);
        rssMb.add(*rss * 1024.0 / 1e6);  // KiB to MB of 10^6 bytes
    }
    const std::string n = "n=" + std::to_string(paint.size()) + " after a warm-up run";
    if (paint.empty()) {
        bench::printRow("Process start → first paint: not measured (the program reported no figures)", bench::none,
                        bench::none, "< 400 ms", false);
        return 1;
    }
    bench::printRow(
        "Process start → window's first paint, release-optimised binary under Xvfb, as the program "
        "reports it (kernel start time, 10 ms steps; " +
            n + (coldPaint ? ", warm-up run " + bench::format(*coldPaint, 0, "ms") : std::string()) + ")",
        bench::format(paint.median(), 0, "ms"), bench::format(paint.p99(), 0, "ms"), "< 400 ms", paint.p99() < 400.0);
    bench::printRow("Launch → the first-paint line read by the bench (" + n + ")",
                    bench::format(seenPaint.median(), 1, "ms"), bench::format(seenPaint.p99(), 1, "ms"), "",
                    std::nullopt);
    bench::printRow("Process start → SoundFont loaded, piano playable (" + n + ")",
                    bench::format(loaded.median(), 0, "ms"), bench::format(loaded.p99(), 0, "ms"), "", std::nullopt);
    bench::printRow("Resident memory (VmRSS), window up and SoundFont loaded (" + n + ")",
                    bench::format(rssMb.median(), 1, "MB"), bench::format(rssMb.max(), 1, "MB") + " (max)", "< 120 MB",
                    rssMb.max() < 120.0);
    if (unclean > 0 || incomplete > 0) {
        std::fprintf(stderr, "startup: %d runs did not exit with status 0, %d reported too little\n", unclean,
                     incomplete);
        return 1;
    }
    return 0;
}
