#include "sound/alsaseqoutput.h"
#include "sound/shortmsg.h"
#include "sound/tests/seqreceiver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

using sound::AlsaPort;
using sound::AlsaSeqOutput;
using testing_support::haveSequencer;
using testing_support::Receiver;
using testing_support::sequencerDevice;

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
