#include "app/diagnostics.h"

#include "sound/fluidsynthoutput.h"

#include <QEvent>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace app {

namespace {

constexpr const char* timingVariable = "TAVELIN_TIMING";
constexpr int loadPollMs = 5;  // how often the SoundFont's load state is looked at

// Forwards every message to the device it owns; tells its owner when it goes,
// so that nobody asks a closed synthesizer for its load state.
class WatchedDevice final : public midi::OutputDevice {
public:
    WatchedDevice(std::unique_ptr<midi::OutputDevice> inner, sound::FluidSynthOutput*& watch)
        : m_inner(std::move(inner)), m_watch(watch)
    {
        m_watch = dynamic_cast<sound::FluidSynthOutput*>(m_inner.get());
    }
    ~WatchedDevice() override
    {
        if (m_watch == m_inner.get()) {
            m_watch = nullptr;
        }
    }
    WatchedDevice(const WatchedDevice&) = delete;
    WatchedDevice& operator=(const WatchedDevice&) = delete;

    midi::Result send(std::uint32_t message) override { return m_inner->send(message); }
    midi::Result state() const override { return m_inner->state(); }

private:
    std::unique_ptr<midi::OutputDevice> m_inner;
    sound::FluidSynthOutput*& m_watch;
};

}  // namespace

class StartupTiming::WatchedOutputs final : public midi::OutputSystem {
public:
    explicit WatchedOutputs(midi::OutputSystem& inner) : m_inner(inner) {}

    std::vector<std::string> deviceNames() override { return m_inner.deviceNames(); }

    midi::Result openDevice(std::uint32_t deviceId, std::unique_ptr<midi::OutputDevice>& device) override
    {
        std::unique_ptr<midi::OutputDevice> opened;
        const midi::Result rc = m_inner.openDevice(deviceId, opened);
        if (rc == midi::rc::noError && opened) {
            device = std::make_unique<WatchedDevice>(std::move(opened), m_synth);
        }
        return rc;
    }

    // The built-in synthesizer while it is open, else null.
    sound::FluidSynthOutput* synth() const { return m_synth; }

private:
    midi::OutputSystem& m_inner;
    sound::FluidSynthOutput* m_synth = nullptr;
};

StartupTiming::StartupTiming(midi::OutputSystem& outputs) : m_outputs(outputs)
{
    if (requested()) {
        m_watched = std::make_unique<WatchedOutputs>(outputs);
        m_loadPoll.setInterval(loadPollMs);
        connect(&m_loadPoll, &QTimer::timeout, this, &StartupTiming::pollLoad);
    }
}

StartupTiming::~StartupTiming() = default;

bool StartupTiming::requested()
{
    return std::getenv(timingVariable) != nullptr;
}

midi::OutputSystem& StartupTiming::outputs()
{
    if (m_watched) {
        return *m_watched;
    }
    return m_outputs;
}

void StartupTiming::watch(QWidget* window)
{
    if (!m_watched || window == nullptr) {
        return;
    }
    m_window = window;
    window->installEventFilter(this);
    m_loadPoll.start();
}

bool StartupTiming::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_painted && watched == m_window && event->type() == QEvent::Paint) {
        m_painted = true;
        // The window and its controls paint in this same pass and reach the
        // screen at its end; a queued call runs once that pass is over.
        QTimer::singleShot(0, this, &StartupTiming::reportFirstPaint);
    }
    return QObject::eventFilter(watched, event);
}

void StartupTiming::reportFirstPaint()
{
    printLine("first-paint-ms", msSinceProcessStart());
}

void StartupTiming::pollLoad()
{
    if (m_loadReported) {
        return;
    }
    const sound::FluidSynthOutput* synth = m_watched ? m_watched->synth() : nullptr;
    if (synth == nullptr) {
        return;  // not open yet, or not the built-in synthesizer: nothing to wait for
    }
    switch (synth->loadState()) {
    case sound::FluidSynthOutput::LoadState::loading:
        return;
    case sound::FluidSynthOutput::LoadState::ready:
        printLine("soundfont-ms", msSinceProcessStart());
        printLine("rss-kb", residentKb());
        break;
    case sound::FluidSynthOutput::LoadState::failed:
        std::printf("soundfont-failed\n");
        std::fflush(stdout);
        break;
    }
    m_loadReported = true;
    m_loadPoll.stop();
}

void StartupTiming::printLine(const char* name, std::optional<std::int64_t> value)
{
    if (value) {
        std::printf("%s %lld\n", name, static_cast<long long>(*value));
    } else {
        std::printf("%s unknown\n", name);
    }
    std::fflush(stdout);  // read by another program as it happens
}

std::optional<std::int64_t> StartupTiming::msSinceProcessStart()
{
    // Field 22 of /proc/self/stat: the start time in clock ticks since boot,
    // on the clock that CLOCK_BOOTTIME reads. Field 2, the command name, is in
    // parentheses and may hold spaces, so the count starts after its ')'.
    std::ifstream in("/proc/self/stat");
    std::string text;
    std::getline(in, text);
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(text.substr(close + 1));
    std::string field;
    long long startTicks = -1;
    for (int index = 3; index <= 22 && fields >> field; ++index) {
        if (index == 22) {
            startTicks = std::strtoll(field.c_str(), nullptr, 10);
        }
    }
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    timespec now{};
    if (startTicks < 0 || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0) {
        return std::nullopt;
    }
    const std::int64_t nowMs = static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
    const std::int64_t startMs = static_cast<std::int64_t>(startTicks) * 1000 / ticksPerSecond;
    return nowMs - startMs;
}

std::optional<std::int64_t> StartupTiming::residentKb()
{
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtoll(line.c_str() + 6, nullptr, 10);  // "VmRSS:   12345 kB"
        }
    }
    return std::nullopt;
}

}  // namespace app
