#include "app/diagnostics.h"
#include "app/form1.h"
#include "app/inputs.h"
#include "app/options.h"
#include "app/pupiloptions.h"
#include "app/pupilswindow.h"
#include "app/reportcommand.h"
#include "app/translation.h"
#include "app/windowframe.h"
#include "keyboard/computerkeyboard.h"
#include "platform/messages.h"
#include "platform/pictures.h"
#include "platform/qttimebase.h"
#include "platform/terminate.h"
#include "platform/version.h"
#include "progress/computer.h"
#include "progress/launcher.h"
#include "progress/playingpupil.h"
#include "progress/pupilfolder.h"
#include "progress/pupils.h"
#include "progress/recentstats.h"
#include "progress/report.h"
#include "progress/results.h"
#include "sound/diagnostics.h"
#include "sound/outputsystem.h"

#include <QApplication>
#include <QFile>
#include <csignal>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <memory>
#include <optional>
#include <random>

#include <xcb/xcb.h>

namespace {

void print(std::FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
}

// Standard output flushed whole: a list or the help sent to a full disk
// (> /dev/full) fails the program instead of passing for done.
int finishOutput(int status)
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fprintf(stderr, "tavelin-piano: %s\n",
                     platform::message(QT_TRANSLATE_NOOP("Messages", "cannot write to standard output: %1"),
                                       {std::strerror(errno)})
                         .c_str());
        return status == 0 ? 1 : status;
    }
    return status;
}

// Without a window system Qt would abort with several lines of its own: no
// display named, or an X server that cannot be reached (DISPLAY=:987, a
// server gone, no right to it). Only where Qt would use X is the X server
// asked, as Qt would ask it: QT_QPA_PLATFORM says xcb, or it says nothing
// and no Wayland display is there to try first. The connection that asked is
// kept in probe until Qt has made its own: an X server with no other client
// (Xvfb, a bare xinit) resets when its last client leaves, and refuses a
// connection while it does.
struct XcbDisconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};
using DisplayProbe = std::unique_ptr<xcb_connection_t, XcbDisconnect>;

bool hasDisplay(DisplayProbe& probe)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (platform.startsWith("wayland")) {
        return wayland;
    }
    if (platform.isEmpty() && wayland &&
        (qgetenv("XDG_SESSION_TYPE") == "wayland" || qEnvironmentVariableIsEmpty("DISPLAY"))) {
        return true;  // a Wayland session
    }
    if (!platform.isEmpty() && !platform.startsWith("xcb")) {
        return true;  // offscreen, vnc, eglfs...: no X server wanted
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        return false;
    }
    probe.reset(xcb_connect(nullptr, nullptr));
    return xcb_connection_has_error(probe.get()) == 0;
}

// Rows not in the results file at the end are said, with their count.
void sayUnwritten(std::size_t rows, const std::string& file)
{
    const std::string line = platform::counted(
        QT_TRANSLATE_N_NOOP("Messages", "%n row(s) of results could not be written to '%1' and are lost"), rows,
        {file});
    std::fprintf(stderr, "tavelin-piano: %s\n", line.c_str());
}

// When the X connection is lost, Qt ends the program with exit(1) from
// inside the event loop: main's objects are never destroyed, so the open run
// is ended and saved here, from exit's handlers, as a close would save it.
progress::PlayingPupil* resultsAtExit = nullptr;
exercise::Run* runAtExit = nullptr;
platform::TimeBase* clockAtExit = nullptr;

void saveResultsAtExit()
{
    if (exercise::Run* run = std::exchange(runAtExit, nullptr); run != nullptr && clockAtExit != nullptr) {
        run->end(true, clockAtExit->now());
    }
    progress::PlayingPupil* results = std::exchange(resultsAtExit, nullptr);
    if (results == nullptr) {
        return;
    }
    std::string file;
    if (const std::size_t lost = results->finish(&file); lost > 0) {
        sayUnwritten(lost, file);
    }
}

// What the pupils window works on: the pupils' folder, the user's
// applications folder for the launchers, and this program.
PupilsWindowServices pupilsServices(progress::PlayingPupil* playing)
{
    PupilsWindowServices s;
    s.folder =
        progress::pupilsFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")).value_or(std::filesystem::path());
    s.applications = progress::launcher::applicationsFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    s.program = QCoreApplication::applicationFilePath();
    s.playing = playing;
    if (std::optional<progress::Computer> computer = progress::thisComputer(&s.computerProblem)) {
        s.computer = std::move(*computer);
    }
    return s;
}

// The built-in synthesizer and the outputs as the window plays them: what
// they cannot do (real-time priority, a sound server gone, a SoundFont that
// does not load, no sequencer, a port that does not open) is said on stderr.
sound::SynthConfig windowSynthConfig()
{
    sound::SynthConfig config;
    config.report = [](const std::string& line) { std::fprintf(stderr, "Tavelin Piano: %s\n", line.c_str()); };
    return config;
}

