// Leaks on purpose, for the test of the leak checker's settings
// (tests/support/leakcheck.sh). Both ways it starts what the program starts
// that keeps blocks of the system libraries' own to the end (Qt's event loop,
// FluidSynth's synthesizer); with "ours" it also leaks one block of its own,
// allocated in a handler that Qt's event loop calls, as the program's are.
//
//   tavelin-leakprobe none|ours

#include <QCoreApplication>
#include <QTimer>

#include <fluidsynth.h>

#include <cstring>

namespace {

char* volatile kept = nullptr;

[[gnu::noinline]] void leakOfOurs()
{
    kept = new char[48];
    std::memset(kept, 1, 48);
    kept = nullptr;  // the last pointer to it gone: a direct leak
}

}  // namespace

int main(int argc, char** argv)
{
    const bool leak = argc > 1 && std::strcmp(argv[1], "ours") == 0;
    QCoreApplication app(argc, argv);
    fluid_settings_t* settings = new_fluid_settings();
    fluid_synth_t* synth = new_fluid_synth(settings);
    QTimer::singleShot(0, &app, [&] {
        if (leak) {
            leakOfOurs();
        }
        app.quit();
    });
    const int status = app.exec();
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return synth ? status : 1;
}
