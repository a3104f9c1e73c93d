#include "keyboard/midiinput.h"

#include "platform/messages.h"
#include "sound/alsaclient.h"

#include <QRegularExpression>
#include <QSocketNotifier>

#include <alsa/asoundlib.h>
#include <poll.h>

#include <algorithm>
#include <cerrno>

namespace keyboard {

using platform::message;

namespace {

constexpr std::uint16_t mostPresses = 0xFFFF;  // per note and port; a flood of note-ons alone stops counting here

// The kernel's queue of events waiting for us, in events: ALSA's upper
// limit, a second of a 1,000 notes/s flood (on and off) while the window is
// busy. The default (200) would overflow in a tenth of a second.
constexpr int inputPoolEvents = 2000;
// alsa-lib's read buffer, in bytes: some 1,100 events per read call.
constexpr std::size_t inputBufferBytes = std::size_t{32} * 1024;

constexpr std::string_view systemClientName = "System";
constexpr std::string_view midiThroughName = "Midi Through";

constexpr unsigned int readable = SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ;

using sound::alsa::ClientInfo;
using sound::alsa::newClientInfo;
using sound::alsa::newPortInfo;
using sound::alsa::PortInfo;
using sound::alsa::Seq;
using sound::alsa::SeqPort;

// A non-blocking client named as our output clients are, or the reason
// there is none.
Seq openSequencer(std::string* problem)
{
    return sound::alsa::openClient(sound::alsa::clientName, SND_SEQ_OPEN_DUPLEX, problem);
}

// The keyboards isKeyboardPort() takes, of every client or of one; nothing
// when out of memory.
std::optional<std::vector<SeqPort>> keyboardPorts(snd_seq_t* seq, int client = sound::alsa::everyClient)
{
    std::optional<std::vector<SeqPort>> ports = sound::alsa::listPorts(seq, readable, client);
    if (ports) {
        std::erase_if(*ports, [](const SeqPort& p) { return !isKeyboardPort(p.capability, p.type, p.clientName); });
    }
    return ports;
}

std::uint8_t sevenBits(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 127));
}

std::string address(int client, int port)
{
    return std::to_string(client) + ":" + std::to_string(port);
}

// A sequencer client reading from the MIDI keyboards. The sequencer's
// poll descriptors are watched in the window's thread; every wake-up reads
// all that is waiting, so a flood never leaves a backlog behind.
class AlsaMidiSource final : public MidiSource {
public:
    AlsaMidiSource() = default;  // open() makes a working one
    static std::unique_ptr<AlsaMidiSource> open(const MidiInputChoice& choice, std::string* problem,
                                                MidiInputReport report);

    void setReadyHandler(std::function<void()> ready) override { m_ready = std::move(ready); }
    void readPending(std::vector<MidiEvent>& out) override;

private:
    struct Address {
        int client = 0;
        int port = 0;
        bool operator==(const Address&) const = default;
    };

    bool wanted(int client, int port);
    void tryConnect(int client, int port);
    void connectClient(int client);
    void connectKeyboards(int client);
    void connectPresent();
    bool forget(int client, int port);
    void decode(const snd_seq_event_t& event, std::vector<MidiEvent>& out);
    void fail(int err);
    void say(const std::string& line) const;

    Seq m_seq;  // first, so that it is closed last, after the notifiers
    int m_client = -1;
    int m_port = -1;
    MidiInputChoice m_choice;
    ClientInfo m_clientInfo;  // scratch space for the port checks, made once
    PortInfo m_portInfo;
    std::vector<Address> m_connected;
    std::vector<std::unique_ptr<QSocketNotifier>> m_notifiers;
    std::function<void()> m_ready;
    MidiInputReport m_report;
    bool m_failed = false;
};