// FluidSynth's and alsa-lib's own lines, as they print them.
void printLibraryLine(const std::string& line)
{
    std::fprintf(stderr, "%s\n", line.c_str());
}

// The answers that need no window: the help, the version, the lists, the
// reports, and an option refused. Nothing when the window is wanted.
std::optional<int> answerWithoutWindow(const Options& options, const std::vector<progress::ReportSource>& sources,
                                       int argc, char** argv)
{
    switch (options.action) {
    case Options::Action::Exit:
        print(options.exitStatus == 0 ? stdout : stderr, options.message);
        return finishOutput(options.exitStatus);
    case Options::Action::ListMidiOut: {
        sound::DefaultOutputSystem outputs{windowSynthConfig()};
        const std::vector<std::string> names = outputs.deviceNames();
        for (std::size_t i = 0; i < names.size(); ++i) {
            std::printf("%zu\t%s\n", i, names[i].c_str());
        }
        return finishOutput(0);
    }
    case Options::Action::ListMidiIn: {
        // The keyboards the program connects when started without --midi-in.
        const keyboard::MidiInputPortList keyboards = keyboard::listMidiKeyboards();
        if (!keyboards.problem.empty()) {
            std::fprintf(stderr, "Tavelin Piano: %s\n", keyboards.problem.c_str());
        }
        for (const keyboard::MidiInputPort& port : keyboards.ports) {
            std::printf("%d:%d\t%s\n", port.client, port.port, port.label().c_str());
        }
        return finishOutput(0);
    }
    case Options::Action::ListPupils:
        return finishOutput(app::listPupils());
    case Options::Action::ExportPupil:
        return finishOutput(app::exportPupil(options));
    case Options::Action::Import:
        return finishOutput(app::importPupil(options));
    case Options::Action::Report:
        if (sources.size() > 1) {
            return finishOutput(app::runClassReport(sources, options.reportOut, argc, argv));
        }
        return finishOutput(app::runReport(sources.front(), options.reportOut, argc, argv));
    case Options::Action::Run:
    case Options::Action::Pupils:
        break;
    }
    return std::nullopt;
}

// Who plays first: --results FILE, with --pupil NAME's settings. The file
// is tried now, before any window: one that cannot be written stops the
// program here, as a bad option does (false).
bool chooseFirstPupil(progress::PlayingPupil& playing, const Options& options)
{
    if (options.resultsFile.empty()) {
        return true;
    }
    progress::PlayingPupil::Choice first;
    first.file = options.resultsFile;
    if (!options.pupils.isEmpty()) {
        first.name = options.pupils.front();
        const auto folder = progress::pupilsFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
        first.folder = folder.value_or(std::filesystem::path()).string();
        first.computer = options.computer;
        std::string error;
        const auto settings =
            folder ? progress::practice::readPupil(*folder, progress::pupilBytes(first.name), &error) : std::nullopt;
        if (settings) {
            first.settings = *settings;
        } else if (!error.empty()) {
            std::fprintf(
                stderr, "tavelin-piano: %s\n",
                platform::message(QT_TRANSLATE_NOOP("Messages", "%1; the pupil plays with the usual settings"), {error})
                    .c_str());
        }
    }
    if (const std::string error = playing.choose(first); !error.empty()) {
        std::fprintf(stderr, "tavelin-piano: %s\n",
                     platform::message(QT_TRANSLATE_NOOP("Messages", "%1 (--results)"), {error}).c_str());
        return false;
    }
    return true;
}

void nameApplication()
{
    QApplication::setApplicationName(QStringLiteral("tavelin-piano"));
    // Qt appends the display name to every window title unless the title
    // ends with it already: so it is the caption itself.
    QApplication::setApplicationDisplayName(QString::fromLatin1(platform::programCaption));
    QApplication::setApplicationVersion(QString::fromLatin1(platform::versionNumber));
    // The desktop entry's name, so that Wayland compositors find its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVELIN_APP_ID));
}

