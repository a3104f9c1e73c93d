#include "sound/outputsystem.h"
#include "sound/shortmsg.h"
#include "sound/tests/seqreceiver.h"
#include "tests/support/reportlines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace {

using namespace std::chrono_literals;
using sound::DefaultOutputSystem;
using sound::SynthConfig;

SynthConfig memoryConfig()
{
    SynthConfig config;
    config.startAudio = false;
    return config;
}

int linesContaining(const std::string& text, const std::string& what)
{
    int n = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        n += text.substr(start, end - start).find(what) != std::string::npos ? 1 : 0;
        start = end + 1;
    }
    return n;
}

TEST(DefaultOutputSystem, DeviceZeroIsTheBuiltInSynthesizerThenTheAlsaPorts)
{
    DefaultOutputSystem system(memoryConfig());
    testing::internal::CaptureStderr();
    const std::vector<std::string> names = system.deviceNames();
    testing::internal::GetCapturedStderr();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names[0], "Synthétiseur intégré (FluidSynth)");
    const sound::AlsaPortList ports = sound::listAlsaOutputPorts();
    ASSERT_EQ(names.size(), ports.ports.size() + 1);
    for (std::size_t i = 0; i < ports.ports.size(); ++i) {
        EXPECT_EQ(names[i + 1], ports.ports[i].label());
    }
}

TEST(DefaultOutputSystem, IdPastTheEndIsBadDeviceId)
{
    DefaultOutputSystem system(memoryConfig());
    testing::internal::CaptureStderr();
    const auto count = static_cast<std::uint32_t>(system.deviceNames().size());
    testing::internal::GetCapturedStderr();
    for (std::uint32_t id : {count, count + 1, 1000U, 0xFFFFFFFFU}) {
        std::unique_ptr<midi::OutputDevice> device;
        EXPECT_EQ(system.openDevice(id, device), midi::rc::badDeviceId) << id;
        EXPECT_FALSE(device) << id;
    }
}

TEST(DefaultOutputSystem, DeviceZeroOpensThroughTheHandleTable)
{
    DefaultOutputSystem system(memoryConfig());
    midi::MidiOut out(system);
    midi::Handle handle = 0;
    ASSERT_EQ(out.open(&handle, 0), midi::rc::noError);
    EXPECT_NE(handle, 0U);
    // Straight away, while the SoundFont may still be loading: silent, no error.
    EXPECT_EQ(out.shortMsg(handle, *sound::noteOnMessage(60)), midi::rc::noError);
    EXPECT_EQ(out.shortMsg(handle, *sound::noteOffMessage(60)), midi::rc::noError);
    EXPECT_EQ(out.close(handle), midi::rc::noError);
    EXPECT_EQ(out.openCount(), 0U);
}

TEST(DefaultOutputSystem, DeviceZeroWithoutSoundFontFailsWithOneLine)
{
    SynthConfig config = memoryConfig();
    config.soundFont = "/nonexistent/tavelin/none.sf2";
    testing_support::ReportLines report;
    config.report = report.callback();
    DefaultOutputSystem system(config);
    midi::MidiOut out(system);
    midi::Handle handle = 77;
    testing::internal::CaptureStderr();
    const midi::Result result = out.open(&handle, 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // said to the report, not printed
    const std::string printed = report.text();
    EXPECT_EQ(result, midi::rc::error);
    EXPECT_EQ(handle, 77U) << "a failed open changed the handle";
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    EXPECT_EQ(linesContaining(printed, "/nonexistent/tavelin/none.sf2"), 1) << printed;
}

TEST(DefaultOutputSystem, NoSequencerIsSaidOnceAndQuietly)
{
    if (testing_support::haveSequencer()) {
        GTEST_SKIP() << "this machine has an ALSA sequencer";
    }
    SynthConfig config = memoryConfig();
    testing_support::ReportLines report;
    config.report = report.callback();
    DefaultOutputSystem system(config);
    testing::internal::CaptureStderr();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(system.deviceNames().size(), 1U);
    }
    std::unique_ptr<midi::OutputDevice> device;
    EXPECT_EQ(system.openDevice(1, device), midi::rc::badDeviceId);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // said to the report, not printed
    const std::string printed = report.text();
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    EXPECT_EQ(linesContaining(printed, "no ALSA sequencer"), 1) << printed;
    EXPECT_EQ(linesContaining(printed, "ALSA lib"), 0) << printed;
}

TEST(DefaultOutputSystem, AlsaDeviceNumbersFollowTheLastListing)
{
    if (!testing_support::haveSequencer()) {
        GTEST_SKIP() << "no ALSA sequencer here (" << testing_support::sequencerDevice << " absent, as on CI)";
    }
    testing_support::Receiver receiver;
    if (!receiver.ok()) {
        GTEST_SKIP() << testing_support::sequencerDevice << " exists but cannot be opened (permissions?)";
    }
    DefaultOutputSystem system(memoryConfig());
    const std::vector<std::string> names = system.deviceNames();
    const auto found = std::find(names.begin(), names.end(), receiver.address().label());
    ASSERT_NE(found, names.end());
    const auto id = static_cast<std::uint32_t>(found - names.begin());
    ASSERT_GE(id, 1U);

    std::unique_ptr<midi::OutputDevice> device;
    ASSERT_EQ(system.openDevice(id, device), midi::rc::noError);
    ASSERT_TRUE(device);
    ASSERT_EQ(device->send(*sound::noteOnMessage(64)), midi::rc::noError);
    const auto event = receiver.next();
    ASSERT_TRUE(event);
    EXPECT_EQ(event->type, SND_SEQ_EVENT_NOTEON);
    EXPECT_EQ(event->data.note.note, 64);

    // The port goes; until the next listing its number still names it.
    receiver.deletePort();
    std::unique_ptr<midi::OutputDevice> again;
    testing::internal::CaptureStderr();
    EXPECT_EQ(system.openDevice(id, again), midi::rc::badDeviceId);
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(again);
}

}  // namespace
