#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;
struct pa_defer_event;
struct pa_mainloop_api;

// A playback stream on the desktop's sound server (PulseAudio, or PipeWire
// through its PulseAudio service) that asks its source for sound only when
// the server wants the next period: the caller's render function runs inside
// the stream's write callback, on libpulse's mainloop thread, with no thread
// of ours between the synthesizer and the server.
//
// When nothing has sounded for a while the stream is disconnected, so that
// neither this program nor the server wakes up for silence; wake() brings a
// new one up for the next note. A server that goes away or restarts is
// connected to again at the next wake().
namespace sound {

namespace pulsedefaults {
// Seconds without an active voice before the stream is set aside. Longer
// than the slowest exercise's note period (6 s), so that a run, with or
// without its notes sounded, keeps one stream from its first note to its
// last, and a real sink, which suspends some 5 s after its last stream goes,
// stays awake between the notes of a run. Short enough that a window left
// alone costs nothing after a few seconds.
constexpr std::chrono::milliseconds idleAfter{10000};
// Real-time priority asked for the thread that renders: low in the real-time
// range, below the sound server's own threads (PipeWire and JACK use 20 and
// above when RealtimeKit allows it).
constexpr int realtimePriority = 10;
}  // namespace pulsedefaults

struct PulseStreamConfig {
    std::string server;  // empty: the desktop's default server
    std::string applicationName = "Tavelin Piano";
    int sampleRate = 48000;  // Hz
    int periodFrames = 128;  // the server asks for one period at a time and keeps two queued
    std::chrono::milliseconds idleAfter = pulsedefaults::idleAfter;
    bool realtime = true;  // ask for real-time priority for the rendering thread

    // Fills frames of interleaved stereo float (-1 to 1). Runs on the
    // mainloop thread.
    std::function<void(float* interleaved, int frames)> render;
    // true while anything still sounds (a voice is active). Runs on the
    // mainloop thread after each period.
    std::function<bool()> sounding;
    // One line for the user, from the mainloop thread or the caller's: no
    // real-time priority, the server gone. Each kind is said once.
    std::function<void(const std::string&)> report;
};

class PulseStream {
public:
    // Connects to the server (a few ms; no server: fails at once) and starts
    // the stream. nullptr and *why (if given) set on failure.
    static std::unique_ptr<PulseStream> open(PulseStreamConfig config, std::string* why = nullptr);

    // Disconnects and stops the mainloop thread; never waits on the server.
    ~PulseStream();
    PulseStream(const PulseStream&) = delete;
    PulseStream& operator=(const PulseStream&) = delete;

    // Something is about to sound: keep the stream, or start a new one (and
    // reconnect to the server first if it went away). Returns at once; any
    // thread except the mainloop's.
    void wake();

    // A stream is connected or on its way (false: idle, or no server).
    bool streaming() const { return m_streaming.load(std::memory_order_acquire); }
    // Streams started so far: 1 after open, one more after each idle spell.
    int streamsStarted() const { return m_streamsStarted.load(std::memory_order_acquire); }
    // Connections made to the server so far: 1 after open, one more after
    // each reconnection.
    int connections() const { return m_connections.load(std::memory_order_acquire); }
    // The rendering thread got its real-time priority.
    bool realtime() const { return m_realtime.load(std::memory_order_acquire); }

private:
    explicit PulseStream(PulseStreamConfig config);

    // All of these run with the mainloop's lock held.
    bool connectContext();
    void dropContext();
    void startStream();
    void stopStream();
    void makeRealtime();

    static void contextState(pa_context* context, void* self);
    static void streamState(pa_stream* stream, void* self);
    static void write(pa_stream* stream, std::size_t bytes, void* self);
    static void tidy(pa_mainloop_api* api, pa_defer_event* event, void* self);

    PulseStreamConfig m_config;
    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    pa_defer_event* m_tidy = nullptr;  // runs tidy() on the mainloop thread, outside any callback

    // Under the mainloop's lock.
    bool m_opening = true;
    bool m_contextDead = false;   // failed or terminated: replaced at the next wake()
    bool m_contextReached = false;  // this context got through to the server
    bool m_streamDead = false;
    bool m_wanted = false;  // a stream should play once the context is ready
    bool m_goIdle = false;  // silent long enough; tidy() ends the stream if still so
    bool m_restarted = false;  // a failed stream was replaced since the last wake()
    long long m_silentFrames = 0;
    bool m_triedRealtime = false;
    bool m_toldGone = false;

    std::atomic<bool> m_streaming{false};
    std::atomic<int> m_streamsStarted{0};
    std::atomic<int> m_connections{0};
    std::atomic<bool> m_realtime{false};
};

}  // namespace sound
