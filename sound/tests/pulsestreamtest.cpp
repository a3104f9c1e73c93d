// The built-in synthesizer on its own stream of a real PulseAudio server,
// read back from the null sink's monitor: it plays, it sets the stream aside
// after the silence and brings a new one for the next note without losing or
// doubling one, a server that dies mid-note neither hangs nor crashes it, a
// server that stops answering is given up within its bound, a sink that
// changes under a note takes the note with it, and the reports run where a
// report may take the caller's locks.
#include "sound/fluidsynthoutput.h"
#include "sound/pulsestream.h"
#include "sound/shortmsg.h"
#include "sound/tests/pulseserver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <atomic>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using sound::FluidSynthOutput;
using sound::SynthConfig;
using testing_support::MonitorRecorder;
using testing_support::PulseServer;
using testing_support::SilentServer;

// Peaks of 5 ms blocks on the -1 to 1 scale. A piano note 60 at velocity 127
// and gain 0.5 peaks near 0.15; the null sink's silence is exact zeros.
constexpr float soundingPeak = 0.02F;
constexpr float silentPeak = 1e-3F;

constexpr std::uint32_t controller(int number, int value)
{
    return sound::controlChange(0, number, value);
}
constexpr std::uint32_t allSoundOff = controller(sound::allSoundOffController, 0);

// Each note, sent at recorded frame sent[i] and silenced (all sound off) at
// ended[i], sounds between its note-on and the next one's (not lost), and no
// longer than it was held (a note played twice would sound twice as long).
// Loud blocks are counted rather than onsets, so that a machine stalling
// under load (a dropout inside a note) does not count as a second note:
// dropouts are the benchmark's business, not this test's.
void expectEachNoteOnce(const std::vector<float>& peaks, const std::vector<std::size_t>& sent,
                        const std::vector<std::size_t>& ended)
{
    // The period that was rendering, the fade of all-sound-off, and the
    // recorder catching up on a backlog of a loaded machine inside the note
    // (seen: 2 blocks over 4). A note played twice would sound twice as long
    // as it was held (16 blocks or more here), far beyond this.
    constexpr long slackBlocks = 8;
    for (std::size_t i = 0; i < sent.size(); ++i) {
        const std::size_t from = std::min(sent[i] / MonitorRecorder::blockFrames, peaks.size());
        const std::size_t to =
            std::min(i + 1 < sent.size() ? sent[i + 1] / MonitorRecorder::blockFrames : peaks.size(), peaks.size());
        const auto loud = std::count_if(peaks.begin() + static_cast<long>(from), peaks.begin() + static_cast<long>(to),
                                        [](float peak) { return peak > soundingPeak; });
        const auto held = static_cast<long>((ended[i] - sent[i]) / MonitorRecorder::blockFrames);
        EXPECT_GE(loud, 1) << "note " << i << " lost";
        EXPECT_LE(loud, held + slackBlocks) << "note " << i << " sounded longer than it was held";
    }
}

struct Reports {
    std::mutex mutex;
    std::vector<std::string> lines;
    std::function<void(const std::string&)> sink()
    {
        return [this](const std::string& line) {
            const std::lock_guard lock(mutex);
            lines.push_back(line);
        };
    }
    std::size_t count(const std::string& part)
    {
        const std::lock_guard lock(mutex);
        return static_cast<std::size_t>(std::count_if(
            lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; }));
    }
};

template<typename Predicate>
bool eventually(Predicate done, std::chrono::milliseconds timeout = 5s)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

// A steady level while on, for the tests that drive the stream itself: a
// sink change must not be mistaken for a note's decay.
struct Tone {
    static constexpr float level = 0.1F;
    std::atomic<bool> on{false};
    sound::PulseStreamConfig config(const std::string& server, Reports& reports)
    {
        sound::PulseStreamConfig out;
        out.server = server;
        out.render = [this](float* interleaved, int frames) {
            std::fill(interleaved, interleaved + 2 * frames, on.load() ? level : 0.0F);
        };
        out.sounding = [this] { return on.load(); };
        out.report = reports.sink();
        return out;
    }
};

bool loudAfter(const MonitorRecorder& recorder, std::size_t from)
{
    const std::vector<float> peaks = recorder.blockPeaks(from);
    return !peaks.empty() && *std::max_element(peaks.begin(), peaks.end()) > Tone::level / 2;
}

