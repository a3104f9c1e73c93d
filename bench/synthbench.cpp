// tavelin-bench-synth: how soon the built-in synthesizer sounds a note-on,
// and how much audio buffer stands between it and the listener.
//
//   tavelin-bench-synth [--quick] [monitor source]
//
// 1. Offline (FluidSynth in memory mode, no audio driver): note-on between
//    two rendered blocks, then the frames until the first sample above
//    -80 dBFS, in blocks of the period size the audio driver asks for.
// 2. The audio buffer our settings ask for: period size × periods / rate.
// 3. With a PulseAudio server (PULSE_SERVER; bench.sh starts one with a null
//    sink "cap"): the latency the server reports for our stream, and a
//    note-on to the first audible sample read back from the sink's monitor
//    with parec (which adds the monitor's own small buffer).

#include "bench/report.h"
#include "sound/fluidsynthoutput.h"
#include "sound/shortmsg.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr float audibleLevel = 1e-4F;  // -80 dBFS: the first "sound"
constexpr std::uint32_t allSoundOff = 0x0078B0U;  // controller 120 on channel 1
constexpr int middleC = 60;

bool audible(float left, float right)
{
    return std::abs(left) > audibleLevel || std::abs(right) > audibleLevel;
}

// Frames from a note-on to its first audible frame, rendering `block` frames
// at a time. phase frames are rendered first, so that the note-on falls at
// that point of the synthesizer's own 64-frame grid.
int framesToSound(sound::FluidSynthOutput& synth, int block, int phase, std::vector<float>& left,
                  std::vector<float>& right)
{
    // Silence first: the last note and the reverb's tail gone for 4096 frames.
    synth.send(allSoundOff);
    int quiet = 0;
    for (int rendered = 0; quiet < 4096 && rendered < 10 * 48000; rendered += 64) {
        synth.render(left.data(), right.data(), 64);
        bool any = false;
        for (std::size_t i = 0; i < 64; ++i) {
            any = any || audible(left[i], right[i]);
        }
        quiet = any ? 0 : quiet + 64;
    }
    synth.render(left.data(), right.data(), phase);
    synth.send(*sound::noteOnMessage(middleC));
    for (int count = 0; count < 48000; count += block) {
        synth.render(left.data(), right.data(), block);
        for (int i = 0; i < block; ++i) {
            if (audible(left[static_cast<std::size_t>(i)], right[static_cast<std::size_t>(i)])) {
                synth.send(*sound::noteOffMessage(middleC));
                return count + i;
            }
        }
    }
    return -1;
}

void measureOffline(bool quick)
{
    sound::SynthConfig config;
    config.startAudio = false;
    std::unique_ptr<sound::FluidSynthOutput> synth;
    std::string why;
    if (sound::FluidSynthOutput::open(config, synth, &why) != midi::rc::noError || !synth->waitUntilLoaded(60s)) {
        std::fprintf(stderr, "synth: the synthesizer did not open: %s\n", why.c_str());
        bench::printRow("Note-on → first sound in the synthesizer's output", "not measured", bench::none, "", std::nullopt);
        return;
    }
    const int block = config.periodSize;
    const double rate = synth->sampleRate();
    std::vector<float> left(static_cast<std::size_t>(std::max(block, 64)));
    std::vector<float> right(left.size());
    const int trials = quick ? 50 : 200;
    bench::Sample grid;
    bench::Sample anyPhase;
    int silent = 0;
    for (int t = 0; t < trials; ++t) {
        const int onGrid = framesToSound(*synth, block, 0, left, right);
        const int offGrid = framesToSound(*synth, block, t % 64, left, right);
        if (onGrid < 0 || offGrid < 0) {
            ++silent;
            continue;
        }
        grid.add(1000.0 * onGrid / rate);
        anyPhase.add(1000.0 * offGrid / rate);
    }
    std::fprintf(stderr, "synth: offline, %d trials, %d silent; on the grid median %.3f ms, any phase median %.3f ms p99 %.3f ms\n",
                 trials, silent, grid.median(), anyPhase.median(), anyPhase.p99());
    const std::string how = "rendered offline, blocks of " + std::to_string(block) + " frames at " +
                            bench::format(rate / 1000.0, 0, "kHz") + ", first sample > −80 dBFS";
    bench::printRow("Note-on → first sound in the synthesizer's output, note-on between two blocks as from the audio "
                    "driver (" + how + ", n=" + std::to_string(grid.size()) + ")",
                    bench::format(grid.median(), 3, "ms"), bench::format(grid.p99(), 3, "ms"), "", std::nullopt);
    bench::printRow("Note-on → first sound, note-on at any point of the synthesizer's 64-frame step (n=" +
                        std::to_string(anyPhase.size()) + ")",
                    bench::format(anyPhase.median(), 3, "ms"), bench::format(anyPhase.p99(), 3, "ms"), "", std::nullopt);
    bench::printRow("Audio output latency configured: " + std::to_string(config.periods) + " periods × " +
                        std::to_string(config.periodSize) + " frames at " + bench::format(rate, 0, "Hz"),
                    bench::format(synth->configuredLatencyMs(), 2, "ms"), bench::none, "≤ 10 ms",
                    synth->configuredLatencyMs() <= 10.0);
}

