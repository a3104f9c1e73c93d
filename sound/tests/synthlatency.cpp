// tavelin-synthlatency: prints how long the built-in synthesizer takes to
// open and load, how soon a note-on shows in its output, what audio latency
// it asks for, and (where a PulseAudio server runs) how long a note takes to
// reach the server's sink, recorded from its monitor with parec.
//
//   tavelin-synthlatency [runs] [monitor source]
//
// runs: how many opens to time (default 5); monitor source: what parec
// records (default "cap.monitor", a module-null-sink named cap). Not a test:
// figures depend on the machine, the disk cache and the load.

#include "sound/fluidsynthoutput.h"
#include "sound/shortmsg.h"

#include <fluidsynth.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int sampleRate = 48000;     // Hz
constexpr float audibleLevel = 1e-4F;  // -80 dB full scale: the first "sound"

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Stats {
    std::vector<double> values;
    void add(double v) { values.push_back(v); }
    std::string text(const char* unit) const
    {
        if (values.empty()) {
            return "(none)";
        }
        std::vector<double> v = values;
        std::sort(v.begin(), v.end());
        char buf[160];
        std::snprintf(buf, sizeof buf, "min %.2f / median %.2f / max %.2f %s (n=%zu)", v.front(), v[v.size() / 2],
                      v.back(), unit, v.size());
        return buf;
    }
};

sound::SynthConfig memoryConfig()
{
    sound::SynthConfig config;
    config.startAudio = false;
    config.sampleRate = sampleRate;
    return config;
}

void timeOpenAndLoad(int runs)
{
    Stats open;
    Stats load;
    Stats firstNote;
    for (int i = 0; i < runs; ++i) {
        std::unique_ptr<sound::FluidSynthOutput> synth;
        std::string why;
        const auto started = Clock::now();
        if (sound::FluidSynthOutput::open(memoryConfig(), synth, &why) != midi::rc::noError) {
            std::printf("open failed: %s\n", why.c_str());
            return;
        }
        const double returned = msSince(started);
        if (!synth->waitUntilLoaded(30s)) {
            std::printf("load failed\n");
            return;
        }
        firstNote.add(msSince(started));
        open.add(static_cast<double>(synth->openTime().count()) / 1000.0);
        load.add(static_cast<double>(synth->loadTime()->count()) / 1000.0);
        if (i == 0) {
            std::printf("  first run: open() returned after %.2f ms\n", returned);
        }
    }
    std::printf("SoundFont %s\n", sound::defaultSoundFontPath().c_str());
    std::printf("  open, synchronous part (checks, settings, synth): %s\n", open.text("ms").c_str());
    std::printf("  load, background thread (sfload, piano samples): %s\n", load.text("ms").c_str());
    std::printf("  open() call to first playable note:              %s\n", firstNote.text("ms").c_str());
}

// Renders in blocks of `block` frames, as an audio driver asks; sends a
// note-on between two blocks and counts the frames until the first audible
// one. The synthesizer computes 64 frames at a time and starts a voice at its
// next such block: a driver asking multiples of 64 gets the note at the start
// of its next buffer; otherwise up to 63 frames computed earlier come first.
void timeNoteOnToSound(int block, bool aligned)
{
    std::unique_ptr<sound::FluidSynthOutput> synth;
    std::string why;
    if (sound::FluidSynthOutput::open(memoryConfig(), synth, &why) != midi::rc::noError || !synth->waitUntilLoaded(30s)) {
        std::printf("open failed: %s\n", why.c_str());
        return;
    }
    std::vector<float> left(static_cast<std::size_t>(std::max(block, 64)));
    std::vector<float> right(left.size());
    Stats frames;
    for (int trial = 0; trial < 64; ++trial) {
        // Let the last note die away, then (unaligned) move the block grid on.
        synth->send(0x0078B0U);  // all sound off
        for (int i = 0; i < sampleRate / 64; ++i) {
            synth->render(left.data(), right.data(), 64);
        }
        if (!aligned) {
            synth->render(left.data(), right.data(), trial);
        }
        synth->send(*sound::noteOnMessage(60));
        int count = 0;
        bool heard = false;
        while (!heard && count < sampleRate) {
            synth->render(left.data(), right.data(), block);
            for (int i = 0; i < block; ++i) {
                if (std::abs(left[static_cast<std::size_t>(i)]) > audibleLevel ||
                    std::abs(right[static_cast<std::size_t>(i)]) > audibleLevel) {
                    count += i;
                    heard = true;
                    break;
                }
            }
            if (!heard) {
                count += block;
            }
        }
        frames.add(count);
    }
    Stats ms;
    for (double f : frames.values) {
        ms.add(1000.0 * f / sampleRate);
    }
    std::printf("  %-40s %s = %s\n", aligned ? "on the 64-frame grid (the drivers' case):" : "at any phase of the 64-frame block:",
                frames.text("frames").c_str(), ms.text("ms").c_str());
}