// Our stream's index among the server's sink inputs (the recorders are
// source outputs): the first column of `pactl list short sink-inputs`.
std::string ourSinkInput(const PulseServer& server)
{
    const std::string list = server.pactl("list short sink-inputs");
    return list.substr(0, list.find_first_of(" \t\n"));
}

class PulseStreamTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PulseServer::installed()) {
            GTEST_SKIP() << "pulseaudio is not installed (scripts/deps.sh test installs it)";
        }
        ASSERT_TRUE(m_server.start()) << "the test's PulseAudio server did not start";
    }
    void TearDown() override
    {
        // What the stream said, to read beside a failure.
        const std::lock_guard lock(m_reports.mutex);
        for (const std::string& line : m_reports.lines) {
            std::printf("the stream said: %s\n", line.c_str());
        }
    }

    std::unique_ptr<FluidSynthOutput> openSynth(std::chrono::milliseconds idleAfter,
                                                sound::SetAside setAside = sound::SetAside::automatic)
    {
        SynthConfig config;
        config.setAside = setAside;
        config.audioDrivers = {sound::synthdefaults::pulseStreamDriver};
        config.pulseServer = m_server.address();
        config.idleAfter = idleAfter;
        config.report = m_reports.sink();
        std::unique_ptr<FluidSynthOutput> synth;
        std::string why;
        EXPECT_EQ(FluidSynthOutput::open(config, synth, &why), midi::rc::noError) << why;
        if (synth) {
            EXPECT_EQ(synth->audioDriver(), "pulse");
            EXPECT_NE(synth->pulseStream(), nullptr);
            EXPECT_TRUE(synth->waitUntilLoaded(10s));
            // No reverb or chorus: all-sound-off then leaves true silence.
            synth->send(controller(91, 0));
            synth->send(controller(93, 0));
        }
        return synth;
    }

    // Short notes with silences around the stream's idle time (30 ms), so
    // that notes land as it is being set aside: each must be heard once.
    void playAcrossTheIdleEdge(FluidSynthOutput& synth)
    {
        MonitorRecorder recorder(m_server.address());
        ASSERT_TRUE(recorder.recording());
        ASSERT_TRUE(recorder.waitMs(100));
        const std::vector<int> gaps = {20, 25, 30, 35, 40, 60, 20, 25, 30, 35, 40, 60};  // ms of silence
        constexpr int noteMs = 80;                                                       // held
        std::vector<std::size_t> sent;   // recorded frames when each note-on went
        std::vector<std::size_t> ended;  // and when its all-sound-off went
        for (const int gap : gaps) {
            sent.push_back(recorder.frames());
            synth.send(*sound::noteOnMessage(67));
            ASSERT_TRUE(recorder.waitMs(noteMs));
            synth.send(allSoundOff);
            ended.push_back(recorder.frames());
            std::this_thread::sleep_for(std::chrono::milliseconds(gap));
        }
        ASSERT_TRUE(recorder.waitMs(100));
        expectEachNoteOnce(recorder.blockPeaks(), sent, ended);
    }

    PulseServer m_server;
    Reports m_reports;
};

TEST_F(PulseStreamTest, PlaysTheSynthesizersNotesOnTheSink)
{
    const auto synth = openSynth(sound::pulsedefaults::idleAfter);
    ASSERT_TRUE(synth);
    MonitorRecorder recorder(m_server.address());
    ASSERT_TRUE(recorder.recording());
    ASSERT_TRUE(recorder.waitMs(100));
    const std::size_t before = recorder.frames();
    synth->send(*sound::noteOnMessage(60));
    ASSERT_TRUE(recorder.waitMs(300));
    synth->send(*sound::noteOffMessage(60));
    ASSERT_TRUE(recorder.waitMs(100));

    const std::vector<float> all = recorder.blockPeaks();
    const std::size_t firstNoteBlock = before / MonitorRecorder::blockFrames;
    ASSERT_GT(all.size(), firstNoteBlock + 60);
    EXPECT_LT(*std::max_element(all.begin(), all.begin() + static_cast<long>(firstNoteBlock)), silentPeak)
        << "sound before the note";
    EXPECT_GT(*std::max_element(all.begin() + static_cast<long>(firstNoteBlock), all.end()), 5 * soundingPeak);
    EXPECT_TRUE(synth->pulseStream()->streaming());
    // Either the thread that renders got its priority (from RealtimeKit, a
    // moment after open), or the user is told.
    const sound::PulseStream& stream = *synth->pulseStream();
    EXPECT_TRUE(eventually([&] { return stream.realtime() || m_reports.count("real-time") == 1; }));
    EXPECT_EQ(m_reports.count("real-time"), stream.realtime() ? 0U : 1U);
}

