#pragma once

#include <string>
#include <vector>

// FluidSynth, alsa-lib and GLib (for FluidSynth's libinstpatch) print their
// own errors straight to stderr, several lines for one failure (a machine
// without a sound card gets a dozen "ALSA lib ..." lines for one failed open).
// Each lets a program replace the printer process-wide; we do so once, and a
// thread that wants to report a failure in one line of its own collects what
// the libraries say while it works.
namespace sound::diagnostics {

// Installs the process-wide handlers; cheap to call again. Messages that
// arrive on a thread with no Capture alive go to the printer, one line each
// as the library would print it ("fluidsynth: error: ...", "ALSA lib
// file:line:(function) ..."), except FluidSynth's warnings, information and
// debug messages, which are dropped (the audio thread's "could not get
// real-time priority" on every start, for instance). GLib's go to its own
// default handler.
void installHandlers();

// Where those lines go: the program decides (stderr, a log). It may be
// called from any thread: FluidSynth's audio thread, the SoundFont loader.
// None (the default): they are dropped.
using Printer = void (*)(const std::string& line);
void setPrinter(Printer printer);

// While alive, the library messages that arrive on this thread are kept here
// instead of printed. Captures nest: the innermost one collects.
class Capture {
public:
    Capture();
    ~Capture();
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;

    const std::vector<std::string>& messages() const { return m_messages; }

    // What to put in a one-line report: FluidSynth's first error (it names
    // the cause, "Not a RIFF file"; later ones name the consequences), else
    // alsa-lib's first message, else empty.
    std::string firstError() const;

    enum class Source { fluidSynthError, alsaLib, other };
    void add(Source source, std::string message);

private:
    Capture* m_outer;
    std::vector<std::string> m_messages;
    std::string m_firstFluidError;
    std::string m_firstAlsaMessage;
};

}  // namespace sound::diagnostics
