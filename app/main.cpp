#include "app/diagnostics.h"
#include "app/form1.h"
#include "app/options.h"
#include "keyboard/computerkeyboard.h"
#include "keyboard/midiinput.h"
#include "platform/pictures.h"
#include "platform/qttimebase.h"
#include "platform/terminate.h"
#include "progress/report.h"
#include "progress/results.h"
#include "sound/outputsystem.h"

#include <QApplication>
#include <cstdio>
#include <memory>
#include <random>

namespace {

void print(std::FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv)
{
    // Options that need no window are answered before any window system is
    // asked for, so they work over ssh and in scripts too.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const Options options = parseOptions(arguments);
    switch (options.action) {
    case Options::Action::Exit:
        print(options.exitStatus == 0 ? stdout : stderr, options.message);
        return options.exitStatus;
    case Options::Action::ListMidiOut: {
        sound::DefaultOutputSystem outputs{sound::SynthConfig{}};
        const std::vector<std::string> names = outputs.deviceNames();
        for (std::size_t i = 0; i < names.size(); ++i) {
            std::printf("%zu\t%s\n", i, names[i].c_str());
        }
        return 0;
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
        return 0;
    }
    case Options::Action::Report:
        return progress::runReport(options.reportFile, options.reportOut, argc, argv);
    case Options::Action::Run: break;
    }

    // --results FILE: every run's notes are appended to the file at the run's
    // end. The file is tried now, before any window: one that cannot be
    // written stops the program here, as a bad option does.
    std::unique_ptr<progress::ResultsRecorder> results;
    if (!options.resultsFile.isEmpty()) {
        results = std::make_unique<progress::ResultsRecorder>(
            std::make_unique<progress::ResultsFile>(options.resultsFile.toLocal8Bit().toStdString()),
            [](const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); });
        if (const std::string error = results->check(); !error.empty()) {
            print(stderr, QStringLiteral("tavelin-piano: %1 (--results)").arg(QString::fromStdString(error)));
            return 2;
        }
    }

    QApplication::setStyle(QStringLiteral("Fusion"));  // button faces show their colour
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavelin-piano"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavelin Piano"));
    QApplication::setApplicationVersion(QStringLiteral("3.03"));
    // The desktop entry's name, so that Wayland compositors find its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tavelin.TavelinPiano"));

    platform::QtTimeBase time;
    sound::DefaultOutputSystem outputs{sound::SynthConfig{}};
    app::StartupTiming timing(outputs);  // TAVELIN_TIMING: start-up figures on stdout
    platform::MessageBoxSink messages;
    const Form1Services services{time, timing.outputs(), messages, &platform::reportToStderr,
                                 QCoreApplication::applicationDirPath(), std::random_device{}(), options.midiOut,
                                 results.get()};
    Form1 form(services);
    platform::closeOnTerminate(&form);
    // Both play through the window's keyDown/keyUp, on its thread; they go
    // before the window does (declared after it).
    const std::unique_ptr<keyboard::MidiInput> midiKeyboards =
        keyboard::startMidiInput(form, options.midiIn, outputs.alsaClientOf(options.midiOut));
    keyboard::ComputerKeyboard computerKeyboard(form);
    app.installEventFilter(&computerKeyboard);
    timing.watch(&form);
    form.show();
    return QApplication::exec();
}
