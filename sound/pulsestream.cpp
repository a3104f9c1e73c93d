#include "sound/pulsestream.h"

#include "platform/messages.h"
#include <dbus/dbus.h>
#include <pthread.h>
#include <pulse/pulseaudio.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <deque>
#include <mutex>
#include <system_error>

namespace sound {

using platform::message;

namespace {

constexpr int channels = 2;
constexpr std::size_t frameBytes = channels * sizeof(float);

// RealtimeKit refuses a thread whose process may run real-time without a
// limit; its default ceiling is 200 ms of processor time without sleeping,
// far above the fraction of a period that rendering takes.
constexpr rlim_t realtimeKitTimeLimit = 200000;  // µs
constexpr int realtimeKitTimeoutMs = 1000;

struct DBusConnectionCloser {
    void operator()(DBusConnection* bus) const
    {
        dbus_connection_close(bus);
        dbus_connection_unref(bus);
    }
};
struct DBusMessageUnref {
    void operator()(DBusMessage* message) const { dbus_message_unref(message); }
};

// Asks RealtimeKit, on the system bus, to make thread tid real-time. Empty
// when it did, else why not.
std::string askRealtimeKit(pid_t tid, int priority)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_RTTIME, &limit) == 0 &&
        (limit.rlim_max == RLIM_INFINITY || limit.rlim_max > realtimeKitTimeLimit)) {
        limit.rlim_cur = realtimeKitTimeLimit;
        limit.rlim_max = realtimeKitTimeLimit;
        setrlimit(RLIMIT_RTTIME, &limit);
    }
    dbus_threads_init_default();
    DBusError error;
    dbus_error_init(&error);
    const std::unique_ptr<DBusConnection, DBusConnectionCloser> bus(dbus_bus_get_private(DBUS_BUS_SYSTEM, &error));
    if (!bus) {
        std::string why =
            error.message != nullptr ? error.message : message(QT_TRANSLATE_NOOP("Messages", "no system bus"));
        dbus_error_free(&error);
        return why;
    }
    dbus_connection_set_exit_on_disconnect(bus.get(), FALSE);
    const std::unique_ptr<DBusMessage, DBusMessageUnref> call(
        dbus_message_new_method_call("org.freedesktop.RealtimeKit1", "/org/freedesktop/RealtimeKit1",
                                     "org.freedesktop.RealtimeKit1", "MakeThreadRealtime"));
    if (!call) {
        return message(QT_TRANSLATE_NOOP("Messages", "out of memory"));
    }
    dbus_uint64_t thread = static_cast<dbus_uint64_t>(tid);
    dbus_uint32_t level = static_cast<dbus_uint32_t>(priority);
    dbus_message_append_args(call.get(), DBUS_TYPE_UINT64, &thread, DBUS_TYPE_UINT32, &level, DBUS_TYPE_INVALID);
    const std::unique_ptr<DBusMessage, DBusMessageUnref> reply(
        dbus_connection_send_with_reply_and_block(bus.get(), call.get(), realtimeKitTimeoutMs, &error));
    if (!reply) {
        std::string why =
            error.message != nullptr ? error.message : message(QT_TRANSLATE_NOOP("Messages", "no answer"));
        dbus_error_free(&error);
        return why;
    }
    return {};
}

}  // namespace

// What the stream and its side thread share, under mutex.
struct PulseStream::Side {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::string> lines;  // to say, in order
    std::function<void(const std::string&)> report;
    pid_t askFor = 0;          // a thread to ask RealtimeKit about
    std::string askedBecause;  // why it could not take the priority itself
    int priority = 0;
    bool asking = false;     // inside the D-Bus call, which may take long
    bool closing = false;    // say what is pending, then end
    bool abandoned = false;  // the stream is gone: say nothing more
    bool done = false;
    std::atomic<bool> realtime{false};
};

