// tavelin-inputlatency: how soon a note played on a keyboard reaches the MIDI
// output, through the window's own input path (Form1::keyDown):
//
//   - a MIDI note-on handed to a scripted source from another thread, to the
//     note-on sent to the output (the queued wake-up, the drain, the press);
//   - a computer key press (a QKeyEvent through the real event filter) to
//     the note-on;
//   - where /dev/snd/seq exists, a note-on sent by a second sequencer client
//     through the ALSA source;
//   - a flood of 1,000 notes/s on the scripted source: the delay of the
//     first and of the last note, and the largest.
//
//   tavelin-inputlatency [notes] [flood seconds]      (default 2000 and 10)
//
// Not a test: the figures depend on the machine and its load. The window
// runs on a virtual clock, so its own waits (a right answer's flash) cost
// no real time; the output records when each message was handed to it.

#include "keyboard/computerkeyboard.h"
#include "keyboard/midiinput.h"
#include "sound/alsaclient.h"
#include "sound/shortmsg.h"
#include "tests/support/faketimebase.h"

#include "app/form1.h"

#include <QApplication>
#include <QKeyEvent>

#include <alsa/asoundlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double microseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

// An output that stamps every note-on with the real time it arrived and
// counts them, so that another thread can wait for one.
class StampingOutput final : public midi::OutputSystem {
public:
    std::vector<std::string> deviceNames() override { return {"Stamps"}; }
    midi::Result openDevice(std::uint32_t, std::unique_ptr<midi::OutputDevice>& device) override
    {
        device = std::make_unique<Device>(*this);
        return midi::rc::noError;
    }

    void expect(std::size_t count)
    {
        stamps.clear();
        stamps.reserve(count);
        noteOns.store(0);
    }

    std::vector<Clock::time_point> stamps;  // window thread only
    std::atomic<int> noteOns{0};

private:
    struct Device final : midi::OutputDevice {
        explicit Device(StampingOutput& owner) : owner(owner) {}
        midi::Result send(std::uint32_t message) override
        {
            if (sound::startsNote(message)) {
                owner.stamps.push_back(Clock::now());
                owner.noteOns.fetch_add(1);
                owner.noteOns.notify_all();
            }
            return midi::rc::noError;
        }
        StampingOutput& owner;
    };
};

class NoMessages final : public platform::MessageSink {
public:
    void show(const QString& text) override { std::fprintf(stderr, "message: %s\n", text.toLocal8Bit().constData()); }
};

void printStats(const char* what, std::vector<double> us)
{
    if (us.empty()) {
        std::printf("%-46s (none)\n", what);
        return;
    }
    std::sort(us.begin(), us.end());
    const std::size_t n = us.size();
    std::printf("%-46s median %8.1f us   99th percentile %8.1f us   max %8.1f us   (n=%zu)\n", what, us[n / 2],
                us[std::min(n - 1, n * 99 / 100)], us.back(), n);
}

// Runs the window's event loop until count note-ons have reached the output.
void runUntil(StampingOutput& out, int count)
{
    while (out.noteOns.load() < count) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

// Waits (on a feeder thread) until the output has seen more than seen note-ons.
void awaitNoteOn(StampingOutput& out, int seen)
{
    int now = out.noteOns.load();
    while (now <= seen) {
        out.noteOns.wait(now);
        now = out.noteOns.load();
    }
}

std::uint8_t noteFor(int i)
{
    return static_cast<std::uint8_t>(40 + i % 48);
}

std::vector<double> scriptedMidi(StampingOutput& out, keyboard::QueuedMidiSource& source, int notes)
{
    out.expect(static_cast<std::size_t>(notes));
    std::vector<Clock::time_point> pushed(static_cast<std::size_t>(notes));
    std::thread feeder([&] {
        for (int i = 0; i < notes; ++i) {
            const std::uint8_t note = noteFor(i);
            pushed[static_cast<std::size_t>(i)] = Clock::now();
            source.push(keyboard::MidiEvent::noteOnAt(30, 0, note, 100));
            awaitNoteOn(out, i);  // one at a time: the latency, not a queue
            source.push(keyboard::MidiEvent::noteOffAt(30, 0, note));
        }
    });
    runUntil(out, notes);
    feeder.join();
    QCoreApplication::processEvents();  // the last note-off
    std::vector<double> us;
    for (int i = 0; i < notes; ++i) {
        us.push_back(microseconds(out.stamps[static_cast<std::size_t>(i)] - pushed[static_cast<std::size_t>(i)]));
    }
    return us;
}

std::vector<double> computerKeys(StampingOutput& out, Form1& form, int notes)
{
    out.expect(static_cast<std::size_t>(notes));
    std::vector<double> us;
    us.reserve(static_cast<std::size_t>(notes));
    for (int i = 0; i < notes; ++i) {
        const quint32 code =
            static_cast<quint32>(keyboard::keycodes::bottomRowFirst + i % keyboard::keycodes::bottomRowKeys);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, code, 0, 0, QStringLiteral("z"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Z, Qt::NoModifier, code, 0, 0, QStringLiteral("z"));
        const Clock::time_point start = Clock::now();
        QCoreApplication::sendEvent(&form, &press);  // through the application's event filters
        us.push_back(microseconds(out.stamps.back() - start));
        QCoreApplication::sendEvent(&form, &release);
    }
    return us;
}

// 1,000 notes a second for the given seconds, each released with the next
// one's press, pushed on schedule whatever the window is doing.
void flood(StampingOutput& out, keyboard::QueuedMidiSource& source, int seconds)
{
    const int notes = seconds * 1000;
    out.expect(static_cast<std::size_t>(notes));
    std::vector<Clock::time_point> pushed(static_cast<std::size_t>(notes));
    std::thread feeder([&] {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < notes; ++i) {
            std::this_thread::sleep_until(start + std::chrono::milliseconds(i));
            const keyboard::MidiEvent events[] = {
                keyboard::MidiEvent::noteOffAt(30, 0, noteFor(i - 1)),
                keyboard::MidiEvent::noteOnAt(30, 0, noteFor(i), 90),
            };
            pushed[static_cast<std::size_t>(i)] = Clock::now();
            source.push(i == 0 ? events + 1 : events, i == 0 ? 1 : 2);
        }
        source.push(keyboard::MidiEvent::noteOffAt(30, 0, noteFor(notes - 1)));
    });
    runUntil(out, notes);
    feeder.join();
    QCoreApplication::processEvents();
    double largest = 0;
    for (int i = 0; i < notes; ++i) {
        largest = std::max(largest,
                           microseconds(out.stamps[static_cast<std::size_t>(i)] - pushed[static_cast<std::size_t>(i)]));
    }
    std::printf("flood of 1,000 notes/s for %d s: first note %.1f us, last note %.1f us, largest %.1f us\n", seconds,
                microseconds(out.stamps.front() - pushed.front()), microseconds(out.stamps.back() - pushed.back()),
                largest);
}

