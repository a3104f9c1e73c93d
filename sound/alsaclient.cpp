#include "sound/alsaclient.h"

#include "platform/messages.h"
#include "sound/diagnostics.h"

namespace sound::alsa {

ClientInfo newClientInfo()
{
    snd_seq_client_info_t* info = nullptr;
    snd_seq_client_info_malloc(&info);
    return ClientInfo(info);
}

PortInfo newPortInfo()
{
    snd_seq_port_info_t* info = nullptr;
    snd_seq_port_info_malloc(&info);
    return PortInfo(info);
}

Seq openClient(const char* name, int streams, std::string* problem)
{
    diagnostics::Capture quiet;  // alsa-lib's own "open /dev/snd/seq failed" line
    snd_seq_t* handle = nullptr;
    const int err = snd_seq_open(&handle, "default", streams, SND_SEQ_NONBLOCK);
    if (err < 0) {
        if (problem != nullptr) {
            *problem = platform::message(QT_TRANSLATE_NOOP("Messages", "no ALSA sequencer (/dev/snd/seq: %1)"),
                                         {snd_strerror(err)});
        }
        return nullptr;
    }
    Seq seq(handle);
    snd_seq_set_client_name(seq.get(), name);
    return seq;
}

std::optional<std::vector<SeqPort>> listPorts(snd_seq_t* seq, unsigned int capability, int client)
{
    const ClientInfo clientInfo = newClientInfo();
    const PortInfo portInfo = newPortInfo();
    if (!clientInfo || !portInfo) {
        return std::nullopt;
    }
    const int self = snd_seq_client_id(seq);
    std::vector<SeqPort> ports;
    const auto addPorts = [&] {
        const int id = snd_seq_client_info_get_client(clientInfo.get());
        if (id == SND_SEQ_CLIENT_SYSTEM || id == self) {
            return;
        }
        const std::string name = snd_seq_client_info_get_name(clientInfo.get());
        const int pid = snd_seq_client_info_get_pid(clientInfo.get());
        snd_seq_port_info_set_client(portInfo.get(), id);
        snd_seq_port_info_set_port(portInfo.get(), -1);
        while (snd_seq_query_next_port(seq, portInfo.get()) >= 0) {
            const unsigned int caps = snd_seq_port_info_get_capability(portInfo.get());
            if ((caps & capability) != capability || (caps & SND_SEQ_PORT_CAP_NO_EXPORT) != 0) {
                continue;
            }
            ports.push_back({id, snd_seq_port_info_get_port(portInfo.get()), name,
                             snd_seq_port_info_get_name(portInfo.get()), caps,
                             snd_seq_port_info_get_type(portInfo.get()), pid});
        }
    };
    if (client != everyClient) {
        if (snd_seq_get_any_client_info(seq, client, clientInfo.get()) >= 0) {
            addPorts();
        }
        return ports;
    }
    snd_seq_client_info_set_client(clientInfo.get(), -1);
    while (snd_seq_query_next_client(seq, clientInfo.get()) >= 0) {
        addPorts();
    }
    return ports;
}

}  // namespace sound::alsa
