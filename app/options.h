#pragma once

#include "exercise/focus.h"
#include "exercise/variant.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The command line. With no options the program behaves as it always has:
// MIDI output device 0, every MIDI keyboard present, no files written.
struct Options {
    enum class Action { Run, ListMidiOut, ListMidiIn, Report, ListPupils, Pupils, ExportPupil, Import, Exit };

    Action action = Action::Run;
    std::uint32_t midiOut = 0;  // --midi-out N
    QString midiIn;             // --midi-in none | CLIENT:PORT; empty: every keyboard
    // File names are bytes, as the system gives them: any name the shell can
    // give works, whether or not it is valid in the locale's encoding.
    std::string resultsFile;  // --results FILE
    std::string reportFile;   // --report FILE
    std::string reportOut;    // --out PICTURE (.png, .jpg, .jpeg or .pdf; .pdf for a class), or the exported file
    QString exportPupil;      // --export-pupil NAME
    std::string importFile;   // --import FILE (into --pupil NAME, or the pupil the file names)
    // Pupils and practice that adapts to them.
    std::vector<std::string> reportFiles;          // --report FILE [FILE...]: every file, reportFile first
    QStringList pupils;                            // --pupil NAME: one to play, one or more to report on
    std::string computer;                          // this computer's id, for a pupil who plays (resolvePupils)
    bool focus = false;                            // --focus: weak notes come back more often
    std::optional<exercise::NoteRange> noteRange;  // --notes LOW-HIGH
    // --variant ear|key[=N|new]|phrase[=N]: what the modes run (nothing: the pupil's
    // settings, or the drill).
    std::optional<exercise::Variant> variant;
    bool cClefs = false;  // --c-clefs: the alto and tenor clefs join modes 5 and 6
    int exitStatus = 0;   // for Action::Exit
    QString message;      // what to print for Action::Exit (help, version or the error)
};

// Parses the arguments (argv[0] first). A bad option or value gives
// Action::Exit with status 2 and a one-line message for standard error;
// --help and --version give Action::Exit with status 0 and their text.
// Options that cannot go together (--report with --results or the MIDI
// options, a list with any other option) and numbers out of range exit 2 too.
Options parseOptions(const QStringList& arguments);

// The same from main's own arguments, the file names taken as the raw bytes
// of argv.
Options parseOptions(int argc, char** argv);
