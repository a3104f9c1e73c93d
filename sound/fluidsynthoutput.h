#pragma once

#include "platform/midiout.h"
#include "sound/pulsestream.h"

#include <fluidsynth.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// Device 0: the FluidSynth software synthesizer inside the program, so that a
// fresh machine sounds with no MIDI hardware and no synthesizer of its own.
namespace sound {

namespace synthdefaults {
// Debian's fluid-soundfont-gm (142 MB); default-GM.sf2 is the alternatives
// link that other General MIDI SoundFont packages may provide instead.
constexpr const char* soundFontPath = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
constexpr const char* fallbackSoundFontPath = "/usr/share/sounds/sf2/default-GM.sf2";
constexpr const char* soundFontVariable = "TAVELIN_SOUNDFONT";
// Comma-separated driver names, tried in order, instead of ours: "pulse" is
// our own stream on the sound server (sound/pulsestream.h); any other name is
// one of FluidSynth's drivers ("jack", "alsa", "pulseaudio", "pipewire").
constexpr const char* audioDriverVariable = "TAVELIN_AUDIO_DRIVER";
constexpr const char* pulseStreamDriver = "pulse";
constexpr double sampleRate = 48000.0;  // Hz; PipeWire's and most sound cards' own rate
// 2 periods of 128 frames at 48 kHz: 5.3 ms of buffer on ALSA. FluidSynth's
// own defaults (16 periods of 64 frames, 21 ms at 48 kHz) are what a player
// hears as a late key. Its PulseAudio driver queues one period (the stream's
// target length) whatever the count: 2.7 ms, plus the server's own latency.
constexpr int periodSize = 128;  // frames; FluidSynth accepts 64 to 8192
constexpr int periods = 2;       // FluidSynth accepts 2 to 64
// Frames per period instead of ours, for a machine whose sound crackles
// (an audio thread that cannot keep up with 2.7 ms): 256 or 512.
constexpr const char* periodSizeVariable = "TAVELIN_AUDIO_PERIOD";
// Master gain, 0 to 10. FluidSynth's 0.2 is quiet for one piano; 0.5 leaves
// a ten-note fortissimo chord below full scale (see the tests).
constexpr double gain = 0.5;
}  // namespace synthdefaults

// TAVELIN_SOUNDFONT if set and not empty, else FluidR3_GM.sf2 if it is there,
// else default-GM.sf2 (whether or not it is there, so that the open failure
// names the file the package would install).
std::string defaultSoundFontPath();

// TAVELIN_AUDIO_DRIVER's list if set, else pulse (our stream on the sound
// server, which also serves PipeWire desktops through pipewire-pulse) and
// then FluidSynth's alsa.
std::vector<std::string> defaultAudioDrivers();

// TAVELIN_AUDIO_PERIOD if it holds a whole number from 64 to 8192, else 128.
int defaultPeriodSize();

struct SynthConfig {
    std::string soundFont = defaultSoundFontPath();
    // false: no audio driver, the caller pulls the sound with render() (tests,
    // timing programs).
    bool startAudio = true;
    std::vector<std::string> audioDrivers = defaultAudioDrivers();
    double sampleRate = synthdefaults::sampleRate;  // Hz, 8000 to 96000
    int periodSize = defaultPeriodSize();           // frames per period
    int periods = synthdefaults::periods;           // periods in the audio buffer
    double gain = synthdefaults::gain;
    // Empty: the driver's default ("default" for both). A server such as
    // "unix:/run/user/1000/pulse/native", an ALSA device such as "hw:1,0".
    std::string pulseServer;
    std::string alsaDevice;
    // For tests: the loader waits this long before it reads the SoundFont,
    // as it would on a slow disk or a busy machine.
    std::chrono::milliseconds loadDelay{0};
    // The pulse driver sets its stream aside after this long with nothing
    // sounding, and brings it back at the next message; setAside says how.
    std::chrono::milliseconds idleAfter = pulsedefaults::idleAfter;
    SetAside setAside = SetAside::automatic;
    // Where the synthesizer's troubles go, one line each: its audio output's
    // (no real-time priority, the sound server gone), from the audio thread,
    // and a SoundFont that did not load, from the loader's. Empty: not said.
    std::function<void(const std::string&)> report;
};

class FluidSynthOutput final : public midi::OutputDevice {
public:
    enum class LoadState { loading, ready, failed };