TEST_F(PulseStreamTest, SetsTheStreamAsideAfterTheSilenceAndBringsItBackForANote)
{
    const auto synth = openSynth(200ms);
    ASSERT_TRUE(synth);
    const sound::PulseStream& stream = *synth->pulseStream();
    MonitorRecorder recorder(m_server.address());
    ASSERT_TRUE(recorder.recording());
    constexpr int notes = 3;
    std::vector<std::size_t> sent;
    std::vector<std::size_t> ended;
    for (int i = 0; i < notes; ++i) {
        ASSERT_TRUE(eventually([&] { return !stream.streaming(); })) << "no idle after note " << i;
        EXPECT_EQ(stream.streamsStarted(), i + 1);
        ASSERT_TRUE(recorder.waitMs(50));
        sent.push_back(recorder.frames());
        synth->send(*sound::noteOnMessage(60 + 4 * i));
        EXPECT_TRUE(stream.streaming()) << "the note must bring a stream at once";
        ASSERT_TRUE(recorder.waitMs(150));
        synth->send(*sound::noteOffMessage(60 + 4 * i));
        synth->send(allSoundOff);
        ended.push_back(recorder.frames());
    }
    ASSERT_TRUE(eventually([&] { return !stream.streaming(); }));
    ASSERT_TRUE(recorder.waitMs(50));
    expectEachNoteOnce(recorder.blockPeaks(), sent, ended);
    EXPECT_EQ(stream.streamsStarted(), notes + 1);
    EXPECT_EQ(stream.setAsides(), notes + 1);
    EXPECT_EQ(stream.connections(), 1);
    // PulseAudio: set aside by disconnecting, the automatic choice there.
    EXPECT_FALSE(stream.onPipeWire());
}

// Corked rather than disconnected (PipeWire's way, here on PulseAudio): one
// stream throughout, paused after the silence, and each note that resumes
// it heard once, at once, with none of the silence it held before.
TEST_F(PulseStreamTest, CorksTheStreamAfterTheSilenceAndResumesItForANote)
{
    const auto synth = openSynth(200ms, sound::SetAside::cork);
    ASSERT_TRUE(synth);
    const sound::PulseStream& stream = *synth->pulseStream();
    MonitorRecorder recorder(m_server.address());
    ASSERT_TRUE(recorder.recording());
    constexpr int notes = 3;
    std::vector<std::size_t> sent;
    std::vector<std::size_t> ended;
    for (int i = 0; i < notes; ++i) {
        ASSERT_TRUE(eventually([&] { return !stream.streaming(); })) << "not corked after note " << i;
        EXPECT_EQ(stream.setAsides(), i + 1);
        EXPECT_TRUE(eventually([&] {
            return m_server.pactl("list sink-inputs").find("Corked: yes") != std::string::npos;
        })) << "the server was not told";
        ASSERT_TRUE(recorder.waitMs(50));
        sent.push_back(recorder.frames());
        synth->send(*sound::noteOnMessage(60 + 4 * i));
        EXPECT_TRUE(stream.streaming()) << "the note must resume the stream at once";
        ASSERT_TRUE(recorder.waitMs(150));
        synth->send(*sound::noteOffMessage(60 + 4 * i));
        synth->send(allSoundOff);
        ended.push_back(recorder.frames());
    }
    ASSERT_TRUE(eventually([&] { return !stream.streaming(); }));
    ASSERT_TRUE(recorder.waitMs(50));
    const std::vector<float> peaks = recorder.blockPeaks();
    expectEachNoteOnce(peaks, sent, ended);
    // Heard within a few blocks of its note-on, not after what the corked
    // stream held (the flush dropped it).
    for (const std::size_t at : sent) {
        const std::size_t from = at / MonitorRecorder::blockFrames;
        const auto loud = std::find_if(peaks.begin() + static_cast<long>(from), peaks.end(),
                                       [](float peak) { return peak > soundingPeak; });
        ASSERT_NE(loud, peaks.end());
        EXPECT_LE(loud - (peaks.begin() + static_cast<long>(from)), 6) << "5 ms blocks before the note was heard";
    }
    EXPECT_EQ(stream.streamsStarted(), 1);
    EXPECT_EQ(stream.setAsides(), notes + 1);
    const std::string inputs = m_server.pactl("list short sink-inputs");
    EXPECT_EQ(std::count(inputs.begin(), inputs.end(), '\n'), 1)
        << "the corked stream stays the server's one sink input:\n"
        << inputs;
}

