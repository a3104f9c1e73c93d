// Our sequencer clients: opening one (and the one-line reason when there is
// no sequencer) and listing the other clients' ports by capability.

#include "sound/alsaclient.h"
#include "sound/tests/seqreceiver.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using sound::alsa::SeqPort;
using testing_support::haveSequencer;
using testing_support::sequencerDevice;

constexpr unsigned int writable = SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
constexpr unsigned int readable = SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ;

TEST(AlsaClientWithoutSequencer, OpenGivesNothingAndOneLineWhy)
{
    if (haveSequencer()) {
        GTEST_SKIP() << sequencerDevice << " exists here; the live tests below cover this machine";
    }
    for (const int streams : {SND_SEQ_OPEN_OUTPUT, SND_SEQ_OPEN_INPUT, SND_SEQ_OPEN_DUPLEX}) {
        testing::internal::CaptureStderr();
        std::string problem;
        const sound::alsa::Seq seq = sound::alsa::openClient(sound::alsa::clientName, streams, &problem);
        const std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(seq);
        EXPECT_EQ(problem.rfind("no ALSA sequencer (/dev/snd/seq: ", 0), 0U) << problem;
        EXPECT_EQ(problem.back(), ')') << problem;
        EXPECT_EQ(printed, "");  // alsa-lib's own complaint is kept back
    }
    EXPECT_FALSE(sound::alsa::openClient("no reason asked", SND_SEQ_OPEN_OUTPUT));
}

class AlsaClientLive : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveSequencer()) {
            GTEST_SKIP() << "no ALSA sequencer here (" << sequencerDevice << " absent, as on CI)";
        }
        std::string problem;
        lister = sound::alsa::openClient("Tavelin test lister", SND_SEQ_OPEN_DUPLEX, &problem);
        if (!lister) {
            GTEST_SKIP() << sequencerDevice << " exists but cannot be opened (" << problem << ")";
        }
    }

    std::vector<SeqPort> list(unsigned int capability, int client = sound::alsa::everyClient)
    {
        std::optional<std::vector<SeqPort>> ports = sound::alsa::listPorts(lister.get(), capability, client);
        EXPECT_TRUE(ports);
        return ports ? *ports : std::vector<SeqPort>{};
    }

    static bool has(const std::vector<SeqPort>& ports, int client, int port)
    {
        return std::any_of(ports.begin(), ports.end(),
                           [&](const SeqPort& p) { return p.client == client && p.port == port; });
    }

    sound::alsa::Seq lister;
};

TEST_F(AlsaClientLive, ListsOtherClientsPortsByCapability)
{
    testing_support::Receiver receiver;  // one writable port
    ASSERT_TRUE(receiver.ok());
    const sound::AlsaPort in = receiver.address();
    // A port of the lister's own, and one kept out of routing: never listed.
    const int own = snd_seq_create_simple_port(lister.get(), "own", writable | readable, SND_SEQ_PORT_TYPE_APPLICATION);
    ASSERT_GE(own, 0);
    const sound::alsa::Seq hidden = sound::alsa::openClient("Tavelin test hidden", SND_SEQ_OPEN_DUPLEX);
    ASSERT_TRUE(hidden);
    const int hiddenPort = snd_seq_create_simple_port(hidden.get(), "hidden", writable | SND_SEQ_PORT_CAP_NO_EXPORT,
                                                      SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_HARDWARE);
    ASSERT_GE(hiddenPort, 0);
    const int hiddenClient = snd_seq_client_id(hidden.get());

    const std::vector<SeqPort> writers = list(writable);
    ASSERT_TRUE(has(writers, in.client, in.port));
    const SeqPort& found = *std::find_if(writers.begin(), writers.end(),
                                         [&](const SeqPort& p) { return p.client == in.client && p.port == in.port; });
    EXPECT_EQ(found.clientName, "Tavelin test receiver");
    EXPECT_EQ(found.portName, "test input");
    EXPECT_EQ(found.capability & writable, writable);
    EXPECT_NE(found.type & SND_SEQ_PORT_TYPE_APPLICATION, 0U);
    // The kernel names the owner where it can; -1 where it cannot.
    EXPECT_TRUE(found.ownerPid == static_cast<int>(getpid()) || found.ownerPid == -1) << found.ownerPid;
    for (const SeqPort& p : writers) {
        EXPECT_EQ(p.capability & writable, writable) << p.clientName;
        EXPECT_NE(p.client, SND_SEQ_CLIENT_SYSTEM) << p.clientName;
        EXPECT_NE(p.client, snd_seq_client_id(lister.get())) << p.clientName;
        EXPECT_NE(p.client, hiddenClient) << p.clientName;
    }
    // The receiver takes events but gives none.
    EXPECT_FALSE(has(list(readable), in.client, in.port));
    // One client alone: its ports and no other's.
    const std::vector<SeqPort> one = list(writable, in.client);
    ASSERT_EQ(one.size(), 1U);
    EXPECT_EQ(one.front().port, in.port);
    EXPECT_TRUE(list(writable, hiddenClient).empty());
    EXPECT_TRUE(list(0, SND_SEQ_CLIENT_SYSTEM).empty());
}

TEST_F(AlsaClientLive, AClientThatHasGoneHasNoPorts)
{
    int gone = -1;
    {
        testing_support::Receiver receiver;
        ASSERT_TRUE(receiver.ok());
        gone = receiver.address().client;
    }
    EXPECT_TRUE(list(0, gone).empty());
    EXPECT_FALSE(has(list(writable), gone, 0));
}

}  // namespace