// side by value: the thread's own reference, which keeps it alive while the loop runs.
void PulseStream::sideLoop(std::shared_ptr<Side> side)  // NOLINT(performance-unnecessary-value-param)
{
    pthread_setname_np(pthread_self(), "tavelin-report");
    std::unique_lock lock(side->mutex);
    for (;;) {
        if (side->abandoned) {
            break;
        }
        if (side->askFor != 0 && !side->closing) {
            const pid_t tid = side->askFor;
            side->askFor = 0;
            side->asking = true;
            lock.unlock();
            const std::string kit = askRealtimeKit(tid, side->priority);
            lock.lock();
            side->asking = false;
            if (kit.empty()) {
                side->realtime.store(true, std::memory_order_release);
            } else {
                side->lines.push_back(message(QT_TRANSLATE_NOOP("Messages",
                                                                "no real-time priority for the sound (%1; RealtimeKit: "
                                                                "%2): notes may break up while the machine is busy"),
                                              {side->askedBecause, kit}));
            }
            side->changed.notify_all();
            continue;
        }
        if (!side->lines.empty()) {
            const std::string line = std::move(side->lines.front());
            side->lines.pop_front();
            if (side->report) {
                lock.unlock();
                side->report(line);
                lock.lock();
            }
            continue;
        }
        if (side->closing) {
            break;
        }
        side->changed.wait(lock);
    }
    side->done = true;
    side->changed.notify_all();
}

PulseStream::PulseStream(PulseStreamConfig config) : m_config(std::move(config)), m_side(std::make_shared<Side>())
{
    m_side->report = m_config.report;
    m_side->priority = pulsedefaults::realtimePriority;
}

bool PulseStream::realtime() const
{
    return m_side->realtime.load(std::memory_order_acquire);
}

void PulseStream::say(std::string line)
{
    {
        const std::lock_guard lock(m_side->mutex);
        m_side->lines.push_back(std::move(line));
    }
    m_side->changed.notify_all();
}

std::unique_ptr<PulseStream> PulseStream::open(PulseStreamConfig config, std::string* why)
{
    const auto fail = [why](std::string reason) -> std::unique_ptr<PulseStream> {
        if (why != nullptr) {
            *why = std::move(reason);
        }
        return nullptr;
    };
    if (!config.render || !config.sounding || config.sampleRate <= 0 || config.periodFrames <= 0) {
        return fail(message(QT_TRANSLATE_NOOP("Messages", "no sound source or no sample format")));
    }
    std::unique_ptr<PulseStream> out(new PulseStream(std::move(config)));
    try {
        out->m_sideThread = std::thread(&PulseStream::sideLoop, out->m_side);
    } catch (const std::system_error& e) {
        return fail(
            message(QT_TRANSLATE_NOOP("Messages", "could not start the sound's report thread: %1"), {e.what()}));
    }
    out->m_loop = pa_threaded_mainloop_new();
    if (out->m_loop == nullptr) {
        return fail(message(QT_TRANSLATE_NOOP("Messages", "libpulse could not make its mainloop")));
    }
    pa_threaded_mainloop_set_name(out->m_loop, "tavelin-audio");
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(out->m_loop);
    out->m_tidy = api->defer_new(api, &PulseStream::tidy, out.get());
    api->defer_enable(out->m_tidy, 0);
    if (pa_threaded_mainloop_start(out->m_loop) < 0) {
        return fail(message(QT_TRANSLATE_NOOP("Messages", "libpulse could not start its mainloop thread")));
    }

    pa_threaded_mainloop_lock(out->m_loop);
    const bool connecting = out->connectContext();
    while (connecting && out->m_connection == Connection::opening) {
        pa_threaded_mainloop_wait(out->m_loop);
    }
    if (out->m_connection == Connection::noAnswer) {
        pa_threaded_mainloop_unlock(out->m_loop);
        return fail(message(QT_TRANSLATE_NOOP("Messages", "the sound server does not answer (%1 ms)"),
                            {std::to_string(out->m_config.answerWithin.count())}));
    }
    if (!connecting || out->m_connection == Connection::dead) {
        const int code = out->m_context != nullptr ? pa_context_errno(out->m_context) : PA_ERR_INTERNAL;
        pa_threaded_mainloop_unlock(out->m_loop);
        return fail(message(QT_TRANSLATE_NOOP("Messages", "no sound server (%1)"), {pa_strerror(code)}));
    }
    out->m_streamState = Stream::wanted;
    out->startStream();
    pa_threaded_mainloop_unlock(out->m_loop);
    return out;
}

PulseStream::~PulseStream()
{
    if (m_loop != nullptr) {
        pa_threaded_mainloop_lock(m_loop);
        m_connection = Connection::closed;
        dropContext();
        pa_threaded_mainloop_unlock(m_loop);
        pa_threaded_mainloop_stop(m_loop);
    }
    if (m_sideThread.joinable()) {
        // What is pending is said (a report that calls wake() now finds the
        // stream closed); a RealtimeKit call that has not come back (a
        // system bus that does not answer) is left to end on its own.
        std::unique_lock lock(m_side->mutex);
        m_side->closing = true;
        m_side->changed.notify_all();
        m_side->changed.wait(lock, [this] { return m_side->done || m_side->asking; });
        if (m_side->done) {
            lock.unlock();
            m_sideThread.join();
        } else {
            m_side->abandoned = true;
            lock.unlock();
            m_sideThread.detach();
        }
    }
    if (m_loop != nullptr) {
        if (m_tidy != nullptr) {
            pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_loop);
            api->defer_free(m_tidy);
        }
        pa_threaded_mainloop_free(m_loop);
    }
}

