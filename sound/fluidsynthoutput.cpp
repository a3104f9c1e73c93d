#include "sound/fluidsynthoutput.h"

#include "sound/decodedmessage.h"
#include "sound/diagnostics.h"
#include "platform/messages.h"

#include <QtGlobal>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace sound {

using platform::message;

namespace {

using Clock = std::chrono::steady_clock;

// Channel 10 (index 9) is General MIDI's drum channel. We only ever play the
// piano, and a MIDI keyboard set to channel 10 should play it too; left as
// drums, the load would also read the drum kit's samples: 11 MB more and
// three times the load time with FluidR3_GM.
constexpr int drumChannel = 9;

// "RIFF", the chunk size (little-endian, bytes after these 8) and "sfbk".
constexpr std::size_t headerSize = 12;

// Messages held during a load that never seems to end: past this many (a
// MIDI keyboard's flood of a minute and more) the newest are dropped. A
// normal load holds a handful.
constexpr std::size_t maxPendingMessages = 65536;

std::string checkSoundFont(const std::string& path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) {
        return message(QT_TRANSLATE_NOOP("Messages", "SoundFont not found: %1"), {path});
    }
    if (!std::filesystem::is_regular_file(status)) {
        return message(QT_TRANSLATE_NOOP("Messages", "SoundFont is not a file: %1"), {path});
    }
    const std::uintmax_t fileSize = std::filesystem::file_size(path, ec);
    std::ifstream in(path, std::ios::binary);
    std::array<char, headerSize> header{};
    if (ec || !in || !in.read(header.data(), header.size())) {
        return ec || !in.is_open() ? message(QT_TRANSLATE_NOOP("Messages", "SoundFont unreadable: %1"), {path})
                                   : message(QT_TRANSLATE_NOOP("Messages", "SoundFont too short: %1"), {path});
    }
    const std::string_view text(header.data(), header.size());
    if (text.substr(0, 4) != "RIFF" || text.substr(8, 4) != "sfbk") {
        return message(QT_TRANSLATE_NOOP("Messages", "not a SoundFont (no RIFF sfbk header): %1"), {path});
    }
    std::uint64_t chunkSize = 0;
    for (int i = 3; i >= 0; --i) {
        chunkSize = chunkSize * 256 + static_cast<unsigned char>(header[4 + static_cast<std::size_t>(i)]);
    }
    if (chunkSize + 8 > fileSize) {
        return message(QT_TRANSLATE_NOOP("Messages", "SoundFont truncated (%1 of %2 bytes): %3"),
                       {std::to_string(fileSize), std::to_string(chunkSize + 8), path});
    }
    return {};
}

std::vector<std::string> splitList(const char* text)
{
    std::vector<std::string> out;
    std::string item;
    for (const char* p = text;; ++p) {
        if (*p == ',' || *p == '\0') {
            if (!item.empty()) {
                out.push_back(item);
            }
            item.clear();
            if (*p == '\0') {
                break;
            }
        } else if (*p != ' ') {
            item += *p;
        }
    }
    return out;
}

}  // namespace

std::string defaultSoundFontPath()
{
    const char* chosen = std::getenv(synthdefaults::soundFontVariable);
    if (chosen != nullptr && *chosen != '\0') {
        return chosen;
    }
    std::error_code ec;
    if (std::filesystem::exists(synthdefaults::soundFontPath, ec)) {
        return synthdefaults::soundFontPath;
    }
    return synthdefaults::fallbackSoundFontPath;
}

std::vector<std::string> defaultAudioDrivers()
{
    const char* chosen = std::getenv(synthdefaults::audioDriverVariable);
    if (chosen != nullptr && *chosen != '\0') {
        return splitList(chosen);
    }
    return {synthdefaults::pulseStreamDriver, "alsa"};
}

int defaultPeriodSize()
{
    constexpr long smallest = 64;
    constexpr long largest = 8192;
    const char* chosen = std::getenv(synthdefaults::periodSizeVariable);
    if (chosen != nullptr && *chosen != '\0') {
        char* end = nullptr;
        const long frames = std::strtol(chosen, &end, 10);
        if (*end == '\0' && frames >= smallest && frames <= largest) {
            return static_cast<int>(frames);
        }
    }
    return synthdefaults::periodSize;
}

