#pragma once

#include "progress/statistics.h"

#include <QString>
#include <string>

// tavelin-piano --report FILE [--out PNG]: the summary on standard output and
// the picture, with no window.
namespace progress {

// The summary, in French, as printed: runs, score and response time then and
// now, the five weakest notes with their commonest mistake, lines skipped.
std::string summaryText(const ResultsSummary& summary, const std::string& source, const std::string& picture);

// Where the picture goes when --out is not given: report.png beside file.
QString defaultReportPicture(const QString& file);

// Reads file (never writing to it), prints the summary, writes the picture to
// out (or the default). Starts its own QGuiApplication, on the offscreen
// platform unless QT_QPA_PLATFORM says otherwise. Returns the exit status:
// 0, or 1 when the file cannot be read or the picture written (said on
// standard error).
int runReport(const QString& file, const QString& out, int argc, char** argv);

}  // namespace progress
