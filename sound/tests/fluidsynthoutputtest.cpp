#include "sound/fluidsynthoutput.h"
#include "sound/shortmsg.h"
#include "tests/support/pitchtrack.h"
#include "tests/support/reportlines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;
using sound::FluidSynthOutput;
using sound::SynthConfig;

constexpr int sampleRate = 48000;  // Hz
constexpr int framesPerMs = sampleRate / 1000;
// Levels on the -1 to 1 float scale. Silence: below -80 dB. A sounding piano
// note 60 at velocity 127 and gain 0.5 is near 0.06 RMS over its first 50 ms
// (-25 dB); 0.01 leaves a wide margin and is still far above silence.
constexpr float silentPeak = 1e-4F;
constexpr double soundingRms = 0.01;
// "Clearly decays": what is left 1 s after the release, against the same
// note held down as long. Held, note 60 is still near 0.013 RMS after 1.2 s;
// released, it is below 1e-5 (a ratio near 1/2000).
constexpr double releasedToHeldRatio = 0.1;

using sound::allSoundOffController;
using sound::sustainController;

constexpr std::uint32_t controller(int channel, int number, int value)
{
    return sound::controlChange(channel, number, value);
}

constexpr std::uint32_t noteOn(int channel, int note, int velocity)
{
    return sound::packShortMessage(sound::onChannel(sound::noteOnStatus, channel), note, velocity);
}

SynthConfig memoryConfig()
{
    SynthConfig config;
    config.startAudio = false;
    config.sampleRate = sampleRate;
    return config;
}

struct Sound {
    std::vector<float> left;
    std::vector<float> right;

    double rms(int fromFrame = 0, int toFrame = -1) const
    {
        const std::size_t end = toFrame < 0 ? left.size() : static_cast<std::size_t>(toFrame);
        double sum = 0;
        for (std::size_t i = static_cast<std::size_t>(fromFrame); i < end; ++i) {
            sum += double(left[i]) * left[i] + double(right[i]) * right[i];
        }
        const double n = 2.0 * static_cast<double>(end - static_cast<std::size_t>(fromFrame));
        return n > 0 ? std::sqrt(sum / n) : 0.0;
    }
    float peak() const
    {
        float p = 0;
        for (std::size_t i = 0; i < left.size(); ++i) {
            p = std::max({p, std::abs(left[i]), std::abs(right[i])});
        }
        return p;
    }
    // The first frame louder than the level on either side; -1 if none.
    int firstAbove(float level) const
    {
        for (std::size_t i = 0; i < left.size(); ++i) {
            if (std::abs(left[i]) > level || std::abs(right[i]) > level) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    // The RMS of the last 50 ms.
    double tailRms() const { return rms(static_cast<int>(left.size()) - 50 * framesPerMs); }
};

Sound render(FluidSynthOutput& synth, int ms)
{
    Sound s;
    s.left.resize(static_cast<std::size_t>(ms * framesPerMs));
    s.right.resize(s.left.size());
    EXPECT_TRUE(synth.render(s.left.data(), s.right.data(), static_cast<int>(s.left.size())));
    return s;
}

// All voices off, pedals up, and the reverb tail rendered away.
bool silence(FluidSynthOutput& synth)
{
    for (int channel = 0; channel < 16; ++channel) {
        synth.send(controller(channel, sustainController, 0));
        synth.send(controller(channel, allSoundOffController, 0));
    }
    for (int i = 0; i < 1000; ++i) {  // at most 10 s of sound
        if (render(synth, 10).peak() < silentPeak / 10) {
            return true;
        }
    }
    return false;
}

// One loaded synthesizer for the whole suite: the SoundFont load is the slow
// part, and every test starts from silence anyway.
class LoadedSynth : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string why;
        ASSERT_EQ(FluidSynthOutput::open(memoryConfig(), s_synth, &why), midi::rc::noError) << why;
        ASSERT_TRUE(s_synth->waitUntilLoaded(10s)) << "the SoundFont did not load";
    }
    static void TearDownTestSuite() { s_synth.reset(); }
    void SetUp() override
    {
        ASSERT_TRUE(s_synth) << "no synthesizer (see the suite set-up)";
        ASSERT_TRUE(silence(*s_synth)) << "the synthesizer would not fall silent";
    }