    // Does the quick part at once: the SoundFont file is there, readable and
    // starts with a SoundFont header (RIFF....sfbk) of a size the file holds;
    // the synthesizer is made; the audio driver has started. Then reads the
    // SoundFont on a thread of its own, so the window paints meanwhile.
    //
    // Returns midi::rc::error (1) for a missing or unreadable SoundFont, a
    // file that is not one or is cut short, settings FluidSynth refuses, and
    // when no audio driver starts (no sound server and no sound card);
    // midi::rc::noMemory (7) when FluidSynth cannot make its settings or
    // synthesizer. On failure *why (if given) gets a one-line reason and
    // device stays empty. Damage that only the full read finds (a broken
    // preset table, no piano in it) shows later: loadState() becomes failed,
    // state() midi::rc::error, one line goes to config.report, and the
    // device stays silent.
    static midi::Result open(const SynthConfig& config, std::unique_ptr<FluidSynthOutput>& device,
                             std::string* why = nullptr);

    // Stops the audio, waits for a load still running (tens of ms at most),
    // then frees the synthesizer.
    ~FluidSynthOutput() override;
    FluidSynthOutput(const FluidSynthOutput&) = delete;
    FluidSynthOutput& operator=(const FluidSynthOutput&) = delete;

    // Plays the short message at once (the synthesizer's next block, 64
    // frames, 1.3 ms at 48 kHz). While the SoundFont loads, messages are held
    // and played in their order the moment it has loaded, so a note played
    // meanwhile sounds late rather than never. If the load fails they are
    // dropped, then and for good. Always midi::rc::noError: a short message
    // cannot be refused, and unknown or system messages are ignored.
    midi::Result send(std::uint32_t message) override;

    // midi::rc::notReady while the SoundFont loads, midi::rc::noError once it
    // has, midi::rc::error if the load failed.
    midi::Result state() const override;

    LoadState loadState() const { return m_state.load(std::memory_order_acquire); }
    // true once the SoundFont is loaded; false on failure or when the time
    // runs out first.
    bool waitUntilLoaded(std::chrono::milliseconds timeout);

    // Without an audio driver only: renders the next frames of sound (32-bit
    // float, -1 to 1) into the two channels. false when an audio driver owns
    // the rendering or frames is negative.
    bool render(float* left, float* right, int frames);

    // The driver that plays ("pulse", our stream; or FluidSynth's "alsa",
    // "jack", ...); empty without an audio driver.
    const std::string& audioDriver() const { return m_driverName; }
    // The stream of the pulse driver; nullptr with any other.
    const PulseStream* pulseStream() const { return m_stream.get(); }
    // The audio buffer asked of the driver: period size x periods / rate, in
    // ms. The ALSA driver buffers that much; the PulseAudio driver queues one
    // period, and the server adds its own latency (see tavelin-synthlatency).
    double configuredLatencyMs() const;
    double sampleRate() const { return m_sampleRate; }

    // The background load, once it has finished (empty before).
    std::optional<std::chrono::microseconds> loadTime() const;

private:
    struct SettingsDeleter {
        void operator()(fluid_settings_t* settings) const;
    };
    struct SynthDeleter {
        void operator()(fluid_synth_t* synth) const;
    };
    struct DriverDeleter {
        void operator()(fluid_audio_driver_t* driver) const;
    };

    FluidSynthOutput() = default;
    void load(const std::string& path, std::chrono::milliseconds delay);
    // The settings config asks for; what was refused, or an empty string.
    std::string applySettings(const SynthConfig& config);
    // The first of config's audio drivers that starts; what each said, or an
    // empty string.
    std::string startAudio(const SynthConfig& config);
    bool startPulseStream(const SynthConfig& config, std::string* why);
    void finishLoad(LoadState state);
    void play(std::uint32_t message);

    std::unique_ptr<fluid_settings_t, SettingsDeleter> m_settings;
    std::unique_ptr<fluid_synth_t, SynthDeleter> m_synth;
    std::unique_ptr<fluid_audio_driver_t, DriverDeleter> m_driver;
    std::unique_ptr<PulseStream> m_stream;  // instead of m_driver
    std::string m_driverName;
    double m_sampleRate = synthdefaults::sampleRate;
    int m_periodSize = synthdefaults::periodSize;
    int m_periods = synthdefaults::periods;
    std::function<void(const std::string&)> m_report;  // SynthConfig::report

    // Written by the loader thread, read by the caller's.
    std::atomic<LoadState> m_state{LoadState::loading};
    std::atomic<std::int64_t> m_loadMicroseconds{-1};
    std::mutex m_loadMutex;
    std::condition_variable m_loaded;
    bool m_abandoned = false;  // under m_loadMutex: the device goes, a load not begun never begins
    // Messages sent during the load, in their order; under m_pendingMutex,
    // which the loader holds while it plays them and changes the state.
    std::mutex m_pendingMutex;
    std::vector<std::uint32_t> m_pending;
    std::thread m_loader;  // last: started when everything above is in place
};

}  // namespace sound