// A note that lands while the stream is on its way out: every one is heard
// once, whether it found the old stream still there or brought a new one.
TEST_F(PulseStreamTest, NoteAtTheIdleEdgeIsNeitherLostNorDoubled)
{
    const auto synth = openSynth(30ms);
    ASSERT_TRUE(synth);
    playAcrossTheIdleEdge(*synth);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_GT(synth->pulseStream()->streamsStarted(), 1) << "the stream never went idle between notes";
}

// The same at the edge of a cork: a note that comes as the stream is being
// paused resumes it, heard once.
TEST_F(PulseStreamTest, NoteAtTheCorkEdgeIsNeitherLostNorDoubled)
{
    const auto synth = openSynth(30ms, sound::SetAside::cork);
    ASSERT_TRUE(synth);
    playAcrossTheIdleEdge(*synth);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_GT(synth->pulseStream()->setAsides(), 1) << "the stream was never corked between notes";
    EXPECT_EQ(synth->pulseStream()->streamsStarted(), 1);
}

TEST_F(PulseStreamTest, ServerKilledMidNoteThenBackPlaysAgain)
{
    const auto synth = openSynth(sound::pulsedefaults::idleAfter);
    ASSERT_TRUE(synth);
    const sound::PulseStream& stream = *synth->pulseStream();
    {
        MonitorRecorder recorder(m_server.address());
        ASSERT_TRUE(recorder.recording());
        synth->send(*sound::noteOnMessage(60));
        ASSERT_TRUE(recorder.waitMs(100));
    }
    // The note still sounds when the server goes. The recorder goes first:
    // libpulse's simple API can deadlock inside pa_simple_read when its
    // server dies under it (its mainloop thread frees the shared-memory
    // import while the reader holds the stream's lock), which would hang
    // the test, not the stream under test.
    m_server.kill();
    ASSERT_TRUE(eventually([&] { return !stream.streaming(); }));
    // With no server, notes return at once and say it once.
    for (int i = 0; i < 5; ++i) {
        synth->send(*sound::noteOffMessage(60));
        synth->send(*sound::noteOnMessage(62));
        ASSERT_TRUE(eventually([&] { return m_reports.count("sound server") == 1; }));
    }
    synth->send(*sound::noteOffMessage(62));
    EXPECT_EQ(m_reports.count("sound server"), 1U);

    ASSERT_TRUE(m_server.start());
    MonitorRecorder recorder(m_server.address());
    ASSERT_TRUE(recorder.recording());
    ASSERT_TRUE(recorder.waitMs(50));
    synth->send(allSoundOff);
    synth->send(*sound::noteOnMessage(64));
    ASSERT_TRUE(eventually([&] { return stream.streaming() && stream.connections() == 2; }));
    ASSERT_TRUE(recorder.waitMs(300));
    const std::vector<float> peaks = recorder.blockPeaks();
    EXPECT_GT(*std::max_element(peaks.begin(), peaks.end()), 5 * soundingPeak) << "no sound after the restart";
    EXPECT_EQ(m_reports.count("sound server"), 1U);
}

TEST_F(PulseStreamTest, ClosingWhileTheServerIsGone)
{
    auto synth = openSynth(sound::pulsedefaults::idleAfter);
    ASSERT_TRUE(synth);
    synth->send(*sound::noteOnMessage(60));
    m_server.kill();
    synth->send(*sound::noteOnMessage(62));
    synth.reset();  // must return, and the sanitizers see no use after free
    SUCCEED();
}

// SIGSTOP leaves the socket listening: the connection is accepted and
// never answered. Open gives up within its bound rather than hang the window
// (the synthesizer then falls back to the next driver).
TEST_F(PulseStreamTest, AStoppedServerIsGivenUpAtOpen)
{
    Tone tone;
    sound::PulseStreamConfig config = tone.config(m_server.address(), m_reports);
    config.answerWithin = 300ms;
    m_server.pause();
    std::string why;
    EXPECT_EQ(sound::PulseStream::open(config, &why), nullptr);
    EXPECT_NE(why.find("does not answer"), std::string::npos) << why;
    m_server.resume();
    EXPECT_NE(sound::PulseStream::open(config, &why), nullptr) << why;
}

