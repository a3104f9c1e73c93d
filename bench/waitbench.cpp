// tavelin-bench-wait: how late the real time base's timed waits return, and
// how much processor time a wait costs.
//
//   tavelin-bench-wait [--quick]
//
// waitms(8), waitms(16) and waitms(150) a few hundred times each on
// QtTimeBase, each timed with the steady clock; the processor time is the
// process's own (user + system, getrusage) over the whole series, divided by
// the series' wall time. The time base counts whole milliseconds, so a wait
// can end up to 1 ms early: the overshoot is signed.

#include "bench/benchform.h"
#include "bench/report.h"
#include "platform/qttimebase.h"

#include <QApplication>
#include <sys/resource.h>

#include <cstring>

namespace {

using bench::Clock;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec);
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Series {
    int ms;
    int count;
    bench::Sample overshoot;  // ms
    double cpuPercent = 0;    // of one core, over the series
};

void run(platform::QtTimeBase& time, Series& series)
{
    const double cpuBefore = cpuSeconds();
    const Clock::time_point started = Clock::now();
    for (int i = 0; i < series.count; ++i) {
        const Clock::time_point before = Clock::now();
        time.waitms(series.ms);
        const double took = std::chrono::duration<double, std::milli>(Clock::now() - before).count();
        series.overshoot.add(took - series.ms);
    }
    const double wall = std::chrono::duration<double>(Clock::now() - started).count();
    series.cpuPercent = 100.0 * (cpuSeconds() - cpuBefore) / wall;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    bench::choosePlatform();
    QApplication app(argc, argv);
    platform::QtTimeBase time;
    time.waitms(100);  // the event dispatcher's first run, not counted

    Series series[] = {{8, quick ? 100 : 400, {}, 0}, {16, quick ? 100 : 300, {}, 0}, {150, quick ? 40 : 200, {}, 0}};
    double worstCpu = 0;
    std::string cpuDetail;
    for (Series& s : series) {
        run(time, s);
        std::fprintf(stderr, "wait %d ms: n=%zu, overshoot median %.3f ms, p99 %.3f ms, max %.3f ms, CPU %.3f%%\n",
                     s.ms, s.overshoot.size(), s.overshoot.median(), s.overshoot.p99(), s.overshoot.max(),
                     s.cpuPercent);
        const bool met = s.overshoot.median() < 1.0 && s.overshoot.p99() < 5.0;
        bench::printRow("`waitms(" + std::to_string(s.ms) +
                            ")` overshoot, real `QtTimeBase` (n=" + std::to_string(s.overshoot.size()) + ", max " +
                            bench::format(s.overshoot.max(), 2, "ms") + ")",
                        bench::format(s.overshoot.median(), 3, "ms"), bench::format(s.overshoot.p99(), 3, "ms"),
                        "median < 1 ms, p99 < 5 ms", met);
        worstCpu = std::max(worstCpu, s.cpuPercent);
        cpuDetail +=
            (cpuDetail.empty() ? "" : ", ") + std::to_string(s.ms) + " ms: " + bench::format(s.cpuPercent, 2, "%");
    }
    bench::printRow("CPU time per second of waiting, % of one core (worst series; " + cpuDetail + ")",
                    bench::format(worstCpu, 2, "%"), bench::none, "< 2 % of one core", worstCpu < 2.0);
    return 0;
}