std::unique_ptr<AlsaMidiSource> AlsaMidiSource::open(const MidiInputChoice& choice, std::string* problem,
                                                     MidiInputReport report)
{
    Seq seq = openSequencer(problem);
    if (!seq) {
        return nullptr;
    }
    auto source = std::make_unique<AlsaMidiSource>();
    source->m_seq = std::move(seq);
    snd_seq_t* handle = source->m_seq.get();
    source->m_client = snd_seq_client_id(handle);
    source->m_choice = choice;
    source->m_report = std::move(report);
    source->m_clientInfo = newClientInfo();
    source->m_portInfo = newPortInfo();
    if (!source->m_clientInfo || !source->m_portInfo) {
        if (problem != nullptr) {
            *problem = message(QT_TRANSLATE_NOOP("Messages", "out of memory"));
        }
        return nullptr;
    }
    source->m_port =
        snd_seq_create_simple_port(handle, midiin::portName, SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
                                   SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    if (source->m_port < 0) {
        if (problem != nullptr) {
            *problem = message(QT_TRANSLATE_NOOP("Messages", "cannot make our ALSA input port: %1"),
                               {snd_strerror(source->m_port)});
        }
        return nullptr;
    }
    // Larger queues only lower the chance of an overrun; without them the
    // defaults still work.
    snd_seq_set_client_pool_input(handle, inputPoolEvents);
    snd_seq_set_input_buffer_size(handle, inputBufferBytes);
    if (const int err =
            snd_seq_connect_from(handle, source->m_port, SND_SEQ_CLIENT_SYSTEM, SND_SEQ_PORT_SYSTEM_ANNOUNCE);
        err < 0) {
        source->say(message(
            QT_TRANSLATE_NOOP("Messages", "no ALSA announcements (%1); a keyboard plugged in later is not seen"),
            {snd_strerror(err)}));
    }
    source->connectPresent();

    const int count = snd_seq_poll_descriptors_count(handle, POLLIN);
    std::vector<pollfd> fds(static_cast<std::size_t>(std::max(count, 0)));
    const int filled = snd_seq_poll_descriptors(handle, fds.data(), static_cast<unsigned int>(fds.size()), POLLIN);
    AlsaMidiSource* self = source.get();
    for (int i = 0; i < filled; ++i) {
        auto notifier = std::make_unique<QSocketNotifier>(fds[static_cast<std::size_t>(i)].fd, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [self] {
            if (self->m_ready) {
                self->m_ready();
            }
        });
        source->m_notifiers.push_back(std::move(notifier));
    }
    return source;
}

bool AlsaMidiSource::wanted(int client, int port)
{
    if (client == SND_SEQ_CLIENT_SYSTEM || client == m_client) {
        return false;
    }
    if (!m_choice.everyKeyboard) {
        return client == m_choice.client && port == m_choice.port;
    }
    snd_seq_t* seq = m_seq.get();
    if (snd_seq_get_any_client_info(seq, client, m_clientInfo.get()) < 0 ||
        snd_seq_get_any_port_info(seq, client, port, m_portInfo.get()) < 0) {
        return false;
    }
    return isKeyboardPort(snd_seq_port_info_get_capability(m_portInfo.get()),
                          snd_seq_port_info_get_type(m_portInfo.get()),
                          snd_seq_client_info_get_name(m_clientInfo.get()));
}

void AlsaMidiSource::tryConnect(int client, int port)
{
    if (std::find(m_connected.begin(), m_connected.end(), Address{client, port}) != m_connected.end()) {
        return;
    }
    if (const int err = snd_seq_connect_from(m_seq.get(), m_port, client, port); err < 0) {
        say(message(QT_TRANSLATE_NOOP("Messages", "cannot listen to MIDI port %1: %2"),
                    {address(client, port), snd_strerror(err)}));
        return;
    }
    m_connected.push_back({client, port});
}

void AlsaMidiSource::connectClient(int client)
{
    if (!m_choice.everyKeyboard) {
        if (client == m_choice.client) {
            if (snd_seq_get_any_port_info(m_seq.get(), client, m_choice.port, m_portInfo.get()) >= 0) {
                tryConnect(client, m_choice.port);
            }
        }
        return;
    }
    connectKeyboards(client);
}

void AlsaMidiSource::connectKeyboards(int client)
{
    if (const std::optional<std::vector<SeqPort>> ports = keyboardPorts(m_seq.get(), client)) {
        for (const SeqPort& port : *ports) {
            tryConnect(port.client, port.port);
        }
    }
}

void AlsaMidiSource::connectPresent()
{
    if (!m_choice.everyKeyboard) {
        if (snd_seq_get_any_port_info(m_seq.get(), m_choice.client, m_choice.port, m_portInfo.get()) < 0) {
            say(message(QT_TRANSLATE_NOOP("Messages", "no MIDI port %1 yet; it is connected when it appears"),
                        {address(m_choice.client, m_choice.port)}));
            return;
        }
        tryConnect(m_choice.client, m_choice.port);
        return;
    }
    connectKeyboards(sound::alsa::everyClient);
}

bool AlsaMidiSource::forget(int client, int port)
{
    const auto gone = std::remove_if(m_connected.begin(), m_connected.end(), [client, port](const Address& a) {
        return a.client == client && (port == midiin::anyPort || a.port == port);
    });
    const bool any = gone != m_connected.end();
    m_connected.erase(gone, m_connected.end());
    return any;
}

void AlsaMidiSource::fail(int err)
{
    m_failed = true;
    for (const auto& notifier : m_notifiers) {
        notifier->setEnabled(false);
    }
    say(message(QT_TRANSLATE_NOOP("Messages", "MIDI keyboard input stopped: %1"), {snd_strerror(err)}));
}

void AlsaMidiSource::say(const std::string& line) const
{
    if (m_report) {
        m_report(line);
    }
}

void AlsaMidiSource::readPending(std::vector<MidiEvent>& out)
{
    if (m_failed) {
        return;
    }
    for (;;) {
        snd_seq_event_t* event = nullptr;
        const int got = snd_seq_event_input(m_seq.get(), &event);
        if (got == -EAGAIN) {
            return;  // all read
        }
        if (got == -ENOSPC) {
            // The kernel's queue overflowed and was emptied: note-offs may be lost.
            out.push_back({MidiEvent::Type::overrun});
            continue;
        }
        if (got == -EINTR) {
            continue;
        }
        if (got < 0) {
            fail(got);
            return;
        }
        if (event != nullptr) {
            decode(*event, out);
        }
    }
}

void AlsaMidiSource::decode(const snd_seq_event_t& event, std::vector<MidiEvent>& out)
{
    const int client = event.source.client;
    const int port = event.source.port;
    if (client == m_client) {
        return;  // our own port, patched back into us
    }
    switch (event.type) {
    case SND_SEQ_EVENT_NOTEON:
    case SND_SEQ_EVENT_NOTEOFF: {
        const snd_seq_ev_note_t& note = event.data.note;
        if (note.note > 127) {
            return;
        }
        const auto channel = static_cast<std::uint8_t>(note.channel & 0x0FU);
        if (event.type == SND_SEQ_EVENT_NOTEON && note.velocity > 0) {
            out.push_back(MidiEvent::noteOnAt(client, port, note.note, sevenBits(note.velocity), channel));
        } else {
            out.push_back(MidiEvent::noteOffAt(client, port, note.note, channel));
        }
        return;
    }
    case SND_SEQ_EVENT_CONTROLLER:
        if (event.data.control.param == midiin::sustainController) {
            out.push_back(MidiEvent::sustainAt(client, port, sevenBits(event.data.control.value),
                                               static_cast<std::uint8_t>(event.data.control.channel & 0x0FU)));
        }
        return;
    case SND_SEQ_EVENT_PORT_START:
        if (wanted(event.data.addr.client, event.data.addr.port)) {
            tryConnect(event.data.addr.client, event.data.addr.port);
        }
        return;
    case SND_SEQ_EVENT_CLIENT_START:
        connectClient(event.data.addr.client);
        return;
    case SND_SEQ_EVENT_PORT_EXIT:
        forget(event.data.addr.client, event.data.addr.port);
        out.push_back(MidiEvent::gone(event.data.addr.client, event.data.addr.port));
        return;
    case SND_SEQ_EVENT_CLIENT_EXIT:
        forget(event.data.addr.client, midiin::anyPort);
        out.push_back(MidiEvent::gone(event.data.addr.client));
        return;
    case SND_SEQ_EVENT_PORT_UNSUBSCRIBED: {
        // Someone undid one of our connections (aconnect -d): its notes
        // will never be released by the keyboard now.
        const snd_seq_connect_t& c = event.data.connect;
        if (c.dest.client == m_client && c.dest.port == m_port && forget(c.sender.client, c.sender.port)) {
            out.push_back(MidiEvent::gone(c.sender.client, c.sender.port));
        }
        return;
    }
    default:
        return;  // clock, active sensing, system exclusive, other controllers: nothing for us
    }
}

}  // namespace