    static FluidSynthOutput& synth() { return *s_synth; }

    // Note 60 sounded for 200 ms, then released with the given message (or
    // held), then 1 s more; the RMS of the last 50 ms.
    static double levelAfter(std::optional<std::uint32_t> release)
    {
        EXPECT_TRUE(silence(synth()));
        synth().send(*sound::noteOnMessage(60));
        render(synth(), 200);
        if (release) {
            EXPECT_EQ(synth().send(*release), midi::rc::noError);
        }
        return render(synth(), 1000).tailRms();
    }

    static inline std::unique_ptr<FluidSynthOutput> s_synth;
};

TEST_F(LoadedSynth, IsSilentBeforeAnyNote)
{
    EXPECT_EQ(synth().loadState(), FluidSynthOutput::LoadState::ready);
    EXPECT_LT(render(synth(), 200).peak(), silentPeak);
}

TEST_F(LoadedSynth, NoteOnSoundsWithinAFewMilliseconds)
{
    ASSERT_EQ(synth().send(*sound::noteOnMessage(60)), midi::rc::noError);
    const Sound s = render(synth(), 100);
    const int first = s.firstAbove(silentPeak);
    ASSERT_GE(first, 0) << "no sound at all";
    // The synthesizer starts a voice at its next 64-frame block; the piano's
    // attack is then immediate.
    EXPECT_LT(first, 3 * framesPerMs) << "first sound after " << first << " frames";
    EXPECT_GT(s.rms(first, first + 50 * framesPerMs), soundingRms);
    EXPECT_LT(s.peak(), 1.0F) << "a single note clips";
}

TEST_F(LoadedSynth, NoteOffDecaysClearlyFasterThanAHeldNote)
{
    const double held = levelAfter(std::nullopt);
    const double released = levelAfter(*sound::noteOffMessage(60));
    EXPECT_GT(held, soundingRms / 10) << "the held note died by itself";
    EXPECT_LT(released, held * releasedToHeldRatio) << "held " << held << ", released " << released;
}

TEST_F(LoadedSynth, NoteOnWithVelocityZeroActsAsNoteOff)
{
    const double held = levelAfter(std::nullopt);
    const double released = levelAfter(noteOn(0, 60, 0));
    EXPECT_LT(released, held * releasedToHeldRatio) << "held " << held << ", released " << released;
}

TEST_F(LoadedSynth, SustainPedalHoldsAReleasedNoteUntilLifted)
{
    const double held = levelAfter(std::nullopt);
    ASSERT_TRUE(silence(synth()));
    synth().send(controller(0, sustainController, 127));
    synth().send(*sound::noteOnMessage(60));
    render(synth(), 200);
    synth().send(*sound::noteOffMessage(60));
    const double pedalled = render(synth(), 1000).tailRms();
    EXPECT_GT(pedalled, held * 0.5) << "the pedal did not hold the note";
    synth().send(controller(0, sustainController, 0));
    const double lifted = render(synth(), 1000).tailRms();
    EXPECT_LT(lifted, pedalled * releasedToHeldRatio) << "lifting the pedal did not damp the note";
}

TEST_F(LoadedSynth, EveryChannelPlaysThePianoIncludingChannelTen)
{
    // The same note on channel 1 and on channel 10 at the same velocity:
    // with the drum kit on channel 10 this key would be a bongo, with its
    // own short envelope; with the piano there, the two envelopes match.
    const auto envelope = [](int channel) {
        EXPECT_TRUE(silence(synth()));
        synth().send(noteOn(channel, 60, 100));
        const Sound s = render(synth(), 600);
        return std::vector<double>{s.rms(0, 100 * framesPerMs), s.rms(250 * framesPerMs, 350 * framesPerMs),
                                   s.rms(500 * framesPerMs, 600 * framesPerMs)};
    };
    const std::vector<double> piano = envelope(0);
    for (int channel : {1, 9, 15}) {
        const std::vector<double> other = envelope(channel);
        for (std::size_t i = 0; i < piano.size(); ++i) {
            EXPECT_NEAR(other[i], piano[i], piano[i] * 0.05) << "channel " << channel + 1 << ", window " << i;
        }
    }
}

