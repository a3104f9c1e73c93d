#pragma once

#include "sound/alsaclient.h"
#include "sound/alsaseqoutput.h"

#include <alsa/asoundlib.h>
#include <poll.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <optional>
#include <vector>

// For the live ALSA tests: whether this machine has a sequencer, and another
// client to send to.
namespace testing_support {

constexpr const char* sequencerDevice = "/dev/snd/seq";
constexpr int receiveTimeoutMs = 2000;  // an event delivered directly arrives in microseconds

inline bool haveSequencer()
{
    std::error_code ec;
    return std::filesystem::exists(sequencerDevice, ec);
}

// Another sequencer client with one writable port, as a software synthesizer
// would have; it reads what arrives without blocking.
class Receiver {
public:
    Receiver()
    {
        m_seq = sound::alsa::openClient("Tavelin test receiver", SND_SEQ_OPEN_INPUT);
        if (!m_seq) {
            return;
        }
        m_client = snd_seq_client_id(m_seq.get());
        m_port =
            snd_seq_create_simple_port(m_seq.get(), "test input", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
                                       SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    }
    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;

    bool ok() const { return m_seq != nullptr && m_port >= 0; }
    sound::AlsaPort address() const { return sound::AlsaPort{m_client, m_port, "Tavelin test receiver", "test input"}; }
    void deletePort() { snd_seq_delete_simple_port(m_seq.get(), m_port); }
    void close() { m_seq.reset(); }

    // The next note, controller or other channel event, skipping the
    // subscription notices; nothing if none comes in time.
    std::optional<snd_seq_event_t> next()
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(receiveTimeoutMs);
        while (std::chrono::steady_clock::now() < deadline) {
            snd_seq_event_t* event = nullptr;
            const int got = snd_seq_event_input(m_seq.get(), &event);
            if (got >= 0 && event != nullptr) {
                if (event->type == SND_SEQ_EVENT_PORT_SUBSCRIBED || event->type == SND_SEQ_EVENT_PORT_UNSUBSCRIBED) {
                    continue;
                }
                return *event;
            }
            if (got != -EAGAIN) {
                return std::nullopt;
            }
            std::vector<pollfd> fds(static_cast<std::size_t>(snd_seq_poll_descriptors_count(m_seq.get(), POLLIN)));
            snd_seq_poll_descriptors(m_seq.get(), fds.data(), static_cast<unsigned int>(fds.size()), POLLIN);
            poll(fds.data(), fds.size(), receiveTimeoutMs);
        }
        return std::nullopt;
    }

private:
    sound::alsa::Seq m_seq;
    int m_client = -1;
    int m_port = -1;
};

}  // namespace testing_support