// parec recording the sink's monitor into a pipe; every read is stamped with
// the time it returned, so a sample's arrival time is known to one read.
class Recorder {
public:
    explicit Recorder(const std::string& source)
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
            const std::string rate = "--rate=" + std::to_string(sampleRate);
            execlp("parec", "parec", device.c_str(), "--raw", "--format=float32le", rate.c_str(), "--channels=1",
                   "--latency-msec=1", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        m_fd = fds[0];
        m_thread = std::thread([this] { read(); });
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

    // The arrival time of the first audible sample from index `from` on.
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

private:
    void read()
    {
        std::vector<float> buffer(64);  // 1.3 ms at 48 kHz
        std::size_t pending = 0;        // bytes of a sample split over two reads
        std::vector<char> bytes(buffer.size() * sizeof(float));
        for (;;) {
            const ssize_t got = ::read(m_fd, bytes.data() + pending, bytes.size() - pending);
            if (got <= 0) {
                return;
            }
            const auto now = Clock::now();
            const std::size_t total = pending + static_cast<std::size_t>(got);
            const std::size_t whole = total / sizeof(float);
            std::memcpy(buffer.data(), bytes.data(), whole * sizeof(float));
            pending = total - whole * sizeof(float);
            std::memmove(bytes.data(), bytes.data() + whole * sizeof(float), pending);
            const std::lock_guard lock(m_mutex);
            m_samples.insert(m_samples.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(whole));
            m_readEnds.push_back(m_samples.size());
            m_readTimes.push_back(now);
        }
    }

    pid_t m_pid = -1;
    int m_fd = -1;
    std::thread m_thread;
    std::mutex m_mutex;
    std::vector<float> m_samples;
    std::vector<std::size_t> m_readEnds;  // sample count after each read
    std::vector<Clock::time_point> m_readTimes;
};

void printSinkInputs()
{
    FILE* p = popen("pactl list sink-inputs 2>/dev/null", "r");
    if (p == nullptr) {
        return;
    }
    char line[512];
    while (std::fgets(line, sizeof line, p) != nullptr) {
        const std::string s = line;
        if (s.find("Latency") != std::string::npos || s.find("application.name") != std::string::npos ||
            s.find("Hz") != std::string::npos) {
            std::printf("    pactl:%s", line);
        }
    }
    pclose(p);
}

// The note-on to sound-at-the-sink time of an open, playing device.
void measureThroughServer(const char* title, const std::function<void(std::uint32_t)>& send, const std::string& source)
{
    Recorder recorder(source);
    const auto deadline = Clock::now() + 3s;
    while (recorder.recorded() < static_cast<std::size_t>(sampleRate / 2) && Clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
    }
    if (recorder.recorded() == 0) {
        std::printf("  %s: parec recorded nothing from %s\n", title, source.c_str());
        return;
    }
    printSinkInputs();
    Stats latency;
    for (int i = 0; i < 10; ++i) {
        const std::size_t from = recorder.recorded();
        const auto sent = Clock::now();
        send(*sound::noteOnMessage(60));
        std::this_thread::sleep_for(300ms);
        const auto heard = recorder.firstAudibleFrom(from);
        send(*sound::noteOffMessage(60));
        send(0x0078B0U);  // all sound off, so the next note starts from silence
        std::this_thread::sleep_for(700ms);
        if (heard) {
            latency.add(std::chrono::duration<double, std::milli>(*heard - sent).count());
        }
    }
    std::printf("  %s: note-on to sound read back from %s: %s\n", title, source.c_str(), latency.text("ms").c_str());
}

void measurePulseAudio(const std::string& source)
{
    sound::SynthConfig config = memoryConfig();
    config.startAudio = true;
    config.audioDrivers = {"pulseaudio"};
    std::unique_ptr<sound::FluidSynthOutput> synth;
    std::string why;
    const auto started = Clock::now();
    if (sound::FluidSynthOutput::open(config, synth, &why) != midi::rc::noError) {
        std::printf("PulseAudio: not measured (%s)\n", why.c_str());
        return;
    }
    const double opened = msSince(started);
    synth->waitUntilLoaded(30s);
    std::printf("PulseAudio, our settings: driver %s, open %.2f ms (with the server connection), asked %.2f ms "
                "(%d Hz)\n",
                synth->audioDriver().c_str(), opened, synth->configuredLatencyMs(), sampleRate);
    measureThroughServer("ours", [&](std::uint32_t m) { synth->send(m); }, source);
    synth.reset();

    // The same path with other settings, for comparison, made with
    // FluidSynth directly: its own defaults (44.1 kHz, 16 periods of 64
    // frames, the server's latency adjustment on), and ours with one thing
    // changed at a time.
    struct Variant {
        const char* title;
        double rate;  // Hz; 0: FluidSynth's default
        int periodSize;
        int periods;
        int adjustLatency;
    };
    for (const Variant& v : {Variant{"FluidSynth defaults", 0, 0, 0, -1}, Variant{"128x2, adjust-latency on", 48000, 128, 2, 1},
                             Variant{"64x2, adjust-latency off", 48000, 64, 2, 0},
                             Variant{"64x2, adjust-latency on", 48000, 64, 2, 1},
                             Variant{"1024x2, adjust-latency off", 48000, 1024, 2, 0}}) {
        fluid_settings_t* settings = new_fluid_settings();
        fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
        fluid_settings_setstr(settings, "audio.driver", "pulseaudio");
        if (v.rate > 0) {
            fluid_settings_setnum(settings, "synth.sample-rate", v.rate);
            fluid_settings_setint(settings, "audio.period-size", v.periodSize);
            fluid_settings_setint(settings, "audio.periods", v.periods);
            fluid_settings_setint(settings, "audio.pulseaudio.adjust-latency", v.adjustLatency);
        }
        fluid_synth_t* raw = new_fluid_synth(settings);
        fluid_synth_set_channel_type(raw, 9, CHANNEL_TYPE_MELODIC);
        fluid_synth_sfload(raw, sound::defaultSoundFontPath().c_str(), 1);
        fluid_audio_driver_t* driver = new_fluid_audio_driver(settings, raw);
        if (driver != nullptr) {
            int periods = 0;
            int size = 0;
            int adjust = 0;
            double rate = 0;
            fluid_settings_getint(settings, "audio.periods", &periods);
            fluid_settings_getint(settings, "audio.period-size", &size);
            fluid_settings_getint(settings, "audio.pulseaudio.adjust-latency", &adjust);
            fluid_settings_getnum(settings, "synth.sample-rate", &rate);
            std::printf("PulseAudio, %s: %d periods of %d frames at %.0f Hz, adjust-latency %s\n", v.title, periods, size,
                        rate, adjust != 0 ? "on" : "off");
            measureThroughServer(v.title, [&](std::uint32_t m) {
                const int status = static_cast<int>(m & 0xF0U);
                const int key = static_cast<int>((m >> 8) & 0x7FU);
                if (status == 0x90) {
                    fluid_synth_noteon(raw, 0, key, static_cast<int>((m >> 16) & 0x7FU));
                } else if (status == 0x80) {
                    fluid_synth_noteoff(raw, 0, key);
                } else {
                    fluid_synth_all_sounds_off(raw, 0);
                }
            }, source);
            delete_fluid_audio_driver(driver);
        }
        delete_fluid_synth(raw);
        delete_fluid_settings(settings);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::string monitor = argc > 2 ? argv[2] : "cap.monitor";

    timeOpenAndLoad(runs);

    std::printf("Note-on to first audible sample (> -80 dB) in the rendered output, blocks of 128 frames:\n");
    timeNoteOnToSound(128, true);
    timeNoteOnToSound(128, false);

    const sound::SynthConfig defaults;
    std::printf("Configured audio latency: %d periods x %d frames / %.0f Hz = %.2f ms\n", defaults.periods,
                defaults.periodSize, defaults.sampleRate,
                1000.0 * defaults.periods * defaults.periodSize / defaults.sampleRate);

    measurePulseAudio(monitor);
    return 0;
}