TEST_F(LoadedSynth, TenNoteFortissimoChordStaysBelowFullScale)
{
    for (int note : {48, 52, 55, 60, 64, 67, 72, 76, 79, 84}) {
        synth().send(*sound::noteOnMessage(note));
    }
    const float peak = render(synth(), 500).peak();
    EXPECT_GT(peak, 0.1F);
    EXPECT_LT(peak, 1.0F);
}

TEST_F(LoadedSynth, SystemMessagesAndRunningStatusAreIgnored)
{
    for (std::uint32_t message : {0xF8U, 0xFEU, 0xFFU, 0x7F3CU}) {
        EXPECT_EQ(synth().send(message), midi::rc::noError);
    }
    EXPECT_LT(render(synth(), 100).peak(), silentPeak);
}

TEST_F(LoadedSynth, MemoryModeHasNoDriverAndTheLoadWasTimed)
{
    EXPECT_EQ(synth().audioDriver(), "");
    ASSERT_TRUE(synth().loadTime().has_value());
    EXPECT_GT(synth().loadTime()->count(), 0);
}

// A file in the temporary folder with the given bytes, removed afterwards.
class TempFile {
public:
    explicit TempFile(const std::string& bytes, const std::string& suffix = ".sf2")
        : m_path(std::filesystem::temp_directory_path() /
                 ("tavelin-sound-test-" + std::to_string(getpid()) + "-" + std::to_string(s_count++) + suffix))
    {
        std::ofstream(m_path, std::ios::binary) << bytes;
    }
    ~TempFile() { std::filesystem::remove(m_path); }
    std::string path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
    static inline int s_count = 0;
};

std::string riffHeader(std::uint32_t size, const char* form)
{
    std::string h = "RIFF";
    for (int i = 0; i < 4; ++i) {
        h += static_cast<char>((size >> (8 * i)) & 0xFFU);
    }
    return h + form;
}

midi::Result openWith(const std::string& soundFont, std::unique_ptr<FluidSynthOutput>& device, std::string& why,
                      std::function<void(const std::string&)> report = {})
{
    SynthConfig config = memoryConfig();
    config.soundFont = soundFont;
    config.report = std::move(report);
    return FluidSynthOutput::open(config, device, &why);
}

TEST(FluidSynthOpen, MissingSoundFontIsAnError)
{
    std::unique_ptr<FluidSynthOutput> device;
    std::string why;
    EXPECT_EQ(openWith("/nonexistent/tavelin/none.sf2", device, why), midi::rc::error);
    EXPECT_FALSE(device);
    EXPECT_NE(why.find("/nonexistent/tavelin/none.sf2"), std::string::npos) << why;
}

TEST(FluidSynthOpen, EmptyOrForeignFilesAreRefusedAtOnce)
{
    const TempFile empty("");
    const TempFile text("this is not a SoundFont at all\n");
    const TempFile dls(riffHeader(100, "DLS ") + std::string(100, '\0'));
    // A header that promises 1 MB in a file of 100 bytes: a cut-off download.
    const TempFile truncated(riffHeader(1'000'000, "sfbk") + std::string(88, '\0'));
    for (const std::string& path :
         {empty.path(), text.path(), dls.path(), truncated.path(), std::filesystem::temp_directory_path().string()}) {
        std::unique_ptr<FluidSynthOutput> device;
        std::string why;
        EXPECT_EQ(openWith(path, device, why), midi::rc::error) << path;
        EXPECT_FALSE(device) << path;
        EXPECT_FALSE(why.empty()) << path;
    }
}

TEST(FluidSynthOpen, UnreadableSoundFontIsAnError)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "running as root: a file without read permission is still readable";
    }
    const TempFile locked(riffHeader(4, "sfbk"));
    std::filesystem::permissions(locked.path(), std::filesystem::perms::none);
    std::unique_ptr<FluidSynthOutput> device;
    std::string why;
    EXPECT_EQ(openWith(locked.path(), device, why), midi::rc::error);
    EXPECT_FALSE(device);
}

