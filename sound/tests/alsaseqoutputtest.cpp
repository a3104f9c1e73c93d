#include "sound/alsaseqoutput.h"
#include "sound/shortmsg.h"

#include <gtest/gtest.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

using sound::AlsaPort;
using sound::AlsaSeqOutput;

constexpr const char* sequencerDevice = "/dev/snd/seq";
constexpr int receiveTimeoutMs = 2000;  // an event delivered directly arrives in microseconds

bool haveSequencer()
{
    std::error_code ec;
    return std::filesystem::exists(sequencerDevice, ec);
}

TEST(AlsaSeqWithoutSequencer, ListIsEmptyAndOpenSaysNoDriver)
{
    if (haveSequencer()) {
        GTEST_SKIP() << sequencerDevice << " exists here; the live tests below cover this machine";
    }
    testing::internal::CaptureStderr();
    const sound::AlsaPortList list = sound::listAlsaOutputPorts();
    std::unique_ptr<AlsaSeqOutput> device;
    std::string why;
    const midi::Result result = AlsaSeqOutput::open(AlsaPort{128, 0, "Somebody", "in"}, device, &why);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(list.ports.empty());
    EXPECT_NE(list.problem.find("sequencer"), std::string::npos) << list.problem;
    EXPECT_EQ(result, midi::rc::noDriver);
    EXPECT_FALSE(device);
    // alsa-lib's own complaint is kept back: the caller says it in one line.
    EXPECT_EQ(printed, "");
}

TEST(AlsaPortLabel, NamesClientPortAndAddress)
{
    EXPECT_EQ((AlsaPort{128, 0, "FLUID Synth (1234)", "Synth input port (1234:0)"}).label(),
              "FLUID Synth (1234): Synth input port (1234:0) [128:0]");
    EXPECT_EQ((AlsaPort{20, 1, "USB Keys", "USB Keys"}).label(), "USB Keys [20:1]");
}

// Another sequencer client with one writable port, as a software synthesizer
// would have; it reads what arrives without blocking.
class Receiver {
public:
    Receiver()
    {
        if (snd_seq_open(&m_seq, "default", SND_SEQ_OPEN_INPUT, SND_SEQ_NONBLOCK) < 0) {
            m_seq = nullptr;
            return;
        }
        snd_seq_set_client_name(m_seq, "Tavelin test receiver");
        m_client = snd_seq_client_id(m_seq);
        m_port = snd_seq_create_simple_port(m_seq, "test input", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
                                            SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    }
    ~Receiver() { close(); }
    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;

    bool ok() const { return m_seq != nullptr && m_port >= 0; }
    AlsaPort address() const { return AlsaPort{m_client, m_port, "Tavelin test receiver", "test input"}; }
    void deletePort() { snd_seq_delete_simple_port(m_seq, m_port); }
    void close()
    {
        if (m_seq != nullptr) {
            snd_seq_close(m_seq);
            m_seq = nullptr;
        }
    }

    // The next note, controller or other channel event, skipping the
    // subscription notices; nothing if none comes in time.
    std::optional<snd_seq_event_t> next()
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(receiveTimeoutMs);
        while (std::chrono::steady_clock::now() < deadline) {
            snd_seq_event_t* event = nullptr;
            const int got = snd_seq_event_input(m_seq, &event);
            if (got >= 0 && event != nullptr) {
                if (event->type == SND_SEQ_EVENT_PORT_SUBSCRIBED || event->type == SND_SEQ_EVENT_PORT_UNSUBSCRIBED) {
                    continue;
                }
                return *event;
            }
            if (got != -EAGAIN) {
                return std::nullopt;
            }
            std::vector<pollfd> fds(static_cast<std::size_t>(snd_seq_poll_descriptors_count(m_seq, POLLIN)));
            snd_seq_poll_descriptors(m_seq, fds.data(), static_cast<unsigned int>(fds.size()), POLLIN);
            poll(fds.data(), fds.size(), receiveTimeoutMs);
        }
        return std::nullopt;
    }

private:
    snd_seq_t* m_seq = nullptr;
    int m_client = -1;
    int m_port = -1;
};

class AlsaSeqLive : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveSequencer()) {
            GTEST_SKIP() << "no ALSA sequencer here (" << sequencerDevice << " absent, as on CI)";
        }
        m_receiver.emplace();
        if (!m_receiver->ok()) {
            GTEST_SKIP() << sequencerDevice << " exists but cannot be opened (permissions?)";
        }
    }

    std::unique_ptr<AlsaSeqOutput> openToReceiver()
    {
        std::unique_ptr<AlsaSeqOutput> device;
        std::string why;
        EXPECT_EQ(AlsaSeqOutput::open(receiver().address(), device, &why), midi::rc::noError) << why;
        return device;
    }

    Receiver& receiver() { return *m_receiver; }

    // Made only where there is a sequencer to open.
    std::optional<Receiver> m_receiver;
};