TEST_F(PulseStreamTest, AServerStoppedMidNoteHangsNeitherNotesNorClosing)
{
    auto synth = openSynth(sound::pulsedefaults::idleAfter);
    ASSERT_TRUE(synth);
    {
        MonitorRecorder recorder(m_server.address());
        ASSERT_TRUE(recorder.recording());
        synth->send(*sound::noteOnMessage(60));
        ASSERT_TRUE(recorder.waitMs(100));
    }
    m_server.pause();
    for (int i = 0; i < 20; ++i) {
        synth->send(*sound::noteOnMessage(static_cast<std::int16_t>(62 + i % 12)));
        synth->send(*sound::noteOffMessage(static_cast<std::int16_t>(62 + i % 12)));
    }
    synth.reset();  // must return with the server still stopped
    m_server.resume();
    SUCCEED();
}

// The server dies and something takes its socket that never answers: each
// note's reconnection is given up within its bound, said once, and the
// real server's return is heard at the next note.
TEST_F(PulseStreamTest, AReconnectionThatIsNeverAnsweredIsGivenUpAndSaidOnce)
{
    Tone tone;
    sound::PulseStreamConfig config = tone.config(m_server.address(), m_reports);
    config.answerWithin = 300ms;
    config.idleAfter = 100ms;
    std::string why;
    const auto stream = sound::PulseStream::open(config, &why);
    ASSERT_NE(stream, nullptr) << why;
    m_server.kill();
    ASSERT_TRUE(eventually([&] { return !stream->streaming(); }));
    {
        const SilentServer silent(m_server.socketPath());
        ASSERT_TRUE(silent.listening());
        tone.on = true;
        stream->wake();
        ASSERT_TRUE(eventually([&] { return m_reports.count("does not answer") == 1; }, 20s));
        for (int i = 0; i < 2; ++i) {
            // Each wake() finds the last attempt given up, or still waiting
            // on its bound; either way nothing more is said.
            std::this_thread::sleep_for(2 * config.answerWithin);
            stream->wake();
        }
        EXPECT_EQ(m_reports.count("does not answer"), 1U);
        EXPECT_FALSE(stream->streaming());
    }
    ASSERT_TRUE(m_server.start());
    MonitorRecorder recorder(m_server.address());
    ASSERT_TRUE(recorder.recording());
    ASSERT_TRUE(recorder.waitMs(50));
    const std::size_t from = recorder.frames();
    // The last attempt may still be running out its bound on the stand-in.
    ASSERT_TRUE(eventually(
        [&] {
            stream->wake();
            return stream->connections() == 2;
        },
        20s));
    ASSERT_TRUE(recorder.waitMs(200));
    EXPECT_TRUE(loudAfter(recorder, from)) << "no sound once the server was back";
    EXPECT_EQ(m_reports.count("sound server"), 1U);
}

// The report may take a lock that the thread calling wake() holds, and may
// call back into the stream: it runs on a thread of the stream's own,
// outside the mainloop's lock. Run under the old arrangement (the report
// called under that lock) this test hangs.
TEST_F(PulseStreamTest, AReportMayTakeTheCallersLockAndCallBack)
{
    Tone tone;
    std::mutex callers;
    std::vector<std::string> lines;
    sound::PulseStream* self = nullptr;
    sound::PulseStreamConfig config = tone.config(m_server.address(), m_reports);
    config.report = [&](const std::string& line) {
        const std::lock_guard lock(callers);
        lines.push_back(line);
        if (self != nullptr) {
            self->wake();
        }
    };
    std::string why;
    const auto stream = sound::PulseStream::open(config, &why);
    ASSERT_NE(stream, nullptr) << why;
    {
        const std::lock_guard lock(callers);
        self = stream.get();
    }
    m_server.kill();
    ASSERT_TRUE(eventually([&] { return !stream->streaming(); }));
    {
        const std::lock_guard lock(callers);
        for (int i = 0; i < 5; ++i) {
            stream->wake();
            // Time for the failed connection to come back on the mainloop
            // thread between two calls, where the old arrangement blocked.
            std::this_thread::sleep_for(20ms);
        }
    }
    ASSERT_TRUE(eventually([&] {
        const std::lock_guard lock(callers);
        return !lines.empty();
    }));
    const std::lock_guard lock(callers);
    EXPECT_EQ(lines.size(), 1U);
}