TEST(FluidSynthOpen, DamagedBodyFailsInTheBackgroundSilentlyWithOneLine)
{
    // A good header, then garbage: only the real load can tell.
    std::string body;
    for (int i = 0; i < 4000; ++i) {
        body += static_cast<char>((i * 37) & 0xFF);
    }
    const TempFile damaged(riffHeader(static_cast<std::uint32_t>(body.size() + 4), "sfbk") + body);
    std::unique_ptr<FluidSynthOutput> device;
    std::string why;
    testing_support::ReportLines report;
    testing::internal::CaptureStderr();
    const midi::Result result = openWith(damaged.path(), device, why, report.callback());
    const bool loaded = result == midi::rc::noError && device->waitUntilLoaded(10s);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // said to the report, not printed
    const std::string printed = report.text();
    ASSERT_EQ(result, midi::rc::noError) << why;
    EXPECT_FALSE(loaded);
    EXPECT_EQ(device->loadState(), FluidSynthOutput::LoadState::failed);
    EXPECT_EQ(device->state(), midi::rc::error);
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    EXPECT_NE(printed.find(damaged.path()), std::string::npos) << printed;
    EXPECT_EQ(device->send(*sound::noteOnMessage(60)), midi::rc::noError);
    Sound s;
    s.left.resize(4800);
    s.right.resize(4800);
    ASSERT_TRUE(device->render(s.left.data(), s.right.data(), 4800));
    EXPECT_LT(s.peak(), silentPeak);
}

TEST(FluidSynthOpen, NoAudioDeviceIsAnErrorNotACrash)
{
    // A server and a card that exist nowhere, so that this fails the same way
    // on a machine with sound as on one without.
    SynthConfig config = memoryConfig();
    config.startAudio = true;
    config.audioDrivers = {"pulse", "pulseaudio", "alsa"};
    config.pulseServer = "unix:/nonexistent/tavelin-test/pulse";
    config.alsaDevice = "hw:99,0";
    std::unique_ptr<FluidSynthOutput> device;
    std::string why;
    EXPECT_EQ(FluidSynthOutput::open(config, device, &why), midi::rc::error);
    EXPECT_FALSE(device);
    EXPECT_NE(why.find("pulse: no sound server"), std::string::npos) << why;
    EXPECT_NE(why.find("pulseaudio"), std::string::npos) << why;
    EXPECT_NE(why.find("alsa"), std::string::npos) << why;
}

TEST(FluidSynthOpen, UnknownOrNoAudioDriverIsAnError)
{
    for (const std::vector<std::string>& drivers :
         {std::vector<std::string>{}, std::vector<std::string>{"no-such-driver"}}) {
        SynthConfig config = memoryConfig();
        config.startAudio = true;
        config.audioDrivers = drivers;
        std::unique_ptr<FluidSynthOutput> device;
        std::string why;
        EXPECT_EQ(FluidSynthOutput::open(config, device, &why), midi::rc::error);
        EXPECT_FALSE(device);
        EXPECT_FALSE(why.empty());
    }
}

TEST(FluidSynthOpen, ReportsTheLatencyItAskedFor)
{
    SynthConfig config = memoryConfig();
    config.sampleRate = 44100;
    config.periodSize = 64;
    config.periods = 3;
    std::unique_ptr<FluidSynthOutput> device;
    std::string why;
    ASSERT_EQ(FluidSynthOutput::open(config, device, &why), midi::rc::noError) << why;
    EXPECT_EQ(device->sampleRate(), 44100.0);
    EXPECT_NEAR(device->configuredLatencyMs(), 1000.0 * 64 * 3 / 44100, 1e-9);  // 4.35 ms
    EXPECT_TRUE(device->waitUntilLoaded(10s));
}

TEST(FluidSynthOpen, SettingsOutOfRangeAreAnError)
{
    SynthConfig config = memoryConfig();
    config.periods = 1;  // FluidSynth wants at least 2
    std::unique_ptr<FluidSynthOutput> device;
    std::string why;
    EXPECT_EQ(FluidSynthOutput::open(config, device, &why), midi::rc::error);
    EXPECT_FALSE(device);
}