void PulseStream::wake()
{
    pa_threaded_mainloop_lock(m_loop);
    if (m_connection == Connection::closed) {
        pa_threaded_mainloop_unlock(m_loop);
        return;
    }
    if (m_streamState == Stream::unwanted) {
        m_streamState = Stream::wanted;
    } else if (m_streamState == Stream::goingIdle) {
        m_streamState = Stream::playing;
    }
    m_restarted = false;
    m_silentFrames = 0;
    if (m_context == nullptr || m_connection == Connection::dead) {
        // The server went away since the last note: try it again. The
        // stream starts when the context is ready, a few ms from now.
        dropContext();
        if (!connectContext() && !m_toldGone) {
            m_toldGone = true;
            say(message(QT_TRANSLATE_NOOP(
                "Messages",
                "the sound server cannot be reached; the built-in synthesizer is silent until it is back")));
        }
    } else if (m_stream == nullptr && pa_context_get_state(m_context) == PA_CONTEXT_READY) {
        startStream();
    } else if (m_streamState == Stream::corked) {
        resumeStream();
    }
    pa_threaded_mainloop_unlock(m_loop);
}

bool PulseStream::connectContext()
{
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_loop);
    m_context = pa_context_new(api, m_config.applicationName.c_str());
    if (m_context == nullptr) {
        m_connection = Connection::dead;
        return false;
    }
    // open() waits for this first one as opening.
    if (m_connection != Connection::opening) {
        m_connection = Connection::connecting;
    }
    pa_context_set_state_callback(m_context, &PulseStream::contextState, this);
    // No autospawn: a desktop without a server falls back to ALSA rather
    // than starting one behind the user's back.
    const char* server = m_config.server.empty() ? nullptr : m_config.server.c_str();
    if (pa_context_connect(m_context, server, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        m_connection = Connection::dead;
        return false;
    }
    armDeadline();
    return true;
}

void PulseStream::armDeadline()
{
    const pa_usec_t at = pa_rtclock_now() + static_cast<pa_usec_t>(m_config.answerWithin.count()) * PA_USEC_PER_MSEC;
    if (m_deadline == nullptr) {
        m_deadline = pa_context_rttime_new(m_context, at, &PulseStream::deadline, this);
    } else {
        pa_context_rttime_restart(m_context, m_deadline, at);
    }
}

void PulseStream::dropContext()
{
    stopStream();
    if (m_deadline != nullptr) {
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_loop);
        api->time_free(m_deadline);
        m_deadline = nullptr;
    }
    if (m_context != nullptr) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    if (m_connection != Connection::closed) {
        m_connection = Connection::none;
    }
}

void PulseStream::startStream()
{
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(m_config.sampleRate),
                                static_cast<std::uint8_t>(channels)};
    m_stream = pa_stream_new(m_context, "Piano", &format, nullptr);
    if (m_stream == nullptr) {
        return;
    }
    pa_stream_set_state_callback(m_stream, &PulseStream::streamState, this);
    pa_stream_set_write_callback(m_stream, &PulseStream::write, this);
    // Periods queued, one asked for at a time: the server wakes us once a
    // period and a note waits at most one period plus what is queued.
    const auto period = static_cast<std::uint32_t>(static_cast<std::size_t>(m_config.periodFrames) * frameBytes);
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = static_cast<std::uint32_t>(std::max(2, m_config.queuedPeriods)) * period;
    attr.prebuf = static_cast<std::uint32_t>(-1);
    attr.minreq = period;
    attr.fragsize = static_cast<std::uint32_t>(-1);
    // Adjust-latency: the sink runs with a latency that matches ours, rather
    // than its own (up to 2 s on a sound card that can).
    if (pa_stream_connect_playback(m_stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
        stopStream();
        return;
    }
    m_streamState = Stream::playing;
    m_silentFrames = 0;
    armDeadline();
    m_streaming.store(true, std::memory_order_release);
    m_streamsStarted.fetch_add(1, std::memory_order_acq_rel);
}

