#include "sound/alsaseqoutput.h"

#include "platform/messages.h"
#include "sound/alsaclient.h"
#include "sound/decodedmessage.h"
#include "sound/diagnostics.h"

#include <unistd.h>

#include <cerrno>

namespace sound {

using platform::message;

namespace {

constexpr int controllerSustain = sustainController;
constexpr int controllerAllNotesOff = allNotesOffController;
constexpr int pitchBendCentre = 8192;  // ALSA counts the bend from the centre, -8192 to 8191

using alsa::newPortInfo;
using alsa::PortInfo;

}  // namespace

std::string AlsaPort::label() const
{
    const std::string address = std::to_string(client) + ":" + std::to_string(port);
    if (portName.empty() || portName == clientName) {
        return clientName + " [" + address + "]";
    }
    return clientName + ": " + portName + " [" + address + "]";
}

AlsaPortList listAlsaOutputPorts()
{
    AlsaPortList list;
    const alsa::Seq seq = alsa::openClient(alsa::clientName, SND_SEQ_OPEN_OUTPUT, &list.problem);
    if (!seq) {
        return list;
    }
    const std::optional<std::vector<alsa::SeqPort>> ports =
        alsa::listPorts(seq.get(), SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE);
    if (!ports) {
        list.problem = message(QT_TRANSLATE_NOOP("Messages", "out of memory"));
        return list;
    }
    const int ourPid = static_cast<int>(getpid());
    for (const alsa::SeqPort& port : *ports) {
        // Our own clients (the MIDI keyboard reader, whose input port takes
        // events) are no place to send our notes. The kernel tells the
        // owner's pid (-1 for kernel clients and kernels that do not say).
        if (port.ownerPid == ourPid && port.clientName == alsa::clientName) {
            continue;
        }
        list.ports.push_back({port.client, port.port, port.clientName, port.portName});
    }
    return list;
}

midi::Result AlsaSeqOutput::open(const AlsaPort& destination, std::unique_ptr<AlsaSeqOutput>& device, std::string* why)
{
    const auto fail = [why](midi::Result code, std::string reason) {
        if (why != nullptr) {
            *why = std::move(reason);
        }
        return code;
    };
    diagnostics::Capture quiet;
    std::unique_ptr<AlsaSeqOutput> out(new AlsaSeqOutput());
    std::string problem;
    out->m_seq = alsa::openClient(alsa::clientName, SND_SEQ_OPEN_OUTPUT, &problem);
    if (!out->m_seq) {
        return fail(midi::rc::noDriver, problem);
    }
    snd_seq_t* seq = out->m_seq.get();
    out->m_client = snd_seq_client_id(seq);
    out->m_destination = destination;

    PortInfo info = newPortInfo();
    if (!info) {
        return fail(midi::rc::noMemory, message(QT_TRANSLATE_NOOP("Messages", "out of memory")));
    }
    if (snd_seq_get_any_port_info(seq, destination.client, destination.port, info.get()) < 0) {
        return fail(midi::rc::badDeviceId,
                    message(QT_TRANSLATE_NOOP("Messages", "ALSA port %1 is gone"), {destination.label()}));
    }
    out->m_port = snd_seq_create_simple_port(seq, alsaseq::portName, SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                             SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    if (out->m_port < 0) {
        return fail(midi::rc::error, message(QT_TRANSLATE_NOOP("Messages", "cannot make our ALSA port: %1"),
                                             {snd_strerror(out->m_port)}));
    }
    // The connection shows in patch bays; the events themselves go to the
    // destination's address, so that a port that disappears answers with an
    // error rather than silently losing its only subscriber.
    if (const int err = snd_seq_connect_to(seq, out->m_port, destination.client, destination.port); err < 0) {
        const midi::Result code = err == -EBUSY                       ? midi::rc::allocated
                                  : (err == -ENOENT || err == -ENXIO) ? midi::rc::badDeviceId
                                                                      : midi::rc::error;
        return fail(code, message(QT_TRANSLATE_NOOP("Messages", "cannot connect to ALSA port %1: %2"),
                                  {destination.label(), snd_strerror(err)}));
    }
    device = std::move(out);
    return midi::rc::noError;
}

AlsaSeqOutput::~AlsaSeqOutput()
{
    if (!m_seq) {
        return;
    }
    const unsigned int used = m_channelsUsed.load();
    for (int channel = 0; channel < 16; ++channel) {
        if ((used & (1U << channel)) == 0) {
            continue;
        }
        snd_seq_event_t event;
        snd_seq_ev_clear(&event);
        snd_seq_ev_set_controller(&event, channel, controllerSustain, 0);
        deliver(event);
        snd_seq_ev_clear(&event);
        snd_seq_ev_set_controller(&event, channel, controllerAllNotesOff, 0);
        deliver(event);
    }
}

int AlsaSeqOutput::deliver(snd_seq_event_t& event)
{
    snd_seq_ev_set_source(&event, m_port);
    snd_seq_ev_set_dest(&event, m_destination.client, m_destination.port);
    snd_seq_ev_set_direct(&event);
    return snd_seq_event_output_direct(m_seq.get(), &event);
}

midi::Result AlsaSeqOutput::send(std::uint32_t message)
{
    const DecodedMessage m = decodeShortMessage(message);
    snd_seq_event_t event;
    snd_seq_ev_clear(&event);
    switch (m.kind) {
    case MessageKind::noteOn:
        snd_seq_ev_set_noteon(&event, m.channel, m.data1, m.data2);
        m_channelsUsed.fetch_or(static_cast<std::uint16_t>(1U << m.channel));
        break;
    case MessageKind::noteOff:
        snd_seq_ev_set_noteoff(&event, m.channel, m.data1, m.data2);
        break;
    case MessageKind::keyPressure:
        snd_seq_ev_set_keypress(&event, m.channel, m.data1, m.data2);
        break;
    case MessageKind::controller:
        snd_seq_ev_set_controller(&event, m.channel, m.data1, m.data2);
        break;
    case MessageKind::programChange:
        snd_seq_ev_set_pgmchange(&event, m.channel, m.data1);
        break;
    case MessageKind::channelPressure:
        snd_seq_ev_set_chanpress(&event, m.channel, m.data1);
        break;
    case MessageKind::pitchBend:
        snd_seq_ev_set_pitchbend(&event, m.channel, m.data1 - pitchBendCentre);
        break;
    case MessageKind::other:
        return midi::rc::noError;
    }
    return deliver(event) < 0 ? midi::rc::error : midi::rc::noError;
}

}  // namespace sound