// ---------------------------------------------------------------- QueuedMidiSource

QueuedMidiSource::QueuedMidiSource() = default;
QueuedMidiSource::~QueuedMidiSource() = default;

void QueuedMidiSource::push(const MidiEvent& event)
{
    push(&event, 1);
}

void QueuedMidiSource::push(const MidiEvent* events, std::size_t count)
{
    bool post = false;
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.insert(m_waiting.end(), events, events + count);
        if (!m_wakePending) {
            m_wakePending = true;
            ++m_wakeUps;
            post = true;
        }
    }
    if (post) {
        // Delivered on m_context's thread, the window's, from its event loop.
        QMetaObject::invokeMethod(
            &m_context, [this] { wake(); }, Qt::QueuedConnection);
    }
}

void QueuedMidiSource::setReadyHandler(std::function<void()> ready)
{
    m_ready = std::move(ready);
}

void QueuedMidiSource::readPending(std::vector<MidiEvent>& out)
{
    const std::lock_guard lock(m_mutex);
    m_wakePending = false;
    out.insert(out.end(), m_waiting.begin(), m_waiting.end());
    m_waiting.clear();
}

std::size_t QueuedMidiSource::wakeUpsPosted() const
{
    const std::lock_guard lock(m_mutex);
    return m_wakeUps;
}