void PulseStream::stopStream()
{
    if (m_stream != nullptr) {
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        if (PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream))) {
            pa_stream_disconnect(m_stream);
        }
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
    if (m_streamState != Stream::unwanted) {
        m_streamState = Stream::wanted;
    }
    m_streaming.store(false, std::memory_order_release);
}

bool PulseStream::corks() const
{
    switch (m_config.setAside) {
    case SetAside::cork:
        return true;
    case SetAside::disconnect:
        return false;
    case SetAside::automatic:
        break;
    }
    return m_pipeWire.load(std::memory_order_acquire);
}

void PulseStream::resumeStream()
{
    // What the stream held is silence rendered before the note: dropped, so
    // that the server asks at once for periods that hold the note. Both go
    // to the server in order, ahead of anything written after them.
    if (pa_operation* flushed = pa_stream_flush(m_stream, nullptr, nullptr)) {
        pa_operation_unref(flushed);
    }
    if (pa_operation* resumed = pa_stream_cork(m_stream, 0, nullptr, nullptr)) {
        pa_operation_unref(resumed);
    }
    m_streamState = Stream::playing;
    m_silentFrames = 0;
    m_streaming.store(true, std::memory_order_release);
}

void PulseStream::makeRealtime()
{
    if (!m_config.realtime || m_triedRealtime) {
        return;
    }
    m_triedRealtime = true;
    sched_param param{};
    param.sched_priority = pulsedefaults::realtimePriority;
    const int rc = pthread_setschedparam(pthread_self(), SCHED_RR, &param);
    if (rc == 0) {
        m_side->realtime.store(true, std::memory_order_release);
        return;
    }
    // RealtimeKit takes a D-Bus round trip, and a system bus that does not
    // answer takes its 25 s time-out: the side thread asks, by this thread's
    // id, while this one goes on rendering.
    {
        const std::lock_guard lock(m_side->mutex);
        m_side->askFor = gettid();
        m_side->askedBecause = std::strerror(rc);
    }
    m_side->changed.notify_all();
}

void PulseStream::contextState(pa_context* context, void* self)
{
    auto* s = static_cast<PulseStream*>(self);
    if (context != s->m_context) {
        return;
    }
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY: {
        s->m_connections.fetch_add(1, std::memory_order_acq_rel);
        const bool opening = s->m_connection == Connection::opening;
        // A context given up on already (no answer in time) stays given up.
        if (opening || s->m_connection == Connection::connecting) {
            s->m_connection = Connection::reached;
        }
        if (pa_operation* asked = pa_context_get_server_info(context, &PulseStream::serverInfo, s)) {
            pa_operation_unref(asked);
        }
        // This is the mainloop thread, which renders every period.
        s->makeRealtime();
        if (opening) {
            pa_threaded_mainloop_signal(s->m_loop, 0);
        } else if (s->m_streamState == Stream::wanted) {
            s->startStream();
        }
        break;
    }
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED: {
        const Connection was = s->m_connection;
        // open() has given up on it already and says so.
        if (was != Connection::noAnswer) {
            s->m_connection = Connection::dead;
        }
        if (was == Connection::opening) {
            pa_threaded_mainloop_signal(s->m_loop, 0);
            break;
        }
        if (was != Connection::reached && s->m_streamState != Stream::unwanted && !s->m_toldGone) {
            // A reconnection that a note asked for did not get through.
            s->m_toldGone = true;
            s->say(message(
                QT_TRANSLATE_NOOP(
                    "Messages",
                    "the sound server cannot be reached (%1); the built-in synthesizer is silent until it is back"),
                {pa_strerror(pa_context_errno(context))}));
        }
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(s->m_loop);
        api->defer_enable(s->m_tidy, 1);
        break;
    }
    default:
        break;
    }
}

void PulseStream::serverInfo(pa_context* context, const pa_server_info* info, void* self)
{
    auto* s = static_cast<PulseStream*>(self);
    if (context != s->m_context || info == nullptr || info->server_name == nullptr) {
        return;
    }
    // "PulseAudio (on PipeWire 0.3.65)"
    s->m_pipeWire.store(std::strstr(info->server_name, "PipeWire") != nullptr, std::memory_order_release);
}

