#pragma once

#include "app/options.h"
#include "progress/report.h"

#include <QString>

#include <vector>

// --pupil NAME and --list-pupils: the pupils' files in the user's data folder.
namespace app {

// Turns --pupil into files: the results file to play into (this computer's
// own file in the pupil's folder, the folders made when new) or, after the
// files --report was given, what to report on: each pupil with every file
// of theirs (every computer's, and the old layout's, whatever form their
// name takes on disk). Returns the one-line
// reason when it cannot, or an empty string.
QString resolvePupils(Options& options, std::vector<progress::ReportSource>* sources);

// --list-pupils: "NAME<TAB>runs<TAB>last date" a line per pupil on stdout,
// each name printable (progress::printableName). Returns the exit status.
int listPupils();

// --export-pupil NAME --out FILE: the pupil's whole record in one file;
// prints the name, the runs and the file, tab-separated. Returns the exit
// status (1 with one line on stderr when it cannot be done).
int exportPupil(const Options& options);

// --import FILE [--pupil NAME]: the runs of the file the pupil has not got
// yet, added; prints the pupil, the runs added and those already there,
// tab-separated. A file refused changes nothing: status 1 and its reason.
int importPupil(const Options& options);

}  // namespace app