// Headphones plugged in: the server moves our stream to another sink while
// a note sounds, and the note goes on there. A sink that goes with a note
// on it: the server moves its streams to the default sink (or, where it
// would not, ends the stream and a new one is started); either way the rest
// of the note plays there.
TEST_F(PulseStreamTest, ANoteFollowsItsStreamToAnotherSinkAndOutlivesASinkThatGoes)
{
    const std::string module = m_server.pactl("load-module module-null-sink sink_name=other");
    ASSERT_FALSE(module.empty()) << "no second null sink";
    Tone tone;
    std::string why;
    const auto stream = sound::PulseStream::open(tone.config(m_server.address(), m_reports), &why);
    ASSERT_NE(stream, nullptr) << why;
    MonitorRecorder cap(m_server.address());
    MonitorRecorder other(m_server.address(), "other.monitor");
    ASSERT_TRUE(cap.recording() && other.recording());
    tone.on = true;
    stream->wake();
    ASSERT_TRUE(cap.waitMs(100));
    EXPECT_TRUE(loudAfter(cap, 0));

    ASSERT_TRUE(other.waitMs(20));
    std::size_t from = other.frames();
    const std::string input = ourSinkInput(m_server);
    ASSERT_FALSE(input.empty());
    m_server.pactl("move-sink-input " + input + " other");
    ASSERT_TRUE(other.waitMs(200));
    EXPECT_TRUE(loudAfter(other, from)) << "the note did not follow its stream";
    EXPECT_EQ(stream->streamsStarted(), 1) << "a move keeps the stream";

    from = cap.frames();
    m_server.pactl("unload-module " + module.substr(0, module.find('\n')));
    ASSERT_TRUE(cap.waitMs(300));
    EXPECT_TRUE(loudAfter(cap, from)) << "the note ended with its sink";
    EXPECT_TRUE(stream->streaming());
    EXPECT_LE(stream->streamsStarted(), 2);
}

// The default sink changes while the stream is set aside: the next note's
// stream plays on the new default.
TEST_F(PulseStreamTest, TheNextStreamPlaysOnTheNewDefaultSink)
{
    ASSERT_FALSE(m_server.pactl("load-module module-null-sink sink_name=other").empty());
    Tone tone;
    sound::PulseStreamConfig config = tone.config(m_server.address(), m_reports);
    config.idleAfter = 100ms;
    std::string why;
    const auto stream = sound::PulseStream::open(config, &why);
    ASSERT_NE(stream, nullptr) << why;
    ASSERT_TRUE(eventually([&] { return !stream->streaming(); }));
    m_server.pactl("set-default-sink other");
    MonitorRecorder other(m_server.address(), "other.monitor");
    ASSERT_TRUE(other.recording());
    ASSERT_TRUE(other.waitMs(20));
    const std::size_t from = other.frames();
    tone.on = true;
    stream->wake();
    ASSERT_TRUE(other.waitMs(200));
    EXPECT_TRUE(loudAfter(other, from));
    EXPECT_EQ(stream->streamsStarted(), 2);
}

TEST(PulseStreamOpen, AServerThatNeverAnswersIsGivenUpWithAReason)
{
    char pattern[] = "/tmp/tavelin-silent-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    {
        const SilentServer silent(dir + "/native");
        ASSERT_TRUE(silent.listening());
        sound::PulseStreamConfig config;
        config.server = silent.address();
        config.answerWithin = 200ms;
        config.render = [](float*, int) {};
        config.sounding = [] { return false; };
        std::string why;
        EXPECT_EQ(sound::PulseStream::open(config, &why), nullptr);
        EXPECT_NE(why.find("does not answer"), std::string::npos) << why;
    }
    std::filesystem::remove_all(dir);
}

TEST(PulseStreamOpen, NoServerFailsAtOnceWithAReason)
{
    sound::PulseStreamConfig config;
    config.server = "unix:/nonexistent/tavelin-test/pulse";
    config.render = [](float*, int) {};
    config.sounding = [] { return false; };
    std::string why;
    EXPECT_EQ(sound::PulseStream::open(config, &why), nullptr);
    EXPECT_NE(why.find("no sound server"), std::string::npos) << why;
}

}  // namespace
