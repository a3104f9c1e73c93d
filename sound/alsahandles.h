#pragma once

#include <alsa/asoundlib.h>
#include <memory>

// Owning handles for the ALSA sequencer's C objects, shared by the output
// ports and the keyboard input.
namespace sound::alsa {

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

inline ClientInfo newClientInfo()
{
    snd_seq_client_info_t* info = nullptr;
    snd_seq_client_info_malloc(&info);
    return ClientInfo(info);
}

inline PortInfo newPortInfo()
{
    snd_seq_port_info_t* info = nullptr;
    snd_seq_port_info_malloc(&info);
    return PortInfo(info);
}

}  // namespace sound::alsa
