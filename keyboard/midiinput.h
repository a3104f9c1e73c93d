#pragma once

#include "keyboard/notesink.h"
#include "sound/shortmsg.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// MIDI keyboards playing the window's piano. A source (the ALSA sequencer, or
// a script) hands over what the keyboards did; MidiInput turns it into
// presses and releases for a note sink (the window), on its thread, from its
// event loop, so that a note played during a wait is handled inside it as a
// click would be.
namespace keyboard {

namespace midiin {
constexpr const char* portName = "Tavelin Piano input";
constexpr std::uint8_t sustainController = sound::sustainController;  // the damper pedal
constexpr std::uint8_t pedalDown = 64;                                // controller values 64 to 127 hold the pedal down
constexpr int noClient = -1;                                          // "no ALSA client": device 0, a script
constexpr int anyPort = -1;  // in MidiEvent::sourceGone: every port of the client
constexpr int channels = 16;
constexpr int notes = 128;
}  // namespace midiin

// One thing a MIDI keyboard did, as the window needs it. Events that carry
// nothing for the window (clock, active sensing, system exclusive, other
// controllers) never become one of these.
struct MidiEvent {
    enum class Type : std::uint8_t {
        noteOn,      // data1: note 0 to 127, data2: velocity 1 to 127
        noteOff,     // data1: note (a note-on at velocity 0 arrives as this)
        sustain,     // data2: pedal value 0 to 127 (controller 64)
        sourceGone,  // the port client:port has gone (port anyPort: the whole client)
        overrun,     // events were lost on the way: what is held is not known any more
    };
    Type type = Type::noteOn;
    std::uint8_t channel = 0;  // 0 to 15 (MIDI channel 1 is 0)
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
    int client = midiin::noClient;  // the ALSA address the event came from
    int port = 0;
    bool operator==(const MidiEvent&) const = default;

    static MidiEvent noteOnAt(int client, int port, std::uint8_t note, std::uint8_t velocity, std::uint8_t channel = 0)
    {
        return {Type::noteOn, channel, note, velocity, client, port};
    }
    static MidiEvent noteOffAt(int client, int port, std::uint8_t note, std::uint8_t channel = 0)
    {
        return {Type::noteOff, channel, note, 0, client, port};
    }
    static MidiEvent sustainAt(int client, int port, std::uint8_t value, std::uint8_t channel = 0)
    {
        return {Type::sustain, channel, midiin::sustainController, value, client, port};
    }
    static MidiEvent gone(int client, int port = midiin::anyPort) { return {Type::sourceGone, 0, 0, 0, client, port}; }
};

// Where MIDI events come from. Both calls happen on the window's thread: the
// source calls its ready handler from the window's event loop (a socket
// notifier, a queued call) whenever events may be waiting, and the handler
// takes every one of them with readPending().
class MidiSource {
public:
    virtual ~MidiSource() = default;
    virtual void setReadyHandler(std::function<void()> ready) = 0;
    // Appends every event waiting now to out, oldest first; never blocks.
    virtual void readPending(std::vector<MidiEvent>& out) = 0;
};

// Events handed in by push() from any thread: a script in the tests and the
// timing program, or a bridge from another MIDI interface. A push posts one
// wake-up to the window thread's event queue unless one is on its way
// already, so a burst costs one queued call, not one per event.
class QueuedMidiSource final : public MidiSource {
public:
    QueuedMidiSource();  // on the window's thread: its wake-ups are delivered there
    ~QueuedMidiSource() override;
    QueuedMidiSource(const QueuedMidiSource&) = delete;
    QueuedMidiSource& operator=(const QueuedMidiSource&) = delete;

    void push(const MidiEvent& event);
    void push(const MidiEvent* events, std::size_t count);

    void setReadyHandler(std::function<void()> ready) override;
    void readPending(std::vector<MidiEvent>& out) override;

    // Queued calls posted so far: one per burst that found no wake-up pending.
    std::size_t wakeUpsPosted() const;

private:
    void wake();

