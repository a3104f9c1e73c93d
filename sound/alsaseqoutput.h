#pragma once

#include "platform/midiout.h"
#include "sound/alsaclient.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Devices 1, 2, ...: the ALSA sequencer's ports that take MIDI, hardware
// (a USB keyboard's synthesizer, a sound card's MIDI out) or software (a
// synthesizer program, Midi Through).
namespace sound {

namespace alsaseq {
constexpr const char* portName = "Tavelin Piano output";
}  // namespace alsaseq

struct AlsaPort {
    int client = 0;  // sequencer client number; 128 and above for programs
    int port = 0;
    std::string clientName;
    std::string portName;
    // "FLUID Synth (1234): Synth input port (1234:0) [128:0]", as a menu shows it.
    std::string label() const;
    bool operator==(const AlsaPort&) const = default;
};

struct AlsaPortList {
    std::vector<AlsaPort> ports;
    // Why there are no ports at all, when the sequencer itself could not be
    // opened ("/dev/snd/seq: No such file or directory"); empty otherwise.
    std::string problem;
};

// The ports a program may write to and subscribe to, in client then port
// order: not the System client's, not ports closed to routing, not ours.
AlsaPortList listAlsaOutputPorts();

class AlsaSeqOutput final : public midi::OutputDevice {
public:
    // Makes our own sequencer client with one output port and connects it to
    // the destination. midi::rc::noDriver (6) when there is no sequencer,
    // midi::rc::badDeviceId (2) when the port is gone or never was,
    // midi::rc::allocated (4) when it takes one connection and has it,
    // midi::rc::error (1) otherwise. *why (if given) gets the reason.
    static midi::Result open(const AlsaPort& destination, std::unique_ptr<AlsaSeqOutput>& device,
                             std::string* why = nullptr);

    // Silences the channels we played on (controller 123, all notes off, and
    // the sustain pedal up), then closes the client, which ends the connection.
    ~AlsaSeqOutput() override;
    AlsaSeqOutput(const AlsaSeqOutput&) = delete;
    AlsaSeqOutput& operator=(const AlsaSeqOutput&) = delete;

    // Delivers the message to the destination port at once (direct, no
    // queue); safe from more than one thread. The client is non-blocking: a
    // port that has gone gives midi::rc::error at once, and so does one too
    // busy to take the event (its input full); system messages are ignored.
    midi::Result send(std::uint32_t message) override;

    int clientId() const { return m_client; }

private:
    AlsaSeqOutput() = default;
    int deliver(snd_seq_event_t& event);

    alsa::Seq m_seq;
    int m_client = -1;
    int m_port = -1;
    AlsaPort m_destination;
    // Bit n: a note-on went out on channel n. Atomic: the window and the MIDI
    // keyboard reader may send from two threads.
    std::atomic<std::uint16_t> m_channelsUsed{0};
};

}  // namespace sound
