#pragma once

#include "app/options.h"
#include "progress/report.h"

#include <QString>

#include <vector>

// --pupil NAME and --list-pupils: the pupils' files in the user's data folder.
namespace app {

// Turns --pupil into files: the results file to play into (the pupil's file
// that is there, whatever form their name takes on disk, or a new one, its
// folder made when new) or, after the files --report was given, what to
// report on: each pupil with every file of theirs. Returns the one-line
// reason when it cannot, or an empty string.
QString resolvePupils(Options& options, std::vector<progress::ReportSource>* sources);

// --list-pupils: "NAME<TAB>runs<TAB>last date" a line per pupil on stdout,
// each name printable (progress::printableName). Returns the exit status.
int listPupils();

}  // namespace app
