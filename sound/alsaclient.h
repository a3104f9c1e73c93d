#pragma once

#include <alsa/asoundlib.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Our ALSA sequencer clients, the output ports' and the MIDI keyboards'
// reader: opening one, the ports of the others, and owning handles for
// alsa-lib's C objects.
namespace sound::alsa {

// The name our sequencer clients show in aconnect -l and in patch bays.
constexpr const char* clientName = "Tavelin Piano";

struct SeqCloser {
    void operator()(snd_seq_t* seq) const { snd_seq_close(seq); }
};
struct ClientInfoDeleter {
    void operator()(snd_seq_client_info_t* info) const { snd_seq_client_info_free(info); }
};
struct PortInfoDeleter {
    void operator()(snd_seq_port_info_t* info) const { snd_seq_port_info_free(info); }
};
using Seq = std::unique_ptr<snd_seq_t, SeqCloser>;
using ClientInfo = std::unique_ptr<snd_seq_client_info_t, ClientInfoDeleter>;
using PortInfo = std::unique_ptr<snd_seq_port_info_t, PortInfoDeleter>;

ClientInfo newClientInfo();
PortInfo newPortInfo();

// A non-blocking client with the given name, opened for streams
// (SND_SEQ_OPEN_OUTPUT, SND_SEQ_OPEN_INPUT or SND_SEQ_OPEN_DUPLEX). Nothing
// when there is no sequencer, and the reason in *problem ("no ALSA sequencer
// (/dev/snd/seq: No such file or directory)"); alsa-lib's own complaint is
// kept back, the reason says it in one line.
Seq openClient(const char* name, int streams, std::string* problem = nullptr);

// One port of another client, as the sequencer describes it.
struct SeqPort {
    int client = 0;  // 128 and above for programs
    int port = 0;
    std::string clientName;
    std::string portName;
    unsigned int capability = 0;  // SND_SEQ_PORT_CAP_*
    unsigned int type = 0;        // SND_SEQ_PORT_TYPE_*
    int ownerPid = -1;            // the client's process; -1 for kernel clients and kernels that do not say
};

constexpr int everyClient = -1;

// The ports with every capability bit asked for that are open to routing
// (not SND_SEQ_PORT_CAP_NO_EXPORT), in client then port order: of every
// client, or of one. Never the System client's (the timer, the
// announcements) nor seq's own. Nothing when out of memory.
std::optional<std::vector<SeqPort>> listPorts(snd_seq_t* seq, unsigned int capability, int client = everyClient);

}  // namespace sound::alsa