TEST_F(AlsaSeqLive, ListsAnotherClientsPortButNotOurs)
{
    const std::unique_ptr<AlsaSeqOutput> device = openToReceiver();
    ASSERT_TRUE(device);
    const sound::AlsaPortList list = sound::listAlsaOutputPorts();
    EXPECT_EQ(list.problem, "");
    const AlsaPort address = receiver().address();
    const auto found = std::find_if(list.ports.begin(), list.ports.end(), [&](const AlsaPort& p) {
        return p.client == address.client && p.port == address.port;
    });
    ASSERT_NE(found, list.ports.end());
    EXPECT_EQ(found->clientName, "Tavelin test receiver");
    EXPECT_EQ(found->portName, "test input");
    for (const AlsaPort& p : list.ports) {
        EXPECT_NE(p.client, device->clientId()) << p.label();
        EXPECT_NE(p.client, SND_SEQ_CLIENT_SYSTEM) << p.label();
    }
}

TEST_F(AlsaSeqLive, NotesAndControllersArriveDecoded)
{
    const std::unique_ptr<AlsaSeqOutput> device = openToReceiver();
    ASSERT_TRUE(device);

    ASSERT_EQ(device->send(*sound::noteOnMessage(60)), midi::rc::noError);
    auto e = receiver().next();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->type, SND_SEQ_EVENT_NOTEON);
    EXPECT_EQ(e->data.note.channel, 0);
    EXPECT_EQ(e->data.note.note, 60);
    EXPECT_EQ(e->data.note.velocity, 127);
    EXPECT_EQ(e->source.client, device->clientId());

    ASSERT_EQ(device->send(*sound::noteOffMessage(60)), midi::rc::noError);
    e = receiver().next();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->type, SND_SEQ_EVENT_NOTEOFF);
    EXPECT_EQ(e->data.note.note, 60);

    ASSERT_EQ(device->send(0x00409BU), midi::rc::noError);  // channel 12, note 64, velocity 0
    e = receiver().next();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->type, SND_SEQ_EVENT_NOTEON);
    EXPECT_EQ(e->data.note.channel, 11);
    EXPECT_EQ(e->data.note.velocity, 0);

    ASSERT_EQ(device->send(0x7F40B1U), midi::rc::noError);  // sustain down, channel 2
    e = receiver().next();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->type, SND_SEQ_EVENT_CONTROLLER);
    EXPECT_EQ(e->data.control.channel, 1);
    EXPECT_EQ(e->data.control.param, 64U);
    EXPECT_EQ(e->data.control.value, 127);

    ASSERT_EQ(device->send(0x7F7FE0U), midi::rc::noError);  // pitch bend full up
    e = receiver().next();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->type, SND_SEQ_EVENT_PITCHBEND);
    EXPECT_EQ(e->data.control.value, 8191);

    EXPECT_EQ(device->send(0xF8U), midi::rc::noError);  // clock: ignored, nothing sent
    ASSERT_EQ(device->send(0x0005C0U), midi::rc::noError);
    e = receiver().next();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->type, SND_SEQ_EVENT_PGMCHANGE) << "the clock message was passed on";
}

TEST_F(AlsaSeqLive, ClosingSilencesTheChannelsPlayed)
{
    std::unique_ptr<AlsaSeqOutput> device = openToReceiver();
    ASSERT_TRUE(device);
    ASSERT_EQ(device->send(0x7F3C92U), midi::rc::noError);
    ASSERT_TRUE(receiver().next());
    device.reset();
    bool allNotesOff = false;
    while (auto e = receiver().next()) {
        if (e->type == SND_SEQ_EVENT_CONTROLLER && e->data.control.param == 123U && e->data.control.channel == 2) {
            allNotesOff = true;
            break;
        }
    }
    EXPECT_TRUE(allNotesOff);
}

TEST_F(AlsaSeqLive, PortThatDisappearsWhileSendingGivesAnErrorNotAHang)
{
    const std::unique_ptr<AlsaSeqOutput> device = openToReceiver();
    ASSERT_TRUE(device);
    ASSERT_EQ(device->send(*sound::noteOnMessage(60)), midi::rc::noError);
    receiver().deletePort();
    int failures = 0;
    for (int i = 0; i < 1000; ++i) {
        failures += device->send(*sound::noteOnMessage(60 + i % 12)) != midi::rc::noError ? 1 : 0;
    }
    EXPECT_EQ(failures, 1000);
}

TEST_F(AlsaSeqLive, ClientThatQuitsGivesAnError)
{
    const std::unique_ptr<AlsaSeqOutput> device = openToReceiver();
    ASSERT_TRUE(device);
    receiver().close();
    EXPECT_EQ(device->send(*sound::noteOnMessage(60)), midi::rc::error);
}

TEST_F(AlsaSeqLive, OpeningAPortThatIsGoneIsBadDeviceId)
{
    const AlsaPort gone = receiver().address();
    receiver().deletePort();
    std::unique_ptr<AlsaSeqOutput> device;
    std::string why;
    EXPECT_EQ(AlsaSeqOutput::open(gone, device, &why), midi::rc::badDeviceId);
    EXPECT_FALSE(device);
}

}  // namespace