    QObject m_context;  // the queued wake-ups are delivered to it, on its thread
    mutable std::mutex m_mutex;
    std::vector<MidiEvent> m_waiting;  // guarded by m_mutex; keeps its capacity
    bool m_wakePending = false;        // guarded by m_mutex
    std::size_t m_wakeUps = 0;         // guarded by m_mutex
    std::function<void()> m_ready;     // window thread only
};

// Turns MIDI events into the sink's presses and releases. A note-on presses
// the key at its velocity, a note-off releases it; the sustain pedal goes to
// the sink as controller 64, on the channel where the window's notes play. Notes of every channel count. A note-off
// that matches no note-on from the same port (the key was down before we listened) is dropped, so every note-on sent
// gets exactly one note-off and a mouse-held key stays held. When a port goes, or events were lost, the notes it held
// are released and its pedal is let up.
class MidiInput {
public:
    MidiInput(NoteSink& sink, std::unique_ptr<MidiSource> source);
    ~MidiInput();
    MidiInput(const MidiInput&) = delete;
    MidiInput& operator=(const MidiInput&) = delete;

    // The ALSA client the output device sends to (midiin::noClient for the
    // built-in synthesizer). An instrument that is both keyboard and output
    // sounds its own notes: ours would double them, and a patch that sends
    // our output back into it would loop, so its notes are not sounded again.
    void setEchoClient(int client) { m_echoClient = client; }
    int echoClient() const { return m_echoClient; }

    // Notes held down now, counting each press, over every port.
    int heldNotes() const;
    MidiSource& source() { return *m_source; }

private:
    struct Port {
        int client = midiin::noClient;
        int port = 0;
        std::array<std::uint16_t, midiin::notes> held{};  // presses not yet released, per note
        bool pedalDown = false;
    };

    void drain();
    void handle(const MidiEvent& event);
    Port& portFor(int client, int port);
    Port* findPort(int client, int port);
    void release(const Port& port);

    NoteSink& m_sink;
    std::unique_ptr<MidiSource> m_source;
    std::vector<MidiEvent> m_pending;  // read but not yet handled; keeps its capacity
    std::size_t m_next = 0;            // next event of m_pending to handle
    std::vector<Port> m_ports;         // one per port that has played
    int m_echoClient = midiin::noClient;
};

// --- The ALSA sequencer ---

struct MidiInputPort {
    int client = 0;
    int port = 0;
    std::string clientName;
    std::string portName;
    std::string label() const;  // "USB Keys: USB Keys MIDI 1", or the client name alone
};

struct MidiInputPortList {
    std::vector<MidiInputPort> ports;
    std::string problem;  // why there is no list at all (no sequencer); empty otherwise
};

// Whether a port is a MIDI keyboard to connect by default: readable and open
// to subscription, a hardware port (or a generic MIDI port that no program
// made), and not the System client's nor the kernel's Midi Through. The
// capability and type are ALSA's SND_SEQ_PORT_CAP_* and SND_SEQ_PORT_TYPE_*.
bool isKeyboardPort(unsigned int capability, unsigned int type, std::string_view clientName);

// The keyboards present now, in client then port order, not our own ports.
MidiInputPortList listMidiKeyboards();

// What --midi-in asks for: nothing for "none"; every keyboard, now and
// later, for an empty value; one port alone for "CLIENT:PORT".
struct MidiInputChoice {
    bool everyKeyboard = true;
    int client = 0;
    int port = 0;
    bool operator==(const MidiInputChoice&) const = default;
};
std::optional<MidiInputChoice> midiInputChoice(const QString& option);

// Where a source reports what it cannot do while it works (a port it cannot
// listen to, no announcements, input stopped): one line, no ending. The
// program decides where it goes; without one the lines are dropped.
using MidiInputReport = std::function<void(const std::string& line)>;

// Our own sequencer client "Tavelin Piano" with one writable port, connected
// as chosen, and following the sequencer's announcements: a keyboard plugged
// in later is connected at once (the chosen port, when it comes back), one
// pulled out is forgotten quietly after its notes are released. Nothing (and
// the reason in *problem) when there is no sequencer.
std::unique_ptr<MidiSource> openAlsaMidiSource(const MidiInputChoice& choice, std::string* problem = nullptr,
                                               MidiInputReport report = {});

// The whole start for main(): the --midi-in value and the ALSA client the
// open output plays on (midiin::noClient for the built-in synthesizer), whose
// own notes are not sent back to it. Nothing for "none"; nothing and the
// reason in *problem without a sequencer.
std::unique_ptr<MidiInput> startMidiInput(NoteSink& sink, const QString& option, int outputClient,
                                          std::string* problem = nullptr, MidiInputReport report = {});

}  // namespace keyboard