// parec recording the sink's monitor into a pipe; every read is stamped with
// the time it returned, so a sample's arrival is known to within one read.
class Recorder {
public:
    Recorder(const std::string& source, int rate) : m_rate(rate)
    {
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        m_pid = fork();
        if (m_pid == 0) {
            dup2(fds[1], STDOUT_FILENO);
            close(fds[0]);
            close(fds[1]);
            const std::string device = "--device=" + source;
            const std::string rateOption = "--rate=" + std::to_string(rate);
            execlp("parec", "parec", device.c_str(), "--raw", "--format=float32le", rateOption.c_str(), "--channels=1",
                   "--latency-msec=1", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        m_fd = fds[0];
        if (m_pid > 0) {
            m_thread = std::thread([this] { readLoop(); });
        }
    }
    ~Recorder()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
        if (m_thread.joinable()) {
            m_thread.join();
        }
        if (m_fd >= 0) {
            close(m_fd);
        }
    }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    std::size_t recorded()
    {
        const std::lock_guard lock(m_mutex);
        return m_samples.size();
    }

    // When the first audible sample from index `from` on arrived.
    std::optional<Clock::time_point> firstAudibleFrom(std::size_t from)
    {
        const std::lock_guard lock(m_mutex);
        for (std::size_t i = from; i < m_samples.size(); ++i) {
            if (std::abs(m_samples[i]) > audibleLevel) {
                const auto read = std::upper_bound(m_readEnds.begin(), m_readEnds.end(), i);
                return m_readTimes[static_cast<std::size_t>(read - m_readEnds.begin())];
            }
        }
        return std::nullopt;
    }

    int rate() const { return m_rate; }

private:
    void readLoop()
    {
        std::vector<char> bytes(64 * sizeof(float));  // 1.3 ms at 48 kHz
        std::size_t pending = 0;                       // bytes of a sample split over two reads
        for (;;) {
            const ssize_t got = ::read(m_fd, bytes.data() + pending, bytes.size() - pending);
            if (got <= 0) {
                return;
            }
            const Clock::time_point now = Clock::now();
            const std::size_t total = pending + static_cast<std::size_t>(got);
            const std::size_t whole = total / sizeof(float);
            std::vector<float> values(whole);
            std::memcpy(values.data(), bytes.data(), whole * sizeof(float));
            pending = total - whole * sizeof(float);
            std::memmove(bytes.data(), bytes.data() + whole * sizeof(float), pending);
            const std::lock_guard lock(m_mutex);
            m_samples.insert(m_samples.end(), values.begin(), values.end());
            m_readEnds.push_back(m_samples.size());
            m_readTimes.push_back(now);
        }
    }

    int m_rate;
    pid_t m_pid = -1;
    int m_fd = -1;
    std::thread m_thread;
    std::mutex m_mutex;
    std::vector<float> m_samples;
    std::vector<std::size_t> m_readEnds;  // sample count after each read
    std::vector<Clock::time_point> m_readTimes;
};

// "Buffer Latency: 5333 usec" and "Sink Latency: 2000 usec" of the first
// sink input, from pactl, in ms.
std::optional<std::pair<double, double>> serverLatency()
{
    FILE* p = popen("pactl list sink-inputs 2>/dev/null", "r");
    if (p == nullptr) {
        return std::nullopt;
    }
    std::optional<double> buffer;
    std::optional<double> sink;
    char line[512];
    while (std::fgets(line, sizeof line, p) != nullptr) {
        double usec = 0;
        if (!buffer && std::sscanf(line, " Buffer Latency: %lf usec", &usec) == 1) {
            buffer = usec / 1000.0;
        } else if (!sink && std::sscanf(line, " Sink Latency: %lf usec", &usec) == 1) {
            sink = usec / 1000.0;
        }
    }
    pclose(p);
    if (!buffer || !sink) {
        return std::nullopt;
    }
    return std::make_pair(*buffer, *sink);
}

void measurePulseAudio(bool quick, const std::string& monitor)
{
    const char* server = std::getenv("PULSE_SERVER");
    sound::SynthConfig config;
    config.audioDrivers = {"pulseaudio"};
    std::unique_ptr<sound::FluidSynthOutput> synth;
    std::string why;
    if (sound::FluidSynthOutput::open(config, synth, &why) != midi::rc::noError || !synth->waitUntilLoaded(60s)) {
        std::fprintf(stderr, "synth: no PulseAudio (%s): %s\n", server != nullptr ? server : "no PULSE_SERVER", why.c_str());
        bench::printRow("PulseAudio driver: not measured (no PulseAudio server could be reached)", bench::none, bench::none,
                        "", std::nullopt);
        return;
    }
    std::this_thread::sleep_for(500ms);  // the stream settles into its buffer
    if (const auto latency = serverLatency()) {
        std::fprintf(stderr, "synth: pactl: buffer %.3f ms, sink %.3f ms\n", latency->first, latency->second);
        bench::printRow("PulseAudio driver, null sink: latency the server reports for our stream (pactl: buffer " +
                            bench::format(latency->first, 2, "ms") + " + sink " + bench::format(latency->second, 2, "ms") +
                            ")",
                        bench::format(latency->first + latency->second, 2, "ms"), bench::none, "", std::nullopt);
    } else {
        bench::printRow("PulseAudio driver: the server reported no latency for our stream", bench::none, bench::none, "",
                        std::nullopt);
    }

    Recorder recorder(monitor, static_cast<int>(synth->sampleRate()));
    const Clock::time_point deadline = Clock::now() + 3s;
    while (recorder.recorded() < static_cast<std::size_t>(recorder.rate() / 4) && Clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
    }
    if (recorder.recorded() == 0) {
        std::fprintf(stderr, "synth: parec recorded nothing from %s\n", monitor.c_str());
        bench::printRow("PulseAudio: note-on → sound at the sink's monitor: not measured (parec recorded nothing)",
                        bench::none, bench::none, "", std::nullopt);
        return;
    }
    bench::Sample sample;
    const int notes = quick ? 8 : 20;
    for (int i = 0; i < notes; ++i) {
        const std::size_t from = recorder.recorded();
        const Clock::time_point sent = Clock::now();
        synth->send(*sound::noteOnMessage(middleC));
        std::this_thread::sleep_for(250ms);
        const auto heard = recorder.firstAudibleFrom(from);
        synth->send(*sound::noteOffMessage(middleC));
        synth->send(allSoundOff);  // the next note starts from silence
        std::this_thread::sleep_for(350ms);
        if (heard) {
            sample.add(std::chrono::duration<double, std::milli>(*heard - sent).count());
        }
    }
    std::fprintf(stderr, "synth: PulseAudio note-on to monitor: %zu of %d heard, median %.2f ms, max %.2f ms\n",
                 sample.size(), notes, sample.median(), sample.max());
    bench::printRow("PulseAudio driver, null sink: note-on → first sound read back from `" + monitor +
                        "` with parec (n=" + std::to_string(sample.size()) + " of " + std::to_string(notes) + ")",
                    bench::format(sample.median(), 2, "ms"), bench::format(sample.p99(), 2, "ms"), "", std::nullopt);
}

}  // namespace

int main(int argc, char** argv)
{
    bool quick = false;
    std::string monitor = "cap.monitor";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) {
            quick = true;
        } else {
            monitor = argv[i];
        }
    }
    measureOffline(quick);
    measurePulseAudio(quick, monitor);
    return 0;
}