void FluidSynthOutput::SettingsDeleter::operator()(fluid_settings_t* settings) const
{
    delete_fluid_settings(settings);
}

void FluidSynthOutput::SynthDeleter::operator()(fluid_synth_t* synth) const
{
    delete_fluid_synth(synth);
}

void FluidSynthOutput::DriverDeleter::operator()(fluid_audio_driver_t* driver) const
{
    delete_fluid_audio_driver(driver);
}

midi::Result FluidSynthOutput::open(const SynthConfig& config, std::unique_ptr<FluidSynthOutput>& device,
                                    std::string* why)
{
    diagnostics::Capture capture;
    const auto fail = [why](midi::Result code, std::string reason) {
        if (why != nullptr) {
            *why = std::move(reason);
        }
        return code;
    };

    if (std::string problem = checkSoundFont(config.soundFont); !problem.empty()) {
        return fail(midi::rc::error, problem);
    }

    std::unique_ptr<FluidSynthOutput> out(new FluidSynthOutput());
    out->m_settings.reset(new_fluid_settings());
    if (!out->m_settings) {
        return fail(midi::rc::noMemory,
                    message(QT_TRANSLATE_NOOP("Messages", "FluidSynth could not make its settings")));
    }
    if (std::string refused = out->applySettings(config); !refused.empty()) {
        return fail(midi::rc::error, refused);
    }

    out->m_synth.reset(new_fluid_synth(out->m_settings.get()));
    if (!out->m_synth) {
        return fail(midi::rc::noMemory,
                    message(QT_TRANSLATE_NOOP("Messages", "FluidSynth could not make its synthesizer: %1"),
                            {capture.firstError()}));
    }
    fluid_synth_set_channel_type(out->m_synth.get(), drumChannel, CHANNEL_TYPE_MELODIC);
    fluid_synth_bank_select(out->m_synth.get(), drumChannel, 0);

    if (config.startAudio) {
        if (std::string missing = out->startAudio(config); !missing.empty()) {
            return fail(midi::rc::error, missing);
        }
    }

    try {
        out->m_loader = std::thread(&FluidSynthOutput::load, out.get(), config.soundFont, config.loadDelay);
    } catch (const std::system_error& e) {
        return fail(midi::rc::noMemory,
                    message(QT_TRANSLATE_NOOP("Messages", "could not start the SoundFont loader: %1"), {e.what()}));
    }
    device = std::move(out);
    return midi::rc::noError;
}

std::string FluidSynthOutput::applySettings(const SynthConfig& config)
{
    fluid_settings_t* settings = m_settings.get();
    const auto setNum = [settings](const char* name, double value) {
        return fluid_settings_setnum(settings, name, value) == FLUID_OK;
    };
    const auto setInt = [settings](const char* name, int value) {
        return fluid_settings_setint(settings, name, value) == FLUID_OK;
    };
    if (!setNum("synth.sample-rate", config.sampleRate)) {
        return message(QT_TRANSLATE_NOOP("Messages", "sample rate refused: %1"), {std::to_string(config.sampleRate)});
    }
    if (!setNum("synth.gain", config.gain)) {
        return message(QT_TRANSLATE_NOOP("Messages", "gain refused: %1"), {std::to_string(config.gain)});
    }
    if (!setInt("audio.period-size", config.periodSize) || !setInt("audio.periods", config.periods)) {
        return message(QT_TRANSLATE_NOOP("Messages", "audio buffer refused: %1 periods of %2 frames"),
                       {std::to_string(config.periods), std::to_string(config.periodSize)});
    }
    // Only the samples of the presets selected on a channel are read: the
    // piano's 5.6 MB instead of the whole 142 MB file.
    setInt("synth.dynamic-sample-loading", 1);
    // Off, the PulseAudio stream's queue on the server may hold one period at
    // most; on, its maximum is the server's default (seconds of sound). The
    // target is one period either way, so the difference shows after a
    // stall: no backlog of late notes can build up. These settings exist only
    // if FluidSynth was built with the driver; a failure to set them is
    // harmless.
    setInt("audio.pulseaudio.adjust-latency", 0);
    if (!config.pulseServer.empty()) {
        fluid_settings_setstr(settings, "audio.pulseaudio.server", config.pulseServer.c_str());
    }
    if (!config.alsaDevice.empty()) {
        fluid_settings_setstr(settings, "audio.alsa.device", config.alsaDevice.c_str());
    }
    fluid_settings_getnum(settings, "synth.sample-rate", &m_sampleRate);
    m_periodSize = config.periodSize;
    m_periods = config.periods;
    m_report = config.report;
    return {};
}