void QueuedMidiSource::wake()
{
    if (m_ready) {
        m_ready();
    }
}

// ---------------------------------------------------------------- MidiInput

MidiInput::MidiInput(NoteSink& sink, std::unique_ptr<MidiSource> source) : m_sink(sink), m_source(std::move(source))
{
    m_source->setReadyHandler([this] { drain(); });
}

MidiInput::~MidiInput()
{
    m_source->setReadyHandler({});
}

int MidiInput::heldNotes() const
{
    int n = 0;
    for (const Port& p : m_ports) {
        for (const std::uint16_t count : p.held) {
            n += count;
        }
    }
    return n;
}

// A handler may wait (the green flash of a right answer does), and the wait
// runs the event loop, which may call drain() again: the inner call handles
// what came meanwhile and what was left, in order, and the outer one then
// finds nothing more to do. Each event is copied out before it is handled,
// since the list may grow or be emptied underneath.
void MidiInput::drain()
{
    m_source->readPending(m_pending);
    while (m_next < m_pending.size()) {
        const MidiEvent event = m_pending[m_next];
        ++m_next;
        handle(event);
    }
    m_pending.clear();
    m_next = 0;
}

MidiInput::Port* MidiInput::findPort(int client, int port)
{
    for (Port& p : m_ports) {
        if (p.client == client && p.port == port) {
            return &p;
        }
    }
    return nullptr;
}

MidiInput::Port& MidiInput::portFor(int client, int port)
{
    if (Port* p = findPort(client, port)) {
        return *p;
    }
    m_ports.push_back(Port{client, port});
    return m_ports.back();
}

void MidiInput::handle(const MidiEvent& event)
{
    const bool sound = m_echoClient == midiin::noClient || event.client != m_echoClient;
    // A note-on at velocity 0 is a note-off, whichever source let it through.
    const MidiEvent::Type type =
        event.type == MidiEvent::Type::noteOn && event.data2 == 0 ? MidiEvent::Type::noteOff : event.type;
    switch (type) {
    case MidiEvent::Type::noteOn: {
        if (event.data1 >= midiin::notes) {
            return;
        }
        // Counted before the press is handled: a release that arrives while
        // it waits (inside a flash) must find it held.
        std::uint16_t& held = portFor(event.client, event.port).held[event.data1];
        if (held == mostPresses) {
            return;
        }
        ++held;
        m_sink.noteDown(event.data1, std::min<std::uint8_t>(event.data2, 127), sound);
        return;
    }
    case MidiEvent::Type::noteOff: {
        Port* p = findPort(event.client, event.port);
        if (event.data1 >= midiin::notes || p == nullptr || p->held[event.data1] == 0) {
            return;
        }
        --p->held[event.data1];
        m_sink.noteUp(event.data1, sound);
        return;
    }
    case MidiEvent::Type::sustain: {
        const std::uint8_t value = std::min<std::uint8_t>(event.data2, 127);
        portFor(event.client, event.port).pedalDown = value >= midiin::pedalDown;
        if (sound) {
            m_sink.controller(midiin::sustainController, value);
        }
        return;
    }
    case MidiEvent::Type::sourceGone:
    case MidiEvent::Type::overrun:
        for (std::size_t i = 0; i < m_ports.size();) {
            const Port& p = m_ports[i];
            const bool matches = type == MidiEvent::Type::overrun ||
                                 (p.client == event.client && (event.port == midiin::anyPort || p.port == event.port));
            if (!matches) {
                ++i;
                continue;
            }
            const Port gone = p;
            m_ports.erase(m_ports.begin() + static_cast<std::ptrdiff_t>(i));
            release(gone);
        }
        return;
    }
}

