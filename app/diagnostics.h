#pragma once

#include "platform/midiout.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// Start-up figures for the timing programs. When the environment variable
// TAVELIN_TIMING is set (to anything), the program prints on stdout, one line
// each, flushed at once:
//
//   first-paint-ms N    once the window's first paint has been done
//   soundfont-ms N      once the built-in synthesizer's SoundFont has loaded
//   rss-kb N            resident memory at that moment (VmRSS), in KiB
//
// Times are milliseconds since the process started (the kernel's start time
// of the process, in clock ticks of 10 ms, so the figures include loading the
// program and its libraries). Unset, nothing is watched, wrapped or printed.
namespace app {

class StartupTiming final : public QObject {
    Q_OBJECT

public:
    // outputs: the MIDI output system that the window will be given.
    explicit StartupTiming(midi::OutputSystem& outputs);
    ~StartupTiming() override;
    StartupTiming(const StartupTiming&) = delete;
    StartupTiming& operator=(const StartupTiming&) = delete;

    static bool requested();

    // What to hand the window: the system given, or (when requested) a
    // wrapper that forwards every call to it and keeps an eye on the
    // built-in synthesizer's load.
    midi::OutputSystem& outputs();

    // Watches the window for its first paint. Nothing when not requested.
    void watch(QWidget* window);

    // Milliseconds since this process started; empty where /proc cannot say.
    static std::optional<std::int64_t> msSinceProcessStart();
    // VmRSS of this process in KiB; empty where /proc cannot say.
    static std::optional<std::int64_t> residentKb();

    class WatchedOutputs;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reportFirstPaint();
    void pollLoad();
    static void printLine(const char* name, std::optional<std::int64_t> value);

    midi::OutputSystem& m_outputs;
    std::unique_ptr<WatchedOutputs> m_watched;  // only when requested
    QPointer<QWidget> m_window;
    bool m_painted = false;
    bool m_loadReported = false;
    QTimer m_loadPoll;  // every 5 ms until the SoundFont has loaded or failed
};

}  // namespace app