// A slow load (a busy machine, a cold disk): what is sent meanwhile is held
// and sounds, in its order, once the SoundFont has loaded.
class SlowLoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        SynthConfig config = memoryConfig();
        config.loadDelay = 300ms;
        std::string why;
        ASSERT_EQ(FluidSynthOutput::open(config, device, &why), midi::rc::noError) << why;
        ASSERT_EQ(device->loadState(), FluidSynthOutput::LoadState::loading);
        EXPECT_EQ(device->state(), midi::rc::notReady);
    }

    // The rendered sound as one channel (the piano is the same on both).
    static std::vector<float> mono(const Sound& s)
    {
        std::vector<float> out(s.left.size());
        for (std::size_t i = 0; i < out.size(); ++i) {
            out[i] = 0.5F * (s.left[i] + s.right[i]);
        }
        return out;
    }

    std::unique_ptr<FluidSynthOutput> device;
};

TEST_F(SlowLoad, ANoteSentDuringTheLoadSoundsWhenItEnds)
{
    EXPECT_EQ(device->send(*sound::noteOnMessage(64)), midi::rc::noError);
    EXPECT_LT(render(*device, 100).peak(), silentPeak);  // nothing to play it with yet
    ASSERT_TRUE(device->waitUntilLoaded(10s));
    EXPECT_EQ(device->state(), midi::rc::noError);
    const Sound s = render(*device, 300);
    EXPECT_GT(s.rms(0, 100 * framesPerMs), soundingRms);
    const std::vector<testing_support::HeardNote> heard = testing_support::trackNotes(mono(s), sampleRate);
    ASSERT_EQ(heard.size(), 1U);
    EXPECT_EQ(heard[0].note, 64);
    EXPECT_LT(heard[0].onsetMs, 10.0);
}

TEST_F(SlowLoad, HeldMessagesPlayInTheirOrder)
{
    // On and off of 60, then on of 67: played in this order, 60 is released
    // at once and 67 is what rings on. Played in any other order, 60 would
    // ring on with it, or 67 not sound at all.
    device->send(*sound::noteOnMessage(60));
    device->send(*sound::noteOffMessage(60));
    device->send(*sound::noteOnMessage(67));
    ASSERT_TRUE(device->waitUntilLoaded(10s));
    const std::vector<float> s = mono(render(*device, 800));
    const std::vector<testing_support::HeardNote> heard = testing_support::trackNotes(s, sampleRate);
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back().note, 67);
    EXPECT_GT(heard.back().lengthMs, 500.0);
    // With 60 still sounding beside it, the pair's common period (that of
    // 48, an octave below 60) would be what is heard.
    for (const int ms : {200, 400, 600}) {
        const double pitch =
            testing_support::estimatePitch(s.data() + ms * framesPerMs, 50 * framesPerMs, sampleRate, 100.0, 2000.0);
        EXPECT_EQ(testing_support::nearestNote(pitch), 67) << "at " << ms << " ms: " << pitch << " Hz";
    }
}

TEST_F(SlowLoad, DestroyedBeforeTheLoadBeginsReturnsAtOnce)
{
    device->send(*sound::noteOnMessage(60));
    const auto started = std::chrono::steady_clock::now();
    device.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - started, 250ms);
}

TEST(FluidSynthOpen, ReturnsBeforeTheLoadEnds)
{
    std::unique_ptr<FluidSynthOutput> device;
    std::string why;
    ASSERT_EQ(FluidSynthOutput::open(memoryConfig(), device, &why), midi::rc::noError) << why;
    // The load reads the SoundFont's preset tables and the piano's samples:
    // tens of ms, against microseconds from here back to the caller.
    EXPECT_EQ(device->loadState(), FluidSynthOutput::LoadState::loading);
    EXPECT_FALSE(device->loadTime().has_value());
    EXPECT_TRUE(device->waitUntilLoaded(10s));
    ASSERT_TRUE(device->loadTime().has_value());
    EXPECT_GT(device->loadTime()->count(), 0);
}

