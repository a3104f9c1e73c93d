#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;
struct pa_defer_event;
struct pa_mainloop_api;
struct pa_time_event;
struct pa_server_info;
struct timeval;

// A playback stream on the desktop's sound server (PulseAudio, or PipeWire
// through its PulseAudio service) that asks its source for sound only when
// the server wants the next period: the caller's render function runs inside
// the stream's write callback, on libpulse's mainloop thread, with no thread
// of ours between the synthesizer and the server.
//
// When nothing has sounded for a while the stream is set aside, so that
// neither this program nor the server wakes up for silence, and wake()
// brings it back for the next note: on PulseAudio it is disconnected and a
// new one is brought up (a corked stream keeps PulseAudio's sink ticking),
// on PipeWire it is corked and uncorked (a new stream there waits some
// 50 ms for the session manager to link it; a corked one costs nothing).
// A server that goes away or restarts is connected to again at the next
// wake(). A server that does not answer
// (stopped, or hung) is given up after answerWithin, at open and at any
// reconnection, and nothing ever waits on it.
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
// How long a server may take to answer a connection or a new stream. A
// local server answers in a few ms even on a busy machine; one that has not
// answered in 3 s is stopped or hung, and the window must not wait on it.
constexpr std::chrono::milliseconds answerWithin{3000};
}  // namespace pulsedefaults

// How a stream is set aside after the silence.
enum class SetAside {
    automatic,   // cork on PipeWire, disconnect on PulseAudio
    disconnect,  // end the stream; the next note brings a new one
    cork,        // pause the stream and drop what it held; the next note resumes it
};

struct PulseStreamConfig {
    std::string server;  // empty: the desktop's default server
    std::string applicationName = "Tavelin Piano";
    int sampleRate = 48000;  // Hz
    int periodFrames = 128;  // the server asks for one period at a time
    int queuedPeriods = 2;   // and keeps this many queued, 2 or more
    std::chrono::milliseconds idleAfter = pulsedefaults::idleAfter;
    SetAside setAside = SetAside::automatic;
    std::chrono::milliseconds answerWithin = pulsedefaults::answerWithin;
    bool realtime = true;  // ask for real-time priority for the rendering thread

    // Fills frames of interleaved stereo float (-1 to 1). Runs on the
    // mainloop thread with the mainloop's lock held: it must not call into
    // the stream.
    std::function<void(float* interleaved, int frames)> render;
    // true while anything still sounds (a voice is active). Runs like render,
    // after each period.
    std::function<bool()> sounding;
    // One line for the user: no real-time priority, the server gone or not
    // answering. Each kind is said once. Called from a thread of the
    // stream's own that holds no lock, so it may take the caller's locks and
    // call wake(); the destructor says what is still pending first.
    std::function<void(const std::string&)> report;
};

class PulseStream {
public:
    // Connects to the server (a few ms; no server: fails at once; a server
    // that does not answer: fails after answerWithin) and starts the stream.
    // nullptr and *why (if given) set on failure.
    static std::unique_ptr<PulseStream> open(PulseStreamConfig config, std::string* why = nullptr);

    // Disconnects and stops the mainloop thread; never waits on the server
    // nor on RealtimeKit.
    ~PulseStream();
    PulseStream(const PulseStream&) = delete;
    PulseStream& operator=(const PulseStream&) = delete;

    // Something is about to sound: keep the stream, or start a new one (and
    // reconnect to the server first if it went away). Returns at once; any
    // thread except the mainloop's.
    void wake();

    // A stream is connected or on its way (false: idle, or no server).
    bool streaming() const { return m_streaming.load(std::memory_order_acquire); }
    // Streams started so far: 1 after open, one more after each idle spell
    // ended by disconnecting.
    int streamsStarted() const { return m_streamsStarted.load(std::memory_order_acquire); }
    // Idle spells so far, whichever way the stream was set aside.
    int setAsides() const { return m_setAsides.load(std::memory_order_acquire); }
    // The server is PipeWire's PulseAudio service (known once connected).
    bool onPipeWire() const { return m_pipeWire.load(std::memory_order_acquire); }
    // Connections made to the server so far: 1 after open, one more after
    // each reconnection.
    int connections() const { return m_connections.load(std::memory_order_acquire); }
    // The rendering thread got its real-time priority.
    // Asked of RealtimeKit, this may turn true a moment after open.
    bool realtime() const;

private:
    struct Side;

    explicit PulseStream(PulseStreamConfig config);
    static void sideLoop(std::shared_ptr<Side> side);

    // All of these run with the mainloop's lock held.
    bool connectContext();
    void dropContext();
    void startStream();
    void stopStream();
    void resumeStream();
    bool corks() const;
    void makeRealtime();
    void armDeadline();
    void say(std::string line);

    static void contextState(pa_context* context, void* self);
    static void streamState(pa_stream* stream, void* self);
    static void serverInfo(pa_context* context, const pa_server_info* info, void* self);
    static void write(pa_stream* stream, std::size_t bytes, void* self);
    static void tidy(pa_mainloop_api* api, pa_defer_event* event, void* self);
    static void deadline(pa_mainloop_api* api, pa_time_event* event, const struct timeval* when, void* self);

    PulseStreamConfig m_config;
    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    pa_defer_event* m_tidy = nullptr;     // runs tidy() on the mainloop thread, outside any callback
    pa_time_event* m_deadline = nullptr;  // the context's: gives up on a server that does not answer

    // The reports and the RealtimeKit request, on a thread of their own so
    // that neither runs under the mainloop's lock; shared with that thread,
    // which may outlive the stream inside a D-Bus call that does not return.
    std::shared_ptr<Side> m_side;
    std::thread m_sideThread;

    // The connection to the server.
    enum class Connection {
        opening,     // open() waits for the first context to get through or fail
        noAnswer,    // open() gave up waiting
        connecting,  // a context asked for since, not through yet
        reached,     // the context got through to the server
        dead,        // failed, terminated or given up: replaced at the next wake()
        none,        // no context: the next wake() makes one
        closed,      // the destructor has begun: wake() does nothing
    };
    // The stream on that connection.
    enum class Stream {
        unwanted,   // none, and none wanted until the next note
        wanted,     // none yet: one should play once the context is ready
        playing,    // connected or on its way
        goingIdle,  // silent long enough; tidy() sets it aside if still so
        corked,     // set aside by corking: wake() resumes it
        dead,       // failed or terminated: tidy() replaces or drops it
    };

    // Under the mainloop's lock.
    Connection m_connection = Connection::opening;
    Stream m_streamState = Stream::unwanted;  // every state past wanted has m_stream
    bool m_restarted = false;                 // a failed stream was replaced since the last wake()
    long long m_silentFrames = 0;
    bool m_triedRealtime = false;
    bool m_toldGone = false;  // the user knows the server is gone, until a stream gets through

    std::atomic<bool> m_streaming{false};
    std::atomic<int> m_streamsStarted{0};
    std::atomic<int> m_connections{0};
    std::atomic<int> m_setAsides{0};
    std::atomic<bool> m_pipeWire{false};
};

}  // namespace sound
