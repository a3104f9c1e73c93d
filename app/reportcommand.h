#pragma once

#include "progress/report.h"

#include <string>
#include <vector>

// tavelin-piano --report: the report on one pupil or one file, or the class
// report over several, with no window. The summary goes to standard output,
// every failure is one line on standard error; each starts its own
// QGuiApplication, on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise.
namespace app {

// One pupil's report (progress::readReport): prints the summary and writes
// the picture to out, or beside a file given by its path. Returns the exit
// status: 0; 2 when the picture would be one of the results files itself;
// 1 when a file cannot be read, the picture cannot be written (the summary
// is still printed) or standard output cannot be written.
int runReport(const progress::ReportSource& source, const std::string& out, int argc, char** argv);

// The class report (progress::readClassReport): a line per pupil and the
// PDF (class.pdf here by default). Returns the exit status: 0; 1 when a file
// cannot be read (the PDF of the others is still written) or the PDF cannot
// be written; 2 when out is not a .pdf or is one of the files.
int runClassReport(const std::vector<progress::ReportSource>& sources, const std::string& out, int argc, char** argv);

}  // namespace app
