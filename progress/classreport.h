#pragma once

#include "progress/statistics.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

// The class report: --report over several pupils' files draws a first page
// comparing them, then each pupil's own report page, into one PDF.
namespace progress::classreport {

// One line of the comparison, from a pupil's summary.
struct PupilLine {
    QString name;
    std::size_t runs = 0;
    std::size_t notes = 0;
    std::optional<double> score;     // percent right
    std::optional<double> medianMs;  // over every right answer
    std::vector<NoteStats> toWork;   // the three weakest notes, weakest first
    std::optional<Trend> trend;      // of the run scores, with two runs or more
    std::vector<std::optional<double>> runScores;
    std::string first;  // start of the first and the last run, as in the file
    std::string last;
};

// The one computation of a pupil's figures: the class report's first page
// and the pupils window's list both show these.
PupilLine lineOf(const QString& name, const ResultsSummary& summary);

// The trend as the first page writes it ("+2,5 pt par séance", "stable"),
// and a run's start as a date ("02/09/2024").
QString trendWords(const Trend& trend);
QString dateWords(const std::string& started);

struct Pupil {
    QString name;
    ResultsSummary summary;
};

// The first page, the size of a report page (reportpicture::size). Needs
// art::fonts::load() first.
QImage comparisonPage(const std::vector<PupilLine>& lines);

// Writes the comparison and then one page per pupil into a PDF at path.
// Returns why not, or an empty string.
// path is bytes, as the system names it; the PDF is drawn whole, then put in
// place of any old file there (report.h's replaceFile).
std::string writePdf(const std::string& path, const std::vector<Pupil>& pupils);

// The summary printed on standard output.
std::string summaryText(const std::vector<PupilLine>& lines, const std::string& pdf);

}  // namespace progress::classreport

namespace progress {

// tavelin-piano --report FILE FILE... [--out class.pdf]: reads every file
// (never writing to it), names each page after names (same order), prints a
// line per pupil and writes the PDF (class.pdf here by default). File names
// are bytes, as given. Returns the exit status: 0; 1 when a file cannot be
// read or the PDF written; 2 when out is not a .pdf or is one of the files.
int runClassReport(const std::vector<std::string>& files, const QStringList& names, const std::string& out, int argc,
                   char** argv);

}  // namespace progress
