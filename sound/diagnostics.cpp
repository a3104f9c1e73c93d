#include "sound/diagnostics.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>
#include <glib.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace sound::diagnostics {

namespace {

thread_local Capture* t_current = nullptr;
std::atomic<Printer> g_printer{nullptr};

void print(const std::string& line)
{
    if (const Printer printer = g_printer.load(std::memory_order_acquire)) {
        printer(line);
    }
}

void fluidLog(int level, const char* message, void* /*data*/)
{
    const bool isError = level == FLUID_PANIC || level == FLUID_ERR;
    const std::string text = message != nullptr ? message : "";
    if (t_current != nullptr) {
        t_current->add(isError ? Capture::Source::fluidSynthError : Capture::Source::other, text);
        return;
    }
    if (isError) {
        print(std::string("fluidsynth: ") + (level == FLUID_PANIC ? "panic" : "error") + ": " + text);
    }
}

// alsa-lib's printer, with its own format: "ALSA lib file:line:(function) message[: error]".
void alsaLog(const char* file, int line, const char* function, int err, const char* fmt, ...)
{
    char text[512];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    std::string message = text;
    if (err != 0) {
        message += ": ";
        message += snd_strerror(err);
    }
    if (t_current != nullptr) {
        t_current->add(Capture::Source::alsaLib, message);
        return;
    }
    print("ALSA lib " + std::string(file != nullptr ? file : "") + ":" + std::to_string(line) + ":(" +
          (function != nullptr ? function : "") + ") " + message);
}

// GLib's, for libinstpatch: FluidSynth tries its DLS loader on a file its
// SoundFont loader refused, and that one reports a failed assertion of its
// own ("CRITICAL **: ipatch_container_init_iter ...") for a damaged file.
void glibLog(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer data)
{
    if (t_current != nullptr) {
        t_current->add(Capture::Source::other, message != nullptr ? message : "");
        return;
    }
    g_log_default_handler(domain, level, message, data);
}

}  // namespace

void installHandlers()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
            fluid_set_log_function(level, fluidLog, nullptr);
        }
        snd_lib_error_set_handler(alsaLog);
        g_log_set_default_handler(glibLog, nullptr);
    });
}

void setPrinter(Printer printer)
{
    g_printer.store(printer, std::memory_order_release);
}

Capture::Capture() : m_outer(t_current)
{
    installHandlers();
    t_current = this;
}

Capture::~Capture()
{
    t_current = m_outer;
}

void Capture::add(Source source, std::string message)
{
    if (source == Source::fluidSynthError && m_firstFluidError.empty()) {
        m_firstFluidError = message;
    }
    if (source == Source::alsaLib && m_firstAlsaMessage.empty()) {
        m_firstAlsaMessage = message;
    }
    m_messages.push_back(std::move(message));
}

std::string Capture::firstError() const
{
    return !m_firstFluidError.empty() ? m_firstFluidError : m_firstAlsaMessage;
}

}  // namespace sound::diagnostics