void MidiInput::release(const Port& port)
{
    const bool sound = m_echoClient == midiin::noClient || port.client != m_echoClient;
    for (int note = 0; note < midiin::notes; ++note) {
        for (std::uint16_t n = port.held[static_cast<std::size_t>(note)]; n > 0; --n) {
            m_sink.noteUp(static_cast<std::int16_t>(note), sound);
        }
    }
    if (port.pedalDown && sound) {
        m_sink.controller(midiin::sustainController, 0);
    }
}

// ---------------------------------------------------------------- ALSA

std::string MidiInputPort::label() const
{
    if (portName.empty() || portName == clientName) {
        return clientName;
    }
    return clientName + ": " + portName;
}

bool isKeyboardPort(unsigned int capability, unsigned int type, std::string_view clientName)
{
    if ((capability & readable) != readable || (capability & SND_SEQ_PORT_CAP_NO_EXPORT) != 0) {
        return false;
    }
    if (clientName == systemClientName || clientName == midiThroughName) {
        return false;
    }
    if ((type & SND_SEQ_PORT_TYPE_HARDWARE) != 0) {
        return true;
    }
    // A program's port (a player, a software keyboard, our own output) is
    // connected on request only.
    constexpr unsigned int programmed =
        SND_SEQ_PORT_TYPE_APPLICATION | SND_SEQ_PORT_TYPE_SOFTWARE | SND_SEQ_PORT_TYPE_SYNTHESIZER;
    return (type & SND_SEQ_PORT_TYPE_MIDI_GENERIC) != 0 && (type & programmed) == 0;
}

MidiInputPortList listMidiKeyboards()
{
    MidiInputPortList list;
    const Seq seq = openSequencer(&list.problem);
    if (!seq) {
        return list;
    }
    const std::optional<std::vector<SeqPort>> ports = keyboardPorts(seq.get());
    if (!ports) {
        list.problem = message(QT_TRANSLATE_NOOP("Messages", "out of memory"));
        return list;
    }
    for (const SeqPort& port : *ports) {
        list.ports.push_back({port.client, port.port, port.clientName, port.portName});
    }
    return list;
}

std::optional<MidiInputChoice> midiInputChoice(const QString& option)
{
    if (option.isEmpty()) {
        return MidiInputChoice{};
    }
    static const QRegularExpression portAddress(QStringLiteral("^(\\d{1,3}):(\\d{1,3})$"));
    const QRegularExpressionMatch match = portAddress.match(option);
    if (!match.hasMatch()) {
        return std::nullopt;  // "none", and anything the command line would have refused
    }
    return MidiInputChoice{false, match.captured(1).toInt(), match.captured(2).toInt()};
}

std::unique_ptr<MidiSource> openAlsaMidiSource(const MidiInputChoice& choice, std::string* problem,
                                               MidiInputReport report)
{
    return AlsaMidiSource::open(choice, problem, std::move(report));
}

std::unique_ptr<MidiInput> startMidiInput(NoteSink& sink, const QString& option, int outputClient, std::string* problem,
                                          MidiInputReport report)
{
    const std::optional<MidiInputChoice> choice = midiInputChoice(option);
    if (!choice) {
        return nullptr;
    }
    std::unique_ptr<MidiSource> source = openAlsaMidiSource(*choice, problem, std::move(report));
    if (!source) {
        return nullptr;
    }
    auto input = std::make_unique<MidiInput>(sink, std::move(source));
    input->setEchoClient(outputClient);
    return input;
}

}  // namespace keyboard