// A second sequencer client playing into the program through ALSA.
void alsaLive(StampingOutput& out, Form1& form, int notes)
{
    std::error_code ec;
    if (!std::filesystem::exists("/dev/snd/seq", ec)) {
        std::printf("%-46s (no /dev/snd/seq here: not measured)\n", "ALSA note-on -> note-on at the output");
        return;
    }
    const sound::alsa::Seq sender = sound::alsa::openClient("Tavelin latency keyboard", SND_SEQ_OPEN_OUTPUT);
    if (!sender) {
        std::printf("%-46s (the sequencer cannot be opened)\n", "ALSA note-on -> note-on at the output");
        return;
    }
    snd_seq_t* raw = sender.get();
    snd_seq_nonblock(raw, 0);  // blocking: a send waits for room rather than failing
    const int port = snd_seq_create_simple_port(raw, "keys", SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                                SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    std::string problem;
    auto source = keyboard::openAlsaMidiSource({false, snd_seq_client_id(raw), port}, &problem);
    if (!source) {
        std::printf("%-46s (%s)\n", "ALSA note-on -> note-on at the output", problem.c_str());
        return;
    }
    keyboard::MidiInput input(form, std::move(source));
    out.expect(static_cast<std::size_t>(notes));
    std::vector<Clock::time_point> sent(static_cast<std::size_t>(notes));
    std::thread feeder([&] {
        for (int i = 0; i < notes; ++i) {
            snd_seq_event_t event;
            for (const bool down : {true, false}) {
                snd_seq_ev_clear(&event);
                if (down) {
                    snd_seq_ev_set_noteon(&event, 0, noteFor(i), 100);
                } else {
                    snd_seq_ev_set_noteoff(&event, 0, noteFor(i), 0);
                }
                snd_seq_ev_set_source(&event, port);
                snd_seq_ev_set_subs(&event);
                snd_seq_ev_set_direct(&event);
                if (down) {
                    sent[static_cast<std::size_t>(i)] = Clock::now();
                }
                snd_seq_event_output_direct(raw, &event);
                if (down) {
                    awaitNoteOn(out, i);
                }
            }
        }
    });
    runUntil(out, notes);
    feeder.join();
    std::vector<double> us;
    for (int i = 0; i < notes; ++i) {
        us.push_back(microseconds(out.stamps[static_cast<std::size_t>(i)] - sent[static_cast<std::size_t>(i)]));
    }
    printStats("ALSA note-on -> note-on at the output", us);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const int notes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    const int floodSeconds = argc > 2 ? std::max(0, std::atoi(argv[2])) : 10;
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);

    testing_support::FakeTimeBase time;
    StampingOutput out;
    NoMessages messages;
    const Form1Services services{time, out, messages, [](const QString&) {}, QCoreApplication::applicationDirPath(),
                                 1,    0};
    Form1 form(services);
    time.advance(25);
    time.advance(2000);  // the start-up sequence and its greeting scale

    keyboard::ComputerKeyboard keys(form, form);
    app.installEventFilter(&keys);
    auto scripted = std::make_unique<keyboard::QueuedMidiSource>();
    keyboard::QueuedMidiSource& source = *scripted;
    {
        keyboard::MidiInput input(form, std::move(scripted));
        std::printf("Tavelin Piano input latency (%d notes each)\n", notes);
        printStats("scripted MIDI note-on -> note-on at the output", scriptedMidi(out, source, notes));
        printStats("computer key press -> note-on at the output", computerKeys(out, form, notes));
        if (floodSeconds > 0) {
            flood(out, source, floodSeconds);
        }
    }
    alsaLive(out, form, notes);
    return 0;
}
