#pragma once

#include "app/options.h"

#include <QString>

// --pupil NAME and --list-pupils: the pupils' files in the user's data folder.
namespace app {

// Turns --pupil into files: the results file to play into (its folder made
// when new) or the files to report on, with the pupils' names for the pages.
// Returns the one-line reason when it cannot, or an empty string.
QString resolvePupils(Options& options, QStringList* names);

// --list-pupils: "NAME<TAB>runs<TAB>last date" a line per pupil on stdout.
// Returns the exit status.
int listPupils();

}  // namespace app
