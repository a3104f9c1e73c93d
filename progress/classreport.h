#pragma once

#include "progress/report.h"
#include "progress/statistics.h"

#include <QImage>
#include <QPainter>
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
    std::size_t skipped = 0;  // lines that could not be read as rows
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

// A note to work on as the comparison writes it: its name and its clef, so
// that the same note read in both clefs is told apart ("fa 2 en clef de fa",
// or "fa2 (fa)" on the page, compact).
QString workName(const NoteStats& note, bool compact);

// The comparison takes as many pages as it needs, at most rowsPerPage
// pupils on each: past that, rows would be too small to read.
constexpr std::size_t rowsPerPage = 18;
std::size_t comparisonPages(std::size_t pupils);

// Page page (from 0) of the comparison, the size of a report page
// (reportpicture::size), drawn on p over the page's paper, or into a picture
// with its paper. Need art::fonts::load() first.
void paintComparison(QPainter& p, const std::vector<PupilLine>& lines, std::size_t page);
QImage comparisonPage(const std::vector<PupilLine>& lines, std::size_t page = 0);

// Writes the comparison and then one page per pupil into a PDF at path.
// Returns why not (the whole line, naming the PDF), or an empty string.
// path is bytes, as the system names it; the PDF is drawn whole, then put in
// place of any old file there (report.h's replaceFile). The pages are drawn
// as the PDF's own lines and text over one picture of the paper that every
// page shares, so that a class of hundreds stays a few megabytes.
std::string writePdf(const std::string& path, const std::vector<Pupil>& pupils);

// The summary printed on standard output.
std::string summaryText(const std::vector<PupilLine>& lines, const std::string& pdf);

}  // namespace progress::classreport

namespace progress {

// tavelin-piano --report FILE FILE... [--out class.pdf] (or several
// --pupil), read: every source's files (never written to), each counted once
// however it is named (a link, ./, a pupil named twice or in another form):
// the others are said and left out. A pupil whose file cannot be read is
// said and left out; the others are still reported. File names are bytes,
// as given. app/reportcommand.h writes the PDF and prints the lines.
struct ClassReportRun {
    int status = 0;                 // so far: 1 when a pupil is left out or none is left; 2 when out is refused
    std::vector<std::string> said;  // what the user is told, a line each, in order
    std::vector<classreport::Pupil> pupils;  // none: no PDF to write
    std::string pdf;                         // where it goes (class.pdf here by default), absolute
};
ClassReportRun readClassReport(const std::vector<ReportSource>& sources, const std::string& out);

}  // namespace progress