// The piano window, with its sound, its keyboards and the pupils window it
// opens, until it is closed; then the rows not yet written are. Returns the
// exit status.
int runPiano(QApplication& app, const Options& options, progress::PlayingPupil& playing)
{
    platform::QtTimeBase time;
    sound::DefaultOutputSystem outputs{windowSynthConfig()};
    app::StartupTiming timing(outputs);  // TAVELIN_TIMING: start-up figures on stdout
    platform::MessageBoxSink messages;
    Form1Services services{time,
                           timing.outputs(),
                           messages,
                           &platform::reportToStderr,
                           QCoreApplication::applicationDirPath(),
                           std::random_device{}(),
                           options.midiOut,
                           &playing};
    services.noteRange = options.noteRange;
    // Asked at every run start, for whoever plays it (--notes and --focus
    // win over a pupil's settings): the rows of the run before are in the
    // file by then.
    services.noteRangeAtStart = [&playing] { return playing.noteRange(); };
    services.focusRecords = [&playing] { return playing.focusRecords(); };
    // The pupils window, made on first use, a window of the main one's.
    Form1* formWindow = nullptr;
    PupilsWindow* pupilsWindow = nullptr;
    services.openPupils = [&formWindow, &pupilsWindow, &playing] {
        if (pupilsWindow == nullptr) {
            pupilsWindow = new PupilsWindow(pupilsServices(&playing), formWindow);
        }
        pupilsWindow->show();
        pupilsWindow->raise();
        pupilsWindow->activateWindow();
    };
    Form1 form(services);
    form.setVariants({}, [&playing] { return playing.variant(); });
    formWindow = &form;
    runAtExit = &form.exerciseRun();
    clockAtExit = &time;
    form.setPlayingDescription(playing.description());
    QObject::connect(&playing, &progress::PlayingPupil::chosenChanged, &form,
                     [&form, &playing] { form.setPlayingDescription(playing.description()); });
    // On Wayland the window sits in a frame of the program's own (no
    // maximise button); it goes before the window does (declared after it).
    std::unique_ptr<app::WindowFrame> frame;
    if (app::needsOwnFrame(QGuiApplication::platformName())) {
        frame = std::make_unique<app::WindowFrame>(form);
    }
    QWidget& window = frame ? static_cast<QWidget&>(*frame) : form;
    platform::closeOnTerminate(&window);
    // Both play through the window's keyDown/keyUp, on its thread; they go
    // before the window does (declared after it).
    const std::unique_ptr<keyboard::MidiInput> midiKeyboards =
        app::startMidiKeyboards(form, options.midiIn, outputs.alsaClientOf(options.midiOut));
    keyboard::ComputerKeyboard computerKeyboard(window, form);
    app.installEventFilter(&computerKeyboard);
    timing.watch(&form);
    window.show();
    int status = QApplication::exec();
    // The rows still waiting are written while the window is still there, as
    // when it closes.
    resultsAtExit = nullptr;
    runAtExit = nullptr;
    form.exerciseRun().end(true, time.now());  // a run still going (the close ended it already)
    std::string unwrittenFile;
    if (const std::size_t lost = playing.finish(&unwrittenFile); lost > 0) {
        sayUnwritten(lost, unwrittenFile);
        status = status == 0 ? 1 : status;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    sound::diagnostics::setPrinter(&printLibraryLine);
    // Every line the program says, before its window as after, in the
    // desktop's language.
    platform::setMessageTranslation(app::desktopTranslation());
    // Options that need no window are answered before any window system is
    // asked for, so they work over ssh and in scripts too.
    Options options = parseOptions(argc, argv);
    std::vector<progress::ReportSource> sources;  // what --report reports on: files, then pupils
    if (options.action != Options::Action::Exit && options.action != Options::Action::Import) {
        if (const QString error = app::resolvePupils(options, &sources); !error.isEmpty()) {
            print(stderr, QStringLiteral("tavelin-piano: %1").arg(error));
            return 2;
        }
    }
    if (const std::optional<int> status = answerWithoutWindow(options, sources, argc, argv)) {
        return *status;
    }
    // From here a logout or Ctrl+C closes the window, even one that comes
    // before the window is up.
    platform::catchTerminate();

    DisplayProbe probe;
    if (!hasDisplay(probe)) {
        print(stderr, app::commandLineText(
                          QT_TRANSLATE_NOOP("CommandLine", "no display: set DISPLAY or run in a desktop session")));
        return 1;
    }

    // A file size limit (ulimit -f) makes a write past it fail with EFBIG,
    // which the results file reports and keeps its rows for, rather than
    // end the program with every row still waiting.
    std::signal(SIGXFSZ, SIG_IGN);

    // Who plays: --results FILE or --pupil NAME at first, then whoever the
    // pupils window chooses. Every run's notes are appended to the file at
    // the run's end, by a thread of their own.
    progress::PlayingPupil playing({options.focus, options.noteRange, options.variant, options.cClefs},
                                   [](const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); });
    if (!chooseFirstPupil(playing, options)) {
        return 2;
    }
    resultsAtExit = &playing;
    std::atexit(&saveResultsAtExit);
    // Cleared before main's objects go, so the exit handler never sees them gone.
    const struct ExitGuard {
        ~ExitGuard()
        {
            resultsAtExit = nullptr;
            runAtExit = nullptr;
            clockAtExit = nullptr;
        }
    } exitGuard;

    QApplication::setStyle(QStringLiteral("Fusion"));  // button faces show their colour
    QApplication app(argc, argv);
    probe.reset();
    app::installTranslation(app);  // the desktop's language, if we have it; French otherwise
    platform::watchTerminate();    // a box shown while the window is built ends with it too
    nameApplication();

    if (options.action == Options::Action::Pupils) {
        // The pupils window alone: no piano, no sound, nothing recorded.
        PupilsWindow pupils(pupilsServices(nullptr), nullptr);
        platform::closeOnTerminate(&pupils);
        pupils.show();
        return QApplication::exec();
    }

    return runPiano(app, options, playing);
}