std::string FluidSynthOutput::startAudio(const SynthConfig& config)
{
    std::string tried;
    for (const std::string& name : config.audioDrivers) {
        if (name == synthdefaults::pulseStreamDriver) {
            std::string reason;
            if (startPulseStream(config, &reason)) {
                m_driverName = name;
                return {};
            }
            tried.append(tried.empty() ? "" : "; ").append(name).append(": ").append(reason);
            continue;
        }
        diagnostics::Capture attempt;
        fluid_settings_setstr(m_settings.get(), "audio.driver", name.c_str());
        m_driver.reset(new_fluid_audio_driver(m_settings.get(), m_synth.get()));
        if (m_driver) {
            m_driverName = name;
            return {};
        }
        tried += (tried.empty() ? "" : "; ") + name + ": " + attempt.firstError();
    }
    return tried.empty() ? message(QT_TRANSLATE_NOOP("Messages", "no audio output (no audio driver named)"))
                         : message(QT_TRANSLATE_NOOP("Messages", "no audio output (%1)"), {tried});
}

bool FluidSynthOutput::startPulseStream(const SynthConfig& config, std::string* why)
{
    fluid_synth_t* synth = m_synth.get();
    PulseStreamConfig stream;
    stream.server = config.pulseServer;
    stream.sampleRate = static_cast<int>(m_sampleRate);
    stream.periodFrames = config.periodSize;
    stream.queuedPeriods = config.periods;
    stream.idleAfter = config.idleAfter;
    stream.setAside = config.setAside;
    stream.report = config.report;
    stream.render = [synth](float* interleaved, int frames) {
        fluid_synth_write_float(synth, frames, interleaved, 0, 2, interleaved, 1, 2);
    };
    // Voices in their release still count: the stream stays until the last
    // one has died away.
    stream.sounding = [synth] { return fluid_synth_get_active_voice_count(synth) > 0; };
    m_stream = PulseStream::open(std::move(stream), why);
    return m_stream != nullptr;
}

FluidSynthOutput::~FluidSynthOutput()
{
    // The audio thread first, so that nothing renders while the rest goes;
    // then the loader, which fluid_synth_sfload cannot be told to abandon
    // (a load that has not begun is).
    m_stream.reset();
    m_driver.reset();
    {
        const std::lock_guard lock(m_loadMutex);
        m_abandoned = true;
    }
    m_loaded.notify_all();
    if (m_loader.joinable()) {
        m_loader.join();
    }
}

void FluidSynthOutput::load(const std::string& path, std::chrono::milliseconds delay)
{
    const auto started = Clock::now();
    if (delay.count() > 0) {
        std::unique_lock lock(m_loadMutex);
        if (m_loaded.wait_for(lock, delay, [this] { return m_abandoned; })) {
            return;
        }
    }
    diagnostics::Capture capture;
    // With reset_presets set, every channel selects its preset (bank 0,
    // program 0, the acoustic grand piano) and so reads its samples now
    // rather than at the first note.
    const int id = fluid_synth_sfload(m_synth.get(), path.c_str(), 1);
    std::string reason;
    if (id == FLUID_FAILED) {
        reason = capture.firstError();
        if (reason.empty()) {
            reason = message(QT_TRANSLATE_NOOP("Messages", "no reason given"));
        }
    } else if (fluid_sfont_get_preset(fluid_synth_get_sfont_by_id(m_synth.get(), id), 0, 0) == nullptr) {
        // It loads, but every note would be silent: nothing on bank 0, program 0.
        reason = message(QT_TRANSLATE_NOOP("Messages", "it has no piano, bank 0 program 0"));
    }
    m_loadMicroseconds.store(std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started).count(),
                             std::memory_order_relaxed);
    if (!reason.empty()) {
        if (m_report) {
            m_report(
                message(QT_TRANSLATE_NOOP("Messages",
                                          "the SoundFont %1 did not load (%2); the built-in synthesizer stays silent"),
                        {path, reason}));
        }
        finishLoad(LoadState::failed);
        return;
    }
    finishLoad(LoadState::ready);
}