TEST(FluidSynthOpen, DestroyedWhileStillLoading)
{
    std::unique_ptr<FluidSynthOutput> device;
    std::string why;
    ASSERT_EQ(FluidSynthOutput::open(memoryConfig(), device, &why), midi::rc::noError) << why;
    if (device->loadState() != FluidSynthOutput::LoadState::loading) {
        GTEST_SKIP() << "the load finished before the device could be destroyed";
    }
    // Joins the loader; the sanitizers would see any use after free, and an
    // interrupted load must not be reported as a broken SoundFont.
    testing::internal::CaptureStderr();
    device.reset();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(FluidSynthOpen, PlaysThroughAPulseAudioServerWhereOneRuns)
{
    SynthConfig config = memoryConfig();
    config.startAudio = true;
    config.audioDrivers = {"pulseaudio"};
    std::unique_ptr<FluidSynthOutput> device;
    std::string why;
    if (FluidSynthOutput::open(config, device, &why) != midi::rc::noError) {
        GTEST_SKIP() << "no PulseAudio server to play to (" << why << ")";
    }
    EXPECT_EQ(device->audioDriver(), "pulseaudio");
    ASSERT_TRUE(device->waitUntilLoaded(10s));
    EXPECT_EQ(device->send(*sound::noteOnMessage(60)), midi::rc::noError);
    std::vector<float> buffer(64);
    EXPECT_FALSE(device->render(buffer.data(), buffer.data(), 64)) << "render() must refuse while a driver plays";
    EXPECT_EQ(device->send(*sound::noteOffMessage(60)), midi::rc::noError);
}

TEST(FluidSynthDefaults, SoundFontPathFollowsTheEnvironment)
{
    const char* before = std::getenv(sound::synthdefaults::soundFontVariable);
    const std::string saved = before != nullptr ? before : "";
    setenv(sound::synthdefaults::soundFontVariable, "/somewhere/piano.sf2", 1);
    EXPECT_EQ(sound::defaultSoundFontPath(), "/somewhere/piano.sf2");
    setenv(sound::synthdefaults::soundFontVariable, "", 1);
    const std::string fallback = std::filesystem::exists(sound::synthdefaults::soundFontPath)
                                     ? sound::synthdefaults::soundFontPath
                                     : sound::synthdefaults::fallbackSoundFontPath;
    EXPECT_EQ(sound::defaultSoundFontPath(), fallback);
    if (before != nullptr) {
        setenv(sound::synthdefaults::soundFontVariable, saved.c_str(), 1);
    } else {
        unsetenv(sound::synthdefaults::soundFontVariable);
    }
}

TEST(FluidSynthDefaults, PeriodSizeFromTheEnvironmentWhenSensible)
{
    const char* before = std::getenv(sound::synthdefaults::periodSizeVariable);
    const std::string saved = before != nullptr ? before : "";
    unsetenv(sound::synthdefaults::periodSizeVariable);
    EXPECT_EQ(sound::defaultPeriodSize(), 128);
    setenv(sound::synthdefaults::periodSizeVariable, "512", 1);
    EXPECT_EQ(sound::defaultPeriodSize(), 512);
    EXPECT_EQ(SynthConfig{}.periodSize, 512);
    for (const char* bad : {"32", "100000", "256 frames", "abc", ""}) {
        setenv(sound::synthdefaults::periodSizeVariable, bad, 1);
        EXPECT_EQ(sound::defaultPeriodSize(), 128) << bad;
    }
    if (before != nullptr) {
        setenv(sound::synthdefaults::periodSizeVariable, saved.c_str(), 1);
    } else {
        unsetenv(sound::synthdefaults::periodSizeVariable);
    }
}

TEST(FluidSynthDefaults, AudioDriversPulseAudioFirstOrFromTheEnvironment)
{
    const char* before = std::getenv(sound::synthdefaults::audioDriverVariable);
    const std::string saved = before != nullptr ? before : "";
    unsetenv(sound::synthdefaults::audioDriverVariable);
    EXPECT_EQ(sound::defaultAudioDrivers(), (std::vector<std::string>{"pulse", "alsa"}));
    setenv(sound::synthdefaults::audioDriverVariable, "jack, alsa", 1);
    EXPECT_EQ(sound::defaultAudioDrivers(), (std::vector<std::string>{"jack", "alsa"}));
    if (before != nullptr) {
        setenv(sound::synthdefaults::audioDriverVariable, saved.c_str(), 1);
    } else {
        unsetenv(sound::synthdefaults::audioDriverVariable);
    }
}

}  // namespace