void PulseStream::streamState(pa_stream* stream, void* self)
{
    auto* s = static_cast<PulseStream*>(self);
    if (stream != s->m_stream) {
        return;
    }
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_READY) {
        // Through to the server and playing: the next failure is news.
        s->m_toldGone = false;
    }
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
        // The sink went and nothing took the stream over, or the server is
        // going: set it aside, outside this callback.
        s->m_streamState = Stream::dead;
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(s->m_loop);
        api->defer_enable(s->m_tidy, 1);
    }
}

void PulseStream::write(pa_stream* stream, std::size_t bytes, void* self)
{
    auto* s = static_cast<PulseStream*>(self);
    long long frames = 0;
    while (bytes >= frameBytes) {
        void* data = nullptr;
        std::size_t size = bytes;
        if (pa_stream_begin_write(stream, &data, &size) < 0 || data == nullptr) {
            break;
        }
        const std::size_t count = std::min(size, bytes) / frameBytes;
        if (count == 0) {
            pa_stream_cancel_write(stream);
            break;
        }
        s->m_config.render(static_cast<float*>(data), static_cast<int>(count));
        pa_stream_write(stream, data, count * frameBytes, nullptr, 0, PA_SEEK_RELATIVE);
        bytes -= count * frameBytes;
        frames += static_cast<long long>(count);
    }
    if (s->m_config.sounding()) {
        s->m_silentFrames = 0;
        return;
    }
    s->m_silentFrames += frames;
    const long long idleFrames = static_cast<long long>(s->m_config.idleAfter.count()) * s->m_config.sampleRate / 1000;
    if (s->m_streamState == Stream::playing && s->m_silentFrames >= idleFrames) {
        s->m_streamState = Stream::goingIdle;
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(s->m_loop);
        api->defer_enable(s->m_tidy, 1);
    }
}

void PulseStream::tidy(pa_mainloop_api* api, pa_defer_event* event, void* self)
{
    auto* s = static_cast<PulseStream*>(self);
    api->defer_enable(event, 0);
    if (s->m_connection == Connection::dead) {
        // The server went away: nothing to do until the next note.
        s->dropContext();
        return;
    }
    if (s->m_streamState == Stream::dead) {
        s->stopStream();
        // A note still sounding gets one new stream on whatever sink is the
        // default now (once: a server with no sink at all refuses every
        // stream); otherwise the next note starts one.
        if (!s->m_restarted && s->m_config.sounding() && s->m_context != nullptr &&
            pa_context_get_state(s->m_context) == PA_CONTEXT_READY) {
            s->m_restarted = true;
            s->startStream();
        } else {
            s->m_streamState = Stream::unwanted;
        }
        return;
    }
    if (s->m_streamState == Stream::goingIdle) {
        // A note may have started since the last period: wake() runs under
        // the same lock and takes the stream back to playing, and the voice
        // count says it too.
        if (s->m_config.sounding()) {
            s->m_streamState = Stream::playing;
            s->m_silentFrames = 0;
            return;
        }
        s->m_setAsides.fetch_add(1, std::memory_order_acq_rel);
        if (s->corks()) {
            if (pa_operation* paused = pa_stream_cork(s->m_stream, 1, nullptr, nullptr)) {
                pa_operation_unref(paused);
            }
            s->m_streamState = Stream::corked;
            s->m_streaming.store(false, std::memory_order_release);
            return;
        }
        s->stopStream();
        s->m_streamState = Stream::unwanted;
    }
}

void PulseStream::deadline(pa_mainloop_api* /*api*/, pa_time_event* /*event*/, const struct timeval* /*when*/,
                           void* self)
{
    auto* s = static_cast<PulseStream*>(self);
    if (s->m_connection == Connection::opening) {
        s->m_connection = Connection::noAnswer;
        pa_threaded_mainloop_signal(s->m_loop, 0);
        return;
    }
    if (s->m_context == nullptr || s->m_connection == Connection::dead) {
        return;
    }
    const bool waiting = pa_context_get_state(s->m_context) != PA_CONTEXT_READY ||
                         (s->m_stream != nullptr && pa_stream_get_state(s->m_stream) == PA_STREAM_CREATING);
    if (!waiting) {
        return;
    }
    // A server that accepted the connection and then went quiet (stopped,
    // hung): give it up, as if it had gone; the next note tries again.
    if (!s->m_toldGone) {
        s->m_toldGone = true;
        s->say(message(QT_TRANSLATE_NOOP(
            "Messages", "the sound server does not answer; the built-in synthesizer is silent until it does")));
    }
    s->m_connection = Connection::dead;
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(s->m_loop);
    api->defer_enable(s->m_tidy, 1);
}

}  // namespace sound