void FluidSynthOutput::finishLoad(LoadState state)
{
    {
        // What was sent meanwhile plays now, before anything sent later: a
        // send() waits on this lock until the state has changed.
        const std::lock_guard pending(m_pendingMutex);
        if (state == LoadState::ready) {
            for (const std::uint32_t message : m_pending) {
                play(message);
            }
        }
        m_pending.clear();
        m_pending.shrink_to_fit();
        const std::lock_guard lock(m_loadMutex);
        m_state.store(state, std::memory_order_release);
    }
    m_loaded.notify_all();
}

midi::Result FluidSynthOutput::state() const
{
    switch (loadState()) {
    case LoadState::loading:
        return midi::rc::notReady;
    case LoadState::ready:
        return midi::rc::noError;
    case LoadState::failed:
        break;
    }
    return midi::rc::error;
}

bool FluidSynthOutput::waitUntilLoaded(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_loadMutex);
    m_loaded.wait_for(lock, timeout, [this] { return loadState() != LoadState::loading; });
    return loadState() == LoadState::ready;
}

std::optional<std::chrono::microseconds> FluidSynthOutput::loadTime() const
{
    if (loadState() == LoadState::loading) {
        return std::nullopt;
    }
    return std::chrono::microseconds(m_loadMicroseconds.load(std::memory_order_relaxed));
}

double FluidSynthOutput::configuredLatencyMs() const
{
    return 1000.0 * m_periodSize * m_periods / m_sampleRate;
}

midi::Result FluidSynthOutput::send(std::uint32_t message)
{
    if (m_stream) {
        m_stream->wake();
    }
    // Before the load ends, the synthesizer's lock is held by the loader:
    // calling it would stall the window for the rest of the load. The
    // message waits instead, and the loader plays it.
    if (loadState() != LoadState::ready) {
        const std::lock_guard lock(m_pendingMutex);
        switch (loadState()) {
        case LoadState::loading:
            if (m_pending.size() < maxPendingMessages) {
                m_pending.push_back(message);
            }
            return midi::rc::noError;
        case LoadState::failed:
            return midi::rc::noError;
        case LoadState::ready:
            break;  // while we waited for the lock: played below, after what was held
        }
    }
    play(message);
    return midi::rc::noError;
}

void FluidSynthOutput::play(std::uint32_t message)
{
    fluid_synth_t* synth = m_synth.get();
    const DecodedMessage m = decodeShortMessage(message);
    // FluidSynth's own results are not ours to pass on: a note-off for a key
    // that no longer sounds "fails", and is still what the caller meant.
    switch (m.kind) {
    case MessageKind::noteOn:
        if (m.data2 == 0) {
            fluid_synth_noteoff(synth, m.channel, m.data1);
        } else {
            fluid_synth_noteon(synth, m.channel, m.data1, m.data2);
        }
        break;
    case MessageKind::noteOff:
        fluid_synth_noteoff(synth, m.channel, m.data1);
        break;
    case MessageKind::keyPressure:
        fluid_synth_key_pressure(synth, m.channel, m.data1, m.data2);
        break;
    case MessageKind::controller:
        fluid_synth_cc(synth, m.channel, m.data1, m.data2);
        break;
    case MessageKind::programChange:
        // Reads the new preset's samples on this thread (dynamic loading).
        fluid_synth_program_change(synth, m.channel, m.data1);
        break;
    case MessageKind::channelPressure:
        fluid_synth_channel_pressure(synth, m.channel, m.data1);
        break;
    case MessageKind::pitchBend:
        fluid_synth_pitch_bend(synth, m.channel, m.data1);
        break;
    case MessageKind::other:
        break;
    }
}

bool FluidSynthOutput::render(float* left, float* right, int frames)
{
    if (m_driver || m_stream || frames < 0 || left == nullptr || right == nullptr) {
        return false;
    }
    if (frames == 0) {
        return true;
    }
    return fluid_synth_write_float(m_synth.get(), frames, left, 0, 1, right, 0, 1) == FLUID_OK;
}

}  // namespace sound
